// The atomic save's clearing of what killed saves left beside a file.
#undef QT_NO_CAST_FROM_ASCII
#include "platform/atomicfile.h"
#include "tests/support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <thread>

namespace {

class AtomicFileTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return m_folder.path() + u'/' + name; }
    QStringList names() const
    {
        return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_folder;
};

// Only a file named as a save of the same file names its new file is taken for a killed save's.
TEST_F(AtomicFileTest, ASaveRemovesOnlyWhatKilledSavesOfTheSameFileLeft)
{
    for (const char* name : {"hive.new-1f", "hive.new-0123abcd", "hive.new-", "hive.new-123456789",
                             "hive.new-1F", "hive.new-1f.old", "hive2.new-1f", "other.new-1f"})
        ASSERT_TRUE(testsupport::writeFile(path(name), "left"));
    ASSERT_TRUE(QDir().mkdir(path("hive.new-2f")));
    ASSERT_TRUE(QFile::link(path("other.new-1f"), path("hive.new-3f")));
    ASSERT_TRUE(platform::writeFileAtomically(path("hive"), "saved"));
    EXPECT_EQ(names(),
              (QStringList{"hive", "hive.new-", "hive.new-123456789", "hive.new-1F", "hive.new-1f.old",
                           "hive.new-2f", "hive.new-3f", "hive2.new-1f", "other.new-1f"}));
}

TEST_F(AtomicFileTest, ANewFileThatItsWriterStillHoldsStaysUntilItIsLetGo)
{
    ASSERT_TRUE(testsupport::writeFile(path("hive.new-5a"), "being written"));
    // A second open file description, as another process has, holding the writer's lock.
    QFile writer(path("hive.new-5a"));
    ASSERT_TRUE(writer.open(QIODevice::ReadWrite));
    ASSERT_EQ(::flock(writer.handle(), LOCK_EX | LOCK_NB), 0);
    ASSERT_TRUE(platform::writeFileAtomically(path("hive"), "first"));
    EXPECT_TRUE(QFile::exists(path("hive.new-5a")));
    writer.close();
    ASSERT_TRUE(platform::writeFileAtomically(path("hive"), "second"));
    EXPECT_EQ(names(), QStringList{"hive"});
}

// Neither may take the other's new file for a leftover, or that save's rename would fail.
TEST_F(AtomicFileTest, TwoWritersSavingOneFileAtOnceBothSucceed)
{
    std::atomic<int> failures = 0;
    const auto saveMany = [&](const char* text) {
        for (int i = 0; i < 300; ++i)
            failures += platform::writeFileAtomically(path("hive"), text) ? 0 : 1;
    };
    std::thread other(saveMany, "other");
    saveMany("this");
    other.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(names(), QStringList{"hive"});
}

} // namespace
