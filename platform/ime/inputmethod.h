// The built-in digit-code input method on the Qt side: an application-wide event filter that is
// on while its keyboard layout is the active one.
#pragma once

#include "platform/ime/candidatepopup.h"
#include "platform/ime/codetable.h"
#include "platform/ime/composer.h"
#include "platform/keyboard.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <optional>

class QKeyEvent;
class QWidget;

namespace platform {
class ImeMessageTarget;
}

namespace platform::ime {

class InputMethod : public QObject
{
    Q_OBJECT
public:
    // Creates the input method once per process (later calls return the same one) and installs it
    // on the application. Needs a QApplication.
    static InputMethod& install();
    // The installed input method, or nullptr.
    static InputMethod* instance();

    // Its layout is the active one and its files are loaded.
    bool isOn() const { return m_on; }
    // The digits typed so far; during the open-candidate notification, the digits of the commit.
    QByteArray composition() const;
    // The popup while it exists (it is made on the first composition).
    const CandidatePopup* popup() const { return m_popup; }

    // Forgets the loaded files and any failure reported; when the layout is active, reads the files
    // again now (reporting a failure again), otherwise when the layout is next switched on.
    void reloadFiles();

signals:
    void compositionChanged(const QByteArray& composition);
    // Just before a commit, with the digits typed for it.
    void candidateListOpened(const QByteArray& composition);
    void committed(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputMethod();
    ~InputMethod() override;

    void onLayoutChanged(const QByteArray& layoutId);
    bool ensureFilesLoaded();
    bool handleKey(QWidget* widget, QKeyEvent* event);
    // The layout Ctrl+Space asks for (US English or the input method's), 0 when there is none.
    HKL otherLayout() const;
    bool requestLayoutChange(QWidget* widget);
    void deliver(QWidget* widget, const Commit& commit);
    void dropComposition();
    void showComposition();

    bool m_imeLayoutActive = false;
    bool m_on = false;
    bool m_loadFailed = false;
    std::optional<CodeTable> m_table;
    Composer m_composer;
    QPointer<QWidget> m_widget;
    QPointer<CandidatePopup> m_popup;
    std::optional<QByteArray> m_notifiedComposition;
};

// Whether the input method serves a widget: it takes input-method text, or it (or, for a widget that
// takes no input-method text, an ancestor in its window) implements ImeMessageTarget.
bool takesImeText(const QWidget* widget);
// The widget that receives the input method's messages for a focus widget, or nullptr.
ImeMessageTarget* messageTarget(QWidget* widget);

} // namespace platform::ime
