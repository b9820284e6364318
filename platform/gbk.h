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

} // namespace platform::gbk
