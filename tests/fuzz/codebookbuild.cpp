// Any bytes as the input method's code file, built into the code book.
#include "segmentation/core/codebook.h"
#include "tests/fuzz/bookbuilders.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString name = QStringLiteral("orvesk.mb");
    fuzz::buildBookFrom(
        fuzz::bytesOf(data, size), name, segmentation::BookKind::Code,
        [&name](const QString& folder) { return segmentation::RebuildCodeBook(folder, folder + name, {}); });
    return 0;
}
