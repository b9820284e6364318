// The drills' time box: the minutes the user enters, the keys it takes, and its spin control.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <optional>

class QToolButton;

namespace exercises {

inline constexpr int kMinMinutes = 1;
inline constexpr int kMaxMinutes = 60;
inline constexpr int kDefaultMinutes = 10;

// The number at the start of the text, rounded with halves to the even neighbour; nothing when it
// does not fit into 16 bits.
std::optional<int> minutesFromText(const QString& text);
bool isValidMinutes(std::optional<int> minutes);

// The time box: tells when the user enters and leaves it (not when the window merely loses
// activation).
class TimeEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void entered();
    void left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Lets only the digits, "." and Backspace reach the box as typed characters (keys that type
// nothing, such as the arrows and Tab, pass), and keeps the input method away from it.
void restrictToTimeKeys(QLineEdit* box);

// A spin control bound to a text box: its arrows step the box's number within a range.
class UpDownControl : public QWidget
{
    Q_OBJECT
public:
    UpDownControl(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }
    void stepBy(int steps);

private:
    QLineEdit* m_buddy;
    int m_minimum;
    int m_maximum;
    int m_value;
};

} // namespace exercises
