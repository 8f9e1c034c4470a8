#include <functional>

#include "FormFixture.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
class ScheduleTest : public FormFixture {
  protected:
    // A loaded window with `count` windows listed, the period in the fields, switched On.
    void switchedOnWith(int count, const wchar_t* minutes, const wchar_t* seconds) {
        addWindows(count);
        settings.values = {{L"Text2", minutes}, {L"Text3", seconds}};
        loaded();
        form().raise(Control::PushButton2, UiEvent::Click);
        windows.calls.clear();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form().tick();
    }
    std::vector<std::wstring> targets() const {
        std::vector<std::wstring> out;
        for (const auto& call : windows.wheelCalls()) out.push_back(call.substr(6, 3));
        return out;
    }
};
}  // namespace

TEST_F(ScheduleTest, SwitchingOnMinimisesStartsTheTimerAndStoresOn) {
    addWindows(1);
    loaded();
    settings.writes.clear();
    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_EQ(view.windowState(), WindowState::Minimized);
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn Off");
    EXPECT_EQ(view.caption(Control::Frame4), L"Off.");  // until the first tick
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{L"StartStopState=On"}));

    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_FALSE(timer.enabled());
    EXPECT_EQ(timer.interval(), 0);
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_EQ(view.caption(Control::Frame4), L"Off.");
    EXPECT_EQ(view.progressValue, 0);
    EXPECT_EQ(view.progressText, L"Progress Bar");
    EXPECT_EQ(view.pointer(), Pointer::Default);
    EXPECT_EQ(settings.values[L"StartStopState"], L"Off");
}

TEST_F(ScheduleTest, SwitchingOnWithAnEmptyListOnlyTellsTheUser) {
    loaded();
    settings.writes.clear();
    form().raise(Control::PushButton2, UiEvent::Click);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt,
              L"Please add items to the 'Queue' list below before turning on.");
    EXPECT_EQ(dialogs.shown[0].title, L"Velloranth Quiet Page Advancer For Your");
    EXPECT_FALSE(timer.enabled());
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_TRUE(settings.writes.empty());
}

TEST_F(ScheduleTest, TenSecondPeriodCountsDownAndFiresOnTheTenthTick) {
    switchedOnWith(1, L"0", L"10");
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:09");
    EXPECT_EQ(view.progressMaximum, 10);
    EXPECT_EQ(view.progressValue, 1);
    ticks(8);
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:01");
    EXPECT_TRUE(windows.wheelCalls().empty());
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:00");
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 101 -75"}));
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:09");
}

TEST_F(ScheduleTest, OffAtSevenThenOnFiresThreeTicksLater) {
    switchedOnWith(1, L"0", L"10");
    view.selectListItem(1);
    ticks(7);
    form().raise(Control::PushButton2, UiEvent::Click);
    form().raise(Control::PushButton2, UiEvent::Click);
    ticks(2);
    EXPECT_TRUE(windows.wheelCalls().empty());
    form().tick();
    EXPECT_EQ(windows.wheelCalls().size(), 1u);
}

TEST_F(ScheduleTest, BadFieldsAreRepairedAndStored) {
    switchedOnWith(1, L"", L"abc");
    settings.writes.clear();
    form().tick();
    EXPECT_EQ(view.text(Control::Text2), L"0");
    EXPECT_EQ(view.text(Control::Text3), L"5");
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{L"Text2=0", L"Text3=5"}));
    EXPECT_EQ(form().schedule().periodSeconds, 5);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ScheduleTest, ZeroPeriodFiresEveryTickAndShowsOneSecond) {
    switchedOnWith(1, L"0", L"0");
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:01");
    form().tick();
    EXPECT_EQ(windows.wheelCalls().size(), 2u);
}

TEST_F(ScheduleTest, NinetyMinutesAndHalfMinutes) {
    switchedOnWith(1, L"90", L"0");
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 01:29:59");
    view.setText(Control::Text2, L"1.5");
    form().tick();
    EXPECT_EQ(form().schedule().periodSeconds, 90);
}

TEST_F(ScheduleTest, AnOverflowingPeriodIsReportedAndThePreviousOneStays) {
    switchedOnWith(1, L"0", L"10");
    form().tick();
    view.setText(Control::Text2, L"99999999999");
    form().tick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find(L"Overflow\r\nin QuietPageAdvancer2021/08/31.Form1."
                                           L"Timer1_Timer at line 110"),
              std::wstring::npos);
    EXPECT_EQ(form().schedule().periodSeconds, 10);
    EXPECT_EQ(form().schedule().elapsedSeconds, 2);
}

TEST_F(ScheduleTest, ALoweredPeriodShowsTheOverrunAndFires) {
    switchedOnWith(1, L"0", L"10");
    view.selectListItem(1);
    ticks(6);
    view.setText(Control::Text3, L"3");
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), L"On. Next Scroll will occur in: 00:00:04");
    EXPECT_EQ(view.progressValue, 6);  // left as it was
    EXPECT_EQ(windows.wheelCalls().size(), 1u);
}

