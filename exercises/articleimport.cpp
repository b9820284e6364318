#include "exercises/articleimport.h"

#include "platform/gbk.h"

#include <QFile>
#include <cstdint>

namespace exercises {
namespace {

// Cuts a partly read file after its last byte below 0x80: that byte ends a character in both
// encodings a file may come in (an ASCII character, or the trail byte of a GBK pair), so no
// character is split and a UTF-8 file still reads as UTF-8.
void cutAtCharacterEnd(QByteArray& bytes)
{
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            bytes.truncate(i + 1);
            return;
        }
    }
}

} // namespace

QString keptArticleText(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        const auto unit = static_cast<std::int16_t>(c.unicode());
        if (unit > 32 || unit < 0)
            kept += c;
    }
    return kept;
}

ImportedArticle readArticleFile(const QString& path)
{
    ImportedArticle article;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return article;
    QByteArray bytes = file.read(kMostImportBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return article;
    if (bytes.size() > kMostImportBytes) {
        bytes.truncate(kMostImportBytes);
        cutAtCharacterEnd(bytes);
        article.cut = true;
    }
    if (bytes.contains('\0')) {
        article.outcome = ImportedArticle::Outcome::NotText;
        return article;
    }
    article.text = keptArticleText(platform::gbk::decode(platform::gbk::importedTextToGbk(bytes)));
    if (article.text.size() > kMostArticleCharacters) {
        article.text.truncate(kMostArticleCharacters);
        article.cut = true;
    }
    article.outcome = ImportedArticle::Outcome::Read;
    return article;
}

} // namespace exercises
