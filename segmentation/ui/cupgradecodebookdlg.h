// The code-book upgrade dialog ("升级码本", dialog 131): the date and size of the input method's
// code file beside those the book was built from, and the rebuild of the book.
//
// Controls are found by objectName: the buttons Start_1 and Exit_2, the texts CodeFileTime_1002,
// BookTime_1003, CodeFileSize_1005, BookSize_1006, and the progress bar Progress_1004.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;

class CUpgradeCodeBookDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CUpgradeCodeBookDlg(QWidget* parent = nullptr);

    // Reads the edition and the texts of the code file and of the book.
    int OnCreate();
    // The members into the texts.
    void DoDataExchange();
    // Rebuilds the book from the code file; the dialog stays open, whatever the rebuild did.
    void OnOK();

    int edition() const { return m_edition; }
    QString codeFileTime() const { return m_codeFileTime; }
    QString codeFileSize() const { return m_codeFileSize; }
    QString bookTime() const { return m_bookTime; }
    QString bookSize() const { return m_bookSize; }

private:
    int m_edition = 1;
    QString m_codeFileTime;
    QString m_codeFileSize;
    QString m_bookTime;
    QString m_bookSize;
    QLabel* m_codeFileTimeText = nullptr;
    QLabel* m_codeFileSizeText = nullptr;
    QLabel* m_bookTimeText = nullptr;
    QLabel* m_bookSizeText = nullptr;
    QProgressBar* m_progress = nullptr;
};
