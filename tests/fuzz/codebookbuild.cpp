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
    const QString folder = fuzz::scratchFolder();
    fuzz::emptyFolder(folder);
    const QString source = folder + QStringLiteral("orvesk.mb");
    fuzz::writeFile(source, fuzz::bytesOf(data, size));
    const segmentation::BuildReport report = segmentation::RebuildCodeBook(folder, source, {}); // under test
    fuzz::checkBuiltBook(report, segmentation::BookKind::Code, folder, fuzz::bytesOf(data, size));
    return 0;
}
