#include "shell/frmresult.h"

#include "platform/modalowner.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/uiservice.h"
#include "shell/module1.h"
#include "shell/uifonts.h"
#include "shell/vbformat.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kFirstFrameIcon = 118; // frames are the icons 119..123
constexpr int kFrameCount = 5;
const QColor kBackground(144, 142, 216);

QString countText(std::int64_t count, CountStyle style)
{
    return style == CountStyle::SignPlace ? shell::vb::str(count) : QString::number(count);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

QString resultSummaryLine(float minutes, std::int64_t typed, std::int64_t correct, CountStyle style)
{
    return QStringLiteral("用时") + shell::vb::formatOneDecimal(minutes) + QStringLiteral("分 打字") +
           countText(typed, style) + QStringLiteral("个 其中正确") + countText(correct, style) +
           QStringLiteral("个");
}

FrmResult& FrmResult::instance()
{
    // Lives until the program ends; the static pointer keeps it reachable.
    static FrmResult* box = new FrmResult;
    return *box;
}

FrmResult::FrmResult(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmResult"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(platform::resources::icon(kFirstFrameIcon + 1));

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoFillBackground(true);
    QPalette back = m_picture1->palette();
    back.setColor(QPalette::Window, kBackground);
    m_picture1->setPalette(back);

    const QColor highlightText = palette().color(QPalette::HighlightedText);
    m_label4 = makeLabel(m_picture1, QStringLiteral("Label4"), shell::songTi(15.75, true), highlightText);
    m_label4->setAlignment(Qt::AlignCenter);
    m_label2 = makeLabel(m_picture1, QStringLiteral("Label2"), shell::songTi(18, true), Qt::white);
    m_label3 = makeLabel(m_picture1, QStringLiteral("Label3"), shell::songTi(18, true), highlightText);
    m_label1 = makeLabel(m_picture1, QStringLiteral("Label1"), shell::songTi(18, true), Qt::white);
    m_label5 = makeLabel(m_picture1, QStringLiteral("Label5"), shell::timesNewRoman(12, true), Qt::yellow);
    m_label5->setText(QStringLiteral("加油!加油!......."));
    m_label5->setAlignment(Qt::AlignCenter);

    m_image1 = new QLabel(m_picture1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setFixedSize(32, 32);

    m_command3 = new QPushButton(QStringLiteral("确定(&O)"), m_picture1);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command3->setFont(shell::songTi(12, true));
    // The box's one control that takes the focus: Return clicks it as Space does.
    m_command3->setDefault(true);
    m_command3->setMinimumSize(96, 30);
    connect(m_command3, &QPushButton::clicked, this, &FrmResult::Command3_Click);

    auto* figures = new QVBoxLayout;
    figures->setSpacing(14);
    for (QLabel* label : {m_label2, m_label3, m_label1})
        figures->addWidget(label);
    auto* figuresRow = new QHBoxLayout;
    figuresRow->addSpacing(70);
    figuresRow->addLayout(figures);
    figuresRow->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_image1);
    bottom->addWidget(m_label5, 1);
    bottom->addWidget(m_command3);

    auto* column = new QVBoxLayout(m_picture1);
    column->setContentsMargins(16, 18, 16, 14);
    column->addWidget(m_label4);
    column->addSpacing(16);
    column->addLayout(figuresRow);
    column->addStretch();
    column->addLayout(bottom);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_picture1);
    setFixedSize(420, 300);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(200);
    connect(m_timer1, &QTimer::timeout, this, &FrmResult::Timer1_Timer);
    m_timer1->start();

    // Form_Load: centred once, when the box is made.
    platform::centreOnScreen(this);
}

void FrmResult::showOver(QWidget* caller)
{
    platform::setModalOwner(this, caller);
    platform::UiService::instance().execModal(this);
}

void FrmResult::Form_Activate()
{
    setWindowTitle(Module1::gExerciseTitle + QStringLiteral("成绩"));
    m_label1->setText(QStringLiteral("正 确 率：") + shell::vb::formatPercent(Module1::gAccuracy));
    m_label2->setText(QStringLiteral("打字速度：") + shell::vb::formatWhole(Module1::gTypingSpeed) +
                      QStringLiteral("字/分"));
    m_label3->setText(QStringLiteral("有效速度：") + shell::vb::formatWhole(Module1::gEffectiveSpeed) +
                      QStringLiteral("字/分"));
}

void FrmResult::Timer1_Timer()
{
    ++m_resultIconFrame;
    m_image1->setPixmap(platform::resources::icon(kFirstFrameIcon + m_resultIconFrame).pixmap(32, 32));
    if (m_resultIconFrame == kFrameCount)
        m_resultIconFrame = 0;
}

bool FrmResult::event(QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void FrmResult::closeEvent(QCloseEvent* event)
{
    // Closing only hides the box, which ends its modal showing.
    event->ignore();
    hide();
}

void FrmResult::Command3_Click()
{
    hide();
}
