// Any bytes as the teacher's word list usercibiao.TXT, built into the teacher's book.
#include "segmentation/core/userwordbooks.h"
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
    fuzz::writeFile(folder + QLatin1String(segmentation::kTeacherWordListName), fuzz::bytesOf(data, size));
    const segmentation::BuildReport report = segmentation::BuildUserWordBook(folder); // under test
    fuzz::checkBuiltBook(report, segmentation::BookKind::Teacher, folder, fuzz::bytesOf(data, size));
    return 0;
}
