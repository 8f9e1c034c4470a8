// Start-up: the window's look, the stored choices restored, the switch and the start-up boxes.
#include "unit/Cases.h"

using namespace qpa;
using namespace qpa::fakes;

TEST(Startup, FirstRunShowsTheDefaultsAndStoresOnlyTheRestoredControls) {
    FakeForm f;
    EXPECT_EQ(
        f.run(L"load").take(L"caption Check4, caption Form1, column, icon, button, "
                            L"pointer image, write, caption PushButton2, visible, tray, hook"),
        L"caption Check4 " + std::wstring(texts::kWindowsWords.startupCheckBox) +
            L" | caption Form1 " + texts::kProductName + L" | icon | column " +
            texts::kListColumnHeader +
            L" 7000 | write Option1=True | write Option2=False | write "
            L"Option3=False | write Option4=False | write Option5=False | write Option6=False | "
            L"write Option7=True | write Option8=False | write Text2=0 | write Text3=2 | caption "
            L"PushButton2 Turn On | visible Check8 0 | tray add 7 " +
            texts::kProductName + L" | hook");
    EXPECT_EQ(f.settings.address, L"Tervalinx\\Velloranth Quiet Page Advancer For Your Desktop");
    f.run(L"click PushButton7");  // a box without a title of its own carries the short title
    EXPECT_EQ(f.dialogs.last.title, L"Velloranth Quiet Page Advancer For Your");
}

TEST(Startup, StoredChoicesAndSwitchAreRestored) {
    const std::wstring groups =
        L"write Option1=False | write Option2=False | write Option3=False | write Option4=False | "
        L"write Option5=True | write Option6=False | write Option7=False | write Option8=True";
    const std::wstring boxes = L"checked, visible, minimize, entry";
    const std::wstring state =
        L"caption PushButton2, caption Frame4, timer, awake, minimize, "
        L"write StartStopState, progress";
    const std::wstring off = L"timer 0 | awake 0 | caption Frame4 " +
                             std::wstring(texts::kStatusOff) + L" | progress 0 | progress text " +
                             texts::kProgressBarText + L" | caption PushButton2 " + texts::kTurnOn;
    const Case cases[] = {
        // Each group is rewritten whole from what was restored; a field is restored as stored.
        {L"store Option1=False; store Option5=True; store Option7=False; store Option8=True; "
         L"store Text2=12a; load",
         L"write", groups + L" | write Text2=12a | write Text3=2"},
        {L"store Option1=False; load", L"write",  // no method at all
         L"write Option7=True | write Option8=False | write Text2=0 | write Text3=2"},
        // The boxes: "minimized" shown only with the start-up box, minimising only with both;
        // restoring them writes no logon entry.
        {L"store Windows Startup=on; store Minimized=On; load", boxes,
         L"checked Check8 1 | visible Check8 0"},
        {L"store Windows Startup=On; store Minimized=On; load", boxes,
         L"checked Check4 1 | checked Check8 1 | visible Check8 1 | minimize"},
        {L"store Windows Startup=On; store Minimized=Off; load", boxes,
         L"checked Check4 1 | visible Check8 1"},
        // An option that is no truth value is reported once and kept; start-up goes on, and is
        // over after: the box's handler works again.
        {L"store Option1=maybe; store Text2=7; load", L"report write",
         L"report Type mismatch, Form_Load 122 | write Option7=True | write Option8=False | "
         L"write Text2=7 | write Text3=2"},
        {L"store Option1=maybe; load >> click Check4", L"write", L"write Windows Startup=On"},
        // The switch: On only with windows listed, neither minimised nor stored for it; a state
        // that is neither "On" nor "Off" shows nothing.
        {L"windows 2; store StartStopState=On; load", state,
         L"caption PushButton2 Turn Off | timer 1000 | awake 1"},
        {L"store StartStopState=On; load", state, off, true},
        {L"windows 2; store StartStopState=Off; load", state, off, true},
        {L"windows 2; store StartStopState=on; load", state, L""},
        // Resumed On: the first tick counts, with the cursor on the first window.
        {L"windows 2; store StartStopState=On; store Text3=1; store Option7=0; store Option8=1; "
         L"load >> tick 2",
         L"scroll", L"scroll 101 -75"},
    };
    for (const Case& c : cases) check(c);
}

TEST(Startup, TheHomePageOpensForADrawOfSevenOnlyAndOptionalFilesBesideTheProgram) {
    const std::wstring home = L"open https://www.tervalinx.example/",
                       look = L"icon, button, pointer image";
    const Case cases[] = {
        {L"draw 0.05999; load", L"open", L""},
        {L"draw 0.06; load", L"open", home},
        {L"draw 0.06999; load", L"open", home},
        {L"draw 0.07; load", L"open", L""},
        {L"file C:\\Apps\\x\\o.cjs; file C:\\Apps\\HAND-M.CUR; load", look,
         L"button face | icon | pointer image C:\\Apps\\HAND-M.CUR"},
        // A file whose time cannot be read counts as missing.
        {L"file C:\\Apps\\HAND-M.CUR; unreadable C:\\Apps\\HAND-M.CUR; load", look, L"icon"},
    };
    for (const Case& c : cases) check(c);
    FakeForm f;
    EXPECT_FLOAT_EQ(f.run(L"load").system.seededWith, 43200.5f);  // the time of day
}
