// The desktop integration: the toggle chord, the tray icon and its balloon, closing, the logon
// entry.
#include "unit/Cases.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
constexpr KeyState kUp{false, false}, kDown{true, false}, kPressed{false, true},
    kPressedAndDown{true, true};
const std::wstring kBalloon =
    L"balloon Velloranth Quiet Page Advancer For Your Desktop|has been minimized to the system "
    L"tray.\r\nClick on the blue 'T' icon (T for Tervalinx) to bring the software back.|5";
}  // namespace

TEST(Desktop, TheChordDecisionRestsOnTheThreeKeyStatesAndOnePressTogglesOnce) {
    struct Row {
        const char* what;
        KeyState ctrl, shift, t;
        const wchar_t* seen;
    };
    const Row rows[] = {
        {"Ctrl+Shift+T", kDown, kDown, kPressedAndDown,
         L"ask Control | ask Shift | ask T | post PushButton2"},
        {"Shift pressed since asked", kDown, kPressed, kPressedAndDown,
         L"ask Control | ask Shift | ask T | post PushButton2"},
        {"a mark left by typing T earlier", kDown, kDown, kPressed,
         L"ask Control | ask Shift | ask T"},
        {"T held, not pressed since asked", kDown, kDown, kDown,
         L"ask Control | ask Shift | ask T"},
        {"Ctrl+T", kDown, kUp, kPressedAndDown, L"ask Control | ask Shift"},
        {"Shift+T", kUp, kDown, kPressedAndDown, L"ask Control | ask Shift"},
        {"Ctrl pressed since asked", kPressed, kDown, kPressedAndDown, L"ask Control | ask Shift"},
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.run(L"load");
        f.keyboard.states = {
            {Key::Control, {row.ctrl}}, {Key::Shift, {row.shift}}, {Key::T, {kUp}}};
        f.keyboard.events->keyEvent();  // T seen up: a new press may toggle
        f.keyboard.states[Key::T] = {row.t};
        f.take(L"");
        const bool passedOn = f.keyboard.events->keyEvent();
        EXPECT_EQ(f.take(L"ask post"), row.seen) << row.what;
        EXPECT_EQ(passedOn, std::wstring(row.seen).find(L"post") == std::wstring::npos) << row.what;
    }
    FakeForm f;
    f.run(L"windows 1; load").take(L"");
    f.keyboard.states = {
        {Key::Control, {kDown}},
        {Key::Shift, {kDown}},
        {Key::T, {kPressedAndDown, kPressedAndDown, kPressedAndDown, kUp, kPressedAndDown}}};
    for (int event = 0; event < 5; ++event) f.keyboard.events->keyEvent();  // a repeat, a release
    f.keyboard.events->chord();  // a desktop that recognises the chord itself
    EXPECT_EQ(f.take(L"post write"), L"post PushButton2 | post PushButton2 | post PushButton2");
    // The toggles run after the key events have returned, in the order asked.
    EXPECT_EQ(f.run(L"posted").take(L"write"),
              L"write StartStopState=On | write StartStopState=Off | write StartStopState=On");
}

TEST(Desktop, TheTrayIconAndItsBalloon) {
    const Case cases[] = {
        // Minimising hides the window into the tray, with the balloon once per run.
        {L"windows 1; load >> minimize; release 1; minimize",
         L"window restore activate balloon wait",
         L"window hidden | restore | " + kBalloon +
             L" | wait 5 | balloon off | window shown | activate | window hidden | restore"},
        // Any button released over the icon brings the window back in front.
        {L"windows 1; load; minimize >> release 2", L"window activate", L"window shown | activate"},
        // A toggle asked during the first toggle's balloon runs after it; switching On again in
        // the tray leaves the window there.
        {L"windows 1; load >> once wait click PushButton2; click PushButton2",
         L"write window balloon wait timer",
         L"window hidden | " + kBalloon +
             L" | wait 5 | wait 5 | balloon off | timer 1000 | write StartStopState=On | timer 0 | "
             L"write StartStopState=Off"},
        {L"windows 1; load; once wait click PushButton2; click PushButton2 >> click PushButton2",
         L"window minimize restore balloon", L"minimize"},
        // Closing lets go of the hook, the timer, the display and the icon.
        {L"windows 1; load; on >> close", L"unhook timer awake tray events",
         L"unhook | timer 0 | awake 0 | tray remove | events | events"},
    };
    for (const Case& c : cases) check(c);

    FakeForm f;
    f.run(L"windows 1; load").tray.duringWait = [&] { f.tray.events->balloonClosed(); };
    EXPECT_EQ(f.run(L"minimize").take(L"balloon wait"),
              kBalloon + L" | wait 5");     // no "balloon off"
    f.view.state = WindowState::Minimized;  // minimised, not hidden
    EXPECT_EQ(f.run(L"release 1").take(L"window activate"), L"window shown | activate");
    EXPECT_EQ(f.view.state, WindowState::Normal);
}

