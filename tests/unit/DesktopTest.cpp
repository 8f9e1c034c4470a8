// The desktop integration: the toggle chord, the tray icon, closing, the logon entry.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
constexpr KeyState kUp{false, false}, kDown{true, false}, kPressed{false, true},
    kPressedAndDown{true, true};

class Desktop : public ::testing::Test, public FakeForm {
  protected:
    void SetUp() override {
        // The window raises its resize event when its state changes.
        view.onResize = [this] { form().raise(Control::Form, UiEvent::Resize); };
        addWindows(1);
        loaded();
    }
    void keys(KeyState ctrl, KeyState shift, std::deque<KeyState> t) {
        keyboard.states = {{Key::Control, {ctrl}}, {Key::Shift, {shift}}, {Key::T, std::move(t)}};
    }
    bool keyEvent() { return keyboard.events->keyEvent(); }
    std::wstring button() const { return view.caption(Control::PushButton2); }
    void release(int button) { tray.events->buttonReleased(button); }
};
}  // namespace

TEST_F(Desktop, TheChordDecisionRestsOnTheThreeKeyStates) {
    struct Row {
        const char* what;
        KeyState ctrl, shift, t;
        bool toggles;
        std::vector<Key> queried;
    };
    const std::vector<Key> all{Key::Control, Key::Shift, Key::T}, two{Key::Control, Key::Shift};
    const Row rows[] = {
        {"Ctrl+Shift+T", kDown, kDown, kPressedAndDown, true, all},
        {"Shift only pressed since asked", kDown, kPressed, kPressedAndDown, true, all},
        {"a mark left by typing T earlier", kDown, kDown, kPressed, false, all},
        {"T held, not pressed since asked", kDown, kDown, kDown, false, all},
        {"Ctrl+T", kDown, kUp, kPressedAndDown, false, two},
        {"Shift+T", kUp, kDown, kPressedAndDown, false, two},
        {"Ctrl only pressed since asked", kPressed, kDown, kPressedAndDown, false, two},
    };
    for (const Row& row : rows) {
        keys(row.ctrl, row.shift, {kUp});
        keyEvent();  // T seen up: a new press may toggle
        keys(row.ctrl, row.shift, {row.t});
        keyboard.queried.clear();
        EXPECT_EQ(keyEvent(), !row.toggles) << row.what;  // false: the next hooks skip it
        EXPECT_EQ(keyboard.queried, row.queried) << row.what;
        EXPECT_EQ(view.posted.size(), row.toggles ? 1u : 0u) << row.what;
        view.posted.clear();
    }
}

TEST_F(Desktop, OnePressOfTTogglesOnceAndTheToggleRunsAfterTheKeyEvent) {
    keys(kDown, kDown, {kPressedAndDown});
    for (int event = 0; event < 3; ++event) keyEvent();  // T's press, Shift's release, a repeat
    EXPECT_EQ(button(), L"Turn On");  // not yet: the hook returns first
    view.runPosted();
    EXPECT_EQ(button(), L"Turn Off");
    keys(kDown, kDown, {kUp, kPressedAndDown});  // released, then pressed again
    keyEvent();
    keyEvent();
    keyboard.events->chord();  // a desktop that recognises the chord itself
    view.runPosted();
    EXPECT_EQ(button(), L"Turn Off");  // two toggles: Off and On again
}

TEST_F(Desktop, TheIconIsUpWithItsTipAndPropertiesChangeOnlyWhatTheyAre) {
    SysTray tray2(tray);
    tray2.setTrayTip(L"before");  // not in the tray yet: nothing sent
    tray2.setTrayIcon(9, 1);      // not an icon: ignored
    tray2.setInTray(true);
    tray2.setInTray(true);  // unchanged: nothing
    tray2.setTrayTip(L"new tip");
    tray2.setTrayIcon(8, kPictureTypeIcon);
    tray2.setTrayIcon(0, kPictureTypeIcon);  // none: ignored
    tray.events->shellRestarted();           // the host came back: the icon goes up again
    tray2.setInTray(false);
    tray2.setInTray(false);
    EXPECT_EQ(tray.log, (std::vector<std::wstring>{
                            L"add 7 Velloranth Quiet Page Advancer For Your Desktop",
                            L"add 0 before", L"tip new tip", L"picture 8", L"add 8 new tip",
                            L"remove"}));
}

