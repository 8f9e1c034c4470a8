// The real program under Wine: its window, its first run, its restore and its controls.
#include <gtest/gtest.h>

#include "ProgramDriver.h"
#include "ports/Layout.h"

using namespace qpa;
using namespace qpa::wine;

namespace {

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { store::clear(); }
    int px(int twips) const { return ::MulDiv(twips, program.dpi(), 1440); }
    ProgramDriver program;
};

TEST_F(MainWindowTest, FirstRunShowsEveryControlWhereItBelongsWithTheDefaults) {
    program.start();
    ASSERT_NE(program.window(), nullptr);
    EXPECT_EQ(program.text(program.window()), kMainTitle);
    EXPECT_EQ(::GetWindowLongW(program.window(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(::GetWindowLongW(program.window(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
    RECT client{};
    ::GetClientRect(program.window(), &client);
    EXPECT_EQ(client.right, px(kClientWidthTwips));
    EXPECT_EQ(client.bottom, px(kClientHeightTwips));

    for (const ControlPlacement& p : kMainWindowLayout) {
        SCOPED_TRACE(static_cast<int>(p.control));
        ASSERT_NE(program.control(p.control), nullptr);
        const RECT r = program.clientRect(p.control);
        EXPECT_EQ(r.left, px(p.left));
        EXPECT_EQ(r.top, px(p.top));
        EXPECT_EQ(r.right - r.left, px(p.width));
        EXPECT_EQ(r.bottom - r.top, px(p.height));
        if (p.kind != ControlKind::TextField && p.kind != ControlKind::List &&
            p.control != Control::Frame4 && p.kind != ControlKind::Progress) {
            EXPECT_EQ(program.text(p.control), p.caption);
        }
    }
    EXPECT_FALSE(program.visible(Control::Label4));
    EXPECT_FALSE(program.visible(Control::Check8));
    EXPECT_TRUE(program.visible(Control::Check4));
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(program.checked(optionControl(n)), n == 1 || n == 7) << n;
    EXPECT_EQ(program.text(Control::Text2), L"0");
    EXPECT_EQ(program.text(Control::Text3), L"2");
    EXPECT_FALSE(program.checked(Control::Check4));
    EXPECT_EQ(program.text(Control::PushButton2), L"Turn On");
    EXPECT_EQ(program.text(Control::Frame4), L"Off.");
    EXPECT_EQ(program.text(Control::ProgressBar1), L"Progress Bar");
    EXPECT_EQ(program.focus(), program.control(Control::Text2));  // first in the tab order
    EXPECT_TRUE(program.messageBoxes().empty());

    ASSERT_TRUE(program.close());
    EXPECT_EQ(store::keys(),
              (std::vector<std::wstring>{L"Option1", L"Option2", L"Option3", L"Option4", L"Option5",
                                         L"Option6", L"Option7", L"Option8", L"Text2", L"Text3"}));
    EXPECT_EQ(store::get(L"Option1"), L"True");
    EXPECT_EQ(store::get(L"Option2"), L"False");
    EXPECT_EQ(store::get(L"Option7"), L"True");
    EXPECT_EQ(store::get(L"Option8"), L"False");
    EXPECT_EQ(store::get(L"Text2"), L"0");
    EXPECT_EQ(store::get(L"Text3"), L"2");
}

TEST_F(MainWindowTest, RestartRestoresStoredChoices) {
    program.start();
    program.click(Control::Option5);
    program.click(Control::Option8);
    ASSERT_TRUE(waitFor([] { return store::get(L"Option8") == L"True"; }));
    ASSERT_TRUE(program.close());
    store::put(L"Text2", L"12a");

    ProgramDriver again;
    again.start();
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(again.checked(optionControl(n)), n == 5 || n == 8) << n;
    EXPECT_EQ(again.text(Control::Text2), L"12a");
    EXPECT_TRUE(again.messageBoxes().empty());
    ASSERT_TRUE(again.close());
    EXPECT_EQ(store::get(L"Option5"), L"True");
    EXPECT_EQ(store::get(L"Option1"), L"False");
    EXPECT_EQ(store::get(L"Text2"), L"12a");
}

TEST_F(MainWindowTest, AStoredOptionThatIsNoTruthValueIsReportedOnceAndStartUpGoesOn) {
    store::put(L"Option1", L"maybe");
    store::put(L"Text3", L"9");
    program.start(false);
    const auto report = program.waitForMessageBox();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->title, L"Application Error");
    EXPECT_NE(report->text.find(L"in QuietPageAdvancer2021/08/31.Form1.Form_Load at line "),
              std::wstring::npos)
        << std::string(report->text.begin(), report->text.end());
    program.dismiss(*report);
    ASSERT_TRUE(waitFor([&] { return ::IsWindowVisible(program.window()) != 0; }));
    EXPECT_TRUE(program.messageBoxes().empty());
    EXPECT_EQ(program.text(Control::Text3), L"9");
    EXPECT_TRUE(program.checked(Control::Option1));
    ASSERT_TRUE(program.close());
    EXPECT_EQ(store::get(L"Option1"), L"maybe");
}

TEST_F(MainWindowTest, TypingStoresEveryKeystrokeAndLeavingABadFieldReturnsTheFocus) {
    program.start();
    ASSERT_TRUE(waitFor([&] { return program.focus() == program.control(Control::Text2); }));
    program.type(Control::Text2, L"1");
    ASSERT_TRUE(waitFor([] { return store::get(L"Text2") == L"1"; }));
    program.type(Control::Text2, L"2");
    ASSERT_TRUE(waitFor([] { return store::get(L"Text2") == L"12"; }));
    program.type(Control::Text2, L"a");
    ASSERT_TRUE(waitFor([] { return store::get(L"Text2") == L"12a"; }));

    program.pressTab(Control::Text2);
    const auto box = program.waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, kAppTitle);
    EXPECT_EQ(box->text, L"Must be a numeric entry.");
    program.dismiss(*box);
    EXPECT_TRUE(waitFor([&] { return program.focus() == program.control(Control::Text2); }));
    EXPECT_EQ(program.text(Control::Text2), L"12a");
    EXPECT_FALSE(program.waitForMessageBox(std::chrono::milliseconds(500)));
}

TEST_F(MainWindowTest, HelpTextsAreShownByteForByte) {
    program.start();
    program.click(Control::PushButton10);
    auto box = program.waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, kAppTitle);
    EXPECT_EQ(box->text,
              L"This software sometimes cannot find fullscreen applications like games, video "
              L"players and applications that start from launchers.\r\rIt is recommended that you "
              L"test with software with 'MS Word' or 'Notepad' first - - not an empty file because "
              L"there is nothing to scroll but a long or multipage file.\r\n\r\nQuestions? Please "
              L"contact Team Tervalinx at https://www.tervalinx.example/contact/");
    program.dismiss(*box);

    program.click(Control::PushButton7);
    box = program.waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text,
              L"This is the list of windows to potentially scroll in. \r\n\r\nSelect one "
              L"in the list to scroll.");
    program.dismiss(*box);
}

TEST_F(MainWindowTest, MinimizedToTrayIsShownOnlyWithStartup) {
    program.start();
    program.click(Control::Check4);
    ASSERT_TRUE(waitFor([] { return store::get(L"Windows Startup") == L"On"; }));
    EXPECT_TRUE(program.visible(Control::Check8));
    program.click(Control::Check8);
    ASSERT_TRUE(waitFor([] { return store::get(L"Minimized") == L"On"; }));
    program.click(Control::Check4);
    ASSERT_TRUE(waitFor([] { return store::get(L"Windows Startup") == L"Off"; }));
    EXPECT_EQ(store::get(L"Minimized"), L"Off");
    EXPECT_FALSE(program.visible(Control::Check8));
    EXPECT_FALSE(program.checked(Control::Check8));
}

}  // namespace
