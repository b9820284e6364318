#include "segmentation/core/articleexport.h"

namespace segmentation {

QString exportFilePath(const QString& chosenPath)
{
    return chosenPath + kExportFileExtension;
}

QByteArray segmentedText(QByteArrayView text, QByteArrayView segmentationPattern, qsizetype characters,
                         QByteArrayView separator)
{
    const qsizetype count =
        qBound<qsizetype>(0, characters, qMin(text.size() / 2, segmentationPattern.size()));
    QByteArray result;
    result.reserve(count * 2 + (count > 0 ? (count - 1) * separator.size() : 0));
    for (qsizetype i = 0; i < count; ++i) {
        if (i > 0 && segmentationPattern[i] != segmentationPattern[i - 1])
            result += separator;
        result += text.sliced(2 * i, 2);
    }
    return result;
}

QByteArray previewSeparator(QByteArrayView separator)
{
    return separator == QByteArrayView("\n") ? QByteArray("\r\n") : separator.toByteArray();
}

} // namespace segmentation
