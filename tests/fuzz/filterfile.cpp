// Any bytes as filter.dat: the symbols taken from it are whole double-byte characters, and the list
// written back reads as it was.
#include "platform/gbk.h"
#include "segmentation/core/filtersymbols.h"
#include "tests/fuzz/fuzzsupport.h"

#include <cstdlib>

using namespace segmentation;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = fuzz::scratchFolder();
    fuzz::writeFile(filterFilePath(folder), fuzz::bytesOf(data, size));
    const FilterLines loaded = loadFilterLines(folder); // the reader under test
    const QByteArray symbols = LoadFilterSymbols(folder);
    if (symbols.size() % 2 != 0)
        std::abort();
    for (qsizetype i = 0; i < symbols.size(); i += 2)
        if (!platform::gbk::startsWithDoubleByteCharacter(QByteArrayView(symbols).sliced(i)))
            std::abort();
    if (!loaded.error.isEmpty())
        return 0;
    // What the filter dialog writes back is read back line for line.
    if (!writeFilterFile(filterFilePath(folder), loaded.lines) ||
        loadFilterLines(folder).lines != loaded.lines)
        std::abort();
    return 0;
}
