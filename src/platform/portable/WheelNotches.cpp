#include "platform/portable/WheelNotches.h"

#include <cmath>

namespace qpa {

int wheelNotches(std::int32_t delta) {
    if (delta == 0) return 0;
    const double notches = std::fabs(static_cast<double>(delta)) / 120.0;
    const int rounded = static_cast<int>(std::lround(notches));
    return rounded < 1 ? 1 : rounded;
}

}  // namespace qpa
