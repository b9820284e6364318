// Any bytes as filter.dat: the symbols taken from it are whole double-byte characters, and the list
// written back reads as it was.
#include "segmentation/core/filtersymbols.h"
#include "tests/fuzz/fuzzsupport.h"

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
    fuzz::require(fuzz::isDoubleByteText(symbols));
    if (!loaded.error.isEmpty())
        return 0;
    // What the filter dialog writes back is read back line for line.
    fuzz::require(writeFilterFile(filterFilePath(folder), loaded.lines) &&
                  loadFilterLines(folder).lines == loaded.lines);
    return 0;
}
