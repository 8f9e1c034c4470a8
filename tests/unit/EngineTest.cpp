// The scrolling engine: the list of windows, one scroll step, the schedule and its switch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "fakes/Fakes.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
// A loaded window with `count` windows listed, the period in the fields, switched On.
class Engine : public ::testing::Test, public FakeForm {
  protected:
    void switchedOnWith(int count, const wchar_t* minutes, const wchar_t* seconds) {
        addWindows(count);
        settings.values = {{L"Text2", minutes}, {L"Text3", seconds}};
        loaded();
        click(Control::PushButton2);
        windows.calls.clear();
    }
    void choose(int option) {
        view.setOptionValue(option, true);
        click(optionControl(option));
    }
    // The handles scrolled so far, in order.
    std::vector<WindowHandle> targets() const {
        std::vector<WindowHandle> out;
        for (const auto& call : windows.scrolls()) out.push_back(std::stoi(call.substr(7, 3)));
        return out;
    }
    std::wstring status() const { return view.caption(Control::Frame4); }
};
}  // namespace

TEST_F(Engine, TheListHoldsVisibleTitledMaximisableWindowsFrontToBackButNotOurs) {
    windows.desktop = {
        {0x1000, L"Our main window", true, true, false},  // by its handle
        {11, L"A", true, true, false},
        {12, L"Dialog", true, false, false},   // no maximise box
        {13, L"Hidden", false, true, false},   // neither shown nor minimised
        {14, L"", true, true, false},          // no title
        {15, L"Ours too", true, true, true},   // another window of this program
        {16, L"B \u00e9\u4e2d", true, true, false},
    };
    loaded();
    EXPECT_EQ(view.items, (std::vector<std::wstring>{L"A", L"B \u00e9\u4e2d"}));
    windows.desktop.erase(windows.desktop.begin() + 1);  // A closes; "Refresh List"
    view.selectListItem(2);
    click(Control::PushButton1);
    EXPECT_EQ(view.items, std::vector<std::wstring>{L"B \u00e9\u4e2d"});
    EXPECT_EQ(view.selected, 0);
    view.selectListItem(1);
    view.setOptionValue(8, true);
    click(Control::PushButton2);
    view.setText(Control::Text3, L"0");
    form().tick();
    EXPECT_EQ(targets(), std::vector<WindowHandle>{16});  // entry k scrolls the window of entry k
}

TEST_F(Engine, The1002ndWindowIsReportedAndTheFirst1001AreListed) {
    addWindows(1002);
    loaded();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find(
                  L"Subscript out of range\r\nin QuietPageAdvancer2021/08/31.Form1.loadWindows at"),
              std::wstring::npos);
    EXPECT_EQ(view.items.size(), 1001u);
    EXPECT_EQ(view.items.back(), L"Window 1001");
}

TEST_F(Engine, OneStepRaisesHoldsAboveShowsLetsGoAndTurnsTheWheelOnce) {
    switchedOnWith(1, L"0", L"0");
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(windows.calls, (std::vector<std::wstring>{L"raise 101", L"above 101 on", L"show 101",
                                                        L"above 101 off", L"scroll 101 -75"}));
}

TEST_F(Engine, EachMethodHasItsDelta) {
    struct Row {
        int method;                   // 0: no method chosen
        bool wheel;                   // a wheel is present
        std::optional<int> lines;     // what the desktop says, nothing when it does not
        int delta;
        bool reported;
    };
    const Row rows[] = {
        {1, true, 3, -75, false},      {2, true, 3, -1125, false},  {3, true, 3, -225, false},
        {4, true, 3, 75, false},       {5, true, 3, 1125, false},   {6, true, 3, 225, false},
        {0, true, 3, 0, false},        {3, false, 3, 0, false},     {6, true, {}, 225, false},
        {3, true, -1, -1125, false},   {6, true, -1, 1125, false},  {3, true, 436, -32700, false},
        {3, true, -436, 32700, false}, {6, true, 437, 0, true},     {3, true, -437, 0, true},
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.windows.wheel = row.wheel;
        f.windows.lines = row.lines;
        f.addWindows(1);
        f.settings.values = {{L"Text3", L"0"}, {L"Option7", L"0"}, {L"Option8", L"1"}};
        for (int n = 1; n <= 6; ++n)
            f.settings.values[L"Option" + std::to_wstring(n)] = n == row.method ? L"1" : L"0";
        f.loaded();
        f.click(Control::PushButton2);  // reads the wheel setting again
        f.view.selectListItem(1);
        f.form().tick();
        EXPECT_EQ(f.windows.scrolls(),
                  std::vector<std::wstring>{L"scroll 101 " + std::to_wstring(row.delta)})
            << row.method << " " << row.lines.value_or(999);
        EXPECT_EQ(f.dialogs.shown.size(), row.reported ? 1u : 0u);
        if (row.reported) {
            EXPECT_NE(f.dialogs.shown[0].prompt.find(L"Overflow\r\nin QuietPageAdvancer2021/08/31."
                                                     L"Enum.SwitchToAndScroll at line "),
                      std::wstring::npos);
        }
    }
}

