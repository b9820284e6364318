#include "segmentation/core/articletext.h"

#include "platform/gbk.h"

namespace segmentation {

QByteArray doubleByteText(QByteArrayView bytes, qsizetype maxBytes)
{
    QByteArray text;
    text.reserve(qMin(bytes.size(), maxBytes));
    for (qsizetype i = 0; i + 1 < bytes.size() && text.size() + 2 <= maxBytes; ++i) {
        if (!platform::gbk::isLeadByte(static_cast<unsigned char>(bytes[i])) ||
            !platform::gbk::isTrailByte(static_cast<unsigned char>(bytes[i + 1])))
            continue;
        text.append(bytes.sliced(i, 2));
        ++i;
    }
    return text;
}

} // namespace segmentation
