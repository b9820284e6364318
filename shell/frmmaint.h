// The code-book maintenance window: the books of the catalogue, a copy of the chosen one in the
// scratch table shown in a grid, and the save that writes the copy back over the book.
#pragma once

#include "platform/dao.h"
#include "platform/wintypes.h"

#include <QDialog>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace shell {
class CodeTableModel;
}

class frmmaint : public QDialog
{
    Q_OBJECT
public:
    explicit frmmaint(QWidget* parent = nullptr);
    ~frmmaint() override;

    // Event handlers, callable as the events would call them.
    void List1_Click();
    void Option1_Click();
    void Option2_Click();
    void CmdFirst_Click();
    void CmdLast_Click();
    void CmdUpdate_Click();
    void CmdExit_Click();

    // A save keeps a book only when more rows than this have both a code and a text.
    static constexpr int kFewestRowsKept = 32;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void placeHeadings();
    void setGridWritable(bool writable);
    // Empties the scratch table and copies the book into it, in one transaction.
    void copyBook(platform::dao::Recordset& book);
    // No book chosen: nothing shown and nothing to save.
    void forgetBook();
    void deleteSelectedRows();
    void tell(const QString& text, platform::UINT icon);

    // The catalogue while the window loads, then the chosen book until the window closes.
    std::unique_ptr<platform::dao::Recordset> BookRs;
    QString m_bookTable;
    int m_rowAtPress = -1;

    QLabel* m_label1 = nullptr;
    QListWidget* m_list1 = nullptr;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    QWidget* m_headings = nullptr;
    QList<QLabel*> m_headingLabels;
    QTableView* m_dbGrid1 = nullptr;
    shell::CodeTableModel* m_model = nullptr;
    QPushButton* m_cmdUpdate = nullptr;
};
