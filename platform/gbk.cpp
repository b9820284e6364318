#include "platform/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform::gbk {
namespace {

constexpr const char* kCodePage = "GBK";

// A converter built once per thread and used for every conversion there: building one costs about
// nine conversions. Each conversion starts from a clean state, and an error is the conversion's own.
template <typename Converter> class ReusedConverter : public Converter
{
public:
    ReusedConverter() : Converter(kCodePage, Converter::Flag::Stateless) { Q_ASSERT(this->isValid()); }

    Converter& fresh()
    {
        // Resetting drops what an earlier text left half converted; the error count is not part
        // of the reset, so it is cleared by hand.
        this->resetState();
        this->state.invalidChars = 0;
        return *this;
    }
};

QStringEncoder& encoder()
{
    thread_local ReusedConverter<QStringEncoder> converter;
    return converter.fresh();
}

QStringDecoder& decoder()
{
    thread_local ReusedConverter<QStringDecoder> converter;
    return converter.fresh();
}

// A lead byte as the last byte, with no trail byte after it. A byte that cannot lead ends any pair,
// and the lead bytes after it pair up in turn (each can also be a trail byte), so the last one is
// lone when they are odd in number.
bool endsWithLoneLeadByte(QByteArrayView bytes)
{
    qsizetype leads = 0;
    for (qsizetype i = bytes.size() - 1; i >= 0 && isLeadByte(static_cast<unsigned char>(bytes[i])); --i)
        ++leads;
    return leads % 2 == 1;
}

// A stateful decoder keeps a character cut off at the end for the bytes that would follow, which is
// no error; a stateless one takes the end as the end.
bool isValidUtf8(QByteArrayView bytes, bool wholeFile)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           wholeFile ? QStringDecoder::Flag::Stateless : QStringDecoder::Flag::Default);
    const QString decoded = decoder.decode(bytes); // the conversion runs only when the result is taken
    return !decoder.hasError();
}

} // namespace

QByteArray encode(QStringView text)
{
    // ICU substitutes '?' for a character GBK cannot hold (one '?' for a surrogate pair), which is
    // what WideCharToMultiByte does for code page 936. A lone high surrogate at the end would wait
    // for its pair and be lost.
    QByteArray encoded = encoder().encode(text);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        encoded += '?';
    return encoded;
}

QString decode(QByteArrayView bytes)
{
    // Likewise a lead byte at the end would wait for its trail byte and be lost; it shows as the
    // replacement character, as any other byte that is no character does.
    QString decoded = decoder().decode(bytes);
    if (endsWithLoneLeadByte(bytes))
        decoded += QChar::ReplacementCharacter;
    return decoded;
}

bool canEncode(QStringView text)
{
    QStringEncoder& converter = encoder();
    const QByteArray encoded = converter.encode(text); // the conversion runs only when the result is taken
    return !converter.hasError();
}

ImportedEncoding importedTextEncoding(QByteArrayView head, bool wholeFile)
{
    static constexpr QByteArrayView kUtf8Bom = "\xEF\xBB\xBF";
    if (head.startsWith(kUtf8Bom))
        return {true, kUtf8Bom.size()};
    return {!isAscii(head) && isValidUtf8(head, wholeFile), 0};
}

QByteArray importedTextToGbk(const QByteArray& fileBytes)
{
    const ImportedEncoding encoding = importedTextEncoding(fileBytes);
    if (!encoding.utf8)
        return fileBytes;
    return encode(QString::fromUtf8(QByteArrayView(fileBytes).sliced(encoding.markBytes)));
}

} // namespace platform::gbk
