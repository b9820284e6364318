#include "segmentation/ui/cimportarticledlg.h"

#include "platform/paths.h"
#include "platform/uiservice.h"
#include "segmentation/core/articletext.h"
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/commandline.h"
#include "segmentation/core/filtersymbols.h"
#include "segmentation/core/settings.h"
#include "segmentation/core/userwordbooks.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/articletextbox.h"
#include "segmentation/ui/bookfailures.h"
#include "segmentation/ui/buildprogress.h"
#include "segmentation/ui/cupgradecustomcodebookdlg.h"
#include "segmentation/ui/dialogunits.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace segmentation;

CImportArticleDlg::CImportArticleDlg(QWidget* parent) : CImportArticleDlg(parent, processCommandLine()) {}

CImportArticleDlg::CImportArticleDlg(QWidget* parent, const QString& commandLine)
    : QDialog(parent), m_programFolder(platform::programFolder()), m_teacher(hasTeacherSwitch(commandLine))
{
    // The import makes no use of the short-code switch, but opening it writes the switch's default
    // when the settings lack it, as the program always has.
    readOrCreateSetting(settings::ShortCodeHint);

    const DialogUnits du =
        setUpDialog(this, QStringLiteral("CImportArticleDlg"), QStringLiteral("打开测试文章"), 300, 206);

    du.place(new QLabel(QStringLiteral("文章内容:"), this), 7, 7, 100, 9);
    m_edit = new QPlainTextEdit(this);
    m_edit->setObjectName(QStringLiteral("Article_1001"));
    m_edit->setReadOnly(true);
    du.place(m_edit, 7, 18, 286, 132);

    m_filter = new QCheckBox(QStringLiteral("过滤文本与符号"), this);
    m_filter->setObjectName(QStringLiteral("FilterSymbols_1035"));
    m_filter->setChecked(true);
    du.place(m_filter, 7, 156, 100, 10);
    m_customBook = new QCheckBox(QStringLiteral("使用自定义码本"), this);
    m_customBook->setObjectName(QStringLiteral("CustomBook_1036"));
    du.place(m_customBook, 115, 156, 100, 10);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress_1004"));
    m_progress->setTextVisible(false);
    du.place(m_progress, 7, 170, 286, 9);
    m_progress->hide();

    const auto button = [&](const QString& text, const QString& name, int left) {
        return addPushButton(this, du, text, name, left, 185, 60, 14);
    };
    QPushButton* select = button(QStringLiteral("选择文件(&S)..."), QStringLiteral("SelectFile_1006"), 7);
    QPushButton* ok = button(QStringLiteral("打开(&O)"), QStringLiteral("Ok_1"), 166);
    QPushButton* cancel = button(QStringLiteral("取消(&C)"), QStringLiteral("Cancel_2"), 233);
    ok->setDefault(true);
    connect(select, &QPushButton::clicked, this, &CImportArticleDlg::OnSelectFile);
    connect(ok, &QPushButton::clicked, this, &CImportArticleDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CImportArticleDlg::OnSelectFile()
{
    const QString path = platform::UiService::instance().openFileName(this, QString(), QString(),
                                                                      QStringLiteral("文本文件(*.txt)"));
    if (path.isEmpty())
        return;
    const ArticleFileText read = readArticleFile(path);
    if (read.outcome == ArticleFileText::Outcome::Read && isLongEnoughForPractice(read.text)) {
        m_text = read.text;
        m_fileChosen = true;
        showArticleText(m_edit, m_text);
        return;
    }
    m_fileChosen = false;
    afxMessageBox(this, read.outcome == ArticleFileText::Outcome::Read
                            ? QString::fromUtf8(kTooFewCharactersMessage)
                            : read.error);
}

void CImportArticleDlg::OnOK()
{
    if (!m_fileChosen) {
        afxMessageBox(this, QString::fromUtf8(kNoFileChosenMessage));
        return;
    }
    QByteArray text = m_text;
    if (m_filter->isChecked()) {
        // Read afresh, so that changes to the list count at once.
        QString error;
        const QByteArray symbols = LoadFilterSymbols(m_programFolder, &error);
        if (!error.isEmpty())
            afxMessageBox(this, error);
        text = removeFilterSymbols(text, symbols);
        // Nothing is left to practise on when the file held nothing but listed symbols.
        if (text.isEmpty()) {
            afxMessageBox(this, QString::fromUtf8(kTooFewCharactersMessage));
            return;
        }
    }
    writeSetting(settings::UseCustomBook, m_customBook->isChecked() ? 1 : 0);
    if (m_teacher)
        rebuildTeacherBook();

    const SegmentationOptions options{m_programFolder, m_filter->isChecked(), m_teacher,
                                      m_customBook->isChecked()};
    const Segmentation result = SegmentArticle(text, options, *this);
    if (result.end == Segmentation::End::Abandoned)
        return;
    m_article = result.article;
    accept();
}

void CImportArticleDlg::rebuildTeacherBook()
{
    startProgress(m_progress);
    const BuildReport report = BuildUserWordBook(m_programFolder, [this] { stepProgress(m_progress); });
    m_progress->hide();
    if (report.ok())
        reportSkippedEntries(this, report);
    else
        tellBookProblem(this, bookProblem(*report.failure));
}

void CImportArticleDlg::plainMessage(const QString& text)
{
    plainMessageBox(text);
}

void CImportArticleDlg::message(const QString& text)
{
    afxMessageBox(this, text);
}

bool CImportArticleDlg::upgradeCustomBook()
{
    CUpgradeCustomCodeBookDlg upgrade(this);
    return platform::UiService::instance().execModal(&upgrade) == QDialog::Accepted;
}

void CImportArticleDlg::showProgress(int minimum, int maximum)
{
    m_progress->setRange(minimum, qMax(minimum, maximum));
    m_progress->setValue(minimum);
    m_progress->show();
}

void CImportArticleDlg::setProgress(int position)
{
    m_progress->setValue(position);
}

void CImportArticleDlg::hideProgress()
{
    m_progress->hide();
}