TEST_F(Engine, TheWheelSettingIsReadAtStartUpAndAtEachSwitchOn) {
    windows.lines = 5;
    settings.values = {{L"StartStopState", L"On"}, {L"Text3", L"0"}, {L"Option3", L"True"},
                       {L"Option1", L"False"}};
    addWindows(1);
    loaded();
    windows.lines = 7;  // changed while On: not seen
    view.selectListItem(1);
    form().tick();
    click(Control::PushButton2);
    click(Control::PushButton2);  // Off and On again: seen
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(windows.scrolls(),
              (std::vector<std::wstring>{L"scroll 101 -375", L"scroll 101 -525"}));
}

TEST_F(Engine, SwitchingOnAndOff) {
    addWindows(1);
    loaded();
    settings.writes.clear();
    view.pointer = Pointer::Custom;
    click(Control::PushButton2);
    EXPECT_EQ(view.state, WindowState::Minimized);
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn Off");
    EXPECT_EQ(status(), L"Off.");  // until the first tick
    EXPECT_EQ(view.timer, 1000);
    EXPECT_TRUE(display.awake);
    form().tick();
    EXPECT_EQ(status(), L"On. Next Scroll will occur in: 00:00:01");
    EXPECT_EQ(view.progressValue, 1);
    click(Control::PushButton2);
    EXPECT_EQ(view.timer, 0);
    EXPECT_FALSE(display.awake);
    EXPECT_EQ(status(), L"Off.");
    EXPECT_EQ(view.pointer, Pointer::Default);
    EXPECT_EQ(view.progressValue, 0);
    EXPECT_EQ(view.progressText, L"Progress Bar");
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{L"StartStopState=On", L"StartStopState=Off"}));
    form().tick();  // one that was on its way: nothing
    EXPECT_EQ(status(), L"Off.");

    FakeForm empty;  // nothing to scroll: only the message, nothing stored
    empty.loaded();
    empty.settings.writes.clear();
    empty.click(Control::PushButton2);
    ASSERT_EQ(empty.dialogs.shown.size(), 1u);
    EXPECT_EQ(empty.dialogs.shown[0].prompt,
              L"Please add items to the 'Queue' list below before turning on.");
    EXPECT_EQ(empty.view.caption(Control::PushButton2), L"Turn On");
    EXPECT_TRUE(empty.settings.writes.empty());
}

TEST_F(Engine, ThePeriodCountsDownAndFires) {
    struct Row {
        const wchar_t *minutes, *seconds;
        int ticks;                      // ticks given
        const wchar_t* status;          // after the last of them
        std::vector<WindowHandle> fired;
    };
    const Row rows[] = {
        {L"0", L"10", 1, L"00:00:09", {}},
        {L"0", L"10", 9, L"00:00:01", {}},
        {L"0", L"10", 10, L"00:00:00", {101}},
        {L"0", L"10", 11, L"00:00:09", {101}},
        {L"0", L"0", 3, L"00:00:01", {101, 101, 101}},
        {L"90", L"0", 1, L"01:29:59", {}},
        {L"1.5", L"0", 1, L"00:01:29", {}},
        {L"", L"abc", 5, L"00:00:00", {101}},  // repaired to "0" and "5"
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.addWindows(1);
        f.settings.values = {{L"Text2", row.minutes}, {L"Text3", row.seconds}};
        f.loaded();
        f.click(Control::PushButton2);
        f.view.selectListItem(1);
        f.ticks(row.ticks);
        EXPECT_EQ(f.view.caption(Control::Frame4),
                  std::wstring(L"On. Next Scroll will occur in: ") + row.status)
            << row.minutes << "|" << row.seconds << "|" << row.ticks;
        EXPECT_EQ(f.windows.scrolls().size(), row.fired.size());
    }
    switchedOnWith(1, L"", L"abc");
    form().tick();
    EXPECT_EQ(view.text(Control::Text2), L"0");
    EXPECT_EQ(view.text(Control::Text3), L"5");
    EXPECT_EQ(settings.values[L"Text2"], L"0");
    EXPECT_EQ(settings.values[L"Text3"], L"5");
}

