#include "tests/ime/support/imefilewriter.h"

#include "platform/gbk.h"

#include <QFile>

namespace imetest {
namespace {

void appendUInt32(QByteArray& bytes, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray packCode(const QByteArray& digits)
{
    QByteArray packed(3, char(0xFF));
    for (int i = 0; i < digits.size() && i < 6; ++i) {
        const int nibble = digits[i] - '0';
        auto byte = static_cast<unsigned char>(packed[i / 2]);
        byte = i % 2 == 0 ? ((byte & 0x0F) | (nibble << 4)) : ((byte & 0xF0) | nibble);
        packed[i / 2] = char(byte);
    }
    return packed;
}

QByteArray encodeGbk(const QString& text)
{
    return platform::gbk::encode(text);
}

QByteArray codeFileBytes(const QList<CodeGroup>& characters, const QList<CodeGroup>& words)
{
    QByteArray characterSection;
    for (const CodeGroup& group : characters) {
        characterSection += packCode(group.code);
        for (const QString& item : group.items)
            characterSection += encodeGbk(item);
        characterSection += char(0xFF);
    }
    QByteArray wordSection;
    for (const CodeGroup& group : words) {
        wordSection += packCode(group.code);
        for (const QString& item : group.items)
            wordSection += encodeGbk(item) + char(0xFF);
        wordSection += group.items.isEmpty() ? QByteArray(2, char(0xFF)) : QByteArray(1, char(0xFF));
    }
    return codeFileAround(characterSection, wordSection);
}

QByteArray codeFileAround(const QByteArray& characterSection, const QByteArray& wordSection)
{
    QByteArray file("TalvorenTestMB\0\0", 16);
    appendUInt32(file, kSkippedLengthA);
    appendUInt32(file, kSkippedLengthB);
    appendUInt32(file, quint32(characterSection.size()));
    appendUInt32(file, quint32(wordSection.size()));
    file += QByteArray(kSkippedLengthA + kSkippedLengthB, char(0xA5));
    return file + characterSection + wordSection;
}

QByteArray userWordFileBytes(const QList<UserWord>& words)
{
    QByteArray file;
    for (const UserWord& word : words) {
        QByteArray field = word.code.left(6);
        field.append(QByteArray(6 - field.size(), '\0'));
        file += field + encodeGbk(word.word) + "\r\n";
    }
    return file + "\r\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace imetest
