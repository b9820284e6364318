// Any bytes as an article file: what the import keeps is whole double-byte characters, at most 20000
// bytes of them, whether the bytes read as GBK, as UTF-8, or as the head of a longer file.
#include "segmentation/core/articletext.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QBuffer>

using namespace segmentation;

namespace {

void check(const QByteArray& text)
{
    fuzz::require(text.size() <= kMaxArticleBytes && fuzz::isDoubleByteText(text));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = fuzz::bytesOf(data, size).toByteArray();
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const ArticleFileText read = readArticleFile(file); // the reader under test
    if (read.outcome == ArticleFileText::Outcome::Read)
        check(read.text);
    check(articleTextFromFileHead(bytes, false));
    check(takeDoubleByteCharacters(bytes, 64));
    // The filter keeps whole characters of the text, whatever the symbol list holds.
    if (read.outcome == ArticleFileText::Outcome::Read)
        check(removeFilterSymbols(read.text, bytes));
    return 0;
}
