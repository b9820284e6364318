// The falling-codes game: fifty items from the game's code book fall down the play field; the user
// types an item's code into the answer box and submits it to score. Stars drift behind the items,
// a hint sways beside the answer box and a difficulty bar sets the speed. The exercise title chooses
// whether the items show their codes or their characters.
#pragma once

#include "exercises/exercisedialog.h"
#include "exercises/fallingitems.h"
#include "exercises/gamerules.h"
#include "exercises/starfield.h"

#include <QList>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QScrollBar;
class QTimer;

namespace platform::dao {
class Recordset;
}

namespace exercises {

class PlayField;

class frmplay : public ExerciseDialog
{
    Q_OBJECT
public:
    // Reads gExerciseTitle, so the title must be set first.
    explicit frmplay(QWidget* parent = nullptr);
    ~frmplay() override;

    // Event handlers, under the names the rest of the program knows them by.
    void CmdStart_Click();
    void Timer1_Timer();
    void Text1_KeyDown(int KeyCode, int Shift);
    void Text1_KeyUp(int KeyCode, int Shift);
    void Timer2_Timer();
    void Timer3_Timer();
    void VScroll1_Change();
    void CmdEnd_Click();
    void CloseGame();

    // Game state, for tests and the status of the window.
    const game::FallingItems& items() const { return m_items; }
    const game::StarField& stars() const { return m_stars; }
    int hintLeft() const { return m_sway.left; }
    // The difficulty bar's value: the fall interval it sets, 800 at its top to 200 at its bottom.
    int barValue() const;
    void setBarValue(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildSidePanel();
    void Form_Load();
    bool Form_Unload() override;
    bool deal();
    void placeItem(int i);
    void gameOver();

    game::GameMode m_mode;
    std::unique_ptr<platform::dao::Recordset> m_gameRs;
    int m_gameRecordCount = 0;
    std::array<QString, game::kItemCount> m_gameTexts;
    std::array<QString, game::kItemCount> m_gameAnswers;
    std::array<int, game::kItemCount> m_itemLeft{};
    game::FallingItems m_items;
    game::StarField m_stars;
    game::Sway m_sway;
    bool m_subclassed = false;

    PlayField* m_picture1 = nullptr;
    std::array<QLabel*, game::kItemCount> m_lblwenzhi{};
    QLabel* m_label6 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLabel* m_lblMark = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;
};

} // namespace exercises
