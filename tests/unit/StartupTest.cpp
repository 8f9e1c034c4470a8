#include "FormFixture.h"

using namespace qpa;
using namespace qpa::fakes;

using Startup = FormFixture;

TEST_F(Startup, FirstRunShowsTheDefaultsAndStoresOnlyTheRestoredControls) {
    loaded();
    EXPECT_EQ(view.caption(Control::Form), L"Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_EQ(form().applicationTitle(), L"Velloranth Quiet Page Advancer For Your");
    EXPECT_TRUE(view.iconSet);
    EXPECT_EQ(view.columnHeader, L"Available Windows");
    EXPECT_EQ(view.columnWidthTwips, 7000);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(view.optionValue(n), n == 1 || n == 7) << n;
    EXPECT_EQ(view.text(Control::Text2), L"0");
    EXPECT_EQ(view.text(Control::Text3), L"2");
    EXPECT_FALSE(view.checked(Control::Check4));
    EXPECT_FALSE(view.checked(Control::Check8));
    EXPECT_FALSE(view.controlVisible(Control::Check8));
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_EQ(view.caption(Control::Frame4), L"Off.");
    EXPECT_FALSE(timer.enabled());
    EXPECT_FALSE(form().isLoading());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(settings.lastAddress, L"Tervalinx\\Velloranth Quiet Page Advancer For Your Desktop");
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{
                                   L"Option1=True", L"Option2=False", L"Option3=False",
                                   L"Option4=False", L"Option5=False", L"Option6=False",
                                   L"Option7=True", L"Option8=False", L"Text2=0", L"Text3=2"}));
}

TEST_F(Startup, RestoresStoredChoicesAndRewritesEachGroupOnce) {
    settings.values = {{L"Option1", L"False"}, {L"Option5", L"True"}, {L"Option7", L"False"},
                       {L"Option8", L"True"},  {L"Text2", L"12a"},    {L"Text3", L" 2.5 "}};
    loaded();
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(view.optionValue(n), n == 5 || n == 8) << n;
    EXPECT_EQ(view.text(Control::Text2), L"12a");
    EXPECT_EQ(view.text(Control::Text3), L" 2.5 ");
    EXPECT_EQ(settings.values[L"Option5"], L"True");
    EXPECT_EQ(settings.values[L"Option1"], L"False");
    EXPECT_EQ(settings.values[L"Option8"], L"True");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Startup, NumbersAndAnyLetterCaseSelectAnOption) {
    settings.values = {{L"Option1", L"0"},     {L"Option2", L"0"},   {L"Option3", L"1"},
                       {L"Option4", L"0"},     {L"Option5", L"0"},   {L"Option6", L"0"},
                       {L"Option7", L"fALSE"}, {L"Option8", L"tRuE"}};
    loaded();
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(view.optionValue(n), n == 3 || n == 8) << n;
    EXPECT_EQ(settings.values[L"Option3"], L"True");
    EXPECT_EQ(settings.values[L"Option4"], L"False");
}

TEST_F(Startup, AGroupStoredAllFalseRestoresWithNothingSelected) {
    for (int n = 1; n <= 6; ++n) settings.values[L"Option" + std::to_wstring(n)] = L"False";
    loaded();
    for (int n = 1; n <= 6; ++n) EXPECT_FALSE(view.optionValue(n)) << n;
    EXPECT_TRUE(view.optionValue(7));
}

TEST_F(Startup, AnOptionTextThatIsNoTruthValueIsReportedOnceAndStartUpGoesOn) {
    settings.values = {{L"Option1", L"maybe"}, {L"Option7", L"True"}, {L"Text2", L"7"}};
    loaded();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, L"Application Error");
    EXPECT_EQ(dialogs.shown[0].style, 48);
    EXPECT_NE(dialogs.shown[0].prompt.find(
                  L"\r\nin QuietPageAdvancer2021/08/31.Form1.Form_Load at line 122\r\r"),
              std::wstring::npos);
    EXPECT_TRUE(view.optionValue(1));
    EXPECT_EQ(view.text(Control::Text2), L"7");
    EXPECT_EQ(settings.values[L"Option1"], L"maybe");  // kept until the group is next stored
    EXPECT_EQ(settings.values.count(L"Option2"), 0u);
    EXPECT_FALSE(form().isLoading());
}

