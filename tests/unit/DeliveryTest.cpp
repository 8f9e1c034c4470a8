#include <gtest/gtest.h>

#include "app/ErrorReport.h"
#include "engine/Delivery.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeWindows.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
class Delivery : public ::testing::Test {
  protected:
    std::vector<std::wstring> deliver(ScrollMethod method, int showCommand = 5) {
        delivery.KnowScrollines();
        windows.calls.clear();
        delivery.SwitchToAndScroll(42, showCommand, method);
        return windows.calls;
    }
    FakeWindows windows;
    FakeDialogs dialogs;
    ErrorReporter reporter{dialogs};
    ScrollDelivery delivery{windows, reporter};
};
}  // namespace

TEST_F(Delivery, OneStepIsForegroundTopmostShowNotTopmostThenOneWheelMessage) {
    EXPECT_EQ(deliver(1), (std::vector<std::wstring>{
                              L"allow foreground -1", L"foreground 42", L"position 42 -1 0 0 0 0 3",
                              L"show 42 5", L"position 42 -2 0 0 0 0 3", L"wheel 42 -75"}));
}

TEST_F(Delivery, EachMethodHasItsWheelParameter) {
    const std::pair<ScrollMethod, std::int32_t> table[] = {
        {1, -75}, {2, -1125}, {3, -225}, {4, 75}, {5, 1125}, {6, 225}, {0, 0}, {7, 0},
    };
    for (const auto& [method, parameter] : table) {
        EXPECT_EQ(windows.wheelCalls().size(), 0u);
        deliver(method);
        EXPECT_EQ(windows.wheelCalls(),
                  (std::vector<std::wstring>{L"wheel 42 " + std::to_wstring(parameter)}))
            << method;
        windows.calls.clear();
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Delivery, AnotherShowCommandShowsTwice) {
    const auto calls = deliver(4, 3);
    EXPECT_EQ(calls[3], L"show 42 5");
    EXPECT_EQ(calls[4], L"show 42 3");
    EXPECT_EQ(calls.size(), 7u);
}

TEST_F(Delivery, WheelLinesSettingDrivesTheWheelMethods) {
    windows.wheel = false;
    deliver(3);
    EXPECT_EQ(delivery.scrollLines(), 0);
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 42 0"}));

    windows.wheel = true;
    windows.lines = std::nullopt;  // the platform does not answer
    deliver(6);
    EXPECT_EQ(delivery.scrollLines(), 3);

    windows.lines = 436;
    deliver(3);
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 42 -32700"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Delivery, OneScreenAtATimeScrollsAPageInTheMethodsOwnDirection) {
    windows.lines = -1;  // the platform's largest unsigned value, read signed
    deliver(3);
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 42 -1125"}));
    windows.calls.clear();
    deliver(6);
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 42 1125"}));
}

TEST_F(Delivery, AnOverflowingProductIsReportedAndAZeroWheelIsStillSent) {
    windows.lines = 437;
    deliver(6);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find(L"Overflow\r\nin QuietPageAdvancer2021/08/31.Enum."
                                           L"SwitchToAndScroll at line "),
              std::wstring::npos);
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 42 0"}));
}

TEST_F(Delivery, AClosedTargetFailsQuietly) {
    deliver(2);  // handle 42 names no window of the fake desktop
    EXPECT_TRUE(dialogs.shown.empty());
}
