// The practice program's view: the article painted in its word colours, and the timed typing test
// typed through the input method, with the animated cursor icon, the clock and the result dialog.
#pragma once

#include "platform/ime/imenotifications.h"
#include "platform/keyboard.h"
#include "segmentation/core/article.h"
#include "segmentation/core/segmentarticle.h"
#include "segmentation/core/settings.h"
#include "segmentation/core/testfigures.h"
#include "segmentation/ui/ctestresultdlg.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QByteArrayView>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QRawFont>
#include <QTime>
#include <QTimer>
#include <array>
#include <memory>

class CCorvelleDoc;
class CMainFrame;
class QPainter;

namespace segmentation {
class BookReader;
class CommandRouter;
struct CommandState;
class CursorGrid;
enum class BookKind;
enum class CursorMove;

// What the test and the save say when no article is loaded.
inline constexpr const char* kNoArticleMessage = "请先打开测试文档!";
} // namespace segmentation

class CCorvelleView : public QAbstractScrollArea, public platform::ImeMessageTarget
{
    Q_OBJECT
public:
    static constexpr int TIMER_CURSOR_ICON = 101; // every 200 ms: the cursor icon and the repaint
    static constexpr int TIMER_CLOCK = 105;       // every second: the clock and the time limit
    static constexpr int kFirstCursorIcon = 133;
    static constexpr int kLastCursorIcon = 136;

    // What the test counts, as the result dialog shows it; the correct characters are judged from
    // the typing status when the test ends.
    struct TestFigures : TestResultFigures
    {
        QTime previousTyped; // UTC time of day of the character typed before
    };

    // Reads the settings (writing the defaults on first run), notes the teacher switch of the command
    // line and, when the input method is to be switched automatically, loads the keyboard layouts.
    CCorvelleView(CCorvelleDoc* document, CMainFrame* frame, const QString& commandLine);
    ~CCorvelleView() override;

    // The view's commands and the enable rules of the commands that a test locks.
    void attachCommands(segmentation::CommandRouter& commands);
    void OnInitialUpdate();
    // The document's article changed.
    void OnUpdate();

    void OnTestStart();
    void OnTestEnd();
    // Saves the article as a practice file under the chosen name + ".sav".
    void OnFileSave();
    // A practice file is saved, and a teacher exports, only an article that no test is typing.
    void OnUpdateFileSave(segmentation::CommandState& state) const;
    void OnUpdateFileSaveAs(segmentation::CommandState& state) const;
    void OnOptions();
    void OnHelpContents();
    void OnKeyDown(platform::UINT nChar);
    void OnTimer(int nIDEvent);
    // The input method's messages; false swallows the message.
    bool WindowProc(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);
    bool imeMessage(platform::UINT msg, platform::WPARAM wParam, platform::LPARAM lParam) override
    {
        return WindowProc(msg, wParam, lParam);
    }

    // What a lookup gives for a book it could not read (after the message), and for a user book whose
    // lengths are out of range.
    static constexpr int kBookUnreadable = -1;
    static constexpr int kBookDamaged = segmentation::kDamagedWordBook;

    // The code book, open from F2 until the hint stands; true when it is open.
    bool OpenCodeBook();
    void CloseCodeBook();
    bool isCodeBookOpen() const { return m_codeBook != nullptr; }
    // The code of the word or character the text begins with, looked at in its first `bytes` bytes; the
    // code book is opened when it is not. The bytes the match covers (2 for a character alone) with its
    // code, the short one where there is one, in hintCode(); 0 when the character has no code;
    // kBookUnreadable when the book cannot be opened or read.
    int LookupCode(QByteArrayView text, int bytes);
    const QByteArray& hintCode() const { return m_hintCode; }
    // One user book at a time: the teacher's or the custom book.
    bool OpenCustomCodeBook(segmentation::BookKind kind);
    void CloseCustomCodeBook();
    // The longest word of the open user book that the text begins with: its bytes, 0 for none,
    // kBookDamaged for a row whose length is negative or over lengthLimit, kBookUnreadable for a book
    // that cannot be read. With codeWanted the matched word and its code are kept (customWord(),
    // customCode()).
    int LookupCustomCode(QByteArrayView text, int bytes, int lengthLimit, bool codeWanted);
    const QByteArray& customWord() const { return m_customWord; }
    const QByteArray& customCode() const { return m_customCode; }
    // F2: the code of the word at the cursor from the books, into the status bar's message pane. The
    // code book is the caller's to open; a code book that is not open is not searched.
    void ShowCodeHint();

