// The article test's widgets and where they stand: the viewport with the sheet and the instruction
// panel, the answer box, the scroll bars, the button column with the article list, the status bar.
#include "exercises/articlerules.h"
#include "exercises/articlesheet.h"
#include "exercises/articletexts.h"
#include "exercises/drilltexts.h"
#include "exercises/frmtest.h"
#include "exercises/windowparts.h"
#include "shell/uifonts.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

namespace exercises {
namespace {

using namespace texts;

constexpr int kMargin = 8;
constexpr int kViewWidth = kArticleColumns * kArticleCellWidth;
constexpr int kViewHeight = kArticleVisibleRows * kArticleRowHeight;
constexpr int kViewFrame = 2;
constexpr int kScrollWidth = 18;
constexpr int kButtonLeft = kMargin + kViewWidth + 2 * kViewFrame + 2 + kScrollWidth + 12;
constexpr int kButtonWidth = 120;
constexpr int kButtonHeight = 32;
constexpr int kButtonStep = 40;
constexpr int kAnswerTop = kMargin + kViewHeight + 2 * kViewFrame + kMargin;
constexpr int kAnswerHeight = 28;
constexpr int kBodyWidth = kButtonLeft + kButtonWidth + kMargin;
constexpr int kBodyHeight = kAnswerTop + kAnswerHeight + kMargin;

// The button column, top to bottom.
QPushButton* makeButton(QWidget* parent, const QString& name, QStringView caption, int index)
{
    return exercises::makeButton(
        parent, name, caption,
        QRect(kButtonLeft, kMargin + index * kButtonStep, kButtonWidth, kButtonHeight));
}

} // namespace

void frmtest::buildWindow()
{
    setObjectName(QStringLiteral("frmtest"));
    setWindowTitle(kArticleTestCaption.toString());

    auto* body = new QWidget(this);
    body->setFixedSize(kBodyWidth, kBodyHeight);
    buildViewport(body);
    buildButtons(body);
    stackOverStatusBar(this, body, buildStatusBar());

    m_timer1 = makeSecondsTimer(this, QStringLiteral("Timer1"), &frmtest::Timer1_Timer);
    m_timer2 = makeTimer(this, QStringLiteral("Timer2"), 400, &frmtest::Timer2_Timer);
}

void frmtest::buildViewport(QWidget* body)
{
    auto* border = new QFrame(body);
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(kViewFrame);
    border->setGeometry(kMargin, kMargin, kViewWidth + 2 * kViewFrame, kViewHeight + 2 * kViewFrame);
    m_picture1 = new QFrame(border);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(kViewFrame, kViewFrame, kViewWidth, kViewHeight);

    m_picture3 = new ArticleSheet(m_picture1);
    connect(m_picture3, &ArticleSheet::clicked, this, &frmtest::focusAnswerBox);

    m_image1 = new QLabel(m_picture3);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    m_image1->resize(25, 25);
    m_image1->hide();

    // The instruction panel lies on the sheet, over the article.
    m_picture2 = new QFrame(m_picture3);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setAutoFillBackground(true);
    setColour(m_picture2, QPalette::Window, kPanelPurple);
    m_picture2->setGeometry(0, 0, kViewWidth, kViewHeight);
    makeInstructions(m_picture2, QStringLiteral("Label4"),
                     QStringLiteral("    ") + kArticleTestHelp.toString(), shell::songTi(15.75),
                     QRect(24, 24, kViewWidth - 48, kViewHeight - 48));

    // The sheet's scroll position; the user sees only its mirror beside the viewport.
    m_vScroll1 = new QScrollBar(Qt::Vertical, body);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->setRange(0, 0);
    m_vScroll1->setPageStep(4);
    m_vScroll1->hide();
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &frmtest::VScroll1_Change);

    m_vScroll2 = new QScrollBar(Qt::Vertical, body);
    m_vScroll2->setObjectName(QStringLiteral("VScroll2"));
    m_vScroll2->setRange(0, 0);
    m_vScroll2->setPageStep(4);
    m_vScroll2->setGeometry(border->geometry().right() + 3, kMargin, kScrollWidth, border->height());
    m_vScroll2->hide();
    connect(m_vScroll2, &QScrollBar::valueChanged, this, &frmtest::VScroll2_Change);
    connect(m_vScroll2, &QScrollBar::sliderMoved, this, &frmtest::VScroll2_Scroll);
    connect(m_vScroll2, &QScrollBar::sliderPressed, this, &frmtest::VScroll2_Change);

    m_text1 = new QLineEdit(body);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(shell::songTi(12));
    m_text1->setGeometry(kMargin, kAnswerTop, 200, kAnswerHeight);
    connect(m_text1, &QLineEdit::textChanged, this, &frmtest::Text1_Change);
}

void frmtest::buildButtons(QWidget* body)
{
    QPushButton* cmdStart = makeButton(body, QStringLiteral("CmdStart"), kStartCaption, 0);
    m_cmdPause = makeButton(body, QStringLiteral("CmdPause"), kPauseCaption, 1);
    m_cmdCheck = makeButton(body, QStringLiteral("CmdCheck"), kCheckCaption, 2);
    QPushButton* cmdExit = makeButton(body, QStringLiteral("CmdExit"), kExitCaption, 3);
    QPushButton* cmdImport = makeButton(body, QStringLiteral("CmdImport"), kImportCaption, 4);
    QPushButton* cmdDelete = makeButton(body, QStringLiteral("CmdDelete"), kDeleteCaption, 5);
    m_cmdPause->setEnabled(false);
    m_cmdCheck->setEnabled(false);
    connect(cmdStart, &QPushButton::clicked, this, &frmtest::CmdStart_Click);
    connect(m_cmdPause, &QPushButton::clicked, this, &frmtest::CmdPause_Click);
    connect(m_cmdCheck, &QPushButton::clicked, this, &frmtest::CmdCheck_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmtest::CmdExit_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmtest::CmdImport_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmtest::CmdDelete_Click);

    m_list1 = new QListWidget(body);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setFont(shell::msSansSerif(12, true));
    setColour(m_list1, QPalette::Base, ArticleSheet::kSheetColour);
    const int top = kMargin + 6 * kButtonStep;
    m_list1->setGeometry(kButtonLeft, top, kButtonWidth, kBodyHeight - kMargin - top);
    // Choosing an article sends the focus straight back to the answer box.
    connect(m_list1, &QListWidget::currentRowChanged, this, &frmtest::focusAnswerBox);
    connect(m_list1, &QListWidget::itemClicked, this, &frmtest::focusAnswerBox);
}

QStatusBar* frmtest::buildStatusBar()
{
    QList<QLabel*> panels;
    QStatusBar* statusBar = makeStatusBar(this, panels, 2, kNoKeyStatePanel);
    panels[0]->setText(kIndicatorHint.toString());
    m_panel2 = panels[1];
    m_panel2->setText(kClockZero.toString());
    m_panel2->setMinimumWidth(70);
    m_panel2->setAlignment(Qt::AlignCenter);
    return statusBar;
}

} // namespace exercises
