// A UiService for tests: records every modal interaction and answers from queues; it never blocks.
#pragma once

#include "platform/uiservice.h"

#include <QList>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace testsupport {

class ScriptedUiService : public platform::UiService
{
public:
    struct MessageBoxCall
    {
        QString text;
        QString title;
        platform::UINT flags = 0;
    };
    struct FileDialogCall
    {
        bool save = false;
        QString caption;
        QString folder;
        QString filter;
    };
    struct ModalCall
    {
        QString objectName;
        QString windowTitle;
        QPointer<QWidget> owner; // the window the box was a transient for when shown
    };
    using ModalHandler = std::function<int(QDialog*)>;

    // Message boxes take queued answers first, then the default answer; without one, the box's
    // default button (what Enter would press).
    void queueMessageBoxAnswer(int answer) { m_messageBoxAnswers.enqueue(answer); }
    void setDefaultMessageBoxAnswer(std::optional<int> answer) { m_defaultMessageBoxAnswer = answer; }
    // Input boxes: queued answers (nullopt = Cancel); when none is queued, OK on the offered text.
    void queueInputBoxAnswer(std::optional<QString> answer) { m_inputAnswers.enqueue(std::move(answer)); }
    // File dialogs (open and save share one queue): queued paths; when none, cancelled (empty).
    void queueFileName(const QString& path) { m_fileAnswers.enqueue(path); }
    // Colour and font dialogs: queued choices; when none, cancelled.
    void queueColor(std::optional<QColor> color) { m_colorAnswers.enqueue(color); }
    void queueFont(std::optional<QFont> font) { m_fontAnswers.enqueue(font); }
    // Modal windows: the handler runs instead of exec(); without one the dialog is accepted unseen.
    void setModalHandler(ModalHandler handler) { m_modalHandler = std::move(handler); }

    const QList<MessageBoxCall>& messageBoxes() const { return m_messageBoxes; }
    QStringList messageTexts() const;
    const QStringList& inputPrompts() const { return m_inputPrompts; }
    const QList<FileDialogCall>& fileDialogs() const { return m_fileDialogs; }
    int colorDialogCount() const { return m_colorDialogs; }
    int fontDialogCount() const { return m_fontDialogs; }
    const QList<ModalCall>& modalWindows() const { return m_modalWindows; }
    // Forgets what was recorded (not the queued answers).
    void clearRecords();

    int messageBox(QWidget* parent, const QString& text, const QString& title, platform::UINT flags) override;
    std::optional<QString> inputBox(QWidget* parent, const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filter) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    int execModal(QDialog* dialog) override;

private:
    QString nextFileName(FileDialogCall call);

    QQueue<int> m_messageBoxAnswers;
    std::optional<int> m_defaultMessageBoxAnswer;
    QQueue<std::optional<QString>> m_inputAnswers;
    QQueue<QString> m_fileAnswers;
    QQueue<std::optional<QColor>> m_colorAnswers;
    QQueue<std::optional<QFont>> m_fontAnswers;
    ModalHandler m_modalHandler;

    QList<MessageBoxCall> m_messageBoxes;
    QStringList m_inputPrompts;
    QList<FileDialogCall> m_fileDialogs;
    int m_colorDialogs = 0;
    int m_fontDialogs = 0;
    QList<ModalCall> m_modalWindows;
};

} // namespace testsupport
