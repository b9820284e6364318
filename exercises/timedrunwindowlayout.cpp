// The frame's widgets and where they stand: the drill area, the settings panel over it, the side
// panel and the status bar.
#include "exercises/drilltexts.h"
#include "exercises/timebox.h"
#include "exercises/timedrunwindow.h"
#include "exercises/windowparts.h"
#include "platform/dao.h"
#include "shell/uifonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace exercises {
namespace {

using namespace texts;

constexpr int kMargin = 8;
constexpr int kAreaWidth = TimedRunWindow::kDrillAreaWidth;
constexpr int kAreaHeight = TimedRunWindow::kDrillAreaHeight;
constexpr int kSideWidth = 140;

// The side panel's buttons stand one under another, centred.
QPushButton* makeSideButton(QWidget* parent, const QString& name, QStringView caption, int top)
{
    return makeButton(parent, name, caption, QRect((kSideWidth - 110) / 2, top, 110, 34));
}

} // namespace

TimedRunWindow::TimedRunWindow(const TimedRun& run, QWidget* parent) : ExerciseDialog(parent), m_run(run)
{
    setObjectName(run.windowName);

    auto* body = new QWidget(this);
    body->setFixedSize(kMargin * 3 + kAreaWidth + kSideWidth, kMargin * 2 + kAreaHeight);
    // The drill area first, so that the settings panel lies over it.
    m_picture1 =
        makePanel(body, QStringLiteral("Picture1"), QRect(kMargin, kMargin, kAreaWidth, kAreaHeight));
    m_picture1->setAutoFillBackground(true);
    setColour(m_picture1, QPalette::Window, QColor(236, 240, 248));
    buildSettingsPanel(body);
    buildSidePanel(body);
    stackOverStatusBar(this, body, buildStatusBar());

    m_timer1 = makeSecondsTimer(this, QStringLiteral("Timer1"), &TimedRunWindow::Timer1_Timer);
}

void TimedRunWindow::buildSettingsPanel(QWidget* body)
{
    m_picture3 = makePanel(body, QStringLiteral("Picture3"), m_picture1->geometry());
    m_picture3->setAutoFillBackground(true);

    m_label6 = makeInstructions(m_picture3, QStringLiteral("Label6"), QString(), shell::songTi(14),
                                QRect(40, 40, kAreaWidth - 80, 230));

    const int row = 300;
    QLabel* label4 =
        makeLabel(m_picture3, QStringLiteral("Label4"), kTimeLabel.toString(), shell::songTi(14));
    label4->move(150, row + (30 - label4->height()) / 2);

    auto* txtTime = new TimeEdit(kTimeDefault.toString(), m_picture3);
    if (m_run.checksTimeBoxOnLeave) {
        connect(txtTime, &TimeEdit::entered, this, &TimedRunWindow::TxtTime_GotFocus);
        connect(txtTime, &TimeEdit::left, this, &TimedRunWindow::TxtTime_LostFocus);
    }
    m_txtTime = txtTime;
    m_txtTime->setObjectName(QStringLiteral("TxtTime"));
    m_txtTime->setFont(shell::songTi(14));
    m_txtTime->setToolTip(kTimeToolTip.toString());
    if (m_run.timeBoxMaxLength > 0)
        m_txtTime->setMaxLength(m_run.timeBoxMaxLength);
    m_txtTime->setAlignment(Qt::AlignRight);
    m_txtTime->setGeometry(label4->geometry().right() + 8, row, 44, 30);
    restrictToTimeKeys(m_txtTime);

    m_upDown1 = new UpDownControl(m_txtTime, kMinMinutes, kMaxMinutes, m_picture3);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setGeometry(m_txtTime->geometry().right() + 1, row, 18, 30);

    QLabel* label5 =
        makeLabel(m_picture3, QStringLiteral("Label5"), kMinutesLabel.toString(), shell::songTi(14));
    label5->move(m_upDown1->geometry().right() + 8, row + (30 - label5->height()) / 2);
}

void TimedRunWindow::buildSidePanel(QWidget* body)
{
    m_picture2 = makePanel(body, QStringLiteral("Picture2"),
                           QRect(kMargin * 2 + kAreaWidth, kMargin, kSideWidth, kAreaHeight));
    m_cmdStart = makeSideButton(m_picture2, QStringLiteral("CmdStart"), kStartCaption, 24);
    m_command3 = makeSideButton(m_picture2, QStringLiteral("Command3"), kPauseCaption, 72);
    m_command1 = makeSideButton(m_picture2, QStringLiteral("Command1"), kStopCaption, 120);
    QPushButton* command4 = makeSideButton(m_picture2, QStringLiteral("Command4"), kExitCaption, 168);
    m_command3->setEnabled(false);
    m_command1->setEnabled(false);
    connect(m_cmdStart, &QPushButton::clicked, this, &TimedRunWindow::CmdStart_Click);
    connect(m_command3, &QPushButton::clicked, this, &TimedRunWindow::Command3_Click);
    connect(m_command1, &QPushButton::clicked, this, &TimedRunWindow::Command1_Click);
    connect(command4, &QPushButton::clicked, this, &TimedRunWindow::Command4_Click);

    QLabel* label1 = makeLabel(m_picture2, QStringLiteral("Label1"), kAccuracyLabel.toString(),
                               shell::songTi(14, true), QRect(0, 250, kSideWidth, 30));
    label1->setAlignment(Qt::AlignCenter);
    m_label2 = makeLabel(m_picture2, QStringLiteral("Label2"), kZeroPercent.toString(),
                         shell::songTi(22, true), QRect(0, 286, kSideWidth, 40));
    m_label2->setAlignment(Qt::AlignCenter);
    setColour(m_label2, QPalette::WindowText, kFigureBlue);
}

QStatusBar* TimedRunWindow::buildStatusBar()
{
    QStatusBar* statusBar = makeStatusBar(this, m_panels);
    m_panels[1]->setMinimumWidth(200);
    m_panels[3]->setMinimumWidth(70);
    m_panels[3]->setAlignment(Qt::AlignCenter);
    m_panels[3]->setText(kClockZero.toString());
    return statusBar;
}

} // namespace exercises
