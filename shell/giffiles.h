// The clean-up of the button pictures that start-up writes into the program folder as files.
#pragma once

#include <QString>

namespace shell {

// Deletes every "*.gif" file in folder, one by one; a file that cannot be deleted is skipped.
void deleteGifFiles(const QString& folder);

} // namespace shell
