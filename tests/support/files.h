// Whole files for tests: read in one go, written in one go.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);
// Replaces the file with these bytes; false when they could not all be written.
bool writeFile(const QString& path, QByteArrayView bytes);

} // namespace testsupport
