#include "FormFixture.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
constexpr std::int16_t kDown = static_cast<std::int16_t>(0x8000);
constexpr std::int16_t kPressedSinceAsked = 1;
constexpr std::int16_t kPressedAndDown = static_cast<std::int16_t>(0x8001);

class Desktop : public FormFixture {
  protected:
    void SetUp() override {
        // The platform raises the window's resize event when its state changes.
        view.onResize = [this] { form().raise(Control::Form, UiEvent::Resize); };
        keyboard.onToggle = [this] { form().PushButton2_Click(); };
    }
    std::intptr_t keyEvent(int code = 0) {
        return form().modKeyboard().KeyboardProc(code, 0x100, 0);
    }
};
}  // namespace

TEST_F(Desktop, ChordDecisionRestsOnTheThreeKeyStates) {
    addWindows(1);
    loaded();
    struct Row {
        const char* what;
        std::int16_t ctrl, shift, t;
        bool toggles;
        std::vector<int> queried;
    };
    const Row rows[] = {
        {"Ctrl+Shift+T", kDown, kDown, kPressedAndDown, true, {0x11, 0x10, 0x54}},
        {"Shift only pressed since asked",
         kDown,
         kPressedSinceAsked,
         kPressedAndDown,
         true,
         {0x11, 0x10, 0x54}},
        {"a mark left by typing T earlier",
         kDown,
         kDown,
         kPressedSinceAsked,
         false,
         {0x11, 0x10, 0x54}},
        {"T held but not pressed since asked", kDown, kDown, kDown, false, {0x11, 0x10, 0x54}},
        {"Ctrl+T", kDown, 0, kPressedAndDown, false, {0x11, 0x10}},
        {"Shift+T", 0, kDown, kPressedAndDown, false, {0x11, 0x10}},
        {"T alone", 0, 0, kPressedAndDown, false, {0x11, 0x10}},
        {"Ctrl only pressed since asked",
         kPressedSinceAsked,
         kDown,
         kPressedAndDown,
         false,
         {0x11, 0x10}},
    };
    for (const Row& row : rows) {
        keyboard.keys = {{0x11, {row.ctrl}}, {0x10, {row.shift}}, {0x54, {0}}};
        keyEvent();  // T seen up: a new press may toggle
        keyboard.keys = {{0x11, {row.ctrl}}, {0x10, {row.shift}}, {0x54, {row.t}}};
        keyboard.queried.clear();
        keyboard.log.clear();
        const std::intptr_t result = keyEvent();
        EXPECT_EQ(keyboard.queried, row.queried) << row.what;
        if (row.toggles) {
            EXPECT_EQ(result, 0) << row.what;
            EXPECT_EQ(keyboard.log, (std::vector<std::wstring>{L"toggle"})) << row.what;
        } else {
            EXPECT_EQ(result, 77) << row.what;
            EXPECT_EQ(keyboard.log, (std::vector<std::wstring>{L"next 81 0"})) << row.what;
        }
    }
}

TEST_F(Desktop, OnePressOfTTogglesOnce) {
    addWindows(1);
    loaded();
    // The events of one chord while T is down (its own press, then Shift's release, a repeat).
    keyboard.keys = {{0x11, {kDown}}, {0x10, {kDown}}, {0x54, {kPressedAndDown}}};
    keyEvent();
    keyEvent();
    keyEvent();
    EXPECT_EQ(std::count(keyboard.log.begin(), keyboard.log.end(), L"toggle"), 1);
    keyboard.keys[0x54] = {0, kPressedAndDown};  // released, then pressed again
    keyEvent();
    keyEvent();
    EXPECT_EQ(std::count(keyboard.log.begin(), keyboard.log.end(), L"toggle"), 2);
}

TEST_F(Desktop, ANonZeroHookCodeIsChainedUntouched) {
    loaded();
    keyboard.keys = {{0x11, {kDown}}, {0x10, {kDown}}, {0x54, {kPressedAndDown}}};
    EXPECT_EQ(keyEvent(3), 77);
    EXPECT_TRUE(keyboard.queried.empty());
    EXPECT_FALSE(form().modKeyboard().ctrlHeld());
}

TEST_F(Desktop, TheChordTogglesLikeTheButtonInEveryState) {
    addWindows(1);
    loaded();
    const auto chord = [&] {
        keyboard.keys = {{0x11, {kDown}}, {0x10, {kDown}}, {0x54, {0, kPressedAndDown}}};
        keyEvent();
        keyEvent();
    };
    chord();
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn Off");
    EXPECT_EQ(settings.values[L"StartStopState"], L"On");
    chord();
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");

    windows.desktop.clear();
    form().raise(Control::PushButton1, UiEvent::Click);
    chord();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt,
              L"Please add items to the 'Queue' list below before turning on.");
}

