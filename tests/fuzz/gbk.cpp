// The code page conversions, on any bytes.
#include "platform/gbk.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QString text = platform::gbk::decode(bytes);
    platform::gbk::canEncode(text);
    platform::gbk::encode(text);
    platform::gbk::importedTextToGbk(bytes.toByteArray());
    return 0;
}
