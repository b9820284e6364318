#include "exercises/pagedraw.h"

#include "platform/clock.h"
#include "shell/module1.h"

#include <cmath>

namespace exercises {

std::optional<QList<std::int32_t>> drawPage(int recordCount, int pageSize, platform::RandomSource& random,
                                            QSet<std::int32_t>& refused,
                                            const std::function<bool(std::int32_t position)>& accept)
{
    const int positions = recordCount - 1;
    // Checked before every draw, so that the loop below always has a position left to find.
    const auto tooFew = [&] { return positions - refused.size() < pageSize; };
    if (pageSize <= 0 || tooFew())
        return std::nullopt;

    QList<std::int32_t> page(pageSize);
    for (int k = 0; k < pageSize; ++k) {
        for (;;) {
            const auto r = static_cast<std::int32_t>(std::floor(double(random.rnd()) * positions));
            if (Module1::IsInArray(r, k, page.data()) || refused.contains(r))
                continue;
            if (accept(r)) {
                page[k] = r;
                break;
            }
            refused.insert(r);
            if (tooFew())
                return std::nullopt;
        }
    }
    return page;
}

} // namespace exercises
