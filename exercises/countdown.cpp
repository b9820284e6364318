#include "exercises/countdown.h"

#include "shell/vbformat.h"

namespace exercises {

void Countdown::start(int minutes)
{
    m_startMinutes = minutes;
    m_minutesLeft = minutes;
    m_secondsLeft = 0;
}

bool Countdown::step()
{
    if (m_secondsLeft == 0) {
        m_secondsLeft = 60;
        --m_minutesLeft;
    }
    --m_secondsLeft;
    return m_minutesLeft == 0 && m_secondsLeft == 0;
}

QString Countdown::text() const
{
    return shell::vb::formatTwoDigits(m_minutesLeft) + u':' + shell::vb::formatTwoDigits(m_secondsLeft);
}

double Countdown::elapsedMinutes(double enteredMinutes) const
{
    const double reckoned = enteredMinutes - m_minutesLeft - 1 + (60 - m_secondsLeft) / 60.0;
    if (reckoned > 0)
        return reckoned;
    return (m_startMinutes * 60 - (m_minutesLeft * 60 + m_secondsLeft)) / 60.0;
}

} // namespace exercises
