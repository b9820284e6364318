// The export of a segmented article as plain text: its characters in order with a separator between
// the words, written as a text file (".txt").
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace segmentation {

inline constexpr QLatin1StringView kExportFileExtension(".txt");

// The file an export chosen under this name is written to: ".txt" is appended in every case.
QString exportFilePath(const QString& chosenPath);

// The first `characters` characters of text with the separator wherever the segmentation digit
// changes from one character to the next: nothing before the first character or after the last.
// The count is cut to the characters that both the text and the pattern hold.
QByteArray segmentedText(QByteArrayView text, QByteArrayView segmentationPattern, qsizetype characters,
                         QByteArrayView separator);

// The separator as a preview shows it: a newline as CR LF, anything else as it is.
QByteArray previewSeparator(QByteArrayView separator);

} // namespace segmentation
