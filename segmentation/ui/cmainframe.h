// The practice program's main frame: menu, toolbar, status bar and accelerators. Every command is an
// action that keeps its numeric id; triggering it routes the id view, document, frame, application,
// and the update rules set each action's enabled and check state.
#pragma once

#include "segmentation/core/commandrouter.h"

#include <QMainWindow>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    // Builds the menu, toolbar 128 and the status bar with its three panes; −1 when the toolbar's
    // picture strip cannot be loaded (the start-up then ends), else 0. Call it once, before showing.
    int OnCreate();

    // Where the view, document and application attach their handlers and update rules.
    segmentation::CommandRouter& commands() { return m_commands; }
    // The action of a command id; nullptr for an id the program does not know.
    QAction* action(int id) const;
    // Sets every action's state from the update rules. Runs whenever the event loop falls idle, before
    // a menu opens and after each command.
    void updateCommandStates();

    // ID_FILE_NEW and ID_UPGRADE_CUSTOM_BOOK: the code-book and custom-book upgrade dialogs, modally.
    void OnUpgradeCodeBook();
    void OnUpgradeCustomCodeBook();

    // ID_FONT_SETTING: the font dialog over the fourteen font settings, which are written back
    // whether the dialog ends with OK or not.
    void OnFontSetting();

    // The caption is the document title, " - " and the frame title (only the frame title while the
    // document has none).
    void setDocumentTitle(const QString& title);

    // Status-bar panes, counted as the indicators: 0 the message pane, then the clock, then the maker.
    int commandToIndex(int indicatorId) const; // −1 for an indicator the bar does not show
    void setPaneText(int index, const QString& text);
    QString paneText(int index) const;

protected:
    // Menu and toolbar prompts go to the message pane; when they end it says the idle text again.
    bool event(QEvent* event) override;
    // The frame offers no menu of its bars: the Settings menu shows and hides them.
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void createActions();
    void createMenus();
    bool createToolBar();
    void createStatusBar();
    void attachFrameCommands();

    segmentation::CommandRouter m_commands;
    std::map<int, QAction*> m_actions;
    QToolBar* m_toolBar = nullptr;
    std::vector<QLabel*> m_panes;
};
