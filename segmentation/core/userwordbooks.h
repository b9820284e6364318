// The word books besides the code book: the teacher's (zDurid.dat with indexz.dat, from the
// teacher's list usercibiao.TXT in the program folder) and the custom one (zdyDurid.dat with
// indexzdy.dat, from the input method's user word file in the system folder).
//
// Both hold ZDYtemBiao, one row per word in file order (ID, hz, [srm,] first = the first character,
// firstzi = its sort key, cilength in characters), and ZDYBiao, the same rows in the order of
// "select * from ZDYtemBiao Order by firstzi ASC,ciLength DESC" (ties in file order) with IDs from 1;
// the index file counts the ZDYBiao rows of each first character. Entries the tables cannot hold are
// skipped and counted in the report; a damaged source stops the build, and then the previous book
// stays as it was.
#pragma once

#include "segmentation/core/bookbuild.h"

#include <QString>

namespace segmentation {

inline constexpr const char* kUserWordFileNotOpenedMessage = "不能打开自定义文件";

// The sort key of a first character: the lead byte taken as a signed byte and widened to 16 bits,
// times 256, exclusive-or the trail byte; 0xFF0000 + lead * 256 + trail for a double-byte character.
int firstziKey(unsigned char lead, unsigned char trail);

// The teacher's book from <programFolder>usercibiao.TXT: words without codes. A list that ends
// without its closing empty line is taken whole and the report says so.
BuildReport BuildUserWordBook(const QString& programFolder, const ProgressStep& step = {});

// The custom book from the edition's user word file in the system folder (ZDY.TXT for edition 0,
// ZDYgbk.TXT for 1). srm holds each entry's code text; an entry whose code field gives none (both
// halves begin with a nibble above 9) has an empty srm.
BuildReport BuildCustomCodeBook(const QString& programFolder, const QString& systemFolder, int edition,
                                const ProgressStep& step = {});

} // namespace segmentation