TEST(Desktop, TheTrayControlChangesOnlyWhatItIsAskedTo) {
    Journal journal;
    FakeTray shell(journal);
    {
        SysTray tray(shell);
        tray.setTrayTip(L"before");  // not in the tray yet: nothing sent
        tray.setTrayIcon(9, 1);      // not an icon: ignored
        tray.setInTray(true);
        tray.setInTray(true);  // unchanged: nothing
        tray.setTrayTip(L"new tip");
        tray.setTrayIcon(8, kPictureTypeIcon);
        tray.setTrayIcon(0, kPictureTypeIcon);  // none: ignored
        tray.shellRestarted();                  // the host came back: the icon goes up again
        tray.setInTray(false);
        tray.setInTray(false);
        tray.setTrayTip(L"after");
        tray.shellRestarted();
        tray.setInTray(true);
        shell.advance = 2;  // each wait ends at an event two seconds in
        tray.ShowBalloon(L"text", L"title", 5);
        tray.ShowBalloon(L"text", L"title", 1);
        tray.ShowBalloon(L"text", L"title", 0);
        tray.ShowBalloon(L"text", L"title", -3);
    }  // gone: the icon with it
    EXPECT_EQ(journal.take(L"tray balloon wait"),
              L"tray add 0 before | tray tip new tip | tray picture 8 | tray add 8 new tip | "
              L"tray remove | tray add 8 after | balloon title|text|5 | wait 5 | wait 3 | wait 1 | "
              L"balloon off | balloon title|text|1 | wait 1 | balloon off | balloon title|text|0 | "
              L"balloon title|text|0 | tray remove");
}

TEST(Desktop, TheLogonEntryIsTheProgramsOwnQuotedPath) {
    struct Row {
        const wchar_t* path;
        bool machineWritable, userWritable;
        const wchar_t* seen;  // checking the box, then clearing it
    };
    const Row rows[] = {
        {L"C:\\Program Files\\Tervalinx\\Quiet.exe", true, true,
         L"entry machine Quiet.exe=\"C:\\Program Files\\Tervalinx\\Quiet.exe\" | "
         L"remove machine Quiet.exe | remove user Quiet.exe"},
        {L"/usr/bin/quiet", false, true,
         L"entry machine quiet=\"/usr/bin/quiet\" refused | entry user quiet=\"/usr/bin/quiet\" | "
         L"remove machine quiet | remove user quiet"},
        {L"C:\\Quiet.exe", false, false,
         L"entry machine Quiet.exe=\"C:\\Quiet.exe\" refused | entry user "
         L"Quiet.exe=\"C:\\Quiet.exe\" "
         L"refused | message This software could not be added to the programs that start with "
         L"Windows: the "
         L"start-up list cannot be written. | "
         L"remove machine Quiet.exe | remove user Quiet.exe"},
        {L"", true, true,
         L"message This software could not be added to the programs that start with Windows: the "
         L"start-up list cannot be written."},
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.startup.path = row.path;
        f.startup.machineWritable = row.machineWritable;
        f.startup.userWritable = row.userWritable;
        f.run(L"load").take(L"");
        EXPECT_EQ(f.run(L"click Check4; click Check4").take(L"entry remove message"), row.seen)
            << row.path;
    }
}
