#include "data/codefiles.h"

#include <QtEndian>
#include <map>

namespace datagen {

QByteArray packCode(const QString& digits)
{
    Q_ASSERT(!digits.isEmpty() && digits.size() <= 6);
    QByteArray packed(3, '\xFF');
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int nibble = digits[i].digitValue();
        Q_ASSERT(nibble >= 0 && nibble <= 9);
        auto& byte = reinterpret_cast<unsigned char&>(packed[i / 2]);
        byte = i % 2 == 0 ? static_cast<unsigned char>((nibble << 4) | 0x0F)
                          : static_cast<unsigned char>((byte & 0xF0) | nibble);
    }
    return packed;
}

namespace {

// Short codes first, then by code.
struct CodeOrder
{
    bool operator()(const QString& a, const QString& b) const
    {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }
};

std::map<QString, QList<QByteArray>, CodeOrder> groupByCode(const QList<CodedText>& entries)
{
    std::map<QString, QList<QByteArray>, CodeOrder> groups;
    for (const CodedText& entry : entries)
        groups[entry.code].append(entry.text);
    return groups;
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
    QByteArray characterSection;
    for (const auto& [code, texts] : groupByCode(characters)) {
        characterSection += packCode(code);
        for (const QByteArray& text : texts) {
            Q_ASSERT(text.size() == 2);
            characterSection += text;
        }
        characterSection += '\xFF';
    }
    QByteArray wordSection;
    for (const auto& [code, texts] : groupByCode(words)) {
        wordSection += packCode(code);
        for (const QByteArray& text : texts)
            wordSection += text + '\xFF';
        wordSection += '\xFF';
    }
    const QByteArray stretchA = imeName + '\0';
    QByteArray stretchB;
    appendUint32(stretchB, static_cast<quint32>(characters.size()));
    appendUint32(stretchB, static_cast<quint32>(words.size()));

    QByteArray file("TALVOREN CODES\0\0", 16);
    for (const QByteArray* part :
         std::initializer_list<const QByteArray*>{&stretchA, &stretchB, &characterSection, &wordSection})
        appendUint32(file, static_cast<quint32>(part->size()));
    file += stretchA + stretchB + characterSection + wordSection;
    return file;
}

QByteArray buildUserWordFile(const QList<CodedText>& words)
{
    QByteArray file;
    for (const CodedText& word : words) {
        QByteArray field = word.code.toLatin1();
        Q_ASSERT(!field.isEmpty() && field.size() <= 6);
        field.append(6 - field.size(), '\0');
        file += field + word.text + "\r\n";
    }
    return file + "\r\n";
}

QByteArray buildWordList(const QList<QByteArray>& words)
{
    QByteArray file;
    for (const QByteArray& word : words)
        file += word + "\r\n";
    return file + "\r\n";
}

} // namespace datagen