TEST_F(Desktop, MinimisingHidesToTheTrayWithABalloonOncePerRun) {
    view.setWindowState(WindowState::Minimized);
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.state, WindowState::Normal);
    view.visible = true;  // brought back
    release(1);
    view.setWindowState(WindowState::Minimized);
    EXPECT_EQ(tray.log, (std::vector<std::wstring>{
                            L"add 7 Velloranth Quiet Page Advancer For Your Desktop",
                            L"balloon Velloranth Quiet Page Advancer For Your Desktop|has been "
                            L"minimized to the system tray.\r\nClick on the blue 'T' icon (T for "
                            L"Tervalinx) to bring the software back.|5",
                            L"balloon off"}));
    EXPECT_EQ(tray.now, 105.0);  // waited 5 s, once
    EXPECT_FALSE(view.visible);
}

TEST_F(Desktop, AClosedBalloonEndsTheWaitAtOnce) {
    tray.duringWait = [&] {
        tray.now += 1.0;
        tray.events->balloonClosed();
    };
    view.setWindowState(WindowState::Minimized);
    EXPECT_EQ(tray.waits, 1);
    EXPECT_EQ(tray.log.back().substr(0, 7), L"balloon");  // no "balloon off" after it closed
}

TEST_F(Desktop, AButtonReleaseBringsTheWindowBackInFrontFromTheTrayOrMinimised) {
    view.setWindowState(WindowState::Minimized);
    release(2);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.log.back(), L"activate");
    view.state = WindowState::Minimized;  // minimised but not hidden
    release(1);
    EXPECT_EQ(view.state, WindowState::Normal);
    view.setWindowState(WindowState::Minimized);  // hidden again: the handler ran again
    EXPECT_FALSE(view.visible);
}

TEST_F(Desktop, AToggleAskedDuringTheFirstTogglesBalloonWaitRunsAfterIt) {
    tray.duringWait = [&] {
        tray.duringWait = nullptr;
        click(Control::PushButton2);  // the chord again
        tray.now += 5;
    };
    settings.writes.clear();
    click(Control::PushButton2);
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"StartStopState=On", L"StartStopState=Off"}));
    EXPECT_EQ(button(), L"Turn On");
    EXPECT_EQ(view.timer, 0);
    EXPECT_FALSE(view.visible);  // in the tray, where switching On put it
    release(1);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.state, WindowState::Normal);
}

TEST_F(Desktop, ClosingReleasesHookTimerDisplayAndIcon) {
    click(Control::PushButton2);
    form().raise(Control::Form, UiEvent::QueryUnload);
    EXPECT_EQ(keyboard.uninstalls, 1);
    EXPECT_EQ(view.timer, 0);
    EXPECT_FALSE(display.awake);
    EXPECT_EQ(tray.log.back(), L"remove");
    EXPECT_EQ(view.pendingEventRuns, 2);
}

TEST_F(Desktop, TheLogonEntryIsTheProgramsOwnQuotedPath) {
    struct Row {
        const wchar_t* path;
        bool machineWritable, userWritable;
        const wchar_t *name, *command;
        bool inMachineList, told;
    };
    const Row rows[] = {
        {L"C:\\Program Files\\Tervalinx\\Quiet.exe", true, true, L"Quiet.exe",
         L"\"C:\\Program Files\\Tervalinx\\Quiet.exe\"", true, false},
        {L"D:\\Quiet.exe", true, true, L"Quiet.exe", L"\"D:\\Quiet.exe\"", true, false},
        {L"/usr/bin/quiet", false, true, L"quiet", L"\"/usr/bin/quiet\"", false, false},
        {L"C:\\Quiet.exe", false, false, L"Quiet.exe", nullptr, false, true},
        {L"", true, true, L"", nullptr, false, true},
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.startup.path = row.path;
        f.startup.machineWritable = row.machineWritable;
        f.startup.userWritable = row.userWritable;
        f.loaded();
        f.view.checks[Control::Check4] = true;
        f.click(Control::Check4);
        const auto& list = row.inMachineList ? f.startup.machine : f.startup.user;
        if (row.command) {
            ASSERT_EQ(list.size(), 1u) << row.path;
            EXPECT_EQ(list.begin()->first, row.name);
            EXPECT_EQ(list.begin()->second, row.command);
        } else {
            EXPECT_TRUE(f.startup.machine.empty() && f.startup.user.empty());
        }
        EXPECT_EQ(f.dialogs.shown.size(), row.told ? 1u : 0u) << row.path;
        f.startup.machine[row.name] = f.startup.user[row.name] = L"x";
        f.view.checks[Control::Check4] = false;
        f.click(Control::Check4);
        EXPECT_EQ(f.startup.machine.size() + f.startup.user.size(), row.name[0] ? 0u : 2u);
    }
}
