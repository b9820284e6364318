// The keypad drill's widgets and where they stand: the left panel with the caps, the figures, the
// answer box, the group size and the buttons; the on-screen keypad on the right; the status bar.
#include "exercises/frmkeypad1.h"
#include "exercises/keypadrules.h"
#include "exercises/keypadtexts.h"
#include "exercises/timebox.h"
#include "exercises/windowparts.h"
#include "shell/uifonts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace exercises {
namespace {

using namespace keypadtexts;

constexpr int kMargin = 8;
constexpr int kLeftWidth = 300;
constexpr int kPanelHeight = 300;
constexpr int kKey = 40; // an on-screen key; "+" and Enter are two high, 0 two wide
constexpr int kKeyGap = 4;
constexpr int kCapWidth = 36;
constexpr int kCapHeight = 44;
constexpr int kCapGap = 4;
constexpr int kRightWidth = 4 * kKey + 3 * kKeyGap + 2 * 20;

// The left panel's labels, in the window's one label font.
QLabel* makeLabel(QWidget* parent, const QString& name, QStringView text, const QRect& geometry = {})
{
    return exercises::makeLabel(parent, name, text.toString(), shell::songTi(12), geometry);
}

// Where each on-screen key stands, in key cells: column, row, columns wide, rows high.
struct KeyCell
{
    int column, row, columns, rows;
};

KeyCell keyCell(int key)
{
    switch (key) {
    case keypad::kNumLockKey:
        return {0, 0, 1, 1};
    case keypad::kDivideKey:
        return {1, 0, 1, 1};
    case keypad::kMultiplyKey:
        return {2, 0, 1, 1};
    case keypad::kSubtractKey:
        return {3, 0, 1, 1};
    case keypad::kAddKey:
        return {3, 1, 1, 2};
    case keypad::kEnterKey:
        return {3, 3, 1, 2};
    case keypad::kDecimalKey:
        return {2, 4, 1, 1};
    case 0:
        return {0, 4, 2, 1};
    default: // 1 to 9: three rows from 7 8 9 down to 1 2 3
        return {(key - 1) % 3, 3 - (key - 1) / 3, 1, 1};
    }
}

} // namespace

void frmkeypad1::buildWindow()
{
    setWindowTitle(kKeypadTitle.toString());

    auto* body = new QWidget(this);
    body->setFixedSize(kMargin * 3 + kLeftWidth + kRightWidth, kMargin * 2 + kPanelHeight);
    buildLeftPanel(body);
    buildKeypad(body);
    stackOverStatusBar(this, body, buildStatusBar());
}

