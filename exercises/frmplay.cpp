#include "exercises/frmplay.h"

#include "exercises/gametexts.h"
#include "exercises/keyhandlers.h"
#include "exercises/playfield.h"
#include "exercises/timedrun.h"
#include "exercises/windowparts.h"
#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/uiservice.h"
#include "shell/module1.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace exercises {
namespace {

using namespace game;
using namespace gametexts;

constexpr platform::UINT kFailureFlags =
    platform::MB_OK | platform::MB_ICONINFORMATION | platform::MB_ICONEXCLAMATION;
const QColor kGameField(0, 0, 0);

// QBColor 10 to 15, the light colours of the 16-colour palette.
QColor lightColour(int index)
{
    static const QColor colours[] = {{0, 255, 0},   {0, 255, 255}, {255, 0, 0},
                                     {255, 0, 255}, {255, 255, 0}, {255, 255, 255}};
    return colours[std::clamp(index, 0, 5)];
}

int toPixels(int twips)
{
    return static_cast<int>(std::floor(double(twips) / kTwipsPerPixel));
}

bool isSubmitKey(int keyCode)
{
    return keyCode == int(platform::VK_SPACE) || keyCode == int(platform::VK_DIVIDE) ||
           keyCode == int(platform::VK_MULTIPLY);
}

} // namespace

frmplay::frmplay(QWidget* parent) : ExerciseDialog(parent)
{
    setObjectName(QStringLiteral("frmplay"));
    setDamagedDatabaseText(kDatabaseError);
    buildWindow();

    m_timer1 = makeTimer(this, QStringLiteral("Timer1"), kFallInterval, &frmplay::Timer1_Timer);
    m_timer2 = makeTimer(this, QStringLiteral("Timer2"), kSwayInterval, &frmplay::Timer2_Timer);
    m_timer3 =
        makeTimer(this, QStringLiteral("Timer3"), kStarInterval, &frmplay::Timer3_Timer, Qt::PreciseTimer);

    Form_Load();
}

frmplay::~frmplay() = default;

void frmplay::Form_Load()
{
    m_text1->installEventFilter(this); // before the keypad procedure, so it sees what that passes on
    installKeypadProcedure(m_text1);
    m_subclassed = true;

    platform::centreOnScreen(this);
    try {
        m_gameRs = openCountedTable(QStringLiteral("playziku"), m_gameRecordCount);
    } catch (const platform::dao::DaoError& error) {
        // The program ends after the message, unless another program merely holds the database locked.
        failLoad(error, applicationTitle(), true, kFailureFlags);
        return;
    }
    setWindowTitle(Module1::gExerciseTitle);
    m_mode = gameModeFor(Module1::gExerciseTitle);
    m_label6->setText(QStringLiteral("\n\n\n") + platform::resources::string(m_mode.instructions));
    setWindowIcon(platform::resources::icon(m_mode.icon));
    platform::randomizeFromClock();
    m_stars.scatter(platform::RandomSource::instance());
}

bool frmplay::Form_Unload()
{
    m_timer1->stop();
    m_timer2->stop();
    m_timer3->stop();
    if (m_gameRs)
        m_gameRs->Close();
    m_gameRs.reset();
    if (m_subclassed) {
        restoreWindowProcedure(m_text1, Module1::gOldWndProc);
        m_subclassed = false;
    }
    return true;
}

bool frmplay::deal()
{
    platform::RandomSource& random = platform::RandomSource::instance();
    try {
        for (int i = 0; i < kItemCount; ++i) {
            const int r = static_cast<int>(std::floor(random.rnd() * static_cast<float>(m_gameRecordCount)));
            m_gameRs->MoveFirst();
            m_gameRs->Move(r);
            const QString code = m_gameRs->text(QStringLiteral("bianma"));
            m_gameTexts[i] = m_mode.showsCharacters ? m_gameRs->text(QStringLiteral("wenzhi")) : code;
            m_gameAnswers[i] = code;
        }
    } catch (const platform::dao::DaoError& error) {
        // A code book damaged since the window opened: no game, the window stays as it was.
        tellDatabaseFailure(error, applicationTitle(), kFailureFlags);
        return false;
    }
    return true;
}

