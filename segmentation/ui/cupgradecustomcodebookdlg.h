// The custom-book upgrade dialog ("升级自定义码本", dialog 144): builds the custom word book from
// the input method's user word file of the edition in use, and closes.
//
// Controls are found by objectName: the buttons Ok_1 and Cancel_2 and the progress bar Progress_1047.
#pragma once

#include <QDialog>

class QProgressBar;

class CUpgradeCustomCodeBookDlg : public QDialog
{
    Q_OBJECT
public:
    // Reads the edition.
    explicit CUpgradeCustomCodeBookDlg(QWidget* parent = nullptr);

    // Builds the book and ends the dialog with IDOK, whatever the build did.
    void OnOK();

    int edition() const { return m_edition; }

private:
    int m_edition = 1;
    QProgressBar* m_progress = nullptr;
};
