#include "segmentation/ui/cupgradecodebookdlg.h"

#include "platform/paths.h"
#include "segmentation/core/bookfiles.h"
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/codebook.h"
#include "segmentation/core/settings.h"
#include "segmentation/ui/afxmessagebox.h"
#include "segmentation/ui/bookfailures.h"
#include "segmentation/ui/buildprogress.h"
#include "segmentation/ui/dialogunits.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace segmentation;

namespace {

QLabel* text(QWidget* parent, const DialogUnits& du, const char* name, int left, int top)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    du.place(label, left, top, 100, 12);
    return label;
}

void label(QWidget* parent, const DialogUnits& du, const QString& caption, int top)
{
    auto* label = new QLabel(caption, parent);
    du.place(label, 7, top + 2, 40, 10);
}

} // namespace

CUpgradeCodeBookDlg::CUpgradeCodeBookDlg(QWidget* parent)
    : QDialog(parent), m_bookTime(QString::fromUtf8(kNoBookInfo)), m_bookSize(QString::fromUtf8(kNoBookInfo))
{
    const DialogUnits du =
        setUpDialog(this, QStringLiteral("CUpgradeCodeBookDlg"), QStringLiteral("升级码本"), 273, 96);

    auto* codeFile = new QGroupBox(QStringLiteral("系统中当前码本信息"), this);
    du.place(codeFile, 46, 4, 110, 52);
    auto* book = new QGroupBox(QStringLiteral("本软件使用码本信息"), this);
    du.place(book, 160, 4, 110, 52);
    label(this, du, QStringLiteral("创建时间:"), 20);
    label(this, du, QStringLiteral("文件大小："), 38);
    m_codeFileTimeText = text(this, du, "CodeFileTime_1002", 51, 20);
    m_codeFileSizeText = text(this, du, "CodeFileSize_1005", 51, 38);
    m_bookTimeText = text(this, du, "BookTime_1003", 165, 20);
    m_bookSizeText = text(this, du, "BookSize_1006", 165, 38);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress_1004"));
    m_progress->setTextVisible(false);
    du.place(m_progress, 7, 61, 263, 9);
    m_progress->hide();

    QPushButton* start =
        addPushButton(this, du, QStringLiteral("开始升级(&S)"), QStringLiteral("Start_1"), 152, 76, 56, 14);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &CUpgradeCodeBookDlg::OnOK);
    QPushButton* exit =
        addPushButton(this, du, QStringLiteral("退出(&X)"), QStringLiteral("Exit_2"), 214, 76, 56, 14);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    OnCreate();
    DoDataExchange();
}

int CUpgradeCodeBookDlg::OnCreate()
{
    m_edition = readOrCreateSetting(settings::Edition);
    const FileInfoTexts codeFile =
        codeFileInfoTexts(platform::systemFolder() + codeFileNameForEdition(m_edition));
    m_codeFileTime = codeFile.time;
    m_codeFileSize = codeFile.size;
    if (const std::optional<FileInfoTexts> built = readBookInfo(platform::programFolder())) {
        m_bookTime = built->time;
        m_bookSize = built->size;
    } else {
        m_bookTime = m_bookSize = QString::fromUtf8(kNoBookInfo);
    }
    return 0;
}

void CUpgradeCodeBookDlg::DoDataExchange()
{
    m_codeFileTimeText->setText(m_codeFileTime);
    m_codeFileSizeText->setText(m_codeFileSize);
    m_bookTimeText->setText(m_bookTime);
    m_bookSizeText->setText(m_bookSize);
}

void CUpgradeCodeBookDlg::OnOK()
{
    startProgress(m_progress);
    const BuildReport report =
        RebuildCodeBook(platform::programFolder(), platform::systemFolder() + QLatin1String(kCodeFileName),
                        {m_codeFileTime, m_codeFileSize}, [this] { stepProgress(m_progress); });
    m_progress->hide();
    if (!report.ok()) {
        tellBookProblem(this, bookProblem(*report.failure));
        return;
    }
    m_bookTime = m_codeFileTime;
    m_bookSize = m_codeFileSize;
    DoDataExchange();
    afxMessageBox(this, QString::fromUtf8(kCodeBookBuiltMessage));
    reportSkippedEntries(this, report);
}
