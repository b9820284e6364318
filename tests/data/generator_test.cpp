// The generator itself: the same inputs give the same data, and a missing input stops it cleanly.
#include "tests/data/sqliteclient.h"
#include "tests/data/stageddata.h"
#include "tests/support/files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace datatests;

namespace {

struct GeneratorRun
{
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const QString& programFolder, const QStringList& extra = {})
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::SeparateChannels);
    tool.start(QStringLiteral(TALVOREN_DATAGEN_PATH),
               QStringList{QStringLiteral("--program-dir"), programFolder, QStringLiteral("--unihan-dir"),
                           QStringLiteral(TALVOREN_UNIHAN_DIR), QStringLiteral("--essay"),
                           QStringLiteral(TALVOREN_ESSAY_FILE)} +
                   extra);
    GeneratorRun run;
    if (tool.waitForStarted() && tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit)
        run.exitCode = tool.exitCode();
    run.errors = QString::fromLocal8Bit(tool.readAllStandardError());
    return run;
}

// The files the programs only read, by path relative to the program folder.
const QStringList kReadOnlyFiles = {QStringLiteral("usercibiao.TXT"), QStringLiteral("system/orvesk.mb"),
                                    QStringLiteral("system/orveske.mb"), QStringLiteral("system/ZDY.TXT"),
                                    QStringLiteral("system/ZDYgbk.TXT")};
// The programs write into the machine's settings (the practice program's marker key) and, like the
// database, they are the programs' to change once staged.
const QString kHive = QStringLiteral("system/HKEY_LOCAL_MACHINE.hive");

QMap<QString, QByteArray> plainFiles(const QString& folder, const QStringList& names)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    for (const QString& name : names)
        files.insert(name, testsupport::readFile(root.filePath(name)));
    return files;
}

// Every file the generator writes except the database.
QMap<QString, QByteArray> plainFiles(const QString& folder)
{
    return plainFiles(folder, kReadOnlyFiles + QStringList{kHive});
}

TEST(Generator, TwoRunsGiveTheSameData)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    for (const QTemporaryDir* dir : {&first, &second}) {
        const GeneratorRun run = runGenerator(dir->path());
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    }
    const QString firstDump = dump(first.filePath(QStringLiteral("talvorendb.dat")));
    EXPECT_FALSE(firstDump.isEmpty());
    EXPECT_EQ(firstDump, dump(second.filePath(QStringLiteral("talvorendb.dat"))));
    const auto firstFiles = plainFiles(first.path());
    for (auto it = firstFiles.cbegin(); it != firstFiles.cend(); ++it)
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
    EXPECT_EQ(firstFiles, plainFiles(second.path()));

    // The build made what the generator makes now, and staged it; the staged database and hive are
    // left out, as the programs change them.
    const QString generated = QStringLiteral(TALVOREN_GENERATED_DIR);
    EXPECT_EQ(firstDump, dump(QDir(generated).filePath(QStringLiteral("talvorendb.dat"))));
    EXPECT_EQ(firstFiles, plainFiles(generated));
    EXPECT_EQ(plainFiles(generated, kReadOnlyFiles),
              plainFiles(QFileInfo(stagedDatabase()).path(), kReadOnlyFiles));
}

TEST(Generator, MissingInputIsReportedAndNothingIsWritten)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("no-such-essay.txt"));
    const GeneratorRun run = runGenerator(dir.path(), {QStringLiteral("--essay"), missing});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(missing)) << run.errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("talvorendb.dat"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("system/orvesk.mb"))));
}

} // namespace
