// What the start-up and main-window tests share: fresh folders and seams, the shared globals put
// back, the program's end recorded instead of done, and the files start-up expects.
#pragma once

#include "platform/keyboard.h"
#include "platform/programexit.h"
#include "shell/exerciseregistry.h"
#include "shell/frmmain.h"
#include "shell/module1.h"
#include "tests/support/installedseams.h"
#include "tests/support/layoutregistration.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace shelltest {

class StartupTest : public testsupport::SandboxedTest
{
protected:
    void SetUp() override
    {
        resetGlobals();
        platform::setProgramEnder([this](int exitCode) { endedWith.append(exitCode); });
    }

    void TearDown() override
    {
        platform::setProgramEnder({});
        QList<QPointer<frmmain>> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* main = qobject_cast<frmmain*>(window))
                windows.append(main);
        }
        qDeleteAll(windows);
        resetGlobals();
    }

    static void resetGlobals()
    {
        shell::clearExercises();
        platform::KeyboardLayouts::instance().reset();
        Module1::gDatabase.reset();
        Module1::gAppPath.clear();
        Module1::gExerciseTitle.clear();
        Module1::gImeLayout = 0;
        Module1::gEnglishLayout = 0;
    }

    QString programFile(const QString& name) const { return folders.programFolder() + name; }

    QStringList gifFiles() const
    {
        return QDir(folders.programFolder()).entryList({QStringLiteral("*.gif")}, QDir::Files, QDir::Name);
    }

    static QStringList allButtonPictures()
    {
        QStringList names;
        for (int id = 101; id <= 108; ++id)
            names << QString::number(id) + QStringLiteral(".gif");
        return names;
    }

    // The button pictures as start-up leaves them in the program folder.
    void writeButtonPictures()
    {
        Module1::gAppPath = folders.programFolder();
        for (int id = 101; id <= 108; ++id)
            ASSERT_TRUE(Module1::SaveResourceToFile(id, QStringLiteral("GIF"),
                                                    QString::number(id) + QStringLiteral(".gif")));
    }

    // A small real database file in place of the sample one.
    void createDatabase()
    {
        const QString connection = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(programFile(QStringLiteral("talvorendb.dat")));
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            ASSERT_TRUE(query.exec(
                QStringLiteral("CREATE TABLE jiandan (wenzhi TEXT, bianma TEXT, number INTEGER)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    }

    // Registers the input method under E0200804 with its display name, as its set-up does.
    void registerInputMethod() { testsupport::registerInputMethod("E0200804"); }

    QList<int> endedWith;
};

} // namespace shelltest
