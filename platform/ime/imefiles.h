// Readers of the input method's code file and user word file, and loading both from the system folder.
#pragma once

#include "platform/codefile.h"
#include "platform/ime/codetable.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace platform::ime {

inline constexpr const char* kCodeFileName = "orvesk.mb";
inline constexpr const char* kUserWordFileName = "ZDYgbk.TXT";

using FileProblem = codefile::FileProblem;

// Each reader adds the file's entries in file order and stops at the first damage, which it
// returns. Empty words are passed over; a user word whose code text is not a digit code is damage.
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
