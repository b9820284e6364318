// The input method's user word file, read into a code table.
#include "platform/ime/imefiles.h"
#include "tests/fuzz/codetablecheck.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::ime::CodeTableBuilder builder;
    platform::ime::readUserWordFile(fuzz::bytesOf(data, size), builder); // the reader under test
    fuzz::checkLookups(builder);
    return 0;
}
