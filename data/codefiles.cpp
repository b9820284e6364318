#include "data/codefiles.h"

#include "platform/codefile.h"

#include <QtEndian>
#include <map>

namespace datagen {
namespace {

using platform::codefile::CodeGroupContents;

// Short codes first, then by code.
struct CodeOrder
{
    bool operator()(const QString& a, const QString& b) const
    {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
};

QList<CodeGroupContents> groupByCode(const QList<CodedText>& entries)
{
    std::map<QString, QList<QByteArray>, CodeOrder> groups;
    for (const CodedText& entry : entries)
        groups[entry.code].append(entry.text);
    QList<CodeGroupContents> result;
    for (auto& [code, texts] : groups)
        result.append({code.toLatin1(), std::move(texts)});
    return result;
}

void appendUint32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

} // namespace

QByteArray buildCodeFile(const QList<CodedText>& characters, const QList<CodedText>& words,
                         const QByteArray& imeName)
{
    platform::codefile::CodeFileContents contents;
    contents.signature = QByteArray("TALVOREN CODES");
    contents.skippedA = imeName + '\0';
    appendUint32(contents.skippedB, static_cast<quint32>(characters.size()));
    appendUint32(contents.skippedB, static_cast<quint32>(words.size()));
    contents.characters = groupByCode(characters);
    contents.words = groupByCode(words);
    return platform::codefile::writeCodeFile(contents);
}

} // namespace datagen
