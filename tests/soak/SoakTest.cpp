// A million ticks of the schedule through every method, both scopes, periods from 0 to 90
// minutes and catalogue refreshes between ticks, with the state's invariants checked after each.
#include <gtest/gtest.h>

#include <random>

#include "../unit/FormFixture.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
class Soak : public FormFixture {};
}  // namespace

TEST_F(Soak, AMillionTicksKeepTheScheduleSound) {
    std::mt19937 random(20261206);
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    addWindows(3);
    loaded();
    form().raise(Control::PushButton2, UiEvent::Click);
    long fires = 0, steps = 0;
    for (long tick = 0; tick < 1'000'000; ++tick) {
        if (tick % 997 == 0) {
            // Between ticks: another method, scope, period, desktop or selection.
            const int method = 1 + below(6);
            view.setOptionValue(method, true);
            form().raise(optionControl(method), UiEvent::Click);
            const int scope = 7 + below(2);
            view.setOptionValue(scope, true);
            form().raise(optionControl(scope), UiEvent::Click);
            const int seconds = below(4) == 0 ? below(5401) : below(4);
            view.setText(Control::Text2, std::to_wstring(seconds / 60));
            view.setText(Control::Text3, std::to_wstring(seconds % 60));
            windows.desktop.clear();
            addWindows(below(6));
            form().raise(Control::PushButton1, UiEvent::Click);
            if (view.listCount() > 0 && below(2) == 0) view.selectListItem(1 + below(view.listCount()));
        }
        windows.calls.clear();
        const int count = view.listCount();
        const int selected = view.selectedListIndex();
        const long wheelsBefore = windows.wheelsSent;
        form().tick();
        const Schedule& s = form().schedule();
        ASSERT_GE(s.elapsedSeconds, 0) << tick;
        if (count == 0) continue;
        ASSERT_GE(s.windowCursor, 1) << tick;
        ASSERT_LE(s.windowCursor, count) << tick;
        if (s.elapsedSeconds == 0) {
            ++fires;
            const long wheels = windows.wheelsSent - wheelsBefore;
            ASSERT_EQ(wheels, selected > 0 ? 1 : 0) << tick;
            steps += wheels;
            ASSERT_EQ(view.selectedListIndex(), s.windowCursor) << tick;
        }
        ASSERT_TRUE(timer.enabled()) << tick;
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_GT(fires, 100000);
    EXPECT_GT(steps, 50000);
}
