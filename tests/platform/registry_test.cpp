// The registry store: hive files, byte-exact typed values, case-insensitive names, the 8-bit calls.
#include "platform/filelock.h"
#include "platform/problems.h"
#include "platform/registry.h"
#include "tests/support/files.h"
#include "tests/support/fulldisk.h"
#include "tests/support/testfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QByteArray bytes(const char* text, qsizetype size)
{
    return QByteArray(text, size);
}

// Records what the registry reports to the user while it lives.
class ProblemRecorder
{
public:
    ProblemRecorder()
    {
        setProblemReporter([this](const QString& message) { messages.append(message); });
    }
    ~ProblemRecorder() { setProblemReporter({}); }
    QStringList messages;
};

class RegistryTest : public ::testing::Test
{
protected:
    void TearDown() override { resetRegistry(); }

    // What the user folder holds apart from the hive's lock file, which stays.
    QStringList filesBesideTheLock() const
    {
        QStringList files = QDir(folders.userFolder()).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(QStringLiteral("HKEY_CURRENT_USER.hive.lock"));
        return files;
    }
    static QString lockPath() { return hiveFilePath(HKEY_CURRENT_USER) + QStringLiteral(".lock"); }
    static HKEY create(HKEY root, const char* path)
    {
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyA(root, path, &key), ERROR_SUCCESS);
        return key;
    }
    static LONG setText(HKEY key, const char* name, QByteArrayView text)
    {
        return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.data()),
                              static_cast<DWORD>(text.size()));
    }
    // The value's bytes, or nothing when the query fails.
    static std::optional<QByteArray> query(HKEY key, const char* name)
    {
        DWORD size = 0;
        if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        QByteArray data(size, '\0');
        if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return data;
    }

    testsupport::TestFolders folders;
    ProblemRecorder problems;
};

// Values whose bytes a text format could easily bend: NULs inside, high bytes, CR LF, nothing.
const std::vector<RegistryValue>& awkwardValues()
{
    static const std::vector<RegistryValue> values = {
        {REG_SZ, bytes("Talvoren\xCA\xE4\xC8\xEB\xB7\xA8"
                       "2002\0",
                       17)},
        {REG_SZ, bytes("no terminator", 13)},
        {REG_EXPAND_SZ, bytes("%SystemRoot%\\x\0", 15)},
        {REG_BINARY, bytes("\0\x01\xFF\r\n\"[]%", 9)},
        {REG_DWORD, bytes("\x78\x56\x34\x12", 4)},
        {REG_BINARY, QByteArray()},
        {7, bytes("a\0b\0\0", 5)}, // a type the store does not know by name still round-trips
    };
    return values;
}

TEST_F(RegistryTest, HiveFilesLiveInTheSystemAndUserFolders)
{
    EXPECT_EQ(hiveFilePath(HKEY_LOCAL_MACHINE),
              folders.systemFolder() + QStringLiteral("HKEY_LOCAL_MACHINE.hive"));
    EXPECT_EQ(hiveFilePath(HKEY_CURRENT_USER),
              folders.userFolder() + QStringLiteral("HKEY_CURRENT_USER.hive"));
}

TEST_F(RegistryTest, HiveTextRoundTripsEveryValueByteForByte)
{
    RegistryHive hive;
    const auto& values = awkwardValues();
    for (size_t i = 0; i < values.size(); ++i)
        hive.setValue("Software\\Odd \"[Key]\" 100%",
                      QByteArray("value ") + QByteArray::number(qulonglong(i)), values[i]);
    hive.setValue("", "", RegistryValue{REG_SZ, bytes("root default\0", 13)});
    hive.createKey("Empty\\Key\\\xB9\xFA"); // an empty key with a GBK name survives too

    QString error;
    const auto parsed = RegistryHive::fromText(hive.toText(), &error);
    ASSERT_TRUE(parsed) << error.toStdString();
    EXPECT_EQ(*parsed, hive);
    EXPECT_TRUE(parsed->hasKey("empty\\key\\\xB9\xFA"));
}

