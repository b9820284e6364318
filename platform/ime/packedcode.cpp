#include "platform/ime/packedcode.h"

namespace platform::ime {

int decodePackedCode(const unsigned char* threeBytes, QByteArray* digits)
{
    if (digits)
        digits->clear();
    int count = 0;
    for (int i = 0; i < kMaxCodeLength; ++i) {
        const unsigned char byte = threeBytes[i / 2];
        const int nibble = (i % 2 == 0) ? (byte >> 4) : (byte & 0x0F);
        if (nibble > 9)
            break;
        if (digits)
            digits->append(char('0' + nibble));
        ++count;
    }
    return count == 0 ? -1 : count;
}

QByteArray userWordCodeText(const unsigned char* sixBytes)
{
    const int k = (decodePackedCode(sixBytes) + decodePackedCode(sixBytes + 3)) / 2;
    QByteArray text;
    for (int i = 0; i < k && sixBytes[i] != 0; ++i)
        text.append(char(sixBytes[i]));
    return text;
}

bool isDigitCode(QByteArrayView code)
{
    if (code.isEmpty() || code.size() > kMaxCodeLength)
        return false;
    for (char c : code) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace platform::ime
