// The emulated system code page (936, GBK): conversions, and what a double-byte character is.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
// True when bytes begin with a whole double-byte character: a lead byte followed by a trail byte.
constexpr bool startsWithDoubleByteCharacter(QByteArrayView bytes)
{
    return bytes.size() >= 2 && isLeadByte(static_cast<unsigned char>(bytes[0])) &&
           isTrailByte(static_cast<unsigned char>(bytes[1]));
}
// True when no byte is above 0x7F: the text is the same in GBK, UTF-8 and Latin-1.
constexpr bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
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