TEST_F(RegistryTest, ValuesWrittenThroughTheCallsSurviveAReload)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Orvesk\\Corvelle\\");
    const auto& values = awkwardValues();
    for (size_t i = 0; i < values.size(); ++i) {
        const QByteArray name = "v" + QByteArray::number(qulonglong(i));
        ASSERT_EQ(RegSetValueExA(key, name.constData(), 0, values[i].type,
                                 reinterpret_cast<const BYTE*>(values[i].data.constData()),
                                 static_cast<DWORD>(values[i].data.size())),
                  ERROR_SUCCESS);
    }
    RegCloseKey(key);

    resetRegistry(); // forget everything in memory: what follows comes from the file
    HKEY reopened = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvesk\\Corvelle", 0, KEY_READ, &reopened),
              ERROR_SUCCESS);
    for (size_t i = 0; i < values.size(); ++i) {
        const QByteArray name = "v" + QByteArray::number(qulonglong(i));
        DWORD type = REG_NONE;
        QByteArray buffer(64, '\x55');
        DWORD size = static_cast<DWORD>(buffer.size());
        ASSERT_EQ(RegQueryValueExA(reopened, name.constData(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buffer.data()), &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(type, values[i].type) << i;
        EXPECT_EQ(buffer.first(size), values[i].data) << i;
    }
    RegCloseKey(reopened);
    EXPECT_TRUE(problems.messages.isEmpty());
}

TEST_F(RegistryTest, KeyAndValueNamesMatchWithoutRegardToCase)
{
    RegistryHive hive;
    hive.setValue("System\\CurrentControlSet\\Control", "Layout Text", RegistryValue{REG_SZ, "a"});
    hive.setValue("SYSTEM\\currentcontrolset\\CONTROL", "LAYOUT TEXT", RegistryValue{REG_SZ, "b"});
    ASSERT_TRUE(hive.value("system\\CurrentControlSet\\control", "layout text"));
    EXPECT_EQ(hive.value("system\\CurrentControlSet\\control", "layout text")->data, "b");
    // The name first written is the one kept in the file.
    EXPECT_TRUE(hive.toText().contains("[System\\CurrentControlSet\\Control]"));
    EXPECT_TRUE(hive.toText().contains("\"Layout Text\""));
}

TEST_F(RegistryTest, GbkTrailBytesAreNeitherFoldedNorSeparators)
{
    RegistryHive hive;
    // 0x81 0x41 and 0x81 0x61 are two different characters, and 0x81 0x5C is one character whose
    // trail byte is the value of '\'.
    hive.setValue("\x81\x41", "n", RegistryValue{REG_SZ, "upper"});
    hive.setValue("\x81\x61", "n", RegistryValue{REG_SZ, "lower"});
    hive.setValue("k\x81\x5Cx", "n", RegistryValue{REG_SZ, "one key"});
    EXPECT_EQ(hive.value("\x81\x41", "n")->data, "upper");
    EXPECT_EQ(hive.value("\x81\x61", "n")->data, "lower");
    EXPECT_EQ(hive.value("K\x81\x5CX", "N")->data, "one key");
    EXPECT_FALSE(hive.hasKey("k\x81"));
}

TEST_F(RegistryTest, QueryAnswersSizeAndTypeFirstAndRefusesASmallBuffer)
{
    const HKEY key = create(HKEY_LOCAL_MACHINE, "Software\\Test");
    const QByteArray stored = bytes("12345\0", 6);
    ASSERT_EQ(setText(key, "text", stored), ERROR_SUCCESS);

    DWORD type = REG_NONE;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "text", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 6u);

    BYTE small[5] = {};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key, "text", nullptr, &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);

    BYTE exact[6] = {};
    size = sizeof exact;
    EXPECT_EQ(RegQueryValueExA(key, "text", nullptr, &type, exact, &size), ERROR_SUCCESS);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(exact), 6), stored);

    EXPECT_EQ(RegQueryValueExA(key, "missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
}

TEST_F(RegistryTest, HandlesAreSmallAndCloseOnce)
{
    HKEY missing = 12345;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "No\\Such\\Key", 0, KEY_QUERY_VALUE, &missing),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing, 0u);
    EXPECT_EQ(RegCloseKey(0), ERROR_INVALID_HANDLE); // harmless

    const HKEY a = create(HKEY_LOCAL_MACHINE, "A");
    const HKEY b = create(HKEY_CURRENT_USER, "B");
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_LT(a, 0x10000u);
    EXPECT_EQ(RegCloseKey(a), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(a), ERROR_INVALID_HANDLE);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(a, "", nullptr, nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
    RegCloseKey(b);
}

