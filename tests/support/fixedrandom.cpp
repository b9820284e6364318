#include "tests/support/fixedrandom.h"

namespace testsupport {

void FixedRandom::setValues(const QList<float>& values)
{
    m_values = values;
    m_next = 0;
}

float FixedRandom::rnd()
{
    ++m_calls;
    if (m_next >= m_values.size()) {
        if (!m_cycling || m_values.isEmpty())
            return m_fallback;
        m_next = 0;
    }
    return m_values.at(m_next++);
}

} // namespace testsupport
