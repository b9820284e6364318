// The physical keyboard's lock state, where the windowing system reports it.
#pragma once

#include <optional>

namespace platform {

// Whether the keyboard's NumLock is on; nothing where the platform does not say (offscreen, or a
// display without the keyboard extension). Needs a QGuiApplication.
std::optional<bool> physicalNumLock();

} // namespace platform