TEST_F(Startup, StartStopStateOnResumesOnlyWithWindowsInTheList) {
    settings.values = {{L"StartStopState", L"On"}};
    addWindows(2);
    loaded();
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn Off");
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(timer.interval(), 1000);
    EXPECT_EQ(form().schedule().windowCursor, 1);
    EXPECT_EQ(view.windowState(), WindowState::Normal);
    EXPECT_EQ(std::count(settings.writes.begin(), settings.writes.end(), L"StartStopState=On"), 0);
}

TEST_F(Startup, StartStopStateOnWithAnEmptyListShowsOffAndKeepsTheStoredOn) {
    settings.values = {{L"StartStopState", L"On"}};
    loaded();
    EXPECT_EQ(view.caption(Control::PushButton2), L"Turn On");
    EXPECT_EQ(view.caption(Control::Frame4), L"Off.");
    EXPECT_FALSE(timer.enabled());
    EXPECT_EQ(settings.values[L"StartStopState"], L"On");
}

TEST_F(Startup, StartupOptionsAreComparedWithLetterCase) {
    settings.values = {{L"Windows Startup", L"on"}, {L"Minimized", L"On"}};
    loaded();
    EXPECT_FALSE(view.checked(Control::Check4));
    EXPECT_TRUE(view.checked(Control::Check8));  // checked but hidden
    EXPECT_FALSE(view.controlVisible(Control::Check8));
    EXPECT_EQ(view.windowState(), WindowState::Normal);
    EXPECT_EQ(settings.values[L"Minimized"], L"On");
    EXPECT_EQ(settings.values.count(L"Windows Startup"), 1u);
    EXPECT_EQ(settings.values[L"Windows Startup"], L"on");  // its handler waits for start-up
}

TEST_F(Startup, BothStartupOptionsOnStartMinimised) {
    settings.values = {{L"Windows Startup", L"On"}, {L"Minimized", L"On"}};
    loaded();
    EXPECT_TRUE(view.checked(Control::Check4));
    EXPECT_TRUE(view.controlVisible(Control::Check8));
    EXPECT_EQ(view.windowState(), WindowState::Minimized);
}

TEST_F(Startup, HomePageOpensOnlyForTheDrawOfSeven) {
    chance.draw = 0.0612;  // 6.12 -> 6 + 1 = 7
    loaded();
    EXPECT_FLOAT_EQ(chance.seededWith, 43200.5f);
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0], L"explorer \"https://www.tervalinx.example/\"");
    EXPECT_EQ(launcher.lastShowCommand, 2);
}

TEST_F(Startup, OtherDrawsOpenNothing) {
    for (double draw : {0.0, 0.05999, 0.07, 0.99999}) {
        chance.draw = draw;
        form().Form_Load();
    }
    EXPECT_TRUE(launcher.started.empty());
}

TEST_F(Startup, OptionalFilesBesideTheProgram) {
    loaded();
    EXPECT_FALSE(view.buttonFaceColours);
    EXPECT_TRUE(view.customPointerFile.empty());

    files.existing = {L"C:\\Apps\\QPA\\x\\o.cjs", L"C:\\Apps\\QPA\\HAND-M.CUR"};
    form().Form_Load();
    EXPECT_TRUE(view.buttonFaceColours);
    EXPECT_EQ(view.customPointerFile, L"C:\\Apps\\QPA\\HAND-M.CUR");
    EXPECT_TRUE(dialogs.shown.empty());
}