TEST_F(RegistryTest, AKeyOpenedForQueryingCannotBeWritten)
{
    RegCloseKey(create(HKEY_CURRENT_USER, "Software\\X"));
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\x", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    const BYTE one[4] = {1, 0, 0, 0};
    EXPECT_EQ(RegSetValueExA(key, "n", 0, REG_DWORD, one, 4), ERROR_ACCESS_DENIED);
    RegCloseKey(key);
}

TEST_F(RegistryTest, EveryWriteReplacesTheHiveFileWhole)
{
    RegCloseKey(create(HKEY_CURRENT_USER, "Software\\First"));
    const QString path = hiveFilePath(HKEY_CURRENT_USER);
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly)); // keeps the old file's contents readable

    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Second");
    ASSERT_EQ(setText(key, "v", bytes("abc", 4)), ERROR_SUCCESS);
    RegCloseKey(key);

    // The old file was not written into: it was replaced by a new one written beside it.
    const QByteArray oldContent = before.readAll();
    EXPECT_TRUE(oldContent.contains("First"));
    EXPECT_FALSE(oldContent.contains("Second"));
    EXPECT_TRUE(readFile(path).contains("[Software\\Second]"));
    EXPECT_EQ(filesBesideTheLock(), QStringList{QStringLiteral("HKEY_CURRENT_USER.hive")});
}

TEST_F(RegistryTest, AFullDiskFailsTheWriteKeepsTheFileAndRemembersNothing)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Orvesk\\Corvelle");
    ASSERT_EQ(setText(key, "kept", "old"), ERROR_SUCCESS);
    const QString path = hiveFilePath(HKEY_CURRENT_USER);
    const QByteArray before = readFile(path);

    {
        // The disk fills after the first few bytes of the next save.
        testsupport::FullDisk full(16);
        EXPECT_NE(setText(key, "kept", "new"), ERROR_SUCCESS);
        EXPECT_NE(setText(key, "added", "new"), ERROR_SUCCESS);
    }

    EXPECT_EQ(query(key, "kept"), QByteArray("old"));
    EXPECT_EQ(query(key, "added"), std::nullopt);
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(filesBesideTheLock(), QStringList{QStringLiteral("HKEY_CURRENT_USER.hive")});
    // The system's own words, once for the two writes that failed alike.
    ASSERT_EQ(problems.messages.size(), 1);
    EXPECT_TRUE(problems.messages.front().contains(QString::fromLocal8Bit(std::strerror(EFBIG))));

    EXPECT_EQ(setText(key, "added", "new"), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(RegistryTest, AWriteWaitsForALiveLockAndFailsWithoutIt)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Orvesk\\Corvelle");
    setRegistryLockTimeout(std::chrono::milliseconds(50));
    {
        FileLock other(lockPath());
        ASSERT_TRUE(other.lock(std::chrono::milliseconds(0), nullptr));
        EXPECT_NE(setText(key, "v", "1"), ERROR_SUCCESS);
        EXPECT_EQ(query(key, "v"), std::nullopt);
        EXPECT_EQ(problems.messages.size(), 1);
    }
    EXPECT_EQ(setText(key, "v", "1"), ERROR_SUCCESS);
    RegCloseKey(key);
}

// What a writer that was killed may leave behind: no process holds the lock any more.
TEST_F(RegistryTest, ALockFileLeftBehindIsNoLock)
{
    setRegistryLockTimeout(std::chrono::milliseconds(0));
    for (const QByteArray& left :
         {QByteArray(), QByteArray("999999\nhost\ncorvelle\n"), QByteArray("\xFF\0", 2)}) {
        ASSERT_TRUE(writeFile(lockPath(), left));
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\" + left.toHex(), &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_TRUE(problems.messages.isEmpty());
}

// A lock file that cannot be opened holds no lock: an empty folder or a link in its place is cleared away.
TEST_F(RegistryTest, SomethingThatCannotBeALockFileIsNoLock)
{
    ASSERT_TRUE(QDir().mkpath(folders.userFolder()));
    const std::pair<const char*, std::function<bool()>> inTheWay[] = {
        {"Folder", [&] { return QDir().mkdir(lockPath()); }},
        {"Link", [&] { return QFile::link(folders.userFolder() + QStringLiteral("elsewhere"), lockPath()); }},
    };
    for (const auto& [name, make] : inTheWay) {
        QFile::remove(lockPath()); // the lock file the case before left
        ASSERT_TRUE(make()) << name;
        HKEY key = 0;
        EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (QByteArray("Software\\") + name).constData(), &key),
                  ERROR_SUCCESS)
            << name;
        RegCloseKey(key);
        EXPECT_TRUE(QFileInfo(lockPath()).isFile()) << name;
    }
    EXPECT_TRUE(problems.messages.isEmpty()) << problems.messages.join(u'\n').toStdString();
}

