#pragma once
#include <cstdint>

namespace qpa {

// The wheel notches for a delta (120 units a notch), as the X11 and the sway adapters turn the
// wheel: whole notches only, at least one for any delta but 0.
int wheelNotches(std::int32_t delta);

}  // namespace qpa
