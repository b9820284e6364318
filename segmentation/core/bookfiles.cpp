#include "segmentation/core/bookfiles.h"

#include "platform/codefile.h"
#include "platform/gbk.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>

namespace segmentation {

BookFiles bookFiles(BookKind kind, const QString& programFolder)
{
    switch (kind) {
    case BookKind::Code:
        return {programFolder + QLatin1String(kCodeBookDatabaseName),
                programFolder + QLatin1String(kCodeBookIndexName)};
    case BookKind::Teacher:
        return {programFolder + QLatin1String(kTeacherBookDatabaseName),
                programFolder + QLatin1String(kTeacherBookIndexName)};
    case BookKind::Custom:
        return {programFolder + QLatin1String(kCustomBookDatabaseName),
                programFolder + QLatin1String(kCustomBookIndexName)};
    }
    Q_UNREACHABLE();
}

QString codeFileNameForEdition(int edition)
{
    return edition == 0 ? QStringLiteral("orvesk.mb") : QStringLiteral("orveske.mb");
}

QString userWordFileNameForEdition(int edition)
{
    return edition == 0 ? QStringLiteral("ZDY.TXT") : QStringLiteral("ZDYgbk.TXT");
}

QByteArray indexFileBytes(const QList<quint16>& counts)
{
    Q_ASSERT(counts.size() == platform::codefile::kGbkCellCount);
    QByteArray bytes(kIndexFileBytes, '\0');
    for (qsizetype cell = 0; cell < counts.size(); ++cell)
        qToLittleEndian(counts.at(cell), bytes.data() + 2 * cell);
    return bytes;
}

QString bookText(QByteArrayView gbk)
{
    return platform::gbk::decode(gbk);
}

QByteArray gbkBytes(const QString& text)
{
    return platform::gbk::encode(text);
}

std::optional<QString> storableText(QByteArrayView gbk)
{
    QString text = bookText(gbk);
    if (gbkBytes(text) != gbk)
        return std::nullopt;
    return text;
}

QList<std::optional<QString>> storableTexts(const QList<QByteArray>& texts)
{
    QList<std::optional<QString>> result;
    result.reserve(texts.size());
    // Joined by line ends, which no text may then hold: where the texts come back apart and every
    // byte reads back as it was, each of them does.
    const bool separable = std::none_of(texts.cbegin(), texts.cend(),
                                        [](const QByteArray& text) { return text.contains('\n'); });
    if (separable && !texts.isEmpty()) {
        const QByteArray joined = texts.join('\n');
        const QString decoded = bookText(joined);
        const QStringList parts = decoded.split(u'\n');
        if (parts.size() == texts.size() && gbkBytes(decoded) == joined) {
            for (const QString& part : parts)
                result.append(part);
            return result;
        }
    }
    for (const QByteArray& text : texts)
        result.append(storableText(text));
    return result;
}

} // namespace segmentation