TEST_F(RegistryTest, TwoProgramsWritingAtOnceLoseNothing)
{
    constexpr int kEach = 1000;
    QProcess writers[2];
    for (int i = 0; i < 2; ++i)
        writers[i].start(QStringLiteral(REGISTRY_WRITER_PATH),
                         {QString(QLatin1Char(char('a' + i))), QString::number(kEach)});
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(100000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
    }
    RegistryHive onDisk;
    ASSERT_TRUE(onDisk.load(hiveFilePath(HKEY_CURRENT_USER)).ok);
    int missing = 0;
    for (const char* prefix : {"a", "b"})
        for (int n = 0; n < kEach; ++n)
            missing += !onDisk.value("Software\\Writers", prefix + QByteArray::number(n));
    EXPECT_EQ(missing, 0);
}

TEST_F(RegistryTest, ADeepKeyIsWrittenOnceAndNoDeeperOneIsMade)
{
    QByteArray path = "k";
    for (int level = 1; level < RegistryHive::kMaxKeyDepth; ++level)
        path += "\\k";
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.constData(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, (path + "\\deeper").constData(), &key),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(key, 0u);

    const QByteArray text = readFile(hiveFilePath(HKEY_CURRENT_USER));
    EXPECT_EQ(text.count('['), 1);
    EXPECT_LT(text.size(), 2 * path.size());
    RegistryHive reread;
    ASSERT_TRUE(reread.load(hiveFilePath(HKEY_CURRENT_USER)).ok);
    EXPECT_TRUE(reread.hasKey(path));
}

TEST_F(RegistryTest, AWriteThatWouldPassTheSizeBoundFails)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Big");
    const QByteArray big(RegistryHive::kMaxFileBytes / 2, 'x'); // written as twice as many hex digits
    EXPECT_NE(setText(key, "v", big), ERROR_SUCCESS);
    EXPECT_EQ(query(key, "v"), std::nullopt);
    RegCloseKey(key);
}

// Both programs keep settings in the same user hive, each with its own copy in memory.
TEST_F(RegistryTest, AnotherProgramsSavedSettingsAreKeptAndSeen)
{
    const HKEY key = create(HKEY_CURRENT_USER, "Software\\Orvesk\\Talvoren");
    ASSERT_EQ(setText(key, "mine", bytes("1", 2)), ERROR_SUCCESS);

    const QString path = hiveFilePath(HKEY_CURRENT_USER);
    RegistryHive other;
    ASSERT_TRUE(other.load(path).ok);
    other.setValue("Software\\Orvesk\\Corvelle", "theirs", {REG_SZ, bytes("2", 2)});
    ASSERT_TRUE(other.save(path));

    ASSERT_EQ(setText(key, "mine", bytes("3", 2)), ERROR_SUCCESS);
    RegCloseKey(key);
    RegistryHive onDisk;
    ASSERT_TRUE(onDisk.load(path).ok);
    EXPECT_EQ(onDisk.value("Software\\Orvesk\\Corvelle", "theirs"), (RegistryValue{REG_SZ, bytes("2", 2)}));
    EXPECT_EQ(onDisk.value("Software\\Orvesk\\Talvoren", "mine"), (RegistryValue{REG_SZ, bytes("3", 2)}));

    other.setValue("Software\\Orvesk\\Corvelle", "theirs", {REG_SZ, bytes("4", 2)});
    ASSERT_TRUE(other.save(path));
    HKEY theirs = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvesk\\Corvelle", 0, KEY_READ, &theirs),
              ERROR_SUCCESS);
    EXPECT_EQ(query(theirs, "theirs"), bytes("4", 2));
    RegCloseKey(theirs);
}

