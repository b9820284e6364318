// The symbol list filter.dat: one entry a line, the symbol (one GBK double-byte character), ten
// blanks, then its name, each line ended by CR LF. The import filters the listed symbols out of an
// article; the filter dialog edits the list.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace segmentation {

inline constexpr const char* kFilterFileName = "filter.dat";

// programFolder ends in '/'.
QString filterFilePath(const QString& programFolder);

// An entry: the first two bytes of symbol, ten blanks, the description (all GBK).
QByteArray filterLine(QByteArrayView symbol, QByteArrayView description);
// The thirty entries a new list starts with.
QList<QByteArray> defaultFilterLines();

// The symbols of the entries, concatenated two bytes each; an entry that does not begin with a
// double-byte character (an empty or damaged line) adds nothing, so the pairs stay aligned.
QByteArray filterSymbols(const QList<QByteArray>& lines);

struct FilterLines
{
    QList<QByteArray> lines; // in file order, line ends removed
    QString error;           // why the file could not be read or written; empty when all went well
};

// The entries of filter.dat in the program folder, written with the defaults first when the file is
// missing. When it can neither be read nor written, the default entries are given with the reason.
FilterLines loadFilterLines(const QString& programFolder);
// The symbol string of filter.dat (read afresh at every call, so edits take effect at once).
QByteArray LoadFilterSymbols(const QString& programFolder, QString* error = nullptr);

// Both write the whole file aside and put it in place only when it is complete, so a failed write
// keeps the old file. False, with the reason in *error, when it could not be written.
bool writeFilterFile(const QString& path, const QList<QByteArray>& lines, QString* error = nullptr);
bool WriteDefaultFilterFile(const QString& path, QString* error = nullptr);

} // namespace segmentation
