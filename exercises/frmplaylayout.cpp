// The game's widgets and where they stand: the play field with its items and instructions, the
// swaying hint and the answer box under it, and at the right the buttons, the score and the
// difficulty bar.
#include "exercises/drilltexts.h"
#include "exercises/frmplay.h"
#include "exercises/gametexts.h"
#include "exercises/playfield.h"
#include "exercises/windowparts.h"
#include "shell/uifonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace exercises {
namespace {

using namespace game;
using namespace gametexts;

constexpr int kMargin = 8;
constexpr int kFieldPixelsWide = kFieldWidth / kTwipsPerPixel;
constexpr int kFieldPixelsHigh = kFieldHeight / kTwipsPerPixel;
constexpr int kSideLeft = kMargin * 2 + kFieldPixelsWide;
constexpr int kSideWidth = 110;
constexpr int kUnderField = kMargin + kFieldPixelsHigh + 10;
void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    setColour(widget, QPalette::WindowText, text);
    setColour(widget, QPalette::Window, background);
}

} // namespace

void frmplay::buildWindow()
{
    setAutoFillBackground(true);
    setColours(this, Qt::black, kPanelPurple);

    m_picture1 = new PlayField(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->move(kMargin, kMargin);
    for (int i = 0; i < kItemCount; ++i) {
        auto* label = new QLabel(m_picture1);
        label->setObjectName(QStringLiteral("Lblwenzhi_%1").arg(i));
        label->setFont(shell::msSansSerif(15, true));
        label->move(0, -label->height());
        label->hide();
        m_lblwenzhi[i] = label;
    }
    m_label6 = makeInstructions(m_picture1, QStringLiteral("Label6"), QString(), shell::songTi(15.75),
                                QRect(6, 6, kFieldPixelsWide - 12, kFieldPixelsHigh - 12));
    m_label6->setAutoFillBackground(true);
    m_label6->setContentsMargins(10, 0, 10, 0);
    setColours(m_label6, Qt::white, kPanelPurple);

    m_label2 = makeLabel(this, QStringLiteral("Label2"), kHint.toString(), shell::kaiTi(11.25, true));
    m_label2->move(kHintStartLeft / kTwipsPerPixel, kUnderField + 4);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(shell::timesNewRoman(12));
    const int boxLeft = (kHintTurnRight + kHintStep) / kTwipsPerPixel + m_label2->width() + 8;
    m_text1->setGeometry(boxLeft, kUnderField, kMargin + kFieldPixelsWide - boxLeft, 28);

    buildSidePanel();
    setFixedSize(kSideLeft + kSideWidth + kMargin, kUnderField + 28 + kMargin);
}

void frmplay::buildSidePanel()
{
    QPushButton* cmdStart = makeButton(this, QStringLiteral("CmdStart"), texts::kStartCaption,
                                       QRect(kSideLeft, kMargin, kSideWidth, 32));
    QPushButton* cmdEnd = makeButton(this, QStringLiteral("CmdEnd"), texts::kExitCaption,
                                     QRect(kSideLeft, kMargin + 42, kSideWidth, 32));
    connect(cmdStart, &QPushButton::clicked, this, &frmplay::CmdStart_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &frmplay::CmdEnd_Click);

    makeLabel(this, QStringLiteral("Label1"), kScoreCaption.toString(), shell::songTi(12),
              QRect(kSideLeft, kMargin + 90, 50, 26));
    m_lblMark =
        makeLabel(this, QStringLiteral("LblMark"), kScoreZero.toString(), shell::timesNewRoman(12, true),
                  QRect(kSideLeft + 50, kMargin + 90, kSideWidth - 50, 26));
    setColours(m_lblMark, QColor(255, 255, 0), kPanelPurple);

    auto* frame = new QGroupBox(kDifficultyFrame.toString(), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(shell::songTi(11));
    const int frameTop = kMargin + 130;
    frame->setGeometry(kSideLeft, frameTop, kSideWidth, kUnderField + 28 - frameTop);
    auto* label3 = new QLabel(kEasy.toString(), frame);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAlignment(Qt::AlignCenter);
    label3->setGeometry(0, 24, kSideWidth, 20);
    auto* label4 = new QLabel(kHard.toString(), frame);
    label4->setObjectName(QStringLiteral("Label4"));
    label4->setAlignment(Qt::AlignCenter);
    label4->setGeometry(0, frame->height() - 28, kSideWidth, 20);

    // Qt's bar has its minimum at the top, so it runs 200 to 800 and reads the other way round.
    m_vScroll1 = new QScrollBar(Qt::Vertical, frame);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vScroll1->setRange(kHardest, kEasiest);
    m_vScroll1->setSingleStep(kBarSmallChange);
    m_vScroll1->setPageStep(kBarLargeChange);
    m_vScroll1->setValue(kEasiest + kHardest - kBarStart);
    m_vScroll1->setGeometry((kSideWidth - 20) / 2, 48, 20, frame->height() - 48 - 32);
    connect(m_vScroll1, &QScrollBar::valueChanged, this, &frmplay::VScroll1_Change);
}

} // namespace exercises
