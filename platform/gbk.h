// The emulated system code page (936, GBK): conversions and the lead-byte test.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform::gbk {

// Unrepresentable characters become '?', as the Windows conversion does.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);
// IsDBCSLeadByte for code page 936: 0x81..0xFE.
constexpr bool isLeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
// The second byte of a GBK double-byte character: 0x40..0xFE without 0x7F.
constexpr bool isTrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}
// True when every character of text has a GBK form.
bool canEncode(QStringView text);

// A text file a user imports may arrive in UTF-8: with a UTF-8 byte-order mark, or valid UTF-8
// holding non-ASCII bytes, it is re-encoded to GBK (the mark dropped); anything else is taken as GBK.
QByteArray importedTextToGbk(const QByteArray& fileBytes);

// The same rule for a reader that takes only the head of a long file: whether these bytes are UTF-8
// and how many bytes of byte-order mark to skip. When the head is not the whole file, a character
// cut off at its end does not count against UTF-8.
struct ImportedEncoding
{
    bool utf8 = false;
    qsizetype markBytes = 0;
};
ImportedEncoding importedTextEncoding(QByteArrayView head, bool wholeFile = true);

} // namespace platform::gbk
