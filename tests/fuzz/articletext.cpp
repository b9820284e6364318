// Any bytes as an article file: what the import keeps is whole double-byte characters, at most 20000
// bytes of them, whether the bytes read as GBK, as UTF-8, or as the head of a longer file.
#include "segmentation/core/articletext.h"
#include "platform/gbk.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QBuffer>
#include <cstdlib>

using namespace segmentation;

namespace {

void check(const QByteArray& text)
{
    if (text.size() % 2 != 0 || text.size() > kMaxArticleBytes)
        std::abort();
    for (qsizetype i = 0; i < text.size(); i += 2)
        if (!platform::gbk::startsWithDoubleByteCharacter(QByteArrayView(text).sliced(i)))
            std::abort();
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
