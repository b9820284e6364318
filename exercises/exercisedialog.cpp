#include "exercises/exercisedialog.h"

#include "platform/dao.h"
#include "platform/programexit.h"
#include "shell/databasemessage.h"
#include "shell/module1.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace exercises {

ExerciseDialog::ExerciseDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

int ExerciseDialog::exec()
{
    if (m_loadFailed)
        return QDialog::Rejected;
    return QDialog::exec();
}

void ExerciseDialog::failLoad(const platform::dao::DaoError& error, const QString& title, bool endsProgram,
                              platform::UINT flags)
{
    setLoadFailed();
    platform::UiService::instance().messageBox(
        nullptr, shell::databaseFailureText(error, m_damagedDatabaseText.toString()), title, flags);
    if (endsProgram && !error.isLocked())
        platform::endProgram(0);
}

void ExerciseDialog::tellDatabaseFailure(const platform::dao::DaoError& error, const QString& title,
                                         platform::UINT flags)
{
    platform::UiService::instance().messageBox(
        this, shell::databaseFailureText(error, m_damagedDatabaseText.toString()), title, flags);
}

std::unique_ptr<platform::dao::Recordset> ExerciseDialog::openCountedTable(const QString& table,
                                                                           int& rowCount)
{
    if (!Module1::gDatabase)
        throw platform::dao::DaoError("the code database is not open");
    auto recordset = Module1::gDatabase->OpenRecordset(table, platform::dao::RecordsetType::Dynaset);
    // An empty table fails here, as it has no last row.
    recordset->MoveLast();
    recordset->MoveFirst();
    rowCount = recordset->RecordCount();
    return recordset;
}

void ExerciseDialog::done(int result)
{
    if (Form_Unload())
        QDialog::done(result);
}

void ExerciseDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}

void ExerciseDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape would end a run, a group or a game by a stray key; the windows' own buttons close them.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace exercises
