#include "platform/clock.h"

#include <QElapsedTimer>

namespace platform {
namespace {

Clock* installedClock = nullptr;
RandomSource* installedRandom = nullptr;

} // namespace

Clock& Clock::instance()
{
    static Clock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void Clock::setInstance(Clock* clock)
{
    installedClock = clock;
}

std::uint32_t Clock::tickCount() const
{
    // Milliseconds since the system started, as GetTickCount counts them.
    QElapsedTimer sinceBoot;
    sinceBoot.start();
    return static_cast<std::uint32_t>(sinceBoot.msecsSinceReference());
}

QDateTime Clock::now() const
{
    return QDateTime::currentDateTime();
}

QDateTime Clock::utcNow() const
{
    return QDateTime::currentDateTimeUtc();
}

RandomSource& RandomSource::instance()
{
    static RandomSource realSource;
    return installedRandom ? *installedRandom : realSource;
}

void RandomSource::setInstance(RandomSource* source)
{
    installedRandom = source;
}

void RandomSource::randomize(std::uint32_t seed)
{
    m_state = 0x853c49e6748fea9bULL ^ (static_cast<std::uint64_t>(seed) * 0x9E3779B97F4A7C15ULL);
}

float RandomSource::rnd()
{
    // splitmix64, keeping 24 bits so the float is exact and strictly below 1.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<float>(z >> 40) / static_cast<float>(1u << 24);
}

void randomizeFromClock()
{
    const QTime now = Clock::instance().now().time();
    RandomSource::instance().randomize(static_cast<std::uint32_t>(now.msecsSinceStartOfDay()));
}

} // namespace platform
