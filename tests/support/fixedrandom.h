// A RandomSource for tests: rnd() returns a scripted sequence, then cycles or returns a fallback.
#pragma once

#include "platform/clock.h"

#include <QList>

namespace testsupport {

class FixedRandom : public platform::RandomSource
{
public:
    // The values rnd() returns in turn, each in [0, 1); starts the sequence again.
    void setValues(const QList<float>& values);
    // After the last value: start again (the default) or return the fallback from then on.
    void setCycling(bool cycling) { m_cycling = cycling; }
    void setFallback(float value)
    {
        m_fallback = value;
        m_cycling = false;
    }

    int calls() const { return m_calls; }
    const QList<std::uint32_t>& seeds() const { return m_seeds; }

    void randomize(std::uint32_t seed) override { m_seeds.append(seed); }
    float rnd() override;

private:
    QList<float> m_values;
    qsizetype m_next = 0;
    bool m_cycling = true;
    float m_fallback = 0.0f;
    int m_calls = 0;
    QList<std::uint32_t> m_seeds;
};

} // namespace testsupport
