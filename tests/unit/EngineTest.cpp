// The scrolling engine: the list of windows, one scroll step, the schedule and its switch.
#include "unit/Cases.h"

using namespace qpa;
using namespace qpa::fakes;

TEST(Engine, TheListHoldsVisibleTitledMaximisableWindowsFrontToBackButNotOurs) {
    FakeForm f;
    // The first is ours by its handle, the sixth by its process.
    f.windows.desktop = {{0x1000, L"Our main window", true, true, false},
                         {11, L"A", true, true, false},
                         {12, L"Dialog", true, false, false},
                         {13, L"Hidden", false, true, false},
                         {14, L"", true, true, false},
                         {15, L"Ours too", true, true, true},
                         {16, L"B \u00e9\u4e2d", true, true, false}};
    f.run(L"load");
    EXPECT_EQ(f.view.items, (std::vector<std::wstring>{L"A", L"B \u00e9\u4e2d"}));
    f.windows.desktop.erase(f.windows.desktop.begin() + 1);  // A closes
    f.run(L"select 2; click PushButton1");
    EXPECT_EQ(f.view.items, std::vector<std::wstring>{L"B \u00e9\u4e2d"});
    EXPECT_EQ(f.view.selected, 0);
    f.take(L"");  // entry k scrolls the window of entry k
    EXPECT_EQ(f.run(L"type Text3 0; on; tick").take(L"scroll"), L"scroll 16 -75");
}

TEST(Engine, StepsAndTheirDeltas) {
    // One window, the period 0, method n (0: none) stored.
    const auto method = [](int n) {
        return L"windows 1; store Text3=0; store Option1=0; store Option" + number(n) + L"=1; ";
    };
    const Case cases[] = {
        {L"windows 1001; load", L"report", L""},
        {L"windows 1002; load", L"report", L"report Subscript out of range, loadWindows 100"},
        // One step, with the timer stopped meanwhile.
        {L"windows 1; store Text3=0; load; on >> tick", L"timer raise above show scroll",
         L"timer 0 | raise 101 | above 101 on | show 101 | above 101 off | scroll 101 -75 | "
         L"timer 1000"},
        // The method chosen by a click counts from the next step.
        {L"windows 1; store Text3=0; load; click Option6; on >> tick", L"scroll",
         L"scroll 101 225"},
        {method(3) + L"wheel absent; load; on >> tick", L"scroll", L"scroll 101 0"},
        {method(6) + L"wheel silent; load; on >> tick", L"scroll", L"scroll 101 225"},
        // A page at a time, in the method's direction.
        {method(3) + L"wheel -1; load; on >> tick", L"scroll", L"scroll 101 -1125"},
        {method(6) + L"wheel -1; load; on >> tick", L"scroll", L"scroll 101 1125"},
        // The delta must fit the high word of a 32-bit message parameter.
        {method(3) + L"wheel 436; load; on >> tick", L"scroll", L"scroll 101 -32700"},
        {method(3) + L"wheel -436; load; on >> tick", L"scroll", L"scroll 101 32700"},
        {method(6) + L"wheel 437; load; on >> tick", L"scroll report",
         L"report Overflow, SwitchToAndScroll 108 | scroll 101 0"},
        {method(3) + L"wheel -437; load; on >> tick", L"scroll report",
         L"report Overflow, SwitchToAndScroll 108 | scroll 101 0"},
        // The lines a notch scrolls are read at start-up and at each switch On, not meanwhile.
        {method(3) + L"store StartStopState=On; wheel 5; load; wheel 7; select 1 >> tick",
         L"scroll", L"scroll 101 -375"},
        {method(3) + L"load; on; wheel 7; click PushButton2; on >> tick", L"scroll",
         L"scroll 101 -525"},
    };
    for (const Case& c : cases) check(c);
    // Each method's delta; with none stored (0), a step of 0.
    const std::int32_t deltas[] = {0, -75, -1125, -225, 75, 1125, 225};
    for (int n = 0; n < 7; ++n)
        check({method(n) + L"load; on >> tick", L"scroll", L"scroll 101 " + number(deltas[n])});
}

