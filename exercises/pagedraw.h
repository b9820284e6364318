// The drills' page draw: which rows of a lesson make up the next page.
#pragma once

#include <QList>
#include <QSet>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class RandomSource;
}

namespace exercises {

// Draws `pageSize` distinct row positions of a lesson of `recordCount` rows, each as
// Int(Rnd × (recordCount − 1)): positions run from 0 to recordCount − 2, so the last row is never
// drawn. `accept` is asked about each new position in turn (it reads the row, and refuses one that
// lacks what an item needs); refused positions are added to `refused` and never drawn again, on
// this page or a later one. The accepted positions make up the page, in the order accepted.
// Nothing when fewer than `pageSize` positions that are not refused remain: no page can be drawn.
std::optional<QList<std::int32_t>> drawPage(int recordCount, int pageSize, platform::RandomSource& random,
                                            QSet<std::int32_t>& refused,
                                            const std::function<bool(std::int32_t position)>& accept);

} // namespace exercises
