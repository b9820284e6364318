// A build cut off at each step of putting its book in place, as a kill would cut it, and the book
// that the next open or the next start-up finds.
#undef QT_NO_CAST_FROM_ASCII
#include "segmentation/core/bookplacement.h"
#include "segmentation/core/bookreader.h"
#include "tests/segmentation/booktestsupport.h"
#include "tests/support/testfolders.h"

#include <QDir>
#include <gtest/gtest.h>
#include <numeric>

using namespace segmentation;
using namespace booktest;

namespace {

struct CutCase
{
    BookKind kind;
    PlacementStep step;
    bool oldBook;   // a book of two words was there before the build of three that is cut off
    bool startUp;   // the start-up's check comes next, else the reader
    int wordsFound; // 0: no book
};

const char* const kKinds[] = {"Code", "Teacher", "Custom"};
const char* const kSteps[] = {"NewFilesSynced", "Committed", "DatabaseRenamed", "IndexRenamed"};

void PrintTo(const CutCase& c, std::ostream* os)
{
    *os << kKinds[int(c.kind)] << "_" << kSteps[int(c.step)] << (c.oldBook ? "_OverAnOldBook" : "_FirstBook")
        << (c.startUp ? "_Started" : "_Read");
}

class PlacementTest : public ::testing::Test
{
protected:
    ~PlacementTest() override { setPlacementCutOff({}); }
    QString build(BookKind kind, const QString& words) const
    {
        const QString codes = QString(words).replace(u' ', "=12 ") + "=12";
        if (kind == BookKind::Teacher)
            return buildTeacherBook(program(), words);
        return kind == BookKind::Code ? buildCodeBook(program(), m_folders.systemFolder(), codes)
                                      : buildCustomBook(program(), m_folders.systemFolder(), codes);
    }
    QString program() const { return m_folders.programFolder(); }
    testsupport::TestFolders m_folders;
};

class CutOffTest : public PlacementTest, public ::testing::WithParamInterface<CutCase>
{
};

TEST_P(CutOffTest, LeavesOneWholeBookOrNone)
{
    const CutCase& c = GetParam();
    if (c.oldBook) {
        ASSERT_EQ(build(c.kind, "中国 人民"), QString());
    }
    setPlacementCutOff([&c](PlacementStep reached) { return reached == c.step; });
    ASSERT_NE(build(c.kind, "中国 人民 中华"), QString());
    setPlacementCutOff({});

    BookOpenFailure failure;
    EXPECT_EQ(c.startUp ? hasWholeBook(c.kind, program())
                        : BookReader::open(c.kind, program(), &failure) != nullptr,
              c.wordsFound > 0);
    EXPECT_TRUE(QDir(program()).entryList({"*.new", "*.commit", "*.new-*"}).isEmpty());
    const BookFiles files = bookFiles(c.kind, program());
    // A mix of the two builds would not add up.
    const QList<quint16> counts = indexCounts(files.index);
    EXPECT_EQ(std::accumulate(counts.cbegin(), counts.cend(), 0), c.wordsFound);
    const QString table = c.kind == BookKind::Code ? "CiBiao" : "ZDYBiao";
    EXPECT_EQ(queryRows(files.database, "SELECT count(*) FROM " + table),
              c.wordsFound ? QList<QStringList>{{QString::number(c.wordsFound)}} : QList<QStringList>{});
}

std::vector<CutCase> cutCases()
{
    std::vector<CutCase> cases;
    for (BookKind kind : {BookKind::Code, BookKind::Teacher, BookKind::Custom})
        for (int step = 0; step < 4; ++step)
            for (bool oldBook : {false, true})
                for (bool startUp : {false, true})
                    // Before its record the new pair never went in; from the record on, it always does.
                    cases.push_back({kind, PlacementStep(step), oldBook, startUp,
                                     step > 0  ? 3
                                     : oldBook ? 2
                                               : 0});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Steps, CutOffTest, ::testing::ValuesIn(cutCases()), [](const auto& info) {
    std::ostringstream name;
    PrintTo(info.param, &name);
    return name.str();
});

// The second rename fails: the new database is in, its index is not, and nothing may read the book
// until an open can finish the placement.
TEST_F(PlacementTest, AFailedSecondRenameKeepsTheBookFromBeingReadUntilAnOpenFinishesIt)
{
    const QString index = bookFiles(BookKind::Code, program()).index;
    ASSERT_TRUE(QDir().mkpath(index + "/in-the-way"));
    EXPECT_NE(build(BookKind::Code, "中国 人民 中华"), QString());
    BookOpenFailure failure;
    EXPECT_EQ(BookReader::open(BookKind::Code, program(), &failure), nullptr);
    EXPECT_EQ(failure.kind, BookOpenFailure::Kind::DatabaseNotOpened);
    EXPECT_FALSE(hasWholeBook(BookKind::Code, program()));

    ASSERT_TRUE(QDir(index).removeRecursively());
    const auto book = BookReader::open(BookKind::Code, program(), &failure);
    ASSERT_NE(book, nullptr) << failure.message.toStdString();
    EXPECT_EQ(book->firstWordRow(24065) + book->wordCount(24065), 3);
}

} // namespace