void frmplay::CmdStart_Click()
{
    if (!m_gameRs || !deal())
        return;
    platform::RandomSource& random = platform::RandomSource::instance();
    std::array<int, kItemCount> heights{};
    for (int i = 0; i < kItemCount; ++i) {
        QLabel* label = m_lblwenzhi[i];
        QFont font = label->font();
        font.setPointSizeF(m_mode.fontSize);
        label->setFont(font);
        label->setText(m_gameTexts[i]);
        label->adjustSize();
        const int width = label->width() * kTwipsPerPixel;
        const float left =
            i == 0 ? random.rnd() * kFirstItemRange : static_cast<float>(kItemRange - width) * random.rnd();
        m_itemLeft[i] = static_cast<int>(std::lround(left));
        setColour(label, QPalette::WindowText, lightColour(static_cast<int>(std::floor(random.rnd() * 6))));
        heights[i] = label->height() * kTwipsPerPixel;
    }
    m_items.start(m_gameAnswers, heights);
    for (int i = 0; i < kItemCount; ++i) {
        placeItem(i);
        m_lblwenzhi[i]->show();
    }

    m_lblMark->setText(kScoreZero.toString());
    Module1::ActivateEnglishLayout();
    m_label6->hide();
    m_timer1->start();
    m_timer2->start();
    m_picture1->setBackground(kGameField);
    m_timer3->start();
    m_text1->clear();
    m_text1->setFocus();
}

void frmplay::placeItem(int i)
{
    m_lblwenzhi[i]->move(toPixels(m_itemLeft[i]), toPixels(m_items.top(i)));
}

void frmplay::Timer1_Timer()
{
    const QList<int> lost = m_items.fall();
    for (int i = 0; i < kItemCount; ++i)
        placeItem(i);
    for (int i : lost)
        m_lblwenzhi[i]->hide();
    if (!lost.isEmpty() && m_items.isOver())
        gameOver();
}

void frmplay::Text1_KeyDown(int KeyCode, int /*Shift*/)
{
    if (isSubmitKey(KeyCode)) {
        const int hit = m_items.hit(m_text1->text());
        if (hit >= 0) {
            m_lblwenzhi[hit]->hide();
            m_lblMark->setText(QString::number(m_items.score()));
            if (m_items.isOver())
                gameOver();
        }
    } else if (KeyCode != int(platform::VK_RETURN)) {
        return;
    }
    m_text1->clear();
    m_text1->setFocus();
}

void frmplay::Text1_KeyUp(int KeyCode, int /*Shift*/)
{
    // The submit key's own character has reached the box by now.
    if (isSubmitKey(KeyCode))
        m_text1->clear();
}

void frmplay::Timer2_Timer()
{
    m_sway = swayStep(m_sway);
    m_label2->move(toPixels(m_sway.left), m_label2->y());
}

void frmplay::Timer3_Timer()
{
    m_picture1->drawStars(m_stars.step(platform::RandomSource::instance()));
}

void frmplay::gameOver()
{
    m_timer1->stop();
    m_timer2->stop();
    m_timer3->stop();
    m_label6->show();
    const int score = m_items.score();
    m_picture1->setBackground(kLightBlue);
    platform::UiService::instance().messageBox(this, gameOverText(score), Module1::gExerciseTitle,
                                               platform::MB_OK | platform::MB_ICONINFORMATION);
}

int frmplay::barValue() const
{
    // The bar runs from its minimum at the top; its value reads from 800 there down to 200.
    return kEasiest + kHardest - m_vScroll1->value();
}

void frmplay::setBarValue(int value)
{
    m_vScroll1->setValue(kEasiest + kHardest - value);
}

void frmplay::VScroll1_Change()
{
    const int value = barValue();
    m_timer1->setInterval(value);
    m_timer2->setInterval(swayIntervalFor(value));
    m_text1->setFocus();
}

void frmplay::CmdEnd_Click()
{
    close();
}

void frmplay::CloseGame()
{
    close();
}

bool frmplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text1) {
        if (const auto key = handlerKey(*event)) {
            if (key->down)
                Text1_KeyDown(key->keyCode, key->shift);
            else
                Text1_KeyUp(key->keyCode, key->shift);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace exercises
