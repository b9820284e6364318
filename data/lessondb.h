// Writes the code database: every lesson table in the field order the programs expect.
#pragma once

#include "data/lessons.h"

#include <QString>

namespace datagen {

// Writes the database beside `path` and renames it over `path` once complete.
bool writeLessonDatabase(const QString& path, const Lessons& lessons, QString* error);

} // namespace datagen
