#include "tests/data/imefilereader.h"

#include "platform/codefile.h"
#include "platform/gbk.h"

namespace datatests {

namespace codefile = platform::codefile;

bool isDoubleByteText(const QByteArray& text)
{
    if (text.isEmpty() || text.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < text.size(); i += 2) {
        if (!platform::gbk::startsWithDoubleByteCharacter(QByteArrayView(text).sliced(i)))
            return false;
    }
    return true;
}

namespace {

bool fail(QString* error, const QString& message, qsizetype offset)
{
    *error = QStringLiteral("%1 at offset %2").arg(message).arg(offset);
    return false;
}

// A file whose reading stopped early, left bytes behind or held an odd entry.
bool checkRead(const codefile::ReadResult& read, qsizetype fileSize, qint64 oddOffset, QString* error)
{
    if (read.problem)
        return fail(error, read.problem->describe(), read.problem->offset);
    if (oddOffset >= 0)
        return fail(error, QStringLiteral("entry a book would skip"), oddOffset);
    if (read.closingLineMissing)
        return fail(error, QStringLiteral("list without its closing empty line"), read.end);
    if (read.end != fileSize)
        return fail(error, QStringLiteral("bytes after the end of the layout"), read.end);
    return true;
}

class CodeFileCollector : public codefile::CodeFileConsumer
{
public:
    explicit CodeFileCollector(CodeFile* file) : m_file(file) {}
    void header(const codefile::CodeFileHeader& header) override
    {
        m_file->a = header.skippedA;
        m_file->b = header.skippedB;
        m_file->c = header.characterLength;
        m_file->d = header.wordLength;
    }
    void entry(const codefile::CodeFileEntry& entry) override
    {
        if (entry.oddities && oddOffset < 0)
            oddOffset = entry.offset;
        const bool character = entry.group.section == codefile::Section::Characters;
        (character ? m_file->characters : m_file->words)
            .append({entry.group.code.toByteArray(), entry.text.toByteArray()});
    }
    qint64 oddOffset = -1;

private:
    CodeFile* m_file;
};

} // namespace

bool readCodeFile(const QByteArray& file, CodeFile* result, QString* error)
{
    CodeFileCollector collector(result);
    const codefile::ReadResult read = codefile::readCodeFile(file, collector);
    return checkRead(read, file.size(), collector.oddOffset, error);
}

bool readUserWordFile(const QByteArray& file, QList<CodedText>* result, QString* error)
{
    qint64 oddOffset = -1;
    const codefile::ReadResult read =
        codefile::readUserWordFile(file, [&](const codefile::UserWordEntry& entry) {
            if ((entry.oddities || entry.codeText.isEmpty()) && oddOffset < 0)
                oddOffset = entry.offset;
            result->append({entry.codeText, entry.word.toByteArray()});
        });
    return checkRead(read, file.size(), oddOffset, error);
}

bool readWordList(const QByteArray& file, QList<QByteArray>* result, QString* error)
{
    qint64 oddOffset = -1;
    const codefile::ReadResult read = codefile::readWordList(file, [&](const codefile::WordListEntry& entry) {
        if (entry.oddities && oddOffset < 0)
            oddOffset = entry.offset;
        result->append(entry.word.toByteArray());
    });
    return checkRead(read, file.size(), oddOffset, error);
}

} // namespace datatests
