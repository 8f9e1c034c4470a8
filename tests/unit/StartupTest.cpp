// Start-up: the window's look, the stored choices restored, the switch and the start-up boxes.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"

using namespace qpa;
using namespace qpa::fakes;

TEST(Startup, FirstRunShowsTheDefaultsAndStoresOnlyTheRestoredControls) {
    FakeForm f;
    f.loaded();
    EXPECT_EQ(f.view.caption(Control::Form), L"Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_EQ(f.view.column, L"Available Windows 7000");
    EXPECT_EQ(f.view.log, std::vector<std::wstring>{L"icon"});
    EXPECT_EQ(f.view.caption(Control::PushButton2), L"Turn On");
    EXPECT_EQ(f.view.timer, 0);
    EXPECT_FALSE(f.view.shownControls.at(Control::Check8));
    EXPECT_EQ(f.settings.address, L"Tervalinx\\Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_EQ(f.settings.writes, (std::vector<std::wstring>{
                                     L"Option1=True", L"Option2=False", L"Option3=False",
                                     L"Option4=False", L"Option5=False", L"Option6=False",
                                     L"Option7=True", L"Option8=False", L"Text2=0", L"Text3=2"}));
    // The icon is put up with its tip, the chord hooked last.
    EXPECT_EQ(f.tray.log, std::vector<std::wstring>{
                              L"add 7 Velloranth Quiet Page Advancer For Your Desktop"});
    EXPECT_NE(f.keyboard.events, nullptr);
    // The short title names every message box without a title of its own.
    f.click(Control::PushButton7);
    EXPECT_EQ(f.dialogs.shown.at(0).title, L"Velloranth Quiet Page Advancer For Your");
}

TEST(Startup, StoredChoicesAreRestoredAndEachGroupRewrittenWhole) {
    struct Row {
        std::map<std::wstring, std::wstring> stored;
        std::vector<int> selected;
        bool check4, check8, check8Shown, minimised;
    };
    const Row rows[] = {
        {{{L"Option1", L"False"}, {L"Option5", L"True"}, {L"Option7", L"False"},
          {L"Option8", L"True"}},
         {5, 8}, false, false, false, false},
        {{{L"Option1", L"0"}, {L"Option3", L"1"}, {L"Option7", L"fALSE"}, {L"Option8", L"tRuE"}},
         {3, 8}, false, false, false, false},
        {{{L"Option1", L"False"}}, {7}, false, false, false, false},  // no method at all
        {{{L"Windows Startup", L"on"}, {L"Minimized", L"On"}}, {1, 7}, false, true, false, false},
        {{{L"Windows Startup", L"On"}, {L"Minimized", L"On"}}, {1, 7}, true, true, true, true},
        {{{L"Windows Startup", L"On"}, {L"Minimized", L"Off"}}, {1, 7}, true, false, true, false},
    };
    for (const Row& row : rows) {
        FakeForm f;
        f.settings.values = row.stored;
        f.settings.values[L"Text2"] = L"12a";
        f.loaded();
        std::vector<int> selected;
        for (int n = 1; n <= 8; ++n)
            if (f.view.optionValue(n)) selected.push_back(n);
        EXPECT_EQ(selected, row.selected);
        // A selected option rewrites its group: the store agrees with the options.
        for (int n : selected) {
            const auto [first, last] = optionGroup(n);
            for (int i = first; i <= last; ++i)
                EXPECT_EQ(f.settings.values[L"Option" + std::to_wstring(i)], i == n ? L"True" : L"False");
        }
        EXPECT_EQ(f.view.text(Control::Text2), L"12a");
        EXPECT_EQ(f.view.checked(Control::Check4), row.check4);
        EXPECT_EQ(f.view.checked(Control::Check8), row.check8);
        EXPECT_EQ(f.view.shownControls.at(Control::Check8), row.check8Shown);
        EXPECT_EQ(f.view.state == WindowState::Minimized, row.minimised);
        EXPECT_TRUE(f.startup.machine.empty());  // restoring the box writes no entry
        EXPECT_TRUE(f.dialogs.shown.empty());
    }
}

