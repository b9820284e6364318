// The hive file's text: whatever it reads, it writes back to a text that reads the same.
#include "platform/registry.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto hive = platform::RegistryHive::fromText(fuzz::bytesOf(data, size), nullptr);
    if (!hive)
        return 0;
    QString error;
    const auto again = platform::RegistryHive::fromText(hive->toText(), &error);
    fuzz::require(again && *again == *hive);
    return 0;
}