TEST_F(ScheduleTest, AvailableWindowsScopeRotatesThroughTheList) {
    switchedOnWith(3, L"0", L"1");
    view.selectListItem(1);
    ticks(5);
    EXPECT_EQ(targets(), (std::vector<std::wstring>{L"101", L"102", L"103", L"101", L"102"}));
    EXPECT_EQ(view.selectedListIndex(), 3);  // the entry scrolled next
}

TEST_F(ScheduleTest, TheCursorIsClampedWhenTheListShrinks) {
    switchedOnWith(3, L"0", L"1");
    view.selectListItem(1);
    ticks(2);  // cursor stands at 3
    windows.desktop.pop_back();
    form().raise(Control::PushButton1, UiEvent::Click);
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(form().schedule().windowCursor, 1);  // clamped to 2, moved on, wrapped
    EXPECT_EQ(targets().back(), L"101");
}

TEST_F(ScheduleTest, SelectedWindowScopeStaysOnItsEntry) {
    switchedOnWith(5, L"0", L"1");
    view.setOptionValue(8, true);
    view.selectListItem(4);
    ticks(3);
    EXPECT_EQ(targets(), (std::vector<std::wstring>{L"104", L"104", L"104"}));
    EXPECT_EQ(view.selectedListIndex(), 4);
}

TEST_F(ScheduleTest, NoSelectionScrollsNothingAndSelectsTheCursorsEntry) {
    switchedOnWith(2, L"0", L"1");
    form().tick();
    EXPECT_TRUE(windows.wheelCalls().empty());
    EXPECT_EQ(view.selectedListIndex(), 2);
    form().tick();
    EXPECT_EQ(targets(), (std::vector<std::wstring>{L"102"}));
}

TEST_F(ScheduleTest, NoMethodChosenStillDeliversAZeroWheel) {
    switchedOnWith(1, L"0", L"1");
    view.setOptionValue(1, false);
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(windows.calls.front(), L"allow foreground -1");
    EXPECT_EQ(windows.wheelCalls(), (std::vector<std::wstring>{L"wheel 101 0"}));
}

TEST_F(ScheduleTest, ATickThatComesWhileATickReportsDoesNothing) {
    switchedOnWith(1, L"99999999", L"0");  // a period past 32 bits: reported at every tick
    int nestedTicks = 0;
    dialogs.whileShown = [&] {
        if (nestedTicks++ < 3) form().tick();
    };
    form().tick();
    EXPECT_EQ(nestedTicks, 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);  // one report open at a time
    EXPECT_EQ(form().schedule().elapsedSeconds, 0);  // counted once, and fired with period 0
    form().tick();
    EXPECT_EQ(dialogs.shown.size(), 2u);  // the next tick reports again
}

TEST_F(ScheduleTest, SwitchedOffDuringTheTicksReportOrRepaintLeavesTheWholeOffState) {
    for (const bool duringReport : {true, false}) {
        SCOPED_TRACE(duringReport ? "report" : "repaint");
        FakeForm f;
        f.addWindows(1);
        f.settings.values = {{L"Text2", duringReport ? L"99999999" : L"0"}, {L"Text3", L"5"}};
        f.loaded();
        f.form().raise(Control::PushButton2, UiEvent::Click);
        f.form().tick();  // a count to take back: the bar shows 1 of 5
        std::function<void()>& during = duringReport ? f.dialogs.whileShown : f.view.duringPendingEvents;
        during = [&] {
            during = nullptr;
            f.form().raise(Control::PushButton2, UiEvent::Click);
        };
        f.form().tick();
        EXPECT_EQ(f.view.caption(Control::Frame4), L"Off.");
        EXPECT_EQ(f.view.caption(Control::PushButton2), L"Turn On");
        EXPECT_EQ(f.view.progressValue, 0);
        EXPECT_EQ(f.view.progressText, L"Progress Bar");
        EXPECT_FALSE(f.timer.enabled());
        EXPECT_EQ(f.settings.values[L"StartStopState"], L"Off");
        EXPECT_TRUE(f.windows.wheelCalls().empty());
    }
}

TEST_F(ScheduleTest, AnEmptyListMakesTheTickANoOp) {
    switchedOnWith(1, L"0", L"1");
    windows.desktop.clear();
    form().raise(Control::PushButton1, UiEvent::Click);
    const auto caption = view.caption(Control::Frame4);
    form().tick();
    EXPECT_EQ(view.caption(Control::Frame4), caption);
    EXPECT_EQ(form().schedule().elapsedSeconds, 0);
    EXPECT_TRUE(timer.enabled());
}
