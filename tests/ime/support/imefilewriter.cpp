#include "tests/ime/support/imefilewriter.h"

#include "platform/codefile.h"
#include "platform/gbk.h"

namespace imetest {
namespace {

namespace codefile = platform::codefile;

const QByteArray kSignature("TalvorenTestMB");
const QByteArray kSkippedA(kSkippedLengthA, char(0xA5));
const QByteArray kSkippedB(kSkippedLengthB, char(0xA5));

QList<codefile::CodeGroupContents> contents(const QList<CodeGroup>& groups)
{
    QList<codefile::CodeGroupContents> result;
    for (const CodeGroup& group : groups) {
        codefile::CodeGroupContents& written = result.emplace_back();
        written.code = group.code;
        for (const QString& item : group.items)
            written.texts.append(encodeGbk(item));
    }
    return result;
}

} // namespace

QByteArray encodeGbk(const QString& text)
{
    return platform::gbk::encode(text);
}

QByteArray codeFileBytes(const QList<CodeGroup>& characters, const QList<CodeGroup>& words)
{
    return codefile::writeCodeFile({kSignature, kSkippedA, kSkippedB, contents(characters), contents(words)});
}

QByteArray codeFileAround(const QByteArray& characterSection, const QByteArray& wordSection)
{
    return codefile::assembleCodeFile(kSignature, kSkippedA, kSkippedB, characterSection, wordSection);
}

QByteArray userWordFileBytes(const QList<UserWord>& words)
{
    QList<codefile::UserWordContents> entries;
    for (const UserWord& word : words)
        entries.append({codefile::asciiCodeField(word.code), encodeGbk(word.word)});
    return codefile::writeUserWordFile(entries);
}

} // namespace imetest
