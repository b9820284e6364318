#include "exercises/frmkeypad1.h"

#include "exercises/drilltexts.h"
#include "exercises/keyhandlers.h"
#include "exercises/keypadrules.h"
#include "exercises/keypadtexts.h"
#include "exercises/timebox.h"
#include "platform/clock.h"
#include "platform/dao.h"
#include "platform/resources.h"
#include "platform/screenplacement.h"
#include "platform/sound.h"
#include "platform/uiservice.h"
#include "shell/module1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace exercises {
namespace {

using namespace keypadtexts;
using keypad::KeyAction;

} // namespace

frmkeypad1::frmkeypad1(QWidget* parent) : ExerciseDialog(parent)
{
    setObjectName(QStringLiteral("frmkeypad1"));
    buildWindow();
    Form_Load();
}

frmkeypad1::~frmkeypad1() = default;

bool frmkeypad1::groupRunning() const
{
    return !m_text2->isHidden();
}

void frmkeypad1::Form_Load()
{
    platform::centreOnScreen(this);
    ResetKeypadPictures();
    setCaps(QString());
    setWindowIcon(platform::resources::icon(101));
    try {
        m_keypadRs = openCountedTable(QStringLiteral("skeyboard"), m_keypadRecordCount);
    } catch (const platform::dao::DaoError& error) {
        failLoad(error, kKeypadTitle.toString());
    }
}

bool frmkeypad1::Form_Unload()
{
    if (m_keypadRs)
        m_keypadRs->Close();
    m_keypadRs.reset();
    return true;
}

void frmkeypad1::Text1_GotFocus()
{
    m_text1->selectAll();
}

void frmkeypad1::Text1_LostFocus()
{
    if (keypad::groupSize(m_text1->text()))
        return;
    platform::UiService::instance().messageBox(this, kGroupSizeMessage.toString(), kKeypadTitle.toString(),
                                               platform::MB_OK);
    m_text1->setText(kDefaultGroupSizeText.toString());
    m_text1->setFocus();
}

void frmkeypad1::Command1_Click()
{
    // A size the box's own check has not seen yet (the box still has the focus) is checked now, and
    // the group waits for a size that passes.
    const std::optional<int> size = keypad::groupSize(m_text1->text());
    if (!size) {
        Text1_LostFocus();
        return;
    }
    m_frame2->hide();
    m_text2->show();
    m_text2->setFocus();
    m_label1->hide();
    m_text1->hide();
    m_upDown1->hide();

    m_startTick = platform::Clock::instance().tickCount();
    m_keypadItemIndex = 0;
    m_keyTotal = 0;
    m_keypadItems = QStringList(*size, QString());
    m_keypadAnswers = QStringList(*size, QString());

    platform::randomizeFromClock();
    try {
        for (int i = 0; i < groupSize(); ++i) {
            const int position =
                keypad::drawPosition(platform::RandomSource::instance().rnd(), m_keypadRecordCount);
            m_keypadRs->MoveFirst();
            m_keypadRs->Move(position);
            m_keypadItems[i] = m_keypadRs->text(QStringLiteral("bianma"));
        }
    } catch (const platform::dao::DaoError& error) {
        // A table damaged since the window opened: no group, the size box back in view.
        tellDatabaseFailure(error, kKeypadTitle.toString());
        m_text2->hide();
        m_label1->show();
        m_text1->show();
        m_upDown1->show();
        m_frame2->show();
        return;
    }
    Module1::ActivateEnglishLayout();
    ShowKeypadItem(0);
}

void frmkeypad1::ShowKeypadItem(int i)
{
    m_text2->clear();
    m_panels[1]->setText(keypad::progressText(m_text1->text(), i));
    setCaps(m_keypadItems.value(i));
}

void frmkeypad1::setCaps(const QString& code)
{
    const QList<int> caps = keypad::capBitmaps(code);
    for (int p = 0; p < keypad::kCapCount; ++p)
        m_image2[p]->setPixmap(platform::resources::bitmap(caps[p]));
}

void frmkeypad1::ResetKeypadPictures()
{
    for (int key = 0; key < keypad::kOnScreenKeys; ++key)
        m_image1[key]->setPixmap(platform::resources::bitmap(keypad::onScreenKeyBitmap(key, false)));
}

