#include <gtest/gtest.h>

#include "platform/linux/X11Rules.h"

using namespace qpa::x11;

TEST(X11Rules, WheelDeltasBecomeWholeNotches) {
    const std::pair<std::int32_t, int> rows[] = {
        {0, 0}, {75, 1}, {-75, 1}, {59, 1}, {180, 2}, {225, 2}, {-1125, 9}, {1125, 9}, {32767, 273},
    };
    for (const auto& [delta, clicks] : rows) EXPECT_EQ(wheelClicks(delta), clicks) << delta;
    EXPECT_EQ(wheelButton(75), 4u);
    EXPECT_EQ(wheelButton(-75), 5u);
}
