// The export dialog ("保存测试文章为"): the segmented article as plain text, a separator between the
// words, previewed and written to a ".txt" file.
//
// Controls are found by objectName, which is the control's role and its id joined by an underscore
// (ArticleText_1001, SelectPath_1006, CustomSeparator_1043, Ok_1, Cancel_2).
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class QPlainTextEdit;

class CSaveArticleAsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CSaveArticleAsDlg(QWidget* parent = nullptr);

    // Takes the article and runs the dialog modally; the dialog's result.
    int DoModalWithArticle(const QByteArray& segmentationPattern, const QByteArray& text, qint32 characters);

    // Asks for the file to write; on a choice reads the separator and builds the texts.
    void OnSelectPath();
    // Runs the separator dialog; a separator changed there is used at once.
    void OnCustomSeparator();
    // Writes the file text to the chosen path + ".txt"; without a chosen path it asks for one first.
    // The dialog stays open when no path is chosen or the file cannot be written.
    void OnOK();

    // The text as the file gets it, the separator as stored; the preview shows it with the separator
    // made visible.
    QByteArray fileText() const { return m_fileText; }

private:
    void buildTexts();

    QByteArray m_segmentationPattern;
    QByteArray m_text;
    qint32 m_characters = 0;
    QString m_path;
    QByteArray m_separator; // in use for the texts; none before a path or a separator is chosen
    QByteArray m_fileText;
    QPlainTextEdit* m_preview = nullptr;
};

// The document's export: the dialog run with the article.
void exportArticle(QWidget* parent, const QByteArray& text, const QByteArray& segmentationPattern,
                   qint32 characters);