TEST_F(RegistryTest, AMissingUserFolderIsCreatedOnTheFirstWrite)
{
    const QString nested = folders.userFolder() + QStringLiteral("not/yet/there/");
    qputenv("TALVOREN_USER_DIR", QFile::encodeName(nested));
    resetRegistry();
    RegCloseKey(create(HKEY_CURRENT_USER, "Software\\New"));
    EXPECT_TRUE(QFile::exists(nested + QStringLiteral("HKEY_CURRENT_USER.hive")));
}

TEST_F(RegistryTest, AFailedSaveIsReportedAndTheCallFails)
{
    // A plain file where the user folder should be: nothing can be written below it.
    ASSERT_TRUE(writeFile(folders.userFolder() + QStringLiteral("plain"), "x"));
    qputenv("TALVOREN_USER_DIR", QFile::encodeName(folders.userFolder() + QStringLiteral("plain/")));
    resetRegistry();
    HKEY key = 0;
    EXPECT_NE(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Lost", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, 0u);
    ASSERT_EQ(problems.messages.size(), 1);
    EXPECT_TRUE(problems.messages.front().contains(QStringLiteral("HKEY_CURRENT_USER.hive")));
}

struct Damage
{
    const char* name;
    std::function<QByteArray(const QByteArray&)> apply;
};

class DamagedHiveTest : public RegistryTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(DamagedHiveTest, IsReportedSetAsideAndReplacedByAnEmptyHive)
{
    const HKEY key = create(HKEY_LOCAL_MACHINE, "Software\\Kept");
    ASSERT_EQ(setText(key, "v", bytes("precious", 9)), ERROR_SUCCESS);
    RegCloseKey(key);
    const QString path = hiveFilePath(HKEY_LOCAL_MACHINE);
    const QByteArray damaged = GetParam().apply(readFile(path));
    ASSERT_TRUE(writeFile(path, damaged));
    resetRegistry();

    HKEY reopened = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Kept", 0, KEY_READ, &reopened),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(problems.messages.size(), 1);
    EXPECT_TRUE(problems.messages.front().contains(path));

    const QStringList aside =
        QDir(folders.systemFolder())
            .entryList({QStringLiteral("HKEY_LOCAL_MACHINE.hive.damaged-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(problems.messages.front().contains(aside.front()));
    EXPECT_EQ(readFile(folders.systemFolder() + aside.front()), damaged); // nothing of it is lost
    EXPECT_FALSE(QFile::exists(path));

    // The program goes on: the next write makes a sound hive file again.
    RegCloseKey(create(HKEY_LOCAL_MACHINE, "Software\\New"));
    RegistryHive reread;
    EXPECT_TRUE(reread.load(path).ok);
    EXPECT_TRUE(reread.hasKey("Software\\New"));
    EXPECT_EQ(problems.messages.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedHiveTest,
    ::testing::Values(
        Damage{"TruncatedMidLine",
               [](const QByteArray& text) { return text.left(text.indexOf("70726563") + 3); }},
        Damage{"TruncatedAtALineEnd",
               [](const QByteArray& text) { return text.left(text.lastIndexOf("end")); }},
        Damage{"OddHexDigits",
               [](const QByteArray& text) { return QByteArray(text).replace("70726563", "7072656"); }},
        Damage{"NotHex",
               [](const QByteArray& text) { return QByteArray(text).replace("70726563", "7072zz63"); }},
        Damage{"UnknownType",
               [](const QByteArray& text) { return QByteArray(text).replace("REG_SZ", "REG_WHAT"); }},
        Damage{"NoHeader", [](const QByteArray& text) { return text.mid(text.indexOf('\n') + 1); }},
        Damage{"ValueBeforeAnyKey",
               [](const QByteArray& text) {
                   const qsizetype afterHeader = text.indexOf('\n') + 1;
                   return text.left(afterHeader) + "\"x\" REG_SZ 00\n" + text.mid(afterHeader);
               }},
        Damage{"Binary", [](const QByteArray&) { return QByteArray("\x89PNG\r\n\x1A\n\0\0", 10); }},
        Damage{"KeysTooDeep",
               [](const QByteArray& text) {
                   QByteArray deep = "[k";
                   for (int level = 1; level < 10000; ++level)
                       deep += "\\k";
                   return QByteArray(text).replace("\nend", '\n' + deep + "]\nend");
               }},
        Damage{"TooLarge",
               [](const QByteArray& text) {
                   return QByteArray(text).replace(
                       "\nend", "\n# " + QByteArray(RegistryHive::kMaxFileBytes, 'x') + "\nend");
               }}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

} // namespace
