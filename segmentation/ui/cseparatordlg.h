// The dialog that sets the export separator ("输入分隔符"): an edit field over an always-open list
// of ENTER, TAB and SPACE, as a simple combo box shows them.
//
// Controls are found by objectName, which is the control's role and its id joined by an underscore;
// the edit and the list are the two parts of combo box 1048 (SeparatorEdit_1048, SeparatorList_1048).
#pragma once

#include <QByteArray>
#include <QDialog>

class QLineEdit;
class QListWidget;

class CSeparatorDlg : public QDialog
{
    Q_OBJECT
public:
    // Reads the separator (written with two blanks when missing).
    explicit CSeparatorDlg(QWidget* parent = nullptr);

    // The separator as read, or as stored by OK.
    QByteArray separator() const { return m_separator; }

    void OnOK();

private:
    void OnInitDialog();
    // The list's selection follows the edit: an item is selected only while the edit shows its name,
    // so a separator shown as "TAB" is stored as a TAB again.
    void selectItemOfText(const QString& text);

    QByteArray m_separator;
    QLineEdit* m_edit = nullptr;
    QListWidget* m_list = nullptr;
};
