#include "exercises/timebox.h"

#include "shell/vbformat.h"

#include <QEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace exercises {
namespace {

bool isTimeCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == QChar(0x08);
}

class TimeKeyFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            // Delete types no character where the drills come from, though this platform gives it one.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
                return false;
            const QString text = key->text();
            if (!text.isEmpty() && !std::all_of(text.begin(), text.end(), isTimeCharacter))
                return true;
        } else if (event->type() == QEvent::InputMethod) {
            auto* input = static_cast<QInputMethodEvent*>(event);
            const QString text = input->commitString();
            if (!std::all_of(text.begin(), text.end(), isTimeCharacter))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void TimeEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit entered();
}

void TimeEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit left();
}

std::optional<int> minutesFromText(const QString& text)
{
    const std::optional<std::int16_t> minutes = shell::vb::cint(shell::vb::val(text));
    if (!minutes)
        return std::nullopt;
    return *minutes;
}

bool isValidMinutes(std::optional<int> minutes)
{
    return minutes && *minutes >= kMinMinutes && *minutes <= kMaxMinutes;
}

void restrictToTimeKeys(QLineEdit* box)
{
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(new TimeKeyFilter(box));
}

UpDownControl::UpDownControl(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_minimum(minimum), m_maximum(maximum),
      m_value(std::clamp(minutesFromText(buddy->text()).value_or(minimum), minimum, maximum))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto& [arrow, steps] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        button->setFixedWidth(18);
        connect(button, &QToolButton::clicked, this, [this, steps = steps] { stepBy(steps); });
        layout->addWidget(button);
    }
}

void UpDownControl::stepBy(int steps)
{
    // Start from the box's number as it stands; a text that is no number leaves the last position.
    const std::optional<int> typed = minutesFromText(m_buddy->text());
    if (typed && !m_buddy->text().trimmed().isEmpty())
        m_value = *typed;
    m_value = std::clamp(m_value + steps, m_minimum, m_maximum);
    m_buddy->setText(QString::number(m_value));
}

} // namespace exercises
