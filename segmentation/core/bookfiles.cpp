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
    // Codes and placeholders are ASCII, which is the same in every form.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLatin1();
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

QList<QByteArray> gbkBytesOfUtf8Texts(const QList<QByteArray>& utf8Texts)
{
    QList<QByteArray> parts;
    parts.reserve(utf8Texts.size());
    // ASCII is the same in both forms; only the rest is converted, joined by line ends as above: when
    // no text holds one, they come back apart.
    QList<qsizetype> converted;
    QByteArray joined;
    for (qsizetype i = 0; i < utf8Texts.size(); ++i) {
        const QByteArray& text = utf8Texts.at(i);
        if (std::all_of(text.cbegin(), text.cend(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            parts.append(text);
        } else {
            parts.append(QByteArray());
            if (!converted.isEmpty())
                joined += '\n';
            joined += text;
            converted.append(i);
        }
    }
    if (converted.isEmpty())
        return parts;
    const QList<QByteArray> gbk = gbkBytes(QString::fromUtf8(joined)).split('\n');
    for (qsizetype k = 0; k < converted.size(); ++k) {
        const qsizetype i = converted.at(k);
        parts[i] = gbk.size() == converted.size() ? gbk.at(k) : gbkBytes(QString::fromUtf8(utf8Texts.at(i)));
    }
    return parts;
}

} // namespace segmentation
