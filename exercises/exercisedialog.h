// What every exercise window of the main program is as a dialog: one that may fail to read its
// table as it opens and then does not open, that a stray Escape does not close, and that tidies up
// (or refuses to go) in one place however it is closed.
#pragma once

#include "exercises/drilltexts.h"
#include "platform/uiservice.h"

#include <QDialog>
#include <memory>

namespace platform::dao {
class DaoError;
class Recordset;
} // namespace platform::dao

namespace exercises {

class ExerciseDialog : public QDialog
{
    Q_OBJECT
public:
    // The window's table could not be read as it opened; the window then does not open.
    bool loadFailed() const { return m_loadFailed; }
    int exec() override;

public slots:
    // Every way of closing ends here, and goes only when Form_Unload lets it.
    void done(int result) final;

protected:
    // A window of fixed size with a title bar and a close button only.
    explicit ExerciseDialog(QWidget* parent = nullptr);

    // What the window says of a missing or damaged database, when it has its own wording.
    void setDamagedDatabaseText(QStringView text) { m_damagedDatabaseText = text; }
    // The table could not be read as the window opened: the user is told in a box of its own (the
    // window never shows) and the window does not open. A window that cannot go on without the
    // database ends the program, unless another program merely holds the database locked.
    void failLoad(const platform::dao::DaoError& error, const QString& title, bool endsProgram = false,
                  platform::UINT flags = kDatabaseFailureFlags);
    // A table that could not be read while the window is open: the user is told, the window stays.
    void tellDatabaseFailure(const platform::dao::DaoError& error, const QString& title,
                             platform::UINT flags = kDatabaseFailureFlags);
    // A table of the shared database opened as a dynaset, with its row count (taken at the last
    // row, back at the first). Throws DaoError when the database is not open or the table is
    // missing or empty.
    static std::unique_ptr<platform::dao::Recordset> openCountedTable(const QString& table, int& rowCount);
    // The window is about to go: it stops its clocks and lets go of what it holds; false keeps it open.
    virtual bool Form_Unload() { return true; }
    void keyPressEvent(QKeyEvent* event) override;
    // Closing goes the one way of done(), also for a window that is not on show.
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr platform::UINT kDatabaseFailureFlags = platform::MB_OK | platform::MB_ICONINFORMATION;

    void setLoadFailed() { m_loadFailed = true; }

    bool m_loadFailed = false;
    QStringView m_damagedDatabaseText = texts::kDatabaseError;
};

} // namespace exercises