TEST(Startup, AnOptionTextThatIsNoTruthValueIsReportedOnceAndStartUpGoesOn) {
    FakeForm f;
    f.settings.values = {{L"Option1", L"maybe"}, {L"Text2", L"7"}};
    f.loaded();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].prompt.substr(0, 15), L"Type mismatch\r\n");
    EXPECT_NE(f.dialogs.shown[0].prompt.find(L"Form1.Form_Load at line 122\r"), std::wstring::npos);
    EXPECT_TRUE(f.view.optionValue(1));  // left as designed
    EXPECT_EQ(f.view.text(Control::Text2), L"7");
    EXPECT_EQ(f.settings.values[L"Option1"], L"maybe");  // kept until the group is next stored
    f.view.checks[Control::Check4] = true;
    f.click(Control::Check4);  // start-up is over: the box's handler works again
    EXPECT_EQ(f.settings.values[L"Windows Startup"], L"On");
}

TEST(Startup, TheStoredSwitchState) {
    struct Row {
        const wchar_t* stored;
        int windows;
        const wchar_t* button;
        int timer;
    };
    const Row rows[] = {{L"On", 2, L"Turn Off", 1000},
                        {L"On", 0, L"Turn On", 0},
                        {L"Off", 2, L"Turn On", 0},
                        {L"on", 2, L"Turn On", 0}};
    for (const Row& row : rows) {
        FakeForm f;
        f.settings.values[L"StartStopState"] = row.stored;
        f.addWindows(row.windows);
        f.view.captions[Control::Frame4] = L"as designed";
        f.view.progressText = L"as designed";
        f.loaded();
        EXPECT_EQ(f.view.caption(Control::PushButton2), row.button) << row.stored;
        EXPECT_EQ(f.view.timer, row.timer);
        EXPECT_EQ(f.display.awake, row.timer != 0);
        EXPECT_EQ(f.view.state, WindowState::Normal);  // start-up does not minimise for it
        EXPECT_EQ(f.settings.values[L"StartStopState"], row.stored);  // nor store it
        const bool offState = row.timer == 0 && std::wstring(row.stored) != L"on";
        EXPECT_EQ(f.view.caption(Control::Frame4), offState ? L"Off." : L"as designed");
        EXPECT_EQ(f.view.progressText, offState ? L"Progress Bar" : L"as designed");
    }
    FakeForm f;  // resumed On: the first tick counts with the cursor on the first window
    f.settings.values = {{L"StartStopState", L"On"}, {L"Text3", L"1"}, {L"Option7", L"False"},
                         {L"Option8", L"True"}};
    f.addWindows(2);
    f.loaded();
    f.ticks(2);
    EXPECT_EQ(f.windows.scrolls(), std::vector<std::wstring>{L"scroll 101 -75"});
}

TEST(Startup, TheHomePageOpensForADrawOfSevenOnly) {
    for (const double draw : {0.0, 0.05999, 0.06, 0.0612, 0.06999, 0.07, 0.99999}) {
        FakeForm f;
        f.chance.draw = draw;
        f.loaded();
        EXPECT_FLOAT_EQ(f.chance.seededWith, 43200.5f);
        const bool seven = draw >= 0.06 && draw < 0.07;
        EXPECT_EQ(f.browser.opened, seven ? std::vector<std::wstring>{L"https://www.tervalinx.example/"}
                                          : std::vector<std::wstring>{})
            << draw;
    }
}

TEST(Startup, OptionalFilesBesideTheProgram) {
    FakeForm f;
    f.files.existing = {L"C:\\Apps\\x\\o.cjs", L"C:\\Apps\\HAND-M.CUR"};
    f.loaded();
    EXPECT_EQ(f.view.log, (std::vector<std::wstring>{L"button face", L"icon",
                                                     L"pointer image C:\\Apps\\HAND-M.CUR"}));
    EXPECT_TRUE(f.dialogs.shown.empty());
}
