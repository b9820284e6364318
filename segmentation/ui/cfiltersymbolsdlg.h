// The dialog that edits the symbol list filter.dat ("自己定义过滤文本与符号").
//
// Controls are found by objectName, which is the control's role and its id joined by an underscore
// (SymbolList_1000, Add_1039, Ok_1).
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;
class QPushButton;

class CFilterSymbolsDlg : public QDialog
{
    Q_OBJECT
public:
    // Reads filter.dat of the program folder (written with the default list when missing).
    explicit CFilterSymbolsDlg(QWidget* parent = nullptr);

    void OnAdd();
    void OnDelete();
    // Writes the list as the new filter.dat; the dialog stays open when that fails.
    void OnOK();

private:
    QString m_programFolder;
    QListWidget* m_list = nullptr;
    QLineEdit* m_symbol = nullptr;
    QLineEdit* m_description = nullptr;
};
