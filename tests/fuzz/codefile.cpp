// The input method's code file through the shared reader: every view it hands over lies inside the
// input where it says, in file order; a small file that it read whole is written back and reads the
// same.
#include "platform/codefile.h"
#include "tests/fuzz/fuzzsupport.h"

using namespace platform::codefile;

namespace {

// A book-sized file copied entry by entry each run would slow the fuzzing several times over.
constexpr qsizetype kWrittenBackUpTo = 64 * 1024;

class Collector : public CodeFileConsumer
{
public:
    Collector(QByteArrayView input, bool keep) : m_input(input), m_keep(keep) {}

    void header(const CodeFileHeader& header) override { m_header = header; }
    void group(const CodeGroup& group) override
    {
        fuzz::require(group.offset > m_last && fuzz::liesAt(group.packedCode, m_input, group.offset) &&
                      group.packedCode.size() == kPackedCodeSize);
        fuzz::require(isDigitCode(group.code) && decodePackedCode(group.packedCode) == group.code);
        m_last = group.offset;
        if (m_keep)
            groups(group.section).append({group.code.toByteArray(), {}});
    }
    void entry(const CodeFileEntry& entry) override
    {
        fuzz::require(entry.offset > m_last && fuzz::liesAt(entry.text, m_input, entry.offset));
        fuzz::require(entry.group.section == Section::Words ? !entry.text.contains(char(0xFF))
                                                            : entry.text.size() == 2);
        fuzz::require(entry.oddities == oddities(entry.text));
        m_last = entry.offset;
        // The writer takes no empty word, nor a character with the end byte in it.
        m_writable = m_writable && !entry.text.isEmpty() && !entry.text.contains(char(0xFF));
        if (m_keep)
            groups(entry.group.section).last().texts.append(entry.text.toByteArray());
    }

    CodeFileContents contents() const
    {
        CodeFileContents contents = m_contents;
        contents.signature = m_input.first(16).toByteArray();
        contents.skippedA = m_input.sliced(0x20, m_header.skippedA).toByteArray();
        contents.skippedB = m_input.sliced(0x20 + qint64(m_header.skippedA), m_header.skippedB).toByteArray();
        return contents;
    }
    bool writable() const { return m_writable; }
    bool sameGroups(const Collector& other) const
    {
        return same(m_contents.characters, other.m_contents.characters) &&
               same(m_contents.words, other.m_contents.words);
    }

private:
    QList<CodeGroupContents>& groups(Section section)
    {
        return section == Section::Characters ? m_contents.characters : m_contents.words;
    }
    static bool same(const QList<CodeGroupContents>& a, const QList<CodeGroupContents>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
            return x.code == y.code && x.texts == y.texts;
        });
    }

    QByteArrayView m_input;
    CodeFileHeader m_header;
    CodeFileContents m_contents;
    bool m_keep;
    qint64 m_last = -1;
    bool m_writable = true;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView input = fuzz::bytesOf(data, size);
    Collector read(input, input.size() <= kWrittenBackUpTo);
    const ReadResult result = readCodeFile(input, read);
    fuzz::require(result.end >= 0 && result.end <= input.size());
    if (input.size() > kWrittenBackUpTo || !result.ok() || !read.writable())
        return 0;
    const QByteArray written = writeCodeFile(read.contents());
    Collector again(written, true);
    fuzz::require(readCodeFile(written, again).ok() && again.sameGroups(read));
    return 0;
}
