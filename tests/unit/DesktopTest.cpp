// The desktop integration: the toggle chord, the tray icon and its balloon, closing, the logon
// entry.
#include "desktop/ChordRule.h"
#include "unit/Cases.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
constexpr KeyState kUp{false, false}, kDown{true, false}, kPressed{false, true},
    kPressedAndDown{true, true};
const std::wstring kBalloon =
    L"balloon " + std::wstring(texts::kProductName) + L"|" + texts::kBalloonText + L"|5";
}  // namespace

TEST(Desktop, TheChordRuleRestsOnTheThreeKeyStatesAndOnePressCompletesItOnce) {
    const std::tuple<KeyState, KeyState, KeyState, bool> rows[] = {
        {kDown, kDown, kPressedAndDown, true},      // Ctrl+Shift+T
        {kDown, kPressed, kPressedAndDown, true},   // Shift pressed since asked
        {kDown, kDown, kPressed, false},            // a mark left by typing T earlier
        {kDown, kDown, kDown, false},               // T held, not pressed since asked
        {kDown, kUp, kPressedAndDown, false},       // Ctrl+T
        {kUp, kDown, kPressedAndDown, false},       // Shift+T
        {kPressed, kDown, kPressedAndDown, false},  // Ctrl pressed since asked
    };
    for (const auto& [ctrl, shift, t, completes] : rows) {
        ChordRule rule;
        EXPECT_FALSE(rule.completes({ctrl, shift, kUp}));  // T seen up: a new press may count
        EXPECT_EQ(rule.completes({ctrl, shift, t}), completes);
    }
    // A repeat and a release in between: each press of T counts once.
    ChordRule rule;
    std::wstring seen;
    for (const KeyState t :
         {kPressedAndDown, kPressedAndDown, kPressedAndDown, kUp, kPressedAndDown})
        seen += rule.completes({kDown, kDown, t}) ? L"chord " : L"- ";
    EXPECT_EQ(seen, L"chord - - - chord ");
}

TEST(Desktop, EachChordTogglesOnceTheKeyEventHasReturnedInTheOrderAsked) {
    FakeForm f;
    f.run(L"windows 1; load").take(L"");
    for (int press = 0; press < 3; ++press) f.keyboard.events->chord();
    EXPECT_EQ(f.take(L"post write"), L"post PushButton2 | post PushButton2 | post PushButton2");
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
        // A balloon that went away ends the wait at once.
        {L"windows 1; load >> once wait balloon-closed; minimize", L"balloon wait",
         kBalloon + L" | wait 5"},
        // Closing lets go of the hook, the timer, the display and the icon.
        {L"windows 1; load; on >> close", L"unhook timer awake tray events",
         L"unhook | timer 0 | awake 0 | tray remove | events | events"},
    };
    for (const Case& c : cases) check(c);
}

TEST(Desktop, TheTrayControlPutsItsIconUpAgainAfterAShellRestartAndWaitsOutItsBalloon) {
    Journal journal;
    FakeTray shell(journal);
    {
        SysTray tray(shell);
        tray.setTrayTip(L"tip");  // not in the tray yet: nothing sent
        tray.setTrayIcon(0, kPictureTypeIcon);
        tray.setTrayIcon(5, kPictureTypeIcon - 1);  // not an icon: no picture taken
        tray.setInTray(true);
        tray.setInTray(true);  // unchanged: nothing
        tray.shellRestarted();
        tray.setInTray(false);
        tray.shellRestarted();  // the icon was taken away: it stays away
        tray.setInTray(true);
        shell.advance = 2;  // each wait ends at an event two seconds in
        tray.ShowBalloon(L"text", L"title", 5);
        tray.ShowBalloon(L"text", L"title", 1);
        tray.ShowBalloon(L"text", L"title", 0);
    }  // gone: the icon with it
    EXPECT_EQ(
        journal.take(L"tray balloon wait"),
        L"tray add 0 tip | tray add 0 tip | tray remove | tray add 0 tip | balloon title|text|5 | "
        L"wait 5 | wait 3 | wait 1 | balloon off | balloon title|text|1 | wait 1 | balloon off | "
        L"balloon title|text|0 | tray remove");
}

TEST(Desktop, TheLogonEntryIsTheProgramsOwnQuotedPath) {
    // Checking the box, then clearing it.
    const std::wstring words = L"entry remove message", box = L" >> click Check4; click Check4";
    const std::wstring refused =
        L"message " + std::wstring(texts::kWindowsWords.startupListRefused);
    const Case cases[] = {
        {L"program C:\\Program Files\\Tervalinx\\Quiet.exe; load" + box, words,
         L"entry machine Quiet.exe=\"C:\\Program Files\\Tervalinx\\Quiet.exe\" | "
         L"remove machine Quiet.exe | remove user Quiet.exe"},
        {L"program /usr/bin/quiet; refuse machine; load" + box, words,
         L"entry machine quiet=\"/usr/bin/quiet\" refused | entry user quiet=\"/usr/bin/quiet\" | "
         L"remove machine quiet | remove user quiet"},
        {L"program C:\\Quiet.exe; refuse machine; refuse user; load" + box, words,
         L"entry machine Quiet.exe=\"C:\\Quiet.exe\" refused | "
         L"entry user Quiet.exe=\"C:\\Quiet.exe\" refused | " +
             refused + L" | remove machine Quiet.exe | remove user Quiet.exe"},
        {L"program ; load" + box, words, refused},
        // A path no entry can carry: neither list is tried, and the words say why.
        {L"program /tmp/a\nb/quiet; refuse path; linux; load" + box, words,
         L"message " + std::wstring(texts::kLinuxWords.startupPathRefused) +
             L" | remove machine quiet | remove user quiet"},
    };
    for (const Case& c : cases) check(c);
}
