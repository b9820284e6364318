// Opening a file or address with the desktop's handler (help files, links).
#pragma once

#include <QString>
#include <functional>

namespace platform {

// False when the file does not exist or no handler took it.
bool openWithDesktop(const QString& fileOrUrl);

// Opens a compiled help file as the help viewer would: false when the file is missing, is damaged
// (it does not begin with the signature "ITSF"), or no handler took it.
bool openHelpFile(const QString& path);

// Tests replace the desktop's handler; an empty function restores it.
void setDesktopOpenerForTests(std::function<bool(const QString&)> opener);

} // namespace platform
