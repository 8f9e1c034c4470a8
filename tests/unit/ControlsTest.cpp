// The option, field, check box, pointer and help handlers of the main window.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
class Controls : public ::testing::Test, public FakeForm {
  protected:
    void SetUp() override {
        loaded();
        settings.writes.clear();
    }
    void type(Control field, const wchar_t* text) {
        view.setText(field, text);
        form().raise(field, UiEvent::Change);
    }
};
}  // namespace

TEST_F(Controls, AnOptionStoresItsWholeGroupInOrder) {
    view.setOptionValue(5, true);
    click(Control::Option5);
    view.setOptionValue(8, true);
    click(Control::Option8);
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{
                                   L"Option1=False", L"Option2=False", L"Option3=False",
                                   L"Option4=False", L"Option5=True", L"Option6=False",
                                   L"Option7=False", L"Option8=True"}));
}

TEST_F(Controls, EveryKeystrokeIsStoredUncheckedAndARefusedStoreIsToldAndLosesNothing) {
    for (const wchar_t* typed : {L"1", L"12", L"12a", L""}) type(Control::Text2, typed);
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"Text2=1", L"Text2=12", L"Text2=12a", L"Text2="}));
    EXPECT_TRUE(dialogs.shown.empty());
    settings.refuseWrites = true;
    type(Control::Text3, L"9");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, L"Access denied");
    EXPECT_EQ(dialogs.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(settings.values[L"Text3"], L"2");
}

TEST_F(Controls, AFieldSelectsAllOnFocusAndABadOneGetsTheFocusBackEachTimeItIsLeft) {
    form().raise(Control::Text3, UiEvent::GotFocus);
    EXPECT_EQ(view.log.back(), L"select all Text3");
    view.setText(Control::Text3, L"");
    for (int leaving = 0; leaving < 2; ++leaving) form().raise(Control::Text3, UiEvent::LostFocus);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].prompt, L"Must be a numeric entry.");
    EXPECT_EQ(dialogs.shown[1].kind, MessageKind::Plain);
    EXPECT_EQ(dialogs.shown[1].title, L"Velloranth Quiet Page Advancer For Your");
    EXPECT_EQ(view.log.back(), L"focus Text3");
    view.setText(Control::Text3, L" 2.5 ");
    form().raise(Control::Text3, UiEvent::LostFocus);
    form().raise(Control::Form, UiEvent::LostFocus);  // not a field: nothing to check
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(Controls, TwoBadFieldsDoNotPassTheFocusBackAndForth) {
    view.setText(Control::Text2, L"x");
    view.setText(Control::Text3, L"y");
    // Returning the focus to Text2 takes it from Text3, whose own check must then stay quiet.
    view.onFocus = [&](Control c) {
        form().raise(c == Control::Text2 ? Control::Text3 : Control::Text2, UiEvent::LostFocus);
    };
    form().raise(Control::Text2, UiEvent::LostFocus);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(view.log.back(), L"focus Text2");
}

TEST_F(Controls, TheStartupBoxGovernsMinimizedToTray) {
    view.checks[Control::Check4] = true;
    click(Control::Check4);
    EXPECT_TRUE(view.shownControls.at(Control::Check8));
    view.checks[Control::Check8] = true;
    click(Control::Check8);
    view.checks[Control::Check4] = false;
    click(Control::Check4);
    EXPECT_FALSE(view.checked(Control::Check8));
    EXPECT_FALSE(view.shownControls.at(Control::Check8));
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"Windows Startup=On", L"Minimized=On", L"Minimized=Off",
                                         L"Windows Startup=Off"}));
    click(Control::Check4);  // unchecking a clear Check8 again stores no "Minimized"
    EXPECT_EQ(settings.writes.back(), L"Windows Startup=Off");
}

TEST_F(Controls, ThePointerFollowsTheHoverRule) {
    const std::pair<Control, Pointer> moves[] = {
        {Control::PushButton1, Pointer::Custom}, {Control::Frame5, Pointer::Custom},
        {Control::Text3, Pointer::Custom},       {Control::Frame1, Pointer::Default},
        {Control::PushButton2, Pointer::Custom}, {Control::Frame2, Pointer::Default},
        {Control::PushButton10, Pointer::Custom}, {Control::Frame3, Pointer::Default},
        {Control::PushButton7, Pointer::Custom}, {Control::Frame4, Pointer::Default},
        {Control::PushButton1, Pointer::Custom}, {Control::Label1, Pointer::Default},
        {Control::PushButton1, Pointer::Custom}, {Control::Text2, Pointer::Default},
        {Control::PushButton1, Pointer::Custom}, {Control::ListView1, Pointer::Default},
        {Control::PushButton1, Pointer::Custom}, {Control::Form, Pointer::Default},
    };
    for (const auto& [control, expected] : moves) {
        form().raise(control, UiEvent::MouseMove);
        EXPECT_EQ(view.pointer, expected) << controlName(control);
    }
}

TEST_F(Controls, HelpTextsJoinTheirParagraphs) {
    click(Control::PushButton10);
    click(Control::PushButton7);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const std::wstring& help = dialogs.shown[0].prompt;
    EXPECT_NE(help.find(L"launchers.\r\rIt is"), std::wstring::npos);
    EXPECT_NE(help.find(L"file.\r\n\r\nQuestions? Please contact Team Tervalinx at "
                        L"https://www.tervalinx.example/contact/"),
              std::wstring::npos);
    EXPECT_EQ(dialogs.shown[1].prompt,
              L"This is the list of windows to potentially scroll in. \r\n\r\nSelect one in the "
              L"list to scroll.");
    for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.kind, MessageKind::Plain);
}
