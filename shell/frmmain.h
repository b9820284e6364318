// The main menu window: the four picture buttons, the three groups of exercise icons, the menus, the
// status bar, help, and the exit sequence.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QSize>
#include <functional>
#include <optional>

class QLabel;
class QMenu;
class QTimer;
class QWidget;

class frmmain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmmain(QWidget* parent = nullptr);
    ~frmmain() override;

    // Event handlers, callable as the events would call them.
    void ImgPad_Click();
    void ImgTrain_Click();
    void ImgTest_Click();
    void ImgExit_Click();
    void FileMenuExit_Click();
    void TalvorenTestMenu_Click(int index);
    void help_Click();
    void Form_Unload(bool& cancel);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What opening one exercise takes: its window, the title it gets, and whether the sound and
    // NumLock come first.
    struct Opening
    {
        QString window;
        std::optional<QString> title;
        bool sound = false;
        bool numLock = false;
    };
    struct GroupItem
    {
        QLabel* icon = nullptr;
        QLabel* label = nullptr;
        Opening opening;
    };
    // One picture button of the left panel with its caption below it; positions in twips.
    struct PictureButton
    {
        QString name;
        int top = 0;
        QString normalPicture;
        QString pressedPicture;
        QString labelName;
        int labelTop = 0;
        QString caption;
        QString hint;
        void (frmmain::*click)() = nullptr;
        QLabel* image = nullptr;
    };

    void Form_Load();
    void ResetButtons();
    void HideMenuIcons();
    void LayoutMenuIcons();
    void IndentMenuLabels();

    void buildPanels();
    void buildPictureButton(QWidget* panel, PictureButton& button);
    void buildGroups();
    QList<GroupItem> buildGroup(const QString& iconName, const QString& labelName, int count);
    void buildMenus();
    void buildStatusBar();
    void pressButton(int index);
    void showGroup(const QList<GroupItem>& group);
    void openExercise(const Opening& opening);
    void setHint(const QString& hint);
    void updateClock();

    QString ProgramFolder;
    QString m_helpFile;
    QSize m_formSize;
    QList<PictureButton> m_buttons;
    QList<GroupItem> m_padGroup;
    QList<GroupItem> m_trainGroup;
    QList<GroupItem> m_testGroup;
    QWidget* m_picture2 = nullptr;
    QMenu* m_trainMenu = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QTimer* m_clockTimer = nullptr;
};
