// The input method's digit codes as its files store them: packed decimal nibbles and code fields.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace platform::ime {

inline constexpr int kMaxCodeLength = 6;

// Decodes 3 bytes of packed decimal (high nibble first) into at most six ASCII digits: a nibble
// above 9 ends the code. Returns the digit count (1 to 6), or -1 when the first nibble is above 9,
// in which case digits is left empty.
int decodePackedCode(const unsigned char* threeBytes, QByteArray* digits = nullptr);

// The code text of a user word's 6-byte code field: k = half the sum of the decoded digit counts
// of its two halves (an error counting -1), then the first k bytes of the field, ending earlier at a
// zero byte. A negative k gives an empty text.
QByteArray userWordCodeText(const unsigned char* sixBytes);

// True for one to six ASCII digits.
bool isDigitCode(QByteArrayView code);

} // namespace platform::ime