TEST_F(Desktop, AFailedHookInstallationIsStillRemovedAtClose) {
    keyboard.installResult = 0;
    loaded();
    form().raise(Control::Form, UiEvent::QueryUnload);
    EXPECT_EQ(keyboard.log, (std::vector<std::wstring>{L"install", L"uninstall 0"}));
}

TEST_F(Desktop, StartUpPutsTheIconUpWithItsTip) {
    loaded();
    EXPECT_EQ(tray.log, (std::vector<std::wstring>{L"route"}));
    ASSERT_EQ(tray.records.size(), 1u);
    const NotifyRecord& add = tray.records[0];
    EXPECT_EQ(add.message, 0);
    EXPECT_EQ(add.size, 488u);
    EXPECT_EQ(add.owner, 0x7777);
    EXPECT_EQ(add.id, 0u);
    EXPECT_EQ(add.flags, 7u);  // message, icon, tip
    EXPECT_EQ(add.callbackMessage, 0x465u);
    EXPECT_EQ(add.icon, 0x1C0);
    EXPECT_EQ(add.tip, L"Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_TRUE(form().cSysTray1().InTray());
    EXPECT_EQ(keyboard.log, (std::vector<std::wstring>{L"install"}));
}

TEST_F(Desktop, TrayPropertiesSendOnlyWhatChanged) {
    loaded();
    std::vector<std::string> notified;
    form().cSysTray1().PropertyChanged = [&](const char* p) { notified.push_back(p); };
    form().cSysTray1().setInTray(true);  // its current value
    EXPECT_EQ(tray.records.size(), 1u);
    EXPECT_TRUE(notified.empty());

    form().cSysTray1().setTrayTip(L"New tip");
    ASSERT_EQ(tray.records.size(), 2u);
    EXPECT_EQ(tray.records[1].message, 1);
    EXPECT_EQ(tray.records[1].flags, 4u);
    EXPECT_EQ(tray.records[1].tip, L"New tip");

    form().cSysTray1().setTrayIcon(0x2C0, 1);  // a picture that is no icon
    EXPECT_EQ(tray.records.size(), 2u);
    form().cSysTray1().setTrayIcon(0x2C0, 3);
    EXPECT_EQ(tray.records[2].flags, 2u);
    EXPECT_EQ(tray.records[2].icon, 0x2C0);
    EXPECT_EQ(notified, (std::vector<std::string>{"TrayTip", "TrayIcon"}));
    form().cSysTray1().PropertyChanged = nullptr;

    form().cSysTray1().shellRestarted();  // the shell came back: the icon goes up again
    EXPECT_EQ(tray.records.back().message, 0);
    EXPECT_EQ(tray.records.back().tip, L"New tip");
}

TEST_F(Desktop, MinimisingHidesToTheTrayWithABalloonOncePerRun) {
    loaded();
    view.setWindowState(WindowState::Minimized);
    EXPECT_FALSE(view.windowVisible());
    EXPECT_EQ(view.windowState(), WindowState::Normal);
    EXPECT_TRUE(form().hiddenToTray());
    ASSERT_EQ(tray.records.size(), 3u);  // add, balloon, balloon off
    const NotifyRecord& balloon = tray.records[1];
    EXPECT_EQ(balloon.message, 1);
    EXPECT_EQ(balloon.flags, 0x10u);
    EXPECT_EQ(balloon.info,
              L"has been minimized to the system tray.\r\nClick on the blue 'T' icon "
              L"(T for Tervalinx) to bring the software back.");
    EXPECT_EQ(balloon.infoTitle, L"Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_EQ(balloon.timeout, 5000u);
    EXPECT_EQ(balloon.infoFlags, 0u);
    EXPECT_EQ(tray.records[2].flags, 0x10u);
    EXPECT_TRUE(tray.records[2].info.empty());
    EXPECT_TRUE(tray.records[2].infoTitle.empty());

    form().cSysTray1().TrayCallback(0x202, 0);
    EXPECT_TRUE(view.windowVisible());
    EXPECT_FALSE(form().hiddenToTray());
    EXPECT_EQ(view.log.back(), L"activate");

    view.setWindowState(WindowState::Minimized);
    EXPECT_FALSE(view.windowVisible());
    EXPECT_EQ(tray.records.size(), 3u);  // no second balloon
}

TEST_F(Desktop, AClickedBalloonEndsTheWaitAtOnce) {
    loaded();
    tray.duringWait = [&] {
        tray.now += 1.0;
        form().cSysTray1().TrayCallback(0x405, 0);
    };
    view.setWindowState(WindowState::Minimized);
    EXPECT_EQ(tray.waits, 1);
    EXPECT_EQ(tray.records.size(), 2u);  // no "balloon off" after a click
    EXPECT_FALSE(form().cSysTray1().balloonShowing());
}

TEST_F(Desktop, AToggleAskedDuringTheFirstTogglesBalloonWaitRunsAfterIt) {
    addWindows(1);
    loaded();
    view.onResize = [&] { form().raise(Control::Form, UiEvent::Resize); };
    int toggles = 0;
    tray.duringWait = [&] {
        if (toggles++ == 0) form().raise(Control::PushButton2, UiEvent::Click);  // the chord again
        tray.now += 5;
    };
    settings.writes.clear();
    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"StartStopState=On", L"StartStopState=Off"}));
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_FALSE(timer.enabled());
    EXPECT_FALSE(view.windowVisible());  // in the tray, where switching On put it
    form().cSysTray1().TrayCallback(0x202, 0);
    EXPECT_TRUE(view.windowVisible());
    EXPECT_EQ(view.windowState(), WindowState::Normal);
}

