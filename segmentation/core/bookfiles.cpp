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
    return edition == 0 ? QString::fromLatin1(kCodeFileName) : QStringLiteral("orveske.mb");
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

QByteArray gbkBytesOfStored(QByteArrayView utf8)
{
    // Codes and placeholders are ASCII, which is the same in every form.
    return platform::gbk::isAscii(utf8) ? utf8.toByteArray() : gbkBytes(QString::fromUtf8(utf8));
}

void StoredTexts::append(QByteArrayView utf8)
{
    if (!m_ends.isEmpty())
        m_joined += '\n';
    m_joined += utf8;
    m_ends.append(m_joined.size());
}

QList<QByteArray> StoredTexts::gbkBytes() const
{
    // Joined by line ends, as above: when no text holds one, they come back apart.
    QList<QByteArray> parts;
    if (m_ends.isEmpty())
        return parts;
    parts = platform::gbk::isAscii(m_joined)
                ? m_joined.split('\n')
                : segmentation::gbkBytes(QString::fromUtf8(m_joined)).split('\n');
    if (parts.size() == m_ends.size())
        return parts;
    parts.clear();
    for (qsizetype i = 0, start = 0; i < m_ends.size(); start = m_ends.at(i++) + 1)
        parts.append(gbkBytesOfStored(QByteArrayView(m_joined).sliced(start, m_ends.at(i) - start)));
    return parts;
}

} // namespace segmentation
