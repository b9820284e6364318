// A small code file and user word file that the input method tests share.
#pragma once

#include "tests/ime/support/imefilewriter.h"

#include <QString>

namespace imetest {

// Code 5000 appears in two character groups, a word group and the user words; 1, 12 and 123456
// chain as prefixes; 77 is an empty word group; 4040 and 88 are unique and begin no longer code.
QList<CodeGroup> sampleCharacters();
QList<CodeGroup> sampleWords();
QList<UserWord> sampleUserWords();

// Writes orvesk.mb and ZDYgbk.TXT with the samples into a folder ending in '/'.
bool writeSampleFiles(const QString& folder);

} // namespace imetest
