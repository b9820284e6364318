// The article import ("打开测试文章", dialog 130): a text file chosen, its Chinese text shown, then on
// OK filtered, segmented and handed to the document as a practice article.
//
// Controls are found by objectName: Article_1001, SelectFile_1006, FilterSymbols_1035,
// CustomBook_1036, Progress_1004, Ok_1, Cancel_2.
#pragma once

#include "segmentation/core/article.h"
#include "segmentation/core/segmentarticle.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

class QCheckBox;
class QPlainTextEdit;
class QProgressBar;

class CImportArticleDlg : public QDialog, private segmentation::SegmentationHost
{
    Q_OBJECT
public:
    // The teacher switch is looked for in the process's command line.
    explicit CImportArticleDlg(QWidget* parent = nullptr);
    CImportArticleDlg(QWidget* parent, const QString& commandLine);

    // Asks for a file and takes its double-byte characters as the article text.
    void OnSelectFile();
    // Filters, stores the custom-book choice, rebuilds the teacher's book in teacher mode, segments,
    // and closes with OK; stays open when no file is chosen or the import is abandoned.
    void OnOK();

    // The article handed over on OK.
    segmentation::Article article() const { return m_article; }

    bool fileChosen() const { return m_fileChosen; }
    bool isTeacher() const { return m_teacher; }

private:
    void plainMessage(const QString& text) override;
    void message(const QString& text) override;
    bool upgradeCustomBook() override;
    void showProgress(int minimum, int maximum) override;
    void setProgress(int position) override;
    void hideProgress() override;

    void rebuildTeacherBook();

    QString m_programFolder;
    bool m_teacher = false;
    QByteArray m_text; // the file's double-byte characters
    bool m_fileChosen = false;
    segmentation::Article m_article;

    QPlainTextEdit* m_edit = nullptr;
    QCheckBox* m_filter = nullptr;
    QCheckBox* m_customBook = nullptr;
    QProgressBar* m_progress = nullptr;
};
