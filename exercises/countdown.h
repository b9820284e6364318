// The drills' run clock: minutes and seconds counted down one step a second.
#pragma once

#include <QString>

namespace exercises {

class Countdown
{
public:
    void start(int minutes);
    // One step; true when the clock has reached 00:00.
    bool step();

    // Whether at least one step has passed since the start.
    bool hasStepped() const { return m_minutesLeft != m_startMinutes || m_secondsLeft != 0; }
    // "mm:ss".
    QString text() const;

    // The time that has run, in minutes, reckoned from the time the user entered (which may hold a
    // fraction, so that a run of ".9" minutes reads 0.9 at 00:00). In the first seconds of such a run
    // that reckoning comes out at zero or below; the time counted down so far stands in for it then.
    double elapsedMinutes(double enteredMinutes) const;

private:
    int m_startMinutes = 0;
    int m_minutesLeft = 0;
    int m_secondsLeft = 0;
};

} // namespace exercises
