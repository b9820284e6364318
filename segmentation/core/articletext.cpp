#include "segmentation/core/articletext.h"

#include "platform/gbk.h"
#include "segmentation/core/textfile.h"

#include <QFile>
#include <QStringDecoder>
#include <bitset>

namespace segmentation {
namespace {

// A UTF-8 head is turned into GBK a piece at a time, so a long one is converted only as far as the
// article reaches.
constexpr qsizetype kConversionPieceBytes = 64 * 1024;

quint16 pairKey(QByteArrayView bytes, qsizetype at)
{
    return quint16(static_cast<unsigned char>(bytes[at]) << 8 | static_cast<unsigned char>(bytes[at + 1]));
}

void appendDoubleByteCharacters(QByteArray& text, QByteArrayView gbk, qsizetype maxBytes)
{
    // A lead byte before a byte that is no trail byte is dropped alone; that byte is no lead byte
    // either, so the next turn drops it too.
    for (qsizetype i = 0; i < gbk.size() && text.size() + 2 <= maxBytes;) {
        if (platform::gbk::startsWithDoubleByteCharacter(gbk.sliced(i))) {
            text.append(gbk.sliced(i, 2));
            i += 2;
        } else {
            ++i;
        }
    }
}

// A character cut off at the end of the bytes (a whole file's, or a head's) is none that counts.
QByteArray utf8ArticleText(QByteArrayView utf8)
{
    QByteArray text;
    QStringDecoder decoder(QStringDecoder::Utf8);
    for (qsizetype at = 0; at < utf8.size() && text.size() + 2 <= kMaxArticleBytes;
         at += kConversionPieceBytes) {
        const QString piece = decoder.decode(utf8.sliced(at, qMin(kConversionPieceBytes, utf8.size() - at)));
        appendDoubleByteCharacters(text, platform::gbk::encode(piece), kMaxArticleBytes);
    }
    return text;
}

} // namespace

QByteArray takeDoubleByteCharacters(QByteArrayView gbk, qsizetype maxBytes)
{
    QByteArray text;
    text.reserve(qMin(gbk.size(), maxBytes));
    appendDoubleByteCharacters(text, gbk, maxBytes);
    return text;
}

QByteArray articleTextFromFileHead(QByteArrayView head, bool wholeFile)
{
    const platform::gbk::ImportedEncoding encoding = platform::gbk::importedTextEncoding(head, wholeFile);
    if (encoding.utf8)
        return utf8ArticleText(head.sliced(encoding.markBytes));
    return takeDoubleByteCharacters(head);
}

ArticleFileText readArticleFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {ArticleFileText::Outcome::Unreadable, {}, fileReadFailure(path, file.errorString())};
    return readArticleFile(file);
}

ArticleFileText readArticleFile(QIODevice& file)
{
    const FileHead head = readFileHead(file, kArticleFileHeadBytes);
    if (!head.ok())
        return {ArticleFileText::Outcome::Unreadable, {}, head.error};
    if (head.bytes.contains('\0'))
        return {ArticleFileText::Outcome::NotText, {}, QString::fromUtf8(kNotATextFileMessage)};
    const bool wholeFile = head.bytes.size() < kArticleFileHeadBytes || file.atEnd();
    return {ArticleFileText::Outcome::Read, articleTextFromFileHead(head.bytes, wholeFile), {}};
}

bool isLongEnoughForPractice(QByteArrayView text)
{
    return text.size() > kFewestArticleBytes;
}

QByteArray removeFilterSymbols(QByteArrayView text, QByteArrayView symbols)
{
    std::bitset<0x10000> listed;
    for (qsizetype i = 0; i + 1 < symbols.size(); i += 2)
        listed.set(pairKey(symbols, i));
    QByteArray kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i + 1 < text.size(); i += 2)
        if (!listed.test(pairKey(text, i)))
            kept.append(text.sliced(i, 2));
    return kept;
}

} // namespace segmentation
