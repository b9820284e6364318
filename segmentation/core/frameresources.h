// The practice program's frame resources: command ids, the command table with its menu texts and
// prompts, menu 128, toolbar 128, accelerator table 128 and the strings of the frame.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <vector>

namespace segmentation {

// Commands (the framework's ids keep their framework values).
inline constexpr int ID_IMPORT_DATA = 32771;
inline constexpr int ID_TEST_START = 32772;
inline constexpr int ID_TEST_END = 32773;
inline constexpr int ID_OPTIONS = 32774;
inline constexpr int ID_DELETE_ARTICLE = 32776;
inline constexpr int ID_HELP_CONTENTS = 32779;
inline constexpr int ID_OPEN_SAMPLE = 32781;
inline constexpr int ID_FONT_SETTING = 32782;
inline constexpr int ID_UPGRADE_CUSTOM_BOOK = 32783;
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// A separator in the menu and toolbar lists; the message pane in the status-bar indicators.
inline constexpr int ID_SEPARATOR = 0;
// Status-bar indicators.
inline constexpr int ID_INDICATOR_MAKER = 103;
inline constexpr int ID_INDICATOR_CLOCK = 104;

struct CommandInfo
{
    int id = 0;
    QString name;    // the id's name, "ID_FILE_OPEN"
    QString caption; // menu item text, "\t" before the accelerator text; empty: no menu item
    QString prompt;  // status-bar text, "\n", tooltip; empty: none

    QString statusText() const; // the prompt up to its "\n"
    QString toolTip() const;    // the prompt after its "\n"
};

// Every command of the program, menu items first in menu order.
const std::vector<CommandInfo>& commandTable();
// nullptr for an id the program does not know.
const CommandInfo* findCommand(int id);

struct MenuInfo
{
    QString title;
    std::vector<int> items; // command ids, ID_SEPARATOR for a separator
};

// Menu 128, left to right.
const std::vector<MenuInfo>& mainMenu();
// Toolbar 128, ID_SEPARATOR for a gap; the n-th button shows the n-th picture of the toolbar strip.
const std::vector<int>& toolbarButtons();

struct Accelerator
{
    QKeyCombination key;
    int id = 0;
};

// Accelerator table 128: the only keys that send commands.
const std::vector<Accelerator>& accelerators();

// Status-bar indicators, left to right: the message pane, the clock, the maker.
const std::vector<int>& statusIndicators();

// The string table's frame entries.
QString documentTemplateString(); // 128: the frame title is its first field
QString frameTitle();
QString applicationTitle();             // 57344: the caption of the program's message boxes
QString idleMessage();                  // 57345: the message pane's text while nothing else is said
QString indicatorText(int indicatorId); // 104: blanks that size the clock pane; 103: the maker's line

} // namespace segmentation
