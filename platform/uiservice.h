// Every modal interaction goes through here, so tests can script the answers.
#pragma once

#include "platform/wintypes.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace platform {

// MessageBox button and icon flags and results, Windows values.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_ICONSTOP = 0x10; // also MB_ICONHAND, MB_ICONERROR: VB's vbCritical
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30; // also MB_ICONWARNING
inline constexpr UINT MB_ICONINFORMATION = 0x40; // also MB_ICONASTERISK
inline constexpr UINT MB_DEFBUTTON1 = 0x0;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFMASK = 0xF00;
inline constexpr UINT MB_ICONMASK = 0xF0;
inline constexpr UINT MB_TYPEMASK = 0xF;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// What a message box with these flags shows and answers, as Windows does it.
QList<int> messageBoxButtons(UINT flags); // result ids of the buttons, left to right
int messageBoxDefaultResult(UINT flags);  // the button Enter presses (MB_DEFBUTTONn, else the first)
std::optional<int>
messageBoxEscapeResult(UINT flags); // what Esc or the close box gives; none for Yes/No, Abort/Retry/Ignore
QMessageBox::Icon messageBoxIcon(UINT flags);

class UiService
{
public:
    virtual ~UiService() = default;

    // The service in use: the installed one, else the real Qt one.
    static UiService& instance();
    // Not owned; nullptr puts the real service back.
    static void setInstance(UiService* service);

    virtual int messageBox(QWidget* parent, const QString& text, const QString& title, UINT flags) = 0;
    // VB's InputBox: the text entered, or nothing when cancelled.
    virtual std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    // Empty when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    // Shows one of the programs' own windows modally and returns its result (QDialog::exec).
    virtual int execModal(QDialog* dialog) = 0;
};

} // namespace platform
