#include "segmentation/ui/copensampledlg.h"

#include "platform/uiservice.h"
#include "segmentation/core/practicefile.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/articletextbox.h"
#include "segmentation/ui/dialogunits.h"

#include <QDir>
#include <QFile>
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        afxMessageBox(
            this, QStringLiteral("不能打开%1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const QByteArray bytes = file.read(kMaxPracticeFileBytes);
    if (file.error() != QFileDevice::NoError) {
        afxMessageBox(
            this, QStringLiteral("不能读取%1：%2").arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const PracticeFileRead read = readPracticeFile(bytes);
    if (!read.ok()) {
        afxMessageBox(this, QStringLiteral("%1不是可用的测试例文（%2），未能打开。")
                                .arg(QDir::toNativeSeparators(path), practiceFileProblemText(read.problem)));
        return;
    }
    m_path = path;
    m_article = read.article;
    m_fileChosen = true;
    showArticleText(m_text, m_article.text);
}

void COpenSampleDlg::OnOK()
{
    if (!m_fileChosen) {
        afxMessageBox(this, QStringLiteral("请先选择文件再导入"));
        return;
    }
    accept();
}
