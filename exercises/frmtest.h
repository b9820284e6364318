// The article test: a stored article laid out 15 characters to a row, typed through the input method
// and judged character by character under a position indicator while a clock counts up; the check
// shows the figures in the score box. The window also keeps the article store: import and delete.
#pragma once

#include "exercises/exercisedialog.h"

#include <QPixmap>
#include <array>
#include <memory>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;

namespace exercises {

class ArticleSheet;
class ArticleStore;

class frmtest : public ExerciseDialog
{
    Q_OBJECT
public:
    explicit frmtest(QWidget* parent = nullptr);
    ~frmtest() override;

    // Event handlers, under the names the rest of the program knows them by.
    void CmdStart_Click();
    void Text1_Change();
    void Text1_KeyDown(int KeyCode, int Shift);
    void Timer1_Timer();
    void Timer2_Timer();
    void CmdPause_Click();
    void CmdCheck_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll2_Scroll();
    void CmdImport_Click();
    void CmdDelete_Click();
    void CmdExit_Click();

    // Test state, for tests.
    int articlePos() const { return m_articlePos; }
    int articleLength() const { return m_articleLength; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildWindow();
    void buildViewport(QWidget* body);
    void buildButtons(QWidget* body);
    QStatusBar* buildStatusBar();
    void Form_Load();
    bool Form_Unload() override;
    // False when the article could not be read or has no characters; the user has been told.
    bool LayoutArticle(int index);
    void moveIndicator();
    void followIndicator();
    bool running() const;
    void focusAnswerBox();
    int selectedArticle() const;
    void tell(const QString& text, const QString& title, unsigned flags);

    std::unique_ptr<ArticleStore> m_store;
    // Positions are 1-based; the counts of the original's 16-bit integers are 32-bit here, so a long
    // article or a long test never wraps them.
    int m_articlePos = 0;
    int m_articleLength = 0;
    int m_clockMinutes = 0;
    int m_clockSeconds = 0;
    int m_indicatorFrame = 0;
    static constexpr int kIndicatorFrames = 3;
    std::array<QPixmap, kIndicatorFrames> m_indicatorPictures;

    QFrame* m_picture1 = nullptr;
    ArticleSheet* m_picture3 = nullptr;
    QFrame* m_picture2 = nullptr;
    QLabel* m_image1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QScrollBar* m_vScroll2 = nullptr;
    QPushButton* m_cmdPause = nullptr;
    QPushButton* m_cmdCheck = nullptr;
    QListWidget* m_list1 = nullptr;
    QLabel* m_panel2 = nullptr; // the clock
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
};

} // namespace exercises
