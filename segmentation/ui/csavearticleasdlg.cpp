#include "segmentation/ui/csavearticleasdlg.h"

#include "platform/uiservice.h"
#include "segmentation/core/articleexport.h"
#include "segmentation/core/settings.h"
#include "segmentation/core/textfile.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/articletextbox.h"
#include "segmentation/ui/cseparatordlg.h"
#include "segmentation/ui/dialogunits.h"

#include <QPushButton>

using namespace segmentation;

CSaveArticleAsDlg::CSaveArticleAsDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du =
        setUpDialog(this, QStringLiteral("CSaveArticleAsDlg"), QStringLiteral("保存测试文章为"),
                    kArticleDialogWidth, kArticleDialogHeight);
    m_preview = addArticleTextBox(this, du);
    QPushButton* select = addArticleDialogButton(this, du, QStringLiteral("选择保存文件路径…"),
                                                 QStringLiteral("SelectPath_1006"), 0, 2);
    QPushButton* separator = addArticleDialogButton(this, du, QStringLiteral("自定义分隔符"),
                                                    QStringLiteral("CustomSeparator_1043"), 2);
    QPushButton* ok = addArticleDialogButton(this, du, QStringLiteral("保存"), QStringLiteral("Ok_1"), 3);
    QPushButton* cancel =
        addArticleDialogButton(this, du, QStringLiteral("退出(&X)"), QStringLiteral("Cancel_2"), 4);
    ok->setDefault(true);
    connect(select, &QPushButton::clicked, this, &CSaveArticleAsDlg::OnSelectPath);
    connect(separator, &QPushButton::clicked, this, &CSaveArticleAsDlg::OnCustomSeparator);
    connect(ok, &QPushButton::clicked, this, &CSaveArticleAsDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CSaveArticleAsDlg::DoModalWithArticle(const QByteArray& segmentationPattern, const QByteArray& text,
                                          qint32 characters)
{
    m_segmentationPattern = segmentationPattern;
    m_text = text;
    m_characters = characters;
    return platform::UiService::instance().execModal(this);
}

void CSaveArticleAsDlg::OnSelectPath()
{
    const QString path = platform::UiService::instance().saveFileName(this, QString(), QString(),
                                                                      QStringLiteral("存储文件 (*.txt)"));
    if (path.isEmpty())
        return;
    m_path = path;
    m_separator = readOrCreateSeparator();
    buildTexts();
}

void CSaveArticleAsDlg::OnCustomSeparator()
{
    CSeparatorDlg dialog(this);
    if (platform::UiService::instance().execModal(&dialog) != QDialog::Accepted)
        return;
    const QByteArray separator = readOrCreateSeparator();
    if (separator == m_separator)
        return;
    m_separator = separator;
    buildTexts();
}

void CSaveArticleAsDlg::buildTexts()
{
    m_fileText = segmentedText(m_text, m_segmentationPattern, m_characters, m_separator);
    showArticleText(
        m_preview, segmentedText(m_text, m_segmentationPattern, m_characters, previewSeparator(m_separator)));
}

void CSaveArticleAsDlg::OnOK()
{
    // Without a path the file would be named ".txt" in whatever folder is current.
    if (m_path.isEmpty())
        OnSelectPath();
    if (m_path.isEmpty())
        return;
    QString error;
    if (!writeTextFile(exportFilePath(m_path), m_fileText, &error)) {
        afxMessageBox(this, error);
        return;
    }
    accept();
}

void exportArticle(QWidget* parent, const QByteArray& text, const QByteArray& segmentationPattern,
                   qint32 characters)
{
    CSaveArticleAsDlg dialog(parent);
    dialog.DoModalWithArticle(segmentationPattern, text, characters);
}
