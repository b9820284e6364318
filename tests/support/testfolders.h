// Fresh temporary program, system and user folders for one test, with the registry pointed at them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

// The staged runnable tree ($TALVOREN_STAGE_DIR, else the build's own bin/), ending in '/'.
QString stageFolder();
// Copies <stage>/<relativePath> to <toFolder>/<file name>, writable; the copy's path, or empty (and
// *error set) when the staged file is missing or cannot be copied.
QString copyStagedFile(const QString& relativePath, const QString& toFolder, QString* error = nullptr);

class TestFolders
{
public:
    // Points TALVOREN_SYSTEM_DIR, TALVOREN_USER_DIR and the program folder at new empty folders and
    // forgets the loaded registry hives; the destructor puts everything back.
    TestFolders();
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    // Each ends in '/'.
    QString programFolder() const { return m_program; }
    QString systemFolder() const { return m_system; }
    QString userFolder() const { return m_user; }

    // The staged sample code database copied into the program folder as talvorendb.dat.
    QString copySampleDatabase(QString* error = nullptr) const;

private:
    QTemporaryDir m_root;
    QString m_program;
    QString m_system;
    QString m_user;
    QByteArray m_previousSystemDir;
    QByteArray m_previousUserDir;
    bool m_hadSystemDir = false;
    bool m_hadUserDir = false;
};

} // namespace testsupport
