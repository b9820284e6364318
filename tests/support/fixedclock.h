// A Clock for tests: tick count and date-time stay where the test puts them.
#pragma once

#include "platform/clock.h"

namespace testsupport {

class FixedClock : public platform::Clock
{
public:
    void setTickCount(std::uint32_t ticks) { m_ticks = ticks; }
    void setNow(const QDateTime& now) { m_now = now; }
    // Moves both the tick count and the date-time on.
    void advance(std::uint32_t milliseconds)
    {
        m_ticks += milliseconds;
        m_now = m_now.addMSecs(milliseconds);
    }

    std::uint32_t tickCount() const override { return m_ticks; }
    QDateTime now() const override { return m_now; }
    QDateTime utcNow() const override { return m_now.toUTC(); }

private:
    std::uint32_t m_ticks = 1000000;
    QDateTime m_now{QDate(2002, 3, 4), QTime(10, 30, 0)};
};

} // namespace testsupport
