// Any bytes as the input method's user word file ZDYgbk.TXT, built into the custom book.
#include "segmentation/core/userwordbooks.h"
#include "tests/fuzz/bookbuilders.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString folder = fuzz::scratchFolder();
    fuzz::emptyFolder(folder);
    fuzz::writeFile(folder + QStringLiteral("ZDYgbk.TXT"), fuzz::bytesOf(data, size));
    const segmentation::BuildReport report =
        segmentation::BuildCustomCodeBook(folder, folder, 1); // under test
    fuzz::checkBuiltBook(report, segmentation::BookKind::Custom, folder, fuzz::bytesOf(data, size));
    return 0;
}