TEST(Engine, TheScheduleAndItsSwitch) {
    const std::wstring ten = L"windows 1; store Text3=10; load; on";
    // Off, in one repaint.
    const std::wstring off = L"timer 0 | awake 0 | caption Frame4 " +
                             std::wstring(texts::kStatusOff) +
                             L" | pointer default | progress 0 | progress text " +
                             texts::kProgressBarText + L" | caption PushButton2 " + texts::kTurnOn;
    const Case cases[] = {
        {L"windows 1; load >> on", L"minimize caption status timer awake write",
         L"minimize | caption PushButton2 Turn Off | timer 1000 | awake 1 | write "
         L"StartStopState=On"},
        {L"windows 1; load; on >> click PushButton2",
         L"timer awake caption status pointer progress write", off + L" | write StartStopState=Off",
         true},
        // A tick that was on its way when the switch went Off does nothing.
        {L"windows 1; load; on; click PushButton2 >> tick", L"status progress scroll timer", L""},
        {L"load >> click PushButton2", L"message write caption timer",
         L"message " + std::wstring(texts::kEmptyQueue)},
        // The count: the bar and the status at each tick, a step when the period is reached.
        {ten + L"; tick 8 >> tick", L"progress status scroll",
         L"progress maximum 10 | progress 9 | status 00:00:01"},
        {ten + L"; tick 9 >> tick 2", L"progress status scroll",
         L"progress maximum 10 | progress 10 | status 00:00:00 | scroll 101 -75 | "
         L"progress maximum 10 | progress 1 | status 00:00:09"},
        {L"windows 1; store Text3=0; load; on >> tick", L"progress status",
         L"progress maximum 0 | status 00:00:01"},
        {L"windows 1; store Text2=90; store Text3=0; load; on >> tick", L"status",
         L"status 01:29:59"},
        {L"windows 1; store Text2=1.5; store Text3=0; load; on >> tick", L"status",
         L"status 00:01:29"},
        // Fields that hold no number are repaired, and stored.
        {L"windows 1; store Text2=; store Text3=abc; load; on >> tick", L"text write status",
         L"text Text2 0 | write Text2=0 | text Text3 5 | write Text3=5 | status 00:00:04"},
        // A count interrupted by Off goes on after On; a lowered period fires at once.
        {ten + L"; tick 7; click PushButton2; on >> tick 3", L"status scroll",
         L"status 00:00:02 | status 00:00:01 | status 00:00:00 | scroll 101 -75"},
        {ten + L"; tick 6 >> type Text3 2; tick", L"progress status scroll",
         L"progress maximum 2 | status 00:00:05 | scroll 101 -75"},
        // A period past 32 bits is reported at each tick, one report at a time; the last good
        // period stays.
        {L"windows 1; store Text3=3; load; on; tick >> type Text2 99999999; once report tick; "
         L"tick; tick",
         L"report status scroll",
         L"report Overflow, Timer1_Timer 110 | status 00:00:01 | "
         L"report Overflow, Timer1_Timer 110 | status 00:00:00 | scroll 101 -75"},
        // Switched Off inside the tick's report or repaint: the rest of the tick is skipped.
        {L"windows 1; store Text2=99999999; load; on >> once report click PushButton2; tick",
         L"report timer awake caption status pointer progress write scroll",
         L"report Overflow, Timer1_Timer 110 | " + off + L" | write StartStopState=Off", true},
        {L"windows 1; store Text3=5; load; on >> once repaint click PushButton2; tick",
         L"progress status timer awake caption pointer write scroll",
         L"progress maximum 5 | progress 1 | status 00:00:04 | " + off +
             L" | write StartStopState=Off",
         true},
        {L"windows 2; store Text3=0; load; on 2 >> once repaint click PushButton2, on 2; tick; "
         L"tick",
         L"scroll timer", L"timer 0 | timer 1000 | timer 0 | scroll 102 -75 | timer 1000"},
    };
    for (const Case& c : cases) check(c);
}

TEST(Engine, TheScopeDecidesWhichWindowIsScrolled) {
    const std::wstring walk = L"windows 3; store Text3=0; load; on ",
                       selected = L"store Option7=0; store Option8=1; " + walk,
                       neither = L"store Option7=0; " + walk;
    const Case cases[] = {
        {walk + L"1 >> tick 4", L"scroll select",
         L"scroll 101 -75 | select 2 | scroll 102 -75 | select 3 | scroll 103 -75 | select 1 | "
         L"scroll 101 -75 | select 2"},
        {walk + L"2 >> tick 2", L"scroll", L"scroll 102 -75 | scroll 102 -75"},
        // The list shrunk under the cursor: the cursor is kept within it.
        {walk + L"1; tick 2 >> desktop 2; click PushButton1; select 2; tick 2", L"scroll",
         L"scroll 102 -75 | scroll 101 -75"},
        {L"windows 2; " + selected + L"4 >> tick 2", L"scroll select",
         L"scroll 104 -75 | select 4 | scroll 104 -75 | select 4"},
        // None selected: no step this time, the first one after.
        {selected + L"0 >> tick 2", L"scroll select", L"select 1 | scroll 101 -75 | select 1"},
        {neither + L"2 >> tick 2", L"scroll select",
         L"scroll 102 -75 | select 1 | scroll 101 -75 | select 1"},
    };
    for (const Case& c : cases) check(c);
}
