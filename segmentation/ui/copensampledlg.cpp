#include "segmentation/ui/copensampledlg.h"

#include "platform/uiservice.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/practicefile.h"
#include "segmentation/core/textfile.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/articletextbox.h"
#include "segmentation/ui/dialogunits.h"

#include <QDir>
#include <QPushButton>

using namespace segmentation;

COpenSampleDlg::COpenSampleDlg(QWidget* parent) : QDialog(parent)
{
    const DialogUnits du = setUpDialog(this, QStringLiteral("COpenSampleDlg"), QStringLiteral("打开测试例文"),
                                       kArticleDialogWidth, kArticleDialogHeight);
    m_text = addArticleTextBox(this, du);
    QPushButton* select = addArticleDialogButton(this, du, QStringLiteral("选择文件(&S)…"),
                                                 QStringLiteral("SelectFile_1006"), 0);
    QPushButton* ok = addArticleDialogButton(this, du, QStringLiteral("打开(&O)"), QStringLiteral("Ok_1"), 3);
    QPushButton* cancel =
        addArticleDialogButton(this, du, QStringLiteral("退出(&X)"), QStringLiteral("Cancel_2"), 4);
    ok->setDefault(true);
    connect(select, &QPushButton::clicked, this, &COpenSampleDlg::OnSelectFile);
    connect(ok, &QPushButton::clicked, this, &COpenSampleDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void COpenSampleDlg::OnSelectFile()
{
    const QString path = platform::UiService::instance().openFileName(this, QString(), QString(),
                                                                      QStringLiteral("存储文件(*.sav)"));
    if (path.isEmpty())
        return;
    const FileHead file = readFileHead(path, kMaxPracticeFileBytes);
    if (!file.ok()) {
        afxMessageBox(this, file.error);
        return;
    }
    const PracticeFileRead read = readPracticeFile(file.bytes);
    if (!read.ok()) {
        afxMessageBox(this, QStringLiteral("%1不是可用的测试例文（%2），未能打开。")
                                .arg(QDir::toNativeSeparators(path), practiceFileProblemText(read.problem)));
        return;
    }
    m_article = read.article;
    m_fileChosen = true;
    showArticleText(m_text, m_article.text);
}

void COpenSampleDlg::OnOK()
{
    if (!m_fileChosen) {
        afxMessageBox(this, QString::fromUtf8(kNoFileChosenMessage));
        return;
    }
    accept();
}