void frmkeypad1::pressKey(int onScreenKey)
{
    if (onScreenKey >= 0)
        m_image1[onScreenKey]->setPixmap(
            platform::resources::bitmap(keypad::onScreenKeyBitmap(onScreenKey, true)));
}

bool frmkeypad1::Text2_KeyDown(int KeyCode, int /*Shift*/)
{
    const QString remembered = m_text2->text();
    const keypad::KeyEffect effect = keypad::keyEffect(KeyCode);
    pressKey(effect.onScreenKey);
    switch (effect.action) {
    case KeyAction::Type:
    case KeyAction::Pass:
        return true;
    case KeyAction::Clear:
        m_text2->clear();
        return true;
    case KeyAction::Submit:
        submit(effect.onScreenKey);
        // The key's own character goes in and is taken out again as the key comes up; a box that
        // the end of the group has hidden takes nothing.
        return groupRunning();
    case KeyAction::Refuse:
        refuseKey(remembered);
        return false;
    }
    return true;
}

void frmkeypad1::submit(int onScreenKey)
{
    if (m_keypadItemIndex >= groupSize())
        return;
    m_keypadAnswers[m_keypadItemIndex] = m_text2->text();
    m_keyTotal += m_text2->text().size();
    ++m_keypadItemIndex;
    if (groupSize() > m_keypadItemIndex) {
        ShowKeypadItem(m_keypadItemIndex);
        m_text2->clear();
        m_text2->setFocus();
        return;
    }
    // The key comes up after the answer box has gone, so its picture is put back here.
    const int key = onScreenKey == keypad::kMultiplyKey ? keypad::kMultiplyKey : keypad::kDivideKey;
    m_image1[key]->setPixmap(platform::resources::bitmap(keypad::onScreenKeyBitmap(key, false)));
    platform::SoundPlayer::instance().playResource(texts::kSoundSound.toString());
    ShowKeypadResults();
}

void frmkeypad1::refuseKey(const QString& remembered)
{
    platform::UiService::instance().messageBox(this, kKeypadOnlyMessage.toString(), kKeypadTitle.toString(),
                                               platform::MB_OK);
    m_text2->setText(remembered);
    m_text2->setCursorPosition(static_cast<int>(remembered.size()));
    m_text2->setFocus();
}

void frmkeypad1::Text2_KeyUp(int KeyCode, int /*Shift*/)
{
    ResetKeypadPictures();
    if (keypad::keyEffect(KeyCode).action == KeyAction::Submit) {
        m_text2->clear();
        m_text2->setFocus();
    }
}

void frmkeypad1::ShowKeypadResults()
{
    const std::uint32_t endTick = platform::Clock::instance().tickCount();
    const int matches = keypad::countMatches(m_keypadItems, m_keypadAnswers);
    const keypad::Figures shown = keypad::figures(matches, groupSize(), m_keyTotal, m_startTick, endTick);
    m_label3->setText(shown.accuracy);
    m_label4->setText(shown.keysPerMinute);
    m_label5->setText(shown.timeUsed);

    m_text2->clear();
    m_text2->hide();
    setCaps(QString());
    m_label1->show();
    m_text1->show();
    m_upDown1->show();
    m_frame2->show();
}

void frmkeypad1::Command2_Click()
{
    if (!groupRunning()) {
        close();
        return;
    }
    const int answer =
        platform::UiService::instance().messageBox(this, kLeaveQuestion.toString(), kKeypadTitle.toString(),
                                                   platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer == platform::IDYES) {
        ShowKeypadResults();
        close();
    } else {
        m_text2->setFocus();
    }
}

bool frmkeypad1::eventFilter(QObject* watched, QEvent* event)
{
    const auto key = watched == m_text2 ? handlerKey(*event) : std::nullopt;
    if (!key)
        return QDialog::eventFilter(watched, event);
    if (!key->down) {
        Text2_KeyUp(key->keyCode, key->shift);
        return false;
    }
    return !Text2_KeyDown(key->keyCode, key->shift);
}

} // namespace exercises
