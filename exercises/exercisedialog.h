// What every exercise window of the main program is as a dialog: one that may fail to read its
// table as it opens and then does not open, and that a stray Escape does not close.
#pragma once

#include <QDialog>
#include <memory>

namespace platform::dao {
class Recordset;
}

namespace exercises {

class ExerciseDialog : public QDialog
{
    Q_OBJECT
public:
    // The window's table could not be read as it opened; the window then does not open.
    bool loadFailed() const { return m_loadFailed; }
    int exec() override;

protected:
    explicit ExerciseDialog(QWidget* parent = nullptr) : QDialog(parent) {}

    void setLoadFailed() { m_loadFailed = true; }
    // A table of the shared database opened as a dynaset, with its row count (taken at the last
    // row, back at the first). Throws DaoError when the database is not open or the table is
    // missing or empty.
    static std::unique_ptr<platform::dao::Recordset> openCountedTable(const QString& table, int& rowCount);
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_loadFailed = false;
};

} // namespace exercises
