// cut_seeds <staged folder> <seed folder>: the book builders' seeds, each the first few hundred
// entries of a staged sample file, read with the formats' readers and written back with their
// writers. A whole staged code file takes seconds a run under the sanitizers; the tests keep it.
#include "platform/codefile.h"
#include "segmentation/core/bookfiles.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace platform::codefile;

// Entries per seed; in the code file, per section.
constexpr int kEntries = 200;

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cut_seeds: cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

void writeWhole(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cut_seeds: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void requireRead(ReadResult read, const QString& path)
{
    if (!read.ok()) {
        read.problem->filePath = path;
        std::fprintf(stderr, "cut_seeds: %s\n", qPrintable(read.problem->describe()));
        std::exit(1);
    }
}

// The first groups of each section, up to kEntries entries, with the file's signature and stretches.
class CodeFileCut : public CodeFileConsumer
{
public:
    explicit CodeFileCut(QByteArrayView file) : m_file(file) {}

    void header(const CodeFileHeader& header) override
    {
        const qint64 stretchA = header.characterStart() - header.skippedA - header.skippedB;
        m_cut.signature = m_file.first(16).toByteArray();
        m_cut.skippedA = m_file.sliced(stretchA, header.skippedA).toByteArray();
        m_cut.skippedB = m_file.sliced(stretchA + header.skippedA, header.skippedB).toByteArray();
    }
    void group(const CodeGroup& group) override
    {
        if (taken(group.section) < kEntries)
            groups(group.section).append({group.code.toByteArray(), {}});
    }
    void entry(const CodeFileEntry& entry) override
    {
        if (taken(entry.group.section) < kEntries && !entry.text.isEmpty()) {
            groups(entry.group.section).last().texts.append(entry.text.toByteArray());
            ++taken(entry.group.section);
        }
    }
    QByteArray bytes() const { return writeCodeFile(m_cut); }

private:
    QList<CodeGroupContents>& groups(Section section)
    {
        return section == Section::Characters ? m_cut.characters : m_cut.words;
    }
    int& taken(Section section) { return section == Section::Characters ? m_characters : m_words; }

    QByteArrayView m_file;
    CodeFileContents m_cut;
    int m_characters = 0;
    int m_words = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cut_seeds <staged folder> <seed folder>\n");
        return 2;
    }
    const QString stage = QFile::decodeName(argv[1]) + u'/';
    const QString seeds = QFile::decodeName(argv[2]) + u'/';
    QDir().mkpath(seeds);

    const QString codePath = stage + QStringLiteral("system/") + QLatin1String(segmentation::kCodeFileName);
    const QByteArray code = readWhole(codePath);
    CodeFileCut codeCut(code);
    requireRead(readCodeFile(code, codeCut), codePath);
    writeWhole(seeds + QLatin1String(segmentation::kCodeFileName), codeCut.bytes());

    const QString userName = segmentation::userWordFileNameForEdition(1);
    const QString userPath = stage + QStringLiteral("system/") + userName;
    const QByteArray user = readWhole(userPath);
    QList<UserWordContents> userWords;
    requireRead(
        readUserWordFile(user,
                         [&](const UserWordEntry& entry) {
                             if (userWords.size() < kEntries)
                                 userWords.append({entry.codeField.toByteArray(), entry.word.toByteArray()});
                         }),
        userPath);
    writeWhole(seeds + userName, writeUserWordFile(userWords));

    const QString listPath = stage + QLatin1String(segmentation::kTeacherWordListName);
    const QByteArray list = readWhole(listPath);
    QList<QByteArray> listWords;
    requireRead(readWordList(list,
                             [&](const WordListEntry& entry) {
                                 if (listWords.size() < kEntries)
                                     listWords.append(entry.word.toByteArray());
                             }),
                listPath);
    writeWhole(seeds + QLatin1String(segmentation::kTeacherWordListName), writeWordList(listWords));
    return 0;
}
