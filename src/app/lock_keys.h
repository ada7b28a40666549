#pragma once

#include <optional>

namespace markwise {

// Whether Caps Lock, Num Lock and Scroll Lock are on, as the keyboard's indicators say.
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;

    bool operator==(const LockKeys&) const = default;
};

// The state from the X server's keyboard extension; none where it cannot be read (another
// platform, offscreen, no XKB), and the status bar then shows no indicators at all.
std::optional<LockKeys> ReadLockKeys();

} // namespace markwise
