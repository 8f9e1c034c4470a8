// The real program scrolling real windows under Wine: the catalogue, the schedule, the delivery.
#include <gtest/gtest.h>

#include "ProgramDriver.h"

using namespace std::chrono_literals;
using namespace qpa;
using namespace qpa::wine;

namespace {

class ScrollingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store::clear();
        store::put(L"Text2", L"0");
        store::put(L"Text3", L"1");
    }
    // Stores a method and a scope as the option buttons would.
    static void choose(int method, int scope) {
        for (int n = 1; n <= 6; ++n)
            store::put(L"Option" + std::to_wstring(n), n == method ? L"True" : L"False");
        store::put(L"Option7", scope == 7 ? L"True" : L"False");
        store::put(L"Option8", scope == 8 ? L"True" : L"False");
    }
    static std::vector<std::wstring> titles(const std::vector<WheelReceived>& received) {
        std::vector<std::wstring> out;
        for (const auto& r : received) out.push_back(r.title);
        return out;
    }
};

TEST_F(ScrollingTest, TheListShowsTheQualifyingWindowsFrontToBackAndRefreshes) {
    TargetProgram target;
    ProgramDriver program;
    program.start();
    EXPECT_EQ(program.listItems(), (std::vector<std::wstring>{L"Target A", L"Target B"}));

    ::PostMessageW(target.window(L"Target B"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitFor([&] { return target.window(L"Target B") == nullptr; }));
    program.click(Control::PushButton1);
    EXPECT_TRUE(
        waitFor([&] { return program.listItems() == std::vector<std::wstring>{L"Target A"}; }));
    EXPECT_TRUE(program.messageBoxes().empty());
}

TEST_F(ScrollingTest, SwitchedOnTheSelectedWindowGetsOneWheelMessagePerPeriod) {
    choose(5, 8);  // "Push 'Page Up' to scroll up", selected window only
    TargetProgram target;
    ProgramDriver program;
    program.start();
    program.selectListItem(2);
    program.click(Control::PushButton2);
    ASSERT_TRUE(waitFor([] { return store::get(L"StartStopState") == L"On"; }));
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn Off");
    EXPECT_FALSE(::IsWindowVisible(program.window()));  // hidden in the tray

    ASSERT_TRUE(waitFor([&] {
        return program.text(Control::Frame4).rfind(L"On. Next Scroll will occur in: 00:00:0", 0) ==
               0;
    }));
    ASSERT_TRUE(target.waitForReceived(1, 10s));
    const auto first = std::chrono::steady_clock::now();
    ASSERT_TRUE(target.waitForReceived(4, 8s));
    const auto elapsed = std::chrono::steady_clock::now() - first;
    // Three more periods of one second each, plus the delivery time.
    EXPECT_GE(elapsed, 2500ms);
    EXPECT_LE(elapsed, 4500ms);
    for (const auto& r : target.received()) {
        EXPECT_EQ(r.title, L"Target B");
        EXPECT_EQ(r.wParam, 0x04650000u);  // +1125 in the high word
        EXPECT_TRUE(r.foreground);
    }
    EXPECT_EQ(program.selectedListIndex(), 2);

    program.click(Control::PushButton2);
    ASSERT_TRUE(waitFor([] { return store::get(L"StartStopState") == L"Off"; }));
    EXPECT_EQ(program.text(Control::Frame4), L"Off.");
    const auto count = target.received().size();
    ::Sleep(2000);
    EXPECT_EQ(target.received().size(), count);
}

TEST_F(ScrollingTest, AvailableWindowsScopeWalksThroughTheList) {
    choose(1, 7);  // "Push 'Down' button to scroll down", through "Available Windows"
    TargetProgram target;
    ProgramDriver program;
    program.start();
    program.selectListItem(1);
    program.click(Control::PushButton2);
    ASSERT_TRUE(target.waitForReceived(4, 15s));
    const auto received = target.received();
    EXPECT_EQ(titles(received),
              (std::vector<std::wstring>{L"Target A", L"Target B", L"Target A", L"Target B"}));
    for (const auto& r : received) EXPECT_EQ(r.wParam, 0xFFB50000u);  // -75 in the high word
}

TEST_F(ScrollingTest, TheWheelMethodsUseTheWheelSetting) {
    choose(3, 8);
    TargetProgram target;
    ProgramDriver program;
    program.start();
    program.selectListItem(1);
    program.click(Control::PushButton2);
    ASSERT_TRUE(target.waitForReceived(1, 10s));
    UINT lines = 0;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const auto delta = static_cast<std::uint32_t>(-75 * static_cast<int>(lines));
    EXPECT_EQ(target.received().front().wParam, delta << 16);
    EXPECT_EQ(target.received().front().title, L"Target A");
}

TEST_F(ScrollingTest, AStoredOnStateResumesAtStart) {
    choose(4, 8);
    store::put(L"StartStopState", L"On");
    TargetProgram target;
    ProgramDriver program;
    program.start();
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn Off");
    EXPECT_FALSE(::IsIconic(program.window()));
    // Nothing is selected at start: the first period selects the first entry, then it scrolls.
    ASSERT_TRUE(target.waitForReceived(2, 10s));
    EXPECT_EQ(target.received().front().title, L"Target A");
    EXPECT_EQ(target.received().front().wParam, 0x004B0000u);
    EXPECT_EQ(store::get(L"StartStopState"), L"On");
}

TEST_F(ScrollingTest, AHungTargetLeavesTheProgramResponsiveAndTheNextScrollComes) {
    choose(2, 7);
    TargetProgram target(L"--hang \"Target B\"");
    ProgramDriver program;
    program.start();
    program.selectListItem(1);
    program.click(Control::PushButton2);
    ASSERT_TRUE(target.waitForReceived(2, 12s));  // A, then B, which now hangs for four seconds
    const auto hungAt = std::chrono::steady_clock::now();
    ::Sleep(300);
    DWORD_PTR copied = 0;
    wchar_t caption[64];
    EXPECT_NE(
        ::SendMessageTimeoutW(program.window(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(caption),
                              SMTO_ABORTIFHUNG, 500, &copied),
        0);
    ASSERT_TRUE(target.waitForReceived(3, 6s));
    const auto received = target.received();
    EXPECT_EQ(titles(received),
              (std::vector<std::wstring>{L"Target A", L"Target B", L"Target A"}));  // B still busy
    EXPECT_LT(std::chrono::steady_clock::now() - hungAt, 3900ms);
    EXPECT_TRUE(program.messageBoxes().empty());
}

TEST_F(ScrollingTest, AClosedTargetProducesNoMessage) {
    choose(1, 8);
    TargetProgram target;
    ProgramDriver program;
    program.start();
    program.selectListItem(2);
    ::PostMessageW(target.window(L"Target B"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitFor([&] { return target.window(L"Target B") == nullptr; }));
    program.click(Control::PushButton2);
    ::Sleep(8500);  // the balloon's wait, then three periods
    EXPECT_TRUE(program.messageBoxes().empty());
    EXPECT_TRUE(program.running());
    EXPECT_TRUE(target.received().empty());
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn Off");
}

}  // namespace
