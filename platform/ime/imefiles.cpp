#include "platform/ime/imefiles.h"

#include "platform/ime/packedcode.h"

#include <QFile>

namespace platform::ime {
namespace {

using Kind = FileProblem::Kind;

constexpr unsigned char kEnd = 0xFF;
constexpr qsizetype kHeaderSize = 0x20;

FileProblem damage(Kind kind, qsizetype offset)
{
    FileProblem problem;
    problem.kind = kind;
    problem.offset = offset;
    return problem;
}

std::uint32_t readUInt32(QByteArrayView bytes, qsizetype offset)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + offset;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// Walks one section; every read is checked against the section's end.
class SectionReader
{
public:
    SectionReader(QByteArrayView bytes, qsizetype begin, qsizetype end)
        : m_bytes(bytes), m_pos(begin), m_end(end)
    {
    }

    bool atEnd() const { return m_pos >= m_end; }
    qsizetype position() const { return m_pos; }
    unsigned char byteAt(qsizetype pos) const { return static_cast<unsigned char>(m_bytes[pos]); }

    // The group's code, or the damage that stops the reading.
    std::optional<FileProblem> readCode(QByteArray* digits)
    {
        if (m_end - m_pos < 3)
            return damage(Kind::TruncatedGroup, m_pos);
        if (decodePackedCode(reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_pos, digits) < 0)
            return damage(Kind::BadCode, m_pos);
        m_pos += 3;
        return std::nullopt;
    }

    // A character section group: two-byte characters until a slot that starts with 0xFF.
    std::optional<FileProblem> readCharacters(QByteArrayView code, CodeTableBuilder& into)
    {
        const qsizetype groupStart = m_pos - 3;
        for (;;) {
            if (atEnd())
                return damage(Kind::TruncatedGroup, groupStart);
            if (byteAt(m_pos) == kEnd) {
                ++m_pos;
                return std::nullopt;
            }
            if (m_end - m_pos < 2)
                return damage(Kind::TruncatedGroup, groupStart);
            into.add(code, m_bytes.sliced(m_pos, 2), EntrySource::Character);
            m_pos += 2;
        }
    }

    // A word section group: words each ended by 0xFF; a second 0xFF right after one ends the group.
    // An empty word (a lone 0xFF) carries nothing and is passed over.
    std::optional<FileProblem> readWords(QByteArrayView code, CodeTableBuilder& into)
    {
        const qsizetype groupStart = m_pos - 3;
        for (;;) {
            const qsizetype wordEnd = m_bytes.sliced(0, m_end).indexOf(char(kEnd), m_pos);
            if (wordEnd < 0)
                return damage(Kind::TruncatedGroup, groupStart);
            if (wordEnd > m_pos)
                into.add(code, m_bytes.sliced(m_pos, wordEnd - m_pos), EntrySource::Word);
            m_pos = wordEnd + 1;
            if (atEnd())
                return damage(Kind::TruncatedGroup, groupStart);
            if (byteAt(m_pos) == kEnd) {
                ++m_pos;
                return std::nullopt;
            }
        }
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos;
    qsizetype m_end;
};

std::optional<FileProblem> readFile(const QString& path, QByteArray* contents)
{
    QFile file(path);
    FileProblem problem;
    problem.filePath = path;
    if (!file.exists()) {
        problem.kind = Kind::Missing;
        return problem;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        problem.kind = Kind::Unreadable;
        return problem;
    }
    *contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        problem.kind = Kind::Unreadable;
        return problem;
    }
    return std::nullopt;
}

} // namespace

std::optional<FileProblem> readCodeFile(QByteArrayView bytes, CodeTableBuilder& into)
{
    if (bytes.size() < kHeaderSize)
        return damage(Kind::TruncatedHeader, bytes.size());
    // 64-bit sums: four 32-bit lengths cannot overflow them.
    const qint64 skipped = qint64(readUInt32(bytes, 0x10)) + readUInt32(bytes, 0x14);
    const qint64 characterLength = readUInt32(bytes, 0x18);
    const qint64 wordLength = readUInt32(bytes, 0x1C);
    const qint64 characterStart = kHeaderSize + skipped;
    const qint64 wordStart = characterStart + characterLength;
    if (wordStart + wordLength > bytes.size())
        return damage(Kind::SectionsPastEnd, 0x10);

    QByteArray code;
    SectionReader characters(bytes, characterStart, wordStart);
    while (!characters.atEnd()) {
        if (auto problem = characters.readCode(&code))
            return problem;
        if (auto problem = characters.readCharacters(code, into))
            return problem;
    }
    SectionReader words(bytes, wordStart, wordStart + wordLength);
    while (!words.atEnd()) {
        if (auto problem = words.readCode(&code))
            return problem;
        if (auto problem = words.readWords(code, into))
            return problem;
    }
    return std::nullopt;
}

std::optional<FileProblem> readUserWordFile(QByteArrayView bytes, CodeTableBuilder& into)
{
    constexpr qsizetype kFieldSize = 6;
    qsizetype pos = 0;
    // Entries follow each other up to the closing empty line; a file that simply stops after a
    // whole entry is taken as complete.
    while (pos < bytes.size()) {
        if (pos + 1 < bytes.size() && bytes[pos + 1] == '\n')
            break;
        if (bytes.size() - pos < kFieldSize)
            return damage(Kind::TruncatedEntry, pos);
        const qsizetype lineEnd = bytes.indexOf(QByteArrayView("\r\n"), pos + kFieldSize);
        if (lineEnd < 0)
            return damage(Kind::TruncatedEntry, pos);
        if (lineEnd == pos + kFieldSize)
            break; // an entry without a word also ends the list
        const QByteArray code = userWordCodeText(reinterpret_cast<const unsigned char*>(bytes.data()) + pos);
        if (!isDigitCode(code))
            return damage(Kind::BadUserCode, pos);
        into.add(code, bytes.sliced(pos + kFieldSize, lineEnd - pos - kFieldSize), EntrySource::UserWord);
        pos = lineEnd + 2;
    }
    return std::nullopt;
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

LoadedTable loadCodeTable(const QString& folder)
{
    LoadedTable result;
    CodeTableBuilder builder;
    for (const char* name : {kCodeFileName, kUserWordFileName}) {
        const QString path = folder + QLatin1StringView(name);
        QByteArray contents;
        result.problem = readFile(path, &contents);
        if (!result.problem) {
            result.problem =
                name == kCodeFileName ? readCodeFile(contents, builder) : readUserWordFile(contents, builder);
        }
        if (result.problem) {
            result.problem->filePath = path;
            return result;
        }
    }
    result.table = builder.build();
    return result;
}

} // namespace platform::ime
