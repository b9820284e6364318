#include "segmentation/core/textfile.h"

#include "platform/atomicfile.h"

namespace segmentation {

QByteArray textModeBytes(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() + text.count('\n'));
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool writeTextFile(const QString& path, QByteArrayView text, QString* error)
{
    QString why;
    if (platform::writeFileAtomically(path, textModeBytes(text), &why))
        return true;
    if (error)
        *error = QStringLiteral("不能写入%1：%2").arg(path, why);
    return false;
}

} // namespace segmentation
