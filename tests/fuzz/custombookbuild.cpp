// Any bytes as the input method's user word file ZDYgbk.TXT, built into the custom book.
#include "segmentation/core/userwordbooks.h"
#include "tests/fuzz/bookbuilders.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::buildBookFrom(
        fuzz::bytesOf(data, size), QStringLiteral("ZDYgbk.TXT"), segmentation::BookKind::Custom,
        [](const QString& folder) { return segmentation::BuildCustomCodeBook(folder, folder, 1); });
    return 0;
}