TEST_F(Desktop, OnlyAButtonReleaseBringsTheWindowBack) {
    loaded();
    view.setWindowState(WindowState::Minimized);
    for (std::uint32_t message : {0x200u, 0x201u, 0x203u, 0x204u, 0x206u, 0x207u, 0x208u}) {
        form().cSysTray1().TrayCallback(message, 0);
        EXPECT_FALSE(view.windowVisible()) << message;
    }
    form().cSysTray1().TrayCallback(0x205, 0);
    EXPECT_TRUE(view.windowVisible());
}

TEST_F(Desktop, ClosingRemovesHookTimerAndIconAndReleasesTheDisplay) {
    addWindows(1);
    loaded();
    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_TRUE(display.awake);
    form().raise(Control::Form, UiEvent::QueryUnload);
    EXPECT_EQ(keyboard.log.back(), L"uninstall 81");
    EXPECT_FALSE(timer.enabled());
    EXPECT_FALSE(display.awake);
    EXPECT_EQ(tray.records.back().message, 2);
    EXPECT_EQ(tray.records.back().flags, 0u);
    EXPECT_EQ(tray.log.back(), L"unroute");
    EXPECT_FALSE(form().cSysTray1().InTray());
    EXPECT_EQ(view.pendingEventRuns, 2);  // twice, at close
}

TEST_F(Desktop, TheDisplayIsKeptAwakeExactlyWhileOn) {
    addWindows(1);
    settings.values = {{L"StartStopState", L"On"}};
    loaded();
    EXPECT_TRUE(display.awake);
    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_FALSE(display.awake);
    form().raise(Control::PushButton2, UiEvent::Click);
    EXPECT_TRUE(display.awake);
}

TEST_F(Desktop, TheLogonEntryIsTheProgramsOwnQuotedPath) {
    loaded();
    view.setChecked(Control::Check4, true);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_EQ(startup.machine, (std::map<std::wstring, std::wstring>{
                                   {L"QuietPageAdvancer.exe",
                                    L"\"C:\\Program Files\\Tervalinx\\QuietPageAdvancer.exe\""}}));
    EXPECT_TRUE(startup.user.empty());
    EXPECT_EQ(settings.values[L"Windows Startup"], L"On");

    startup.user[L"QuietPageAdvancer.exe"] = L"left from an earlier run";
    view.setChecked(Control::Check4, false);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_TRUE(startup.machine.empty());
    EXPECT_TRUE(startup.user.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Desktop, AProgramAtADriveRoot) {
    startup.path = L"D:\\QuietPageAdvancer.exe";
    loaded();
    view.setChecked(Control::Check4, true);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_EQ(startup.machine[L"QuietPageAdvancer.exe"], L"\"D:\\QuietPageAdvancer.exe\"");
}

TEST_F(Desktop, ARefusedMachineListFallsBackToTheUsersAndNeitherTellsTheUser) {
    startup.machineWritable = false;
    loaded();
    view.setChecked(Control::Check4, true);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_EQ(startup.user.size(), 1u);
    EXPECT_TRUE(dialogs.shown.empty());

    startup.userWritable = false;
    startup.user.clear();
    view.setChecked(Control::Check4, false);
    form().raise(Control::Check4, UiEvent::Click);
    view.setChecked(Control::Check4, true);
    form().raise(Control::Check4, UiEvent::Click);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, L"Velloranth Quiet Page Advancer For Your");
    EXPECT_EQ(settings.values[L"Windows Startup"], L"On");  // the user's choice is kept
}

TEST_F(Desktop, RestoringTheStartupBoxTouchesNoEntry) {
    settings.values = {{L"Windows Startup", L"On"}, {L"Minimized", L"On"}};
    loaded();
    EXPECT_TRUE(startup.machine.empty());
    EXPECT_TRUE(view.checked(Control::Check4));
    EXPECT_FALSE(view.windowVisible());  // started in the tray
    EXPECT_TRUE(form().hiddenToTray());
}
