#include "platform/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform::gbk {
namespace {

constexpr const char* kCodePage = "GBK";

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes); // the conversion runs only when the result is taken
    return !decoder.hasError();
}

bool hasNonAscii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

QByteArray encode(QStringView text)
{
    // ICU substitutes '?' for a character GBK cannot hold (one '?' for a surrogate pair), which is
    // what WideCharToMultiByte does for code page 936.
    QStringEncoder encoder(kCodePage, QStringEncoder::Flag::Stateless);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage, QStringDecoder::Flag::Stateless);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

bool canEncode(QStringView text)
{
    QStringEncoder encoder(kCodePage, QStringEncoder::Flag::Stateless);
    const QByteArray encoded = encoder.encode(text); // the conversion runs only when the result is taken
    return !encoder.hasError();
}

QByteArray importedTextToGbk(const QByteArray& fileBytes)
{
    static constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";
    if (fileBytes.startsWith(kUtf8Bom))
        return encode(QString::fromUtf8(fileBytes.sliced(kUtf8Bom.size())));
    if (hasNonAscii(fileBytes) && isValidUtf8(fileBytes))
        return encode(QString::fromUtf8(fileBytes));
    return fileBytes;
}

} // namespace platform::gbk
