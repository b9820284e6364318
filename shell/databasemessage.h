// What the main program tells the user when the code database cannot be read.
#pragma once

#include <QString>

namespace platform::dao {
class DaoError;
}

namespace shell {

// The window's own text for a missing or damaged database, unless another program holds the
// database locked: reinstalling would not help then, so the text says so and to try again later.
QString databaseFailureText(const platform::dao::DaoError& error, const QString& damagedText);

} // namespace shell