TEST_F(Engine, ACountInterruptedByOffResumesAndALoweredPeriodFiresAtOnce) {
    switchedOnWith(1, L"0", L"10");
    view.selectListItem(1);
    ticks(7);
    click(Control::PushButton2);
    click(Control::PushButton2);
    view.selectListItem(1);
    ticks(2);
    EXPECT_TRUE(windows.scrolls().empty());
    form().tick();
    EXPECT_EQ(windows.scrolls().size(), 1u);  // three ticks after switching On again

    ticks(6);
    view.setText(Control::Text3, L"2");  // 6 counted, the period lowered to 2
    form().tick();
    EXPECT_EQ(status(), L"On. Next Scroll will occur in: 00:00:05");
    EXPECT_EQ(view.progressValue, 6);  // the bar is left as it was
    EXPECT_EQ(view.progressMaximum, 2);
    EXPECT_EQ(windows.scrolls().size(), 2u);
}

TEST_F(Engine, AnOverflowingPeriodIsReportedAndThePreviousOneStays) {
    switchedOnWith(1, L"0", L"3");
    view.selectListItem(1);
    form().tick();
    view.setText(Control::Text2, L"99999999");
    form().tick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].prompt.find(L"Form1.Timer1_Timer at line 110"), std::wstring::npos);
    EXPECT_EQ(status(), L"On. Next Scroll will occur in: 00:00:01");
    form().tick();
    EXPECT_EQ(windows.scrolls().size(), 1u);
}

TEST_F(Engine, TheScopeDecidesWhichWindowIsScrolled) {
    struct Row {
        int scope;           // 7, 8, or 0 for neither
        int windows, selected;
        int shrinkTo;        // the list refreshed to this many windows after two scrolls (0: no)
        std::vector<WindowHandle> targets;
        int selectedAfter;
    };
    const Row rows[] = {
        {7, 3, 1, 0, {101, 102, 103, 101, 102}, 3},
        {7, 3, 2, 0, {102, 102, 103, 101, 102}, 3},  // the walk goes on from entry 2
        {7, 3, 1, 2, {101, 102, 102, 101, 102}, 1},
        {8, 5, 4, 0, {104, 104, 104, 104, 104}, 4},
        {8, 3, 0, 0, {101, 101, 101, 101}, 1},       // none selected: the first one, after a turn
        {0, 3, 2, 0, {102, 101, 101, 101, 101}, 1},  // neither: the cursor stays where it was
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.addWindows(row.windows);
        f.settings.values = {{L"Text3", L"0"}, {L"Option7", row.scope == 7 ? L"1" : L"0"},
                             {L"Option8", row.scope == 8 ? L"1" : L"0"}};
        f.loaded();
        f.click(Control::PushButton2);
        f.view.selectListItem(row.selected);
        for (int tick = 0; tick < 5; ++tick) {
            if (tick == 2 && row.shrinkTo) {
                f.windows.desktop.resize(static_cast<std::size_t>(row.shrinkTo));
                f.click(Control::PushButton1);
                f.view.selectListItem(2);
            }
            f.form().tick();
        }
        std::vector<WindowHandle> got;
        for (const auto& call : f.windows.scrolls()) got.push_back(std::stoi(call.substr(7, 3)));
        EXPECT_EQ(got, row.targets) << row.scope << " " << row.selected << " " << row.shrinkTo;
        EXPECT_EQ(f.view.selected, row.selectedAfter);
    }
}

TEST_F(Engine, AnEmptyListMakesTheTickANoOp) {
    switchedOnWith(1, L"0", L"2");
    form().tick();
    windows.desktop.clear();
    click(Control::PushButton1);
    ticks(3);
    EXPECT_EQ(status(), L"On. Next Scroll will occur in: 00:00:01");
    EXPECT_EQ(view.timer, 1000);
    addWindows(1);
    click(Control::PushButton1);
    view.selectListItem(1);
    form().tick();
    EXPECT_EQ(status(), L"On. Next Scroll will occur in: 00:00:00");  // the count went on from 1
    EXPECT_EQ(windows.scrolls().size(), 1u);
}

