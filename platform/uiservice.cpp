#include "platform/uiservice.h"

#include "platform/modalowner.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPushButton>

namespace platform {
namespace {

UiService* installedService = nullptr;

QMessageBox::StandardButton standardButtonFor(int result)
{
    switch (result) {
    case IDOK:
        return QMessageBox::Ok;
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

// The real service: Qt's own dialogs, run modally on the GUI thread.
class QtUiService : public UiService
{
public:
    int messageBox(QWidget* parent, const QString& text, const QString& title, UINT flags) override
    {
        QMessageBox box(messageBoxIcon(flags), title, text, QMessageBox::NoButton, parent);
        presentOverOwner(&box);
        QList<std::pair<QAbstractButton*, int>> results;
        for (int id : messageBoxButtons(flags))
            results.append({box.addButton(standardButtonFor(id)), id});
        box.setDefaultButton(standardButtonFor(messageBoxDefaultResult(flags)));
        const std::optional<int> onEscape = messageBoxEscapeResult(flags);
        if (onEscape)
            box.setEscapeButton(box.button(standardButtonFor(*onEscape)));
        box.exec();
        for (const auto& [button, id] : results) {
            if (box.clickedButton() == button)
                return id;
        }
        // Closed without a button (possible only where Esc is allowed).
        return onEscape.value_or(messageBoxDefaultResult(flags));
    }

    std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                    const QString& defaultText) override
    {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        const QColor color = QColorDialog::getColor(initial, parent);
        if (!color.isValid())
            return std::nullopt;
        return color;
    }

    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        return font;
    }

    int execModal(QDialog* dialog) override
    {
        presentOverOwner(dialog);
        return dialog->exec();
    }

private:
    // A box whose caller named no owner belongs to the window the user is in.
    static void presentOverOwner(QWidget* box)
    {
        if (!modalOwner(box))
            setModalOwner(box);
        raiseWhenShown(box);
    }
};

} // namespace

QList<int> messageBoxButtons(UINT flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int messageBoxDefaultResult(UINT flags)
{
    const QList<int> buttons = messageBoxButtons(flags);
    const qsizetype index = (flags & MB_DEFMASK) >> 8;
    // A default button beyond the last one falls back to the first, as Windows does.
    return index < buttons.size() ? buttons.at(index) : buttons.first();
}

std::optional<int> messageBoxEscapeResult(UINT flags)
{
    const QList<int> buttons = messageBoxButtons(flags);
    if (buttons.contains(IDCANCEL))
        return IDCANCEL;
    if (buttons == QList<int>{IDOK})
        return IDOK;
    return std::nullopt;
}

QMessageBox::Icon messageBoxIcon(UINT flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

UiService& UiService::instance()
{
    static QtUiService realService;
    return installedService ? *installedService : realService;
}

void UiService::setInstance(UiService* service)
{
    installedService = service;
}

} // namespace platform
