#include "tests/support/testfolders.h"

#include "platform/paths.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {
namespace {

QString makeFolder(const QString& root, const QString& name)
{
    QDir(root).mkpath(name);
    return root + u'/' + name + u'/';
}

void restoreVariable(const char* name, bool had, const QByteArray& value)
{
    if (had)
        qputenv(name, value);
    else
        qunsetenv(name);
}

} // namespace

QString stageFolder()
{
    QString folder = qEnvironmentVariable("TALVOREN_STAGE_DIR");
    if (folder.isEmpty())
        folder = QStringLiteral(TALVOREN_DEFAULT_STAGE_DIR);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString copyStagedFile(const QString& relativePath, const QString& toFolder, QString* error)
{
    const QString source = stageFolder() + relativePath;
    const QString target = QDir(toFolder).filePath(QFileInfo(source).fileName());
    QString problem;
    if (!QFileInfo::exists(source))
        problem = QStringLiteral("staged file missing (build the data first): ") + source;
    else if (QFile::exists(target) && !QFile::remove(target))
        problem = QStringLiteral("cannot replace ") + target;
    else if (!QFile::copy(source, target))
        problem = QStringLiteral("cannot copy ") + source + QStringLiteral(" to ") + target;
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return {};
    }
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    return target;
}

TestFolders::TestFolders()
    : m_previousSystemDir(qgetenv("TALVOREN_SYSTEM_DIR")), m_previousUserDir(qgetenv("TALVOREN_USER_DIR")),
      m_hadSystemDir(qEnvironmentVariableIsSet("TALVOREN_SYSTEM_DIR")),
      m_hadUserDir(qEnvironmentVariableIsSet("TALVOREN_USER_DIR"))
{
    Q_ASSERT(m_root.isValid());
    m_program = makeFolder(m_root.path(), QStringLiteral("program"));
    m_system = makeFolder(m_root.path(), QStringLiteral("system"));
    m_user = makeFolder(m_root.path(), QStringLiteral("user"));
    qputenv("TALVOREN_SYSTEM_DIR", QFile::encodeName(m_system));
    qputenv("TALVOREN_USER_DIR", QFile::encodeName(m_user));
    platform::setProgramFolderOverride(m_program);
    platform::resetRegistry();
}

TestFolders::~TestFolders()
{
    restoreVariable("TALVOREN_SYSTEM_DIR", m_hadSystemDir, m_previousSystemDir);
    restoreVariable("TALVOREN_USER_DIR", m_hadUserDir, m_previousUserDir);
    platform::setProgramFolderOverride(QString());
    platform::resetRegistry();
}

QString TestFolders::copySampleDatabase(QString* error) const
{
    return copyStagedFile(QStringLiteral("talvorendb.dat"), m_program, error);
}

} // namespace testsupport