    // Mode 1 activates the input method, 0 US English; loads both layouts first when neither is
    // loaded. 1, or 0 when the input method is missing and the program is being ended.
    int SwitchKeyboardLayout(int mode);

    // Paints the article into the part of the client area that clip covers.
    void OnDraw(QPainter& painter, const QRect& clip);

    bool isTesting() const { return m_testing; }
    int cursorPosition() const { return m_cursor; }
    const QByteArray& typingStatus() const { return m_typingStatus; }
    int charactersPerLine() const { return m_perLine; }
    const TestFigures& figures() const { return m_figures; }
    QLabel* cursorIcon() const { return m_cursorIcon; }
    int nextCursorIcon() const { return m_nextIcon; }
    bool isTimerActive(int nIDEvent) const;
    bool teacherFlag() const { return m_teacher; }
    bool partialRedrawPending() const { return m_partialRedraw; }
    bool fullRedrawPending() const { return m_fullRedraw; }
    const segmentation::SettingsValues& settings() const { return m_settings; }
    platform::HKL imeLayout() const { return m_imeLayout; }
    platform::HKL englishLayout() const { return m_englishLayout; }
    const QFont& articleFont() const { return m_articleFont; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override; // OnSize

private:
    void readSettings();
    // With segmentation display off, every word is painted in the first alternate colour.
    void applySegmentationDisplay();
    void loadLayoutsAtConstruction();
    // The input method's layout when its id is known, and US English; a message for each that fails.
    void loadLayouts(const QByteArray& imeLayoutId);
    // The book, or nothing after the message that says why.
    std::unique_ptr<segmentation::BookReader> openBook(segmentation::BookKind kind);
    // Characters per line from the client width and the article font, and the scroll sizes of the
    // article's lines; on every resize (of the viewport too) and article change.
    void updateLayout();
    void setScrollSizes(int totalHeight);
    void applyScrollSizes();
    // The characters under test: the typing status holds a digit for each.
    int testLength() const { return int(m_typingStatus.size()); }
    void moveCursor(segmentation::CursorMove move);
    void scrollLines(int lines);
    void typedCharacter(platform::WPARAM imeChar);
    void createCursorIcon();
    // The cursor icon's background follows the article's.
    void OnCtlColor();
    void destroyCursorIcon();
    QColor colorOf(segmentation::DigitColor color) const;
    // The short-code hint switch as stored now.
    void rereadShortCodeHint();
    // The pattern the words are coloured by: the short-code one while the short-code hint is on.
    const QByteArray& wordPattern() const;
    // The digits the article is painted by: the typing status during a test, else the word pattern.
    const QByteArray& paintDigits() const;
    // The document's article as text and glyphs, decoded once each time the article changes.
    void cacheCharacters();
    // A pair the code page does not map becomes the replacement character, one QChar each.
    void decodeCharacterByCharacter(const QByteArray& article);

    CCorvelleDoc* m_document;
    CMainFrame* m_frame;
    QFont m_articleFont;
    QRawFont m_rawFont;
    int m_cellHeight = 0; // the article font's, measured once: the font never changes
    int m_ascent = 0;
    bool m_teacher = false;
    segmentation::SettingsValues m_settings;

    int m_perLine = 0;
    int m_totalHeight = 0; // the scroll sizes' total height; the total width is always 100
    int m_cursor = 0;
    bool m_testing = false;
    bool m_partialRedraw = false;
    bool m_fullRedraw = false;
    QByteArray m_typingStatus;
    QString m_characters;    // the document's article decoded, one QChar a character
    QList<quint32> m_glyphs; // the article font's glyph of each character, 0 for none
    TestFigures m_figures;

    QPointer<QLabel> m_cursorIcon;
    int m_nextIcon = kFirstCursorIcon;
    std::array<QPixmap, kLastCursorIcon - kFirstCursorIcon + 1> m_iconPixmaps;
    QTimer m_cursorTimer;
    QTimer m_clockTimer;

    platform::HKL m_imeLayout = 0;
    platform::HKL m_englishLayout = 0;

    std::unique_ptr<segmentation::BookReader> m_codeBook;
    std::unique_ptr<segmentation::BookReader> m_customBook;
    int m_maxCiLength = 0; // the code book's longest word in bytes, read when it opens
    QByteArray m_hintCode;
    QByteArray m_customWord;
    QByteArray m_customCode;
};
