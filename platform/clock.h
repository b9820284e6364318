// Time and chance, behind one seam each so tests can fix them.
#pragma once

#include <QDateTime>
#include <cstdint>

namespace platform {

class Clock
{
public:
    virtual ~Clock() = default;
    static Clock& instance();
    static void setInstance(Clock* clock); // not owned; nullptr restores the system clock

    virtual std::uint32_t tickCount() const; // GetTickCount: milliseconds, wrapping at 2^32
    virtual QDateTime now() const;           // local time
    virtual QDateTime utcNow() const;        // GetSystemTime
};

// VB's Randomize and Rnd.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    static RandomSource& instance();
    static void setInstance(RandomSource* source); // not owned; nullptr restores the real source

    virtual void randomize(std::uint32_t seed);
    virtual float rnd(); // uniform in [0, 1)

private:
    std::uint64_t m_state = 0x853c49e6748fea9bULL;
};

// VB's Randomize without an argument: seeds the random source from the time of day.
void randomizeFromClock();

} // namespace platform