TEST(Schedule, TheCursorStaysInTheListAndWalksOn) {
    struct Row {
        Scope scope;
        int cursor, count, selected, placed, advanced;
    };
    const Row rows[] = {
        {Scope::AvailableWindows, 0, 3, 2, 1, 2}, {Scope::AvailableWindows, 3, 2, 0, 2, 1},
        {Scope::AvailableWindows, 2, 3, 0, 2, 3}, {Scope::SelectedWindow, 3, 5, 4, 4, 4},
        {Scope::SelectedWindow, 3, 5, 0, 1, 1},   {Scope::None, 3, 2, 1, 3, 3},
    };
    for (const Row& row : rows) {
        Schedule schedule;
        schedule.windowCursor = static_cast<std::int16_t>(row.cursor);
        schedule.placeCursor(row.scope, row.count, row.selected);
        EXPECT_EQ(schedule.windowCursor, row.placed) << row.cursor << " " << row.count;
        schedule.advanceCursor(row.scope, row.count);
        EXPECT_EQ(schedule.windowCursor, row.advanced) << row.cursor << " " << row.count;
    }
    Schedule schedule;
    schedule.periodSeconds = INT32_MIN;
    schedule.elapsedSeconds = 1;
    EXPECT_THROW(schedule.remainingSeconds(), RuntimeError);
}

TEST_F(Engine, ATickThatComesWhileATickReportsDoesNothing) {
    switchedOnWith(1, L"99999999", L"0");  // a period past 32 bits: reported at every tick
    int nestedTicks = 0;
    dialogs.whileShown = [&] {
        if (nestedTicks++ < 3) form().tick();
    };
    form().tick();
    EXPECT_EQ(nestedTicks, 1);
    EXPECT_EQ(dialogs.shown.size(), 1u);  // one report open at a time
    form().tick();
    EXPECT_EQ(dialogs.shown.size(), 2u);  // the next tick reports again
}

TEST_F(Engine, SwitchedOffDuringTheTicksReportOrRepaintLeavesTheWholeOffState) {
    for (const bool duringReport : {true, false}) {
        SCOPED_TRACE(duringReport ? "report" : "repaint");
        FakeForm f;
        f.addWindows(1);
        f.settings.values = {{L"Text2", duringReport ? L"99999999" : L"0"}, {L"Text3", L"5"}};
        f.loaded();
        f.click(Control::PushButton2);
        f.view.selectListItem(1);
        std::function<void()>& during =
            duringReport ? f.dialogs.whileShown : f.view.duringPendingEvents;
        during = [&] {
            during = nullptr;
            f.click(Control::PushButton2);
        };
        f.form().tick();
        EXPECT_EQ(f.view.caption(Control::Frame4), L"Off.");
        EXPECT_EQ(f.view.caption(Control::PushButton2), L"Turn On");
        EXPECT_EQ(f.view.progressValue, 0);
        EXPECT_EQ(f.view.timer, 0);
        EXPECT_EQ(f.settings.values[L"StartStopState"], L"Off");
        EXPECT_TRUE(f.windows.scrolls().empty());
    }
}

TEST_F(Engine, ATickSwitchedOffAndOnAgainDuringItsRepaintStops) {
    switchedOnWith(2, L"0", L"0");
    view.selectListItem(2);
    view.duringPendingEvents = [&] {
        view.duringPendingEvents = nullptr;
        click(Control::PushButton2);
        click(Control::PushButton2);
    };
    form().tick();
    EXPECT_TRUE(windows.scrolls().empty());
    EXPECT_EQ(view.timer, 1000);
    form().tick();
    EXPECT_EQ(windows.scrolls(), std::vector<std::wstring>{L"scroll 102 -75"});
}

// Many ticks over every method, scope and period, with refreshes between: the cursor stays in
// the list, the count never goes below zero, and each firing tick turns the wheel once.
TEST_F(Engine, ManyTicksKeepTheScheduleConsistent) {
    const char* fromEnvironment = std::getenv("QPA_SOAK_TICKS");
    const long ticksWanted = fromEnvironment ? std::atol(fromEnvironment) : 20000;
    std::mt19937 random(7);
    addWindows(4);
    loaded();
    click(Control::PushButton2);
    long fired = 0;
    for (long tick = 0; tick < ticksWanted; ++tick) {
        if (random() % 97 == 0) {
            windows.desktop.resize(1 + random() % 4);
            click(Control::PushButton1);
        }
        if (random() % 53 == 0) choose(1 + static_cast<int>(random() % 8));
        if (random() % 61 == 0) {
            view.setText(Control::Text2, std::to_wstring(random() % 3));
            view.setText(Control::Text3, std::to_wstring(random() % 7));
        }
        if (random() % 5 == 0) view.selectListItem(static_cast<int>(random() % (view.items.size() + 1)));
        windows.calls.clear();
        form().tick();
        const auto steps = windows.scrolls().size();
        ASSERT_LE(steps, 1u);
        fired += static_cast<long>(steps);
        ASSERT_GE(view.selected, 0);
        ASSERT_LE(view.selected, view.listCount());
        ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown.back().prompt;
    }
    EXPECT_GT(fired, ticksWanted / 20);
}
