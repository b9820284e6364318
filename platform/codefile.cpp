#include "platform/codefile.h"

#include "platform/gbk.h"

#include <QtEndian>

namespace platform::codefile {
namespace {

using Kind = FileProblem::Kind;

constexpr unsigned char kEnd = 0xFF;
constexpr qsizetype kHeaderSize = 0x20;
constexpr qsizetype kSignatureSize = 0x10;

const unsigned char* data(QByteArrayView bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

ReadResult damage(Kind kind, qint64 offset)
{
    ReadResult result;
    result.problem = FileProblem{kind, offset, {}};
    result.end = offset;
    return result;
}

// Both lists end at the first line whose second byte is LF: the closing empty line.
bool atClosingLine(QByteArrayView bytes, qsizetype pos)
{
    return pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
}

ReadResult listEnd(qint64 end, bool closingLineMissing)
{
    ReadResult result;
    result.end = end;
    result.closingLineMissing = closingLineMissing;
    return result;
}

void appendUInt32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

// Walks one section; every read is checked against the section's end.
class SectionReader
{
public:
    SectionReader(QByteArrayView bytes, Section section, qint64 begin, qint64 end, CodeFileConsumer& consumer)
        : m_bytes(bytes.first(end)), m_pos(begin), m_consumer(consumer)
    {
        m_group.section = section;
    }

    std::optional<ReadResult> readGroups()
    {
        for (; m_pos < m_bytes.size(); ++m_group.index) {
            if (auto problem = readCode())
                return problem;
            m_consumer.group(m_group);
            if (auto problem = m_group.section == Section::Characters ? readCharacters() : readWords())
                return problem;
        }
        return std::nullopt;
    }

private:
    unsigned char byteAt(qsizetype pos) const { return data(m_bytes)[pos]; }
    qsizetype left() const { return m_bytes.size() - m_pos; }

    std::optional<ReadResult> readCode()
    {
        if (left() < kPackedCodeSize)
            return damage(Kind::TruncatedGroup, m_pos);
        const int count = DecodePackedCode(data(m_bytes) + m_pos, m_digits);
        if (count < 0)
            return damage(Kind::BadCode, m_pos);
        m_group.offset = m_pos;
        m_group.packedCode = m_bytes.sliced(m_pos, kPackedCodeSize);
        m_group.code = QByteArrayView(m_digits, count);
        m_pos += kPackedCodeSize;
        return std::nullopt;
    }

    void hand(qsizetype length)
    {
        const QByteArrayView text = m_bytes.sliced(m_pos, length);
        m_consumer.entry(CodeFileEntry{m_group, m_pos, text, oddities(text)});
    }

    // Two-byte characters until a slot that begins with 0xFF.
    std::optional<ReadResult> readCharacters()
    {
        for (;;) {
            if (left() < 1)
                return damage(Kind::TruncatedGroup, m_group.offset);
            if (byteAt(m_pos) == kEnd) {
                ++m_pos;
                return std::nullopt;
            }
            if (left() < 2)
                return damage(Kind::TruncatedGroup, m_group.offset);
            hand(2);
            m_pos += 2;
        }
    }

    // Words each ended by 0xFF; a second 0xFF right after one ends the group. A group that is its
    // code and 0xFF 0xFF has no words; a lone 0xFF anywhere else is an empty word.
    std::optional<ReadResult> readWords()
    {
        for (bool first = true;; first = false) {
            const qsizetype wordEnd = m_bytes.indexOf(char(kEnd), m_pos);
            if (wordEnd < 0)
                return damage(Kind::TruncatedGroup, m_group.offset);
            const bool groupEnds = wordEnd + 1 < m_bytes.size() && byteAt(wordEnd + 1) == kEnd;
            if (wordEnd > m_pos || !(first && groupEnds))
                hand(wordEnd - m_pos);
            m_pos = wordEnd + 1;
            if (left() < 1)
                return damage(Kind::TruncatedGroup, m_group.offset);
            if (groupEnds) {
                ++m_pos;
                return std::nullopt;
            }
        }
    }

    QByteArrayView m_bytes; // up to the section's end
    qsizetype m_pos;
    CodeFileConsumer& m_consumer;
    CodeGroup m_group;
    char m_digits[kMaxCodeLength + 1] = {};
};

class FunctionConsumer : public CodeFileConsumer
{
public:
    explicit FunctionConsumer(const std::function<void(const CodeFileEntry&)>& function)
        : m_function(function)
    {
    }
    void entry(const CodeFileEntry& entry) override { m_function(entry); }

private:
    const std::function<void(const CodeFileEntry&)>& m_function;
};

QByteArray writeSection(const QList<CodeGroupContents>& groups, Section section)
{
    QByteArray bytes;
    for (const CodeGroupContents& group : groups) {
        bytes += encodePackedCode(group.code);
        for (const QByteArray& text : group.texts) {
            Q_ASSERT(!text.contains(char(kEnd)));
            Q_ASSERT(section == Section::Words ? !text.isEmpty() : text.size() == 2);
            bytes += text;
            if (section == Section::Words)
                bytes += char(kEnd);
        }
        bytes += char(kEnd);
        if (section == Section::Words && group.texts.isEmpty())
            bytes += char(kEnd);
    }
    return bytes;
}

} // namespace

int DecodePackedCode(const unsigned char* code, char* digits)
{
    int count = 0;
    for (; count < kMaxCodeLength; ++count) {
        const unsigned char byte = code[count / 2];
        const int nibble = count % 2 == 0 ? byte >> 4 : byte & 0x0F;
        if (nibble > 9)
            break;
        digits[count] = char('0' + nibble);
    }
    if (count == 0)
        return -1;
    digits[count] = '\0';
    return count;
}

std::optional<QByteArray> decodePackedCode(QByteArrayView packed)
{
    char digits[kMaxCodeLength + 1];
    if (packed.size() < kPackedCodeSize)
        return std::nullopt;
    const int count = DecodePackedCode(data(packed), digits);
    if (count < 0)
        return std::nullopt;
    return QByteArray(digits, count);
}

QByteArray encodePackedCode(QByteArrayView digits)
{
    Q_ASSERT(isDigitCode(digits));
    QByteArray packed(kPackedCodeSize, char(0xFF));
    for (qsizetype i = 0; i < digits.size() && i < kMaxCodeLength; ++i) {
        const int nibble = digits[i] - '0';
        auto byte = static_cast<unsigned char>(packed[i / 2]);
        byte = i % 2 == 0 ? (byte & 0x0F) | (nibble << 4) : (byte & 0xF0) | nibble;
        packed[i / 2] = char(byte);
    }
    return packed;
}

bool isDigitCode(QByteArrayView code)
{
    if (code.isEmpty() || code.size() > kMaxCodeLength)
        return false;
    for (char c : code) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

Oddities oddities(QByteArrayView text)
{
    Oddities result;
    if (text.isEmpty())
        result |= Oddity::EmptyText;
    if (text.size() > kMaxTextBytes)
        result |= Oddity::LongerThanField;
    if (!platform::gbk::startsWithDoubleByteCharacter(text))
        result |= Oddity::NoGbkCell;
    return result;
}

QString FileProblem::describe() const
{
    switch (kind) {
    case Kind::Missing:
        return QStringLiteral("找不到文件 %1。").arg(filePath);
    case Kind::Unreadable:
        return QStringLiteral("无法读取文件 %1。").arg(filePath);
    case Kind::TruncatedHeader:
        return QStringLiteral("文件 %1 已损坏：文件头不完整。").arg(filePath);
    case Kind::SectionsPastEnd:
        return QStringLiteral("文件 %1 已损坏：文件头所记的长度超出了文件末尾。").arg(filePath);
    case Kind::TruncatedGroup:
        return QStringLiteral("文件 %1 已损坏：第 %2 字节起的编码组没有结束。").arg(filePath).arg(offset);
    case Kind::BadCode:
        return QStringLiteral("文件 %1 已损坏：第 %2 字节的编码无效。").arg(filePath).arg(offset);
    case Kind::TruncatedEntry:
        return QStringLiteral("文件 %1 已损坏：第 %2 字节起的词条不完整。").arg(filePath).arg(offset);
    case Kind::BadUserCode:
        return QStringLiteral("文件 %1 已损坏：第 %2 字节起的词条编码不是数字码。").arg(filePath).arg(offset);
    }
    return filePath;
}

ReadResult readCodeFile(QByteArrayView bytes, CodeFileConsumer& consumer)
{
    if (bytes.size() < kHeaderSize)
        return damage(Kind::TruncatedHeader, bytes.size());
    const auto value = [&](qsizetype offset) { return qFromLittleEndian<quint32>(bytes.data() + offset); };
    const CodeFileHeader header{value(0x10), value(0x14), value(0x18), value(0x1C)};
    // The sums are 64-bit: four 32-bit lengths cannot overflow them.
    if (header.end() > bytes.size())
        return damage(Kind::SectionsPastEnd, 0x10);
    consumer.header(header);
    for (const Section section : {Section::Characters, Section::Words}) {
        const qint64 begin = section == Section::Characters ? header.characterStart() : header.wordStart();
        const qint64 end = section == Section::Characters ? header.wordStart() : header.end();
        if (auto problem = SectionReader(bytes, section, begin, end, consumer).readGroups())
            return *problem;
    }
    ReadResult result;
    result.end = header.end();
    return result;
}

ReadResult readCodeFile(QByteArrayView bytes, const std::function<void(const CodeFileEntry&)>& consumer)
{
    FunctionConsumer adapter(consumer);
    return readCodeFile(bytes, adapter);
}

QByteArray writeCodeFile(const CodeFileContents& contents)
{
    return assembleCodeFile(contents.signature, contents.skippedA, contents.skippedB,
                            writeSection(contents.characters, Section::Characters),
                            writeSection(contents.words, Section::Words));
}

QByteArray assembleCodeFile(QByteArrayView signature, QByteArrayView skippedA, QByteArrayView skippedB,
                            QByteArrayView characterSection, QByteArrayView wordSection)
{
    QByteArray file = signature.first(std::min(signature.size(), kSignatureSize)).toByteArray();
    file.append(kSignatureSize - file.size(), '\0');
    for (const QByteArrayView part : {skippedA, skippedB, characterSection, wordSection})
        appendUInt32(file, quint32(part.size()));
    for (const QByteArrayView part : {skippedA, skippedB, characterSection, wordSection})
        file += part;
    return file;
}

QByteArray userWordCodeText(QByteArrayView codeField)
{
    Q_ASSERT(codeField.size() >= kUserCodeFieldSize);
    char digits[kMaxCodeLength + 1];
    const int k = (DecodePackedCode(data(codeField), digits) +
                   DecodePackedCode(data(codeField) + kPackedCodeSize, digits)) /
                  2;
    QByteArray text;
    for (int i = 0; i < k && codeField[i] != '\0'; ++i)
        text.append(codeField[i]);
    return text;
}

QByteArray asciiCodeField(QByteArrayView digits)
{
    Q_ASSERT(digits.size() <= kUserCodeFieldSize);
    QByteArray field = digits.toByteArray();
    field.append(kUserCodeFieldSize - field.size(), '\0');
    return field;
}

ReadResult readUserWordFile(QByteArrayView bytes, const std::function<void(const UserWordEntry&)>& consumer)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (atClosingLine(bytes, pos))
            return listEnd(pos + 2, false);
        if (bytes.size() - pos < kUserCodeFieldSize)
            return damage(Kind::TruncatedEntry, pos);
        const qsizetype lineEnd = bytes.indexOf(QByteArrayView("\r\n"), pos + kUserCodeFieldSize);
        if (lineEnd < 0)
            return damage(Kind::TruncatedEntry, pos);
        if (lineEnd == pos + kUserCodeFieldSize) // an entry without a word also ends the list
            return listEnd(lineEnd + 2, false);
        const QByteArrayView field = bytes.sliced(pos, kUserCodeFieldSize);
        const QByteArrayView word =
            bytes.sliced(pos + kUserCodeFieldSize, lineEnd - pos - kUserCodeFieldSize);
        consumer(UserWordEntry{pos, field, userWordCodeText(field), word, oddities(word)});
        pos = lineEnd + 2;
    }
    return listEnd(pos, true);
}

QByteArray writeUserWordFile(const QList<UserWordContents>& words)
{
    QByteArray file;
    for (const UserWordContents& entry : words) {
        Q_ASSERT(entry.codeField.size() <= kUserCodeFieldSize && !entry.word.isEmpty());
        file += entry.codeField;
        file.append(kUserCodeFieldSize - entry.codeField.size(), '\0');
        file += entry.word + "\r\n";
    }
    return file + "\r\n";
}

ReadResult readWordList(QByteArrayView bytes, const std::function<void(const WordListEntry&)>& consumer)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        if (atClosingLine(bytes, pos))
            return listEnd(pos + 2, false);
        const qsizetype lineEnd = bytes.indexOf(QByteArrayView("\r\n"), pos);
        const qsizetype wordEnd = lineEnd < 0 ? bytes.size() : lineEnd;
        const QByteArrayView word = bytes.sliced(pos, wordEnd - pos);
        consumer(WordListEntry{pos, word, oddities(word)});
        pos = lineEnd < 0 ? bytes.size() : lineEnd + 2;
    }
    return listEnd(pos, true);
}

QByteArray writeWordList(const QList<QByteArray>& words)
{
    QByteArray file;
    for (const QByteArray& word : words) {
        Q_ASSERT(!word.isEmpty() && !word.contains("\r\n"));
        file += word + "\r\n";
    }
    return file + "\r\n";
}

} // namespace platform::codefile
