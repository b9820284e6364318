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
    fuzz::buildBookFrom(fuzz::bytesOf(data, size), QLatin1String(segmentation::kTeacherWordListName),
                        segmentation::BookKind::Teacher,
                        [](const QString& folder) { return segmentation::BuildUserWordBook(folder); });
    return 0;
}
