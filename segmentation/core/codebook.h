// The code book (Durid.dat with index.dat) built from the input method's code file, and the texts
// the upgrade dialog shows about the code file and the book.
#pragma once

#include "segmentation/core/bookbuild.h"

#include <QString>
#include <optional>

namespace segmentation {

// The time and size the upgrade dialog shows for a file, and FileInfo keeps for the book.
struct FileInfoTexts
{
    QString time; // creation time, local, "2002年05月01日 08:00:00"
    QString size; // whole kilobytes followed by "K"
    bool operator==(const FileInfoTexts&) const = default;
};

// "Nothing" as the time and an empty size when the file's status cannot be read. The creation time
// is the file's birth time where the file system records one, else its last modification.
FileInfoTexts codeFileInfoTexts(const QString& codeFilePath);
// What the book's FileInfo holds; nothing when the book is missing or cannot be read.
std::optional<FileInfoTexts> readBookInfo(const QString& programFolder);

inline constexpr const char* kNoCodeFileTime = "Nothing";
inline constexpr const char* kNoBookInfo = "无";
inline constexpr const char* kCodeFileNotOpenedMessage = "不能打开码本文件";
inline constexpr const char* kCodeBookBuiltMessage = "成功升级码本";

// Builds the code book in the program folder from the code file. shown is what the dialog showed
// for the code file, kept in FileInfo. The tables, in short:
// - ZiBiao: 24066 rows, row c for GBK cell c: hz, srm (the character's code; a later group of the
//   file replaces an earlier one's), Jm (a code of one or two digits); placeholders where the file
//   lists no character.
// - CitemBiao: one row per word in file order (ID, hz, srm, Jm, first = lead * 256 + trail of its
//   first character, firstzi = that character, CiLength in characters, ZDY 0); CiJmBiao: the words
//   with short codes; ZiJmBiao: empty.
// - CiBiao: CitemBiao's rows in the order of "select * from CitemBiao Order by first ASC,CiLength
//   DESC" (ties in file order), IDs from 1; CiidBiao: one row per first character; FileInfo: one row
//   with MaxCiLength, the longest word in bytes.
// - index.dat: the number of CiBiao rows that begin with each cell's character.
// Entries the tables cannot hold are skipped and counted in the report; a damaged code file stops
// the build, and then the previous book stays as it was.
BuildReport RebuildCodeBook(const QString& programFolder, const QString& codeFilePath,
                            const FileInfoTexts& shown, const ProgressStep& step = {});

} // namespace segmentation