void frmkeypad1::buildLeftPanel(QWidget* body)
{
    QFrame* picture3 =
        makePanel(body, QStringLiteral("Picture3"), QRect(kMargin, kMargin, kLeftWidth, kPanelHeight));
    const QRect frameArea(12, 8, kLeftWidth - 24, 124);

    // The caps first, so that the figures frame lies over them.
    auto* frame1 = new QGroupBox(picture3);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(frameArea);
    const int capsWidth = keypad::kCapCount * kCapWidth + (keypad::kCapCount - 1) * kCapGap;
    for (int p = 0; p < keypad::kCapCount; ++p) {
        auto* cap = new QLabel(frame1);
        cap->setObjectName(QStringLiteral("Image2_%1").arg(p));
        cap->setGeometry((frameArea.width() - capsWidth) / 2 + p * (kCapWidth + kCapGap),
                         (frameArea.height() - kCapHeight) / 2 + 4, kCapWidth, kCapHeight);
        m_image2.append(cap);
    }

    m_frame2 = new QGroupBox(kFiguresFrame.toString(), picture3);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setFont(shell::songTi(11));
    m_frame2->setGeometry(frameArea);
    m_frame2->setAutoFillBackground(true);
    const struct
    {
        const char* caption;
        const char* figure;
        QStringView text;
        QLabel** label;
    } rows[] = {{"Label6", "Label3", kAccuracyCaption, &m_label3},
                {"Label7", "Label4", kSpeedCaption, &m_label4},
                {"Label8", "Label5", kTimeCaption, &m_label5}};
    int top = 30;
    for (const auto& row : rows) {
        makeLabel(m_frame2, QString::fromLatin1(row.caption), row.text, QRect(40, top, 100, 24));
        *row.label = makeLabel(m_frame2, QString::fromLatin1(row.figure), {}, QRect(140, top, 110, 24));
        setColour(*row.label, QPalette::WindowText, kFigureBlue);
        top += 30;
    }

    // The answer box and the group size share one place: the one shows while a group runs, the
    // other while none does.
    const int answerTop = frameArea.bottom() + 16;
    m_text2 = new QLineEdit(picture3);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setFont(shell::timesNewRoman(24, true));
    m_text2->setGeometry(frameArea.left(), answerTop, frameArea.width(), 52);
    m_text2->installEventFilter(this);
    m_text2->hide();

    m_label1 = makeLabel(picture3, QStringLiteral("Label1"), kGroupSizePrompt);
    m_label1->move(frameArea.left(), answerTop + 14);
    m_text1 = new TimeEdit(kDefaultGroupSizeText.toString(), picture3);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(shell::songTi(12));
    m_text1->setAlignment(Qt::AlignRight);
    m_text1->setGeometry(m_label1->geometry().right() + 6, answerTop + 10, 40, 28);
    restrictToTimeKeys(m_text1);
    connect(m_text1, &TimeEdit::entered, this, &frmkeypad1::Text1_GotFocus);
    connect(m_text1, &TimeEdit::left, this, &frmkeypad1::Text1_LostFocus);
    m_upDown1 = new UpDownControl(m_text1, keypad::kSpinMinimum, keypad::kSpinMaximum, picture3);
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setGeometry(m_text1->geometry().right() + 1, answerTop + 10, 18, 28);

    const int buttonTop = kPanelHeight - 60;
    QPushButton* command1 =
        makeButton(picture3, QStringLiteral("Command1"), kStartCaption, QRect(28, buttonTop, 110, 34));
    QPushButton* command2 = makeButton(picture3, QStringLiteral("Command2"), kLeaveCaption,
                                       QRect(kLeftWidth - 28 - 110, buttonTop, 110, 34));
    connect(command1, &QPushButton::clicked, this, &frmkeypad1::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &frmkeypad1::Command2_Click);
}

void frmkeypad1::buildKeypad(QWidget* body)
{
    QFrame* picture1 = makePanel(body, QStringLiteral("Picture1"),
                                 QRect(kMargin * 2 + kLeftWidth, kMargin, kRightWidth, kPanelHeight));
    const int padHeight = 5 * kKey + 4 * kKeyGap;
    const QPoint origin(20, (kPanelHeight - padHeight) / 2);
    for (int key = 0; key < keypad::kOnScreenKeys; ++key) {
        const KeyCell cell = keyCell(key);
        auto* image = new QLabel(picture1);
        image->setObjectName(QStringLiteral("Image1_%1").arg(key));
        image->setGeometry(
            origin.x() + cell.column * (kKey + kKeyGap), origin.y() + cell.row * (kKey + kKeyGap),
            cell.columns * kKey + (cell.columns - 1) * kKeyGap, cell.rows * kKey + (cell.rows - 1) * kKeyGap);
        m_image1.append(image);
    }
}

QStatusBar* frmkeypad1::buildStatusBar()
{
    // The last two panels are plain labels of the keys' names, not key-state panels: they show the
    // same text whatever state the locks are in.
    QStatusBar* statusBar = makeStatusBar(this, m_panels, 4, kNoKeyStatePanel);
    m_panels[0]->setText(kSubmitKeysHint.toString());
    m_panels[1]->setMinimumWidth(140);
    m_panels[2]->setText(kNumLockPanel.toString());
    m_panels[3]->setText(kCapsLockPanel.toString());
    return statusBar;
}

} // namespace exercises
