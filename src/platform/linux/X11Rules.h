#pragma once
#include <cstdint>

// The rules the X11 adapters apply, kept free of X headers so that they can be tested alone.
namespace qpa::x11 {

// The wheel clicks for a delta: whole notches of 120 units, at least one for any delta but 0.
int wheelClicks(std::int32_t delta);
// X pointer button 4 scrolls up (positive delta), button 5 down.
inline unsigned wheelButton(std::int32_t delta) {
    return delta > 0 ? 4u : 5u;
}

}  // namespace qpa::x11
