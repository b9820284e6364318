#include "tests/support/scripteduiservice.h"

#include "platform/modalowner.h"

#include <QDialog>

namespace testsupport {

QStringList ScriptedUiService::messageTexts() const
{
    QStringList texts;
    for (const MessageBoxCall& call : m_messageBoxes)
        texts << call.text;
    return texts;
}

void ScriptedUiService::clearRecords()
{
    m_messageBoxes.clear();
    m_inputPrompts.clear();
    m_fileDialogs.clear();
    m_colorDialogs = 0;
    m_fontDialogs = 0;
    m_modalWindows.clear();
}

int ScriptedUiService::messageBox(QWidget*, const QString& text, const QString& title, platform::UINT flags)
{
    m_messageBoxes.append({text, title, flags});
    if (!m_messageBoxAnswers.isEmpty())
        return m_messageBoxAnswers.dequeue();
    return m_defaultMessageBoxAnswer.value_or(platform::messageBoxDefaultResult(flags));
}

std::optional<QString> ScriptedUiService::inputBox(QWidget*, const QString& prompt, const QString&,
                                                   const QString& defaultText)
{
    m_inputPrompts.append(prompt);
    if (!m_inputAnswers.isEmpty())
        return m_inputAnswers.dequeue();
    return defaultText;
}

QString ScriptedUiService::nextFileName(FileDialogCall call)
{
    m_fileDialogs.append(std::move(call));
    return m_fileAnswers.isEmpty() ? QString() : m_fileAnswers.dequeue();
}

QString ScriptedUiService::openFileName(QWidget*, const QString& caption, const QString& folder,
                                        const QString& filter)
{
    return nextFileName({false, caption, folder, filter});
}

QString ScriptedUiService::saveFileName(QWidget*, const QString& caption, const QString& folder,
                                        const QString& filter)
{
    return nextFileName({true, caption, folder, filter});
}

std::optional<QColor> ScriptedUiService::chooseColor(QWidget*, const QColor&)
{
    ++m_colorDialogs;
    return m_colorAnswers.isEmpty() ? std::nullopt : m_colorAnswers.dequeue();
}

std::optional<QFont> ScriptedUiService::chooseFont(QWidget*, const QFont&)
{
    ++m_fontDialogs;
    return m_fontAnswers.isEmpty() ? std::nullopt : m_fontAnswers.dequeue();
}

int ScriptedUiService::execModal(QDialog* dialog)
{
    m_modalWindows.append({dialog->objectName(), dialog->windowTitle(), platform::modalOwner(dialog)});
    const int result = m_modalHandler ? m_modalHandler(dialog) : int(QDialog::Accepted);
    dialog->setResult(result);
    return result;
}

} // namespace testsupport
