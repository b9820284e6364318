// The dialog that opens a practice file ("打开测试例文"): the file is chosen and read, its article
// shown, and OK hands the article to the document.
//
// Controls are found by objectName, which is the control's role and its id joined by an underscore
// (ArticleText_1001, SelectFile_1006, Ok_1, Cancel_2).
#pragma once

#include "segmentation/core/article.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;

class COpenSampleDlg : public QDialog
{
    Q_OBJECT
public:
    // No file chosen yet.
    explicit COpenSampleDlg(QWidget* parent = nullptr);

    // The article of the file chosen, for the document on OK.
    segmentation::Article article() const { return m_article; }

    // Asks for a practice file and reads it. A file that cannot be read or is no practice file is
    // refused with a message, and the dialog keeps what it had.
    void OnSelectFile();
    // Without a chosen file it asks for one and stays open.
    void OnOK();

private:
    bool m_fileChosen = false;
    segmentation::Article m_article;
    QPlainTextEdit* m_text = nullptr;
};
