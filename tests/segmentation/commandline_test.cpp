// The practice program's command line: the teacher switch and the document named on it.
#include "segmentation/core/commandline.h"

#include <gtest/gtest.h>

using namespace segmentation;

namespace {

const QString kProgram = QStringLiteral("/home/teacher/talvoren/corvelle");

TEST(CommandLine, LeavesTheProgramsOwnPathAndTheDocumentOut)
{
    EXPECT_EQ(commandLine({kProgram, QStringLiteral("/t"), QStringLiteral("-x")}), QStringLiteral("/t -x"));
    EXPECT_EQ(commandLine({kProgram, QStringLiteral("/t"), QStringLiteral("x"), QStringLiteral("y")}),
              QStringLiteral("/t y"));
    EXPECT_FALSE(hasTeacherSwitch(commandLine({kProgram})));
    EXPECT_FALSE(hasTeacherSwitch(commandLine({kProgram, QStringLiteral("/tmp/lesson.sav")})));
    EXPECT_TRUE(
        hasTeacherSwitch(commandLine({kProgram, QStringLiteral("/tmp/lesson.sav"), QStringLiteral("/t")})));
}

TEST(CommandLine, TheTeacherSwitchCountsAnywhereHoweverLongTheLine)
{
    EXPECT_TRUE(hasTeacherSwitch(u"/t"));
    EXPECT_TRUE(hasTeacherSwitch(u"abc/tdef"));
    EXPECT_FALSE(hasTeacherSwitch(u"/T"));
    EXPECT_FALSE(hasTeacherSwitch(u"t/"));
    const QString longLine = QString(200, u'x');
    EXPECT_FALSE(hasTeacherSwitch(longLine));
    EXPECT_TRUE(hasTeacherSwitch(longLine + QStringLiteral("/t")));
}

TEST(CommandLine, TheFirstArgumentThatIsNoSwitchNamesADocument)
{
    EXPECT_EQ(documentArgument({kProgram, QStringLiteral("/t")}), QString());
    EXPECT_EQ(documentArgument({kProgram, QStringLiteral("-x"), QStringLiteral("/t"), QStringLiteral("a.txt"),
                                QStringLiteral("b.txt")}),
              QStringLiteral("a.txt"));
    EXPECT_EQ(documentArgument({kProgram, QStringLiteral("/tmp/a.txt")}), QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(documentArgument({kProgram}), QString());
}

} // namespace
