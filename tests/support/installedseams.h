// Installs scripted UI, fixed clock and chance, a recording sound player and desktop opener for
// the lifetime of the object, and puts the real ones back when it goes.
#pragma once

#include "tests/support/fixedclock.h"
#include "tests/support/fixedrandom.h"
#include "tests/support/recordingsoundplayer.h"
#include "tests/support/scripteduiservice.h"
#include "tests/support/testfolders.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace testsupport {

class InstalledSeams
{
public:
    InstalledSeams();
    ~InstalledSeams();
    InstalledSeams(const InstalledSeams&) = delete;
    InstalledSeams& operator=(const InstalledSeams&) = delete;

    ScriptedUiService ui;
    FixedClock clock;
    FixedRandom random;
    RecordingSoundPlayer sound;
    QStringList opened;       // every file or address handed to the desktop opener
    bool openerAnswer = true; // what the desktop opener reports back
};

// A test fixture with fresh folders and every seam installed: `folders` and `seams`.
class SandboxedTest : public ::testing::Test
{
protected:
    TestFolders folders;
    InstalledSeams seams;
};

} // namespace testsupport
