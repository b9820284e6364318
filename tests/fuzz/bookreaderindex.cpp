// Any bytes as the code book's index.dat beside a small sound book: opening refuses what is not an
// index, and lookups by any cell stay within the book.
#include "platform/codefile.h"
#include "platform/gbk.h"
#include "segmentation/core/bookreader.h"
#include "segmentation/core/codebook.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QDir>
#include <QtEndian>

using namespace segmentation;
namespace codefile = platform::codefile;

namespace {

QByteArray gbk(const QString& text)
{
    return platform::gbk::encode(text);
}

// A book of a few words and characters, built once.
const QString& bookFolder()
{
    static const QString folder = [] {
        const QString path = fuzz::scratchFolder() + QStringLiteral("book/");
        QDir().mkpath(path);
        codefile::CodeFileContents contents{"FuzzBook", "", "", {}, {}};
        contents.characters = {{"5", {gbk(QStringLiteral("中"))}}, {"50006", {gbk(QStringLiteral("国"))}}};
        contents.words = {{"1", {gbk(QStringLiteral("中国"))}},
                          {"500601", {gbk(QStringLiteral("中华人民")), gbk(QStringLiteral("中间"))}},
                          {"123456", {gbk(QStringLiteral("人民"))}}};
        fuzz::writeFile(path + QStringLiteral("orvesk.mb"), codefile::writeCodeFile(contents));
        fuzz::require(RebuildCodeBook(path, path + QStringLiteral("orvesk.mb"), {}).ok());
        return path;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    bookFolder();
    return 0;
}

// The first byte chooses: odd, the index file is the rest as it is; even, the rest padded or cut to
// an index's size, so that most inputs open and their counts are looked up.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView input = fuzz::bytesOf(data, size);
    QByteArray index = input.sliced(1).toByteArray();
    if ((data[0] & 1) == 0) {
        index = index.left(kIndexFileBytes);
        index.append(QByteArray(kIndexFileBytes - index.size(), '\0'));
    }
    fuzz::writeFile(bookFolder() + QLatin1String(kCodeBookIndexName), index);
    BookOpenFailure failure;
    auto book = BookReader::open(BookKind::Code, bookFolder(), &failure); // the reader under test
    if (!book) {
        fuzz::require(index.size() != kIndexFileBytes && !failure.message.isEmpty());
        return 0;
    }
    book->maxWordBytes();
    // The cells the index counts words for (the first 64 of them), and the cell of every pair of
    // input bytes that is a character.
    int looked = 0;
    for (int cell = 0; cell < codefile::kGbkCellCount && looked < 64; ++cell) {
        if (book->wordCount(cell) == 0)
            continue;
        ++looked;
        const char character[2] = {char(0x81 + cell / 191), char(0x40 + cell % 191)};
        for (const BookWord& word : book->wordsBeginningWith(QByteArrayView(character, 2)))
            fuzz::require(!word.hz.isEmpty());
        book->character(cell);
    }
    for (qsizetype i = 1; i + 1 < input.size() && i < 64; i += 2) {
        book->wordsBeginningWith(input.sliced(i));
        if (platform::gbk::startsWithDoubleByteCharacter(input.sliced(i)))
            book->character(codefile::GbkCellIndex(input[i], input[i + 1]));
    }
    return 0;
}
