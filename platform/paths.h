// Where the programs find their files: the program folder, the emulated system folder, the user folder.
#pragma once

#include <QString>

namespace platform {

// The folder of the running executable, ending in '/'.
QString programFolder();
// $TALVOREN_SYSTEM_DIR, else <program folder>/system/; always ends in '/'.
QString systemFolder();
// $TALVOREN_USER_DIR, else $XDG_CONFIG_HOME/talvoren/ (~/.config/talvoren/); always ends in '/'.
QString userFolder();

// Tests and tools point the program folder elsewhere; an empty text restores the executable's folder.
void setProgramFolderOverride(const QString& folder);

} // namespace platform
