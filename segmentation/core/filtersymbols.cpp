#include "segmentation/core/filtersymbols.h"

#include "platform/gbk.h"
#include "segmentation/core/textfile.h"

#include <QFileInfo>
#include <optional>

namespace segmentation {
namespace {

struct DefaultEntry
{
    quint16 code; // the symbol's GBK bytes, lead byte high
    const char16_t* name;
};

// Names 23 to 26 are the symbols themselves.
constexpr DefaultEntry kDefaultEntries[] = {
    {0xA3AC, u"逗号"},     {0xA1A3, u"句号"},     {0xA1A2, u"顿号"},   {0xA3BB, u"分号"},
    {0xA3BA, u"冒号"},     {0xA3BF, u"问号"},     {0xA1B0, u"双引号"}, {0xA1B1, u"双引号"},
    {0xA3A1, u"感叹号"},   {0xA1AD, u"省略号"},   {0xA1AE, u"单引号"}, {0xA1AF, u"单引号"},
    {0xA3A8, u"圆括号"},   {0xA3A9, u"圆括号"},   {0xA1B2, u"方括号"}, {0xA1B3, u"方括号"},
    {0xA3FB, u"花括号"},   {0xA3FD, u"花括号"},   {0xA1B6, u"书名号"}, {0xA1B7, u"书名号"},
    {0xA1AA, u"破折号"},   {0xA1AB, u"波浪号"},   {0xA1B8, u"「"},     {0xA1B9, u"」"},
    {0xA1BA, u"『"},       {0xA1BB, u"』"},       {0xA1B4, u"尖括号"}, {0xA1B5, u"尖括号"},
    {0xA1BE, u"实心括号"}, {0xA1BF, u"实心括号"},
};

constexpr qsizetype kBlanks = 10;

// A list far beyond any symbol set (GBK has 24066 characters) is a damaged file, not one to load whole.
constexpr qint64 kMaxFileSize = 1 << 20;

// Lines as the C runtime's text mode reads them: CR LF is one line end, a last line may lack it.
QList<QByteArray> splitLines(const QByteArray& content)
{
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

std::optional<QList<QByteArray>> readLines(const QString& path, QString* error)
{
    const FileHead head = readFileHead(path, kMaxFileSize + 1);
    if (!head.ok()) {
        *error = head.error;
        return std::nullopt;
    }
    if (head.bytes.size() > kMaxFileSize) {
        *error = QStringLiteral("%1已损坏（文件过大）").arg(path);
        return std::nullopt;
    }
    return splitLines(head.bytes);
}

} // namespace

QString filterFilePath(const QString& programFolder)
{
    return programFolder + QLatin1String(kFilterFileName);
}

QByteArray filterLine(QByteArrayView symbol, QByteArrayView description)
{
    return symbol.first(qMin<qsizetype>(2, symbol.size())).toByteArray() + QByteArray(kBlanks, ' ') +
           description.toByteArray();
}

QList<QByteArray> defaultFilterLines()
{
    QList<QByteArray> lines;
    for (const DefaultEntry& entry : kDefaultEntries) {
        const char symbol[] = {static_cast<char>(entry.code >> 8), static_cast<char>(entry.code & 0xFF)};
        lines.append(filterLine(QByteArrayView(symbol, 2), platform::gbk::encode(QStringView(entry.name))));
    }
    return lines;
}

QByteArray filterSymbols(const QList<QByteArray>& lines)
{
    QByteArray symbols;
    for (const QByteArray& line : lines)
        if (platform::gbk::startsWithDoubleByteCharacter(line))
            symbols += line.first(2);
    return symbols;
}

FilterLines loadFilterLines(const QString& programFolder)
{
    const QString path = filterFilePath(programFolder);
    FilterLines result;
    if (!QFileInfo::exists(path) && !WriteDefaultFilterFile(path, &result.error)) {
        result.lines = defaultFilterLines();
        return result;
    }
    if (auto lines = readLines(path, &result.error))
        result.lines = std::move(*lines);
    else
        result.lines = defaultFilterLines();
    return result;
}

QByteArray LoadFilterSymbols(const QString& programFolder, QString* error)
{
    const FilterLines loaded = loadFilterLines(programFolder);
    if (error)
        *error = loaded.error;
    return filterSymbols(loaded.lines);
}

bool writeFilterFile(const QString& path, const QList<QByteArray>& lines, QString* error)
{
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + '\n';
    return writeTextFile(path, text, error);
}

bool WriteDefaultFilterFile(const QString& path, QString* error)
{
    return writeFilterFile(path, defaultFilterLines(), error);
}

} // namespace segmentation
