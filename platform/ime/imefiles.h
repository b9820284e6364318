// Readers of the input method's code file and user word file, and loading both from the system folder.
#pragma once

#include "platform/ime/codetable.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace platform::ime {

inline constexpr const char* kCodeFileName = "orvesk.mb";
inline constexpr const char* kUserWordFileName = "ZDYgbk.TXT";

// What is wrong with a file, and where (a byte offset, or -1 when it is about the whole file).
struct FileProblem
{
    enum class Kind
    {
        Missing,
        Unreadable,
        TruncatedHeader, // shorter than the 32-byte header
        SectionsPastEnd, // the header's section lengths run past the end of the file
        TruncatedGroup,  // a code group runs past the end of its section
        BadCode,         // a packed code whose first nibble is above 9
        TruncatedEntry,  // a user word entry cut off before its line end
        BadUserCode,     // a user word whose code text is not one to six digits
    };
    Kind kind = Kind::Missing;
    qint64 offset = -1;
    QString filePath;

    // One sentence for the user.
    QString describe() const;
};

// Each reader adds the file's entries in file order and stops at the first damage, which it
// returns; it never reads outside the bytes it is given.
std::optional<FileProblem> readCodeFile(QByteArrayView bytes, CodeTableBuilder& into);
std::optional<FileProblem> readUserWordFile(QByteArrayView bytes, CodeTableBuilder& into);

struct LoadedTable
{
    std::optional<CodeTable> table; // set when both files were read whole
    std::optional<FileProblem> problem;
};

// Reads the code file and then the user word file from a folder ending in '/'.
LoadedTable loadCodeTable(const QString& folder);

} // namespace platform::ime
