#include "segmentation/ui/cupgradecustomcodebookdlg.h"

#include "platform/paths.h"
#include "segmentation/core/bookproblems.h"
#include "segmentation/core/settings.h"
#include "segmentation/core/userwordbooks.h"
#include "segmentation/ui/bookfailures.h"
#include "segmentation/ui/buildprogress.h"
#include "segmentation/ui/dialogunits.h"

#include <QProgressBar>
#include <QPushButton>

using namespace segmentation;

CUpgradeCustomCodeBookDlg::CUpgradeCustomCodeBookDlg(QWidget* parent)
    : QDialog(parent), m_edition(readOrCreateSetting(settings::Edition))
{
    const DialogUnits du = setUpDialog(this, QStringLiteral("CUpgradeCustomCodeBookDlg"),
                                       QStringLiteral("升级自定义码本"), 187, 98);

    QPushButton* ok =
        addPushButton(this, du, QStringLiteral("确定(&O)"), QStringLiteral("Ok_1"), 130, 7, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CUpgradeCustomCodeBookDlg::OnOK);
    QPushButton* cancel =
        addPushButton(this, du, QStringLiteral("取消(&C)"), QStringLiteral("Cancel_2"), 130, 24, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress_1047"));
    m_progress->setTextVisible(false);
    du.place(m_progress, 7, 78, 173, 12);
    m_progress->hide();
}

void CUpgradeCustomCodeBookDlg::OnOK()
{
    startProgress(m_progress);
    const BuildReport report = BuildCustomCodeBook(platform::programFolder(), platform::systemFolder(),
                                                   m_edition, [this] { stepProgress(m_progress); });
    if (report.ok())
        reportSkippedEntries(this, report);
    else
        tellBookProblem(this, bookProblem(*report.failure));
    accept();
}
