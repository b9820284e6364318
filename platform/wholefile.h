// Replacing a file whole: the new contents are written beside it and put in place only when every
// byte has reached the file, so a full disk or a failed write keeps the old file as it was.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// False, with the reason in *error, when the file could not be written; the old file is kept then.
bool writeWholeFile(const QString& path, const QByteArray& contents, QString* error = nullptr);

} // namespace platform
