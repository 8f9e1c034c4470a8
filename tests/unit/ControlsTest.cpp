#include "FormFixture.h"

using namespace qpa;
using namespace qpa::fakes;

using Controls = FormFixture;

TEST_F(Controls, SelectingAMethodStoresTheWholeGroupInOrder) {
    loaded();
    settings.writes.clear();
    view.setOptionValue(5, true);
    form().raise(Control::Option5, UiEvent::Click);
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"Option1=False", L"Option2=False", L"Option3=False",
                                         L"Option4=False", L"Option5=True", L"Option6=False"}));
    settings.writes.clear();
    view.setOptionValue(8, true);
    form().raise(Control::Option8, UiEvent::Click);
    EXPECT_EQ(settings.writes, (std::vector<std::wstring>{L"Option7=False", L"Option8=True"}));
}

TEST_F(Controls, EveryKeystrokeOfAFieldIsStoredUnchecked) {
    loaded();
    settings.writes.clear();
    for (const wchar_t* typed : {L"1", L"12", L"12a", L""}) {
        view.setText(Control::Text2, typed);
        form().raise(Control::Text2, UiEvent::Change);
    }
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"Text2=1", L"Text2=12", L"Text2=12a", L"Text2="}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Controls, FocusSelectsTheWholeText) {
    loaded();
    form().raise(Control::Text3, UiEvent::GotFocus);
    EXPECT_EQ(view.log.back(), L"select all Text3");
}

TEST_F(Controls, LeavingANonNumericFieldTellsTheUserAndReturnsTheFocus) {
    loaded();
    view.setText(Control::Text3, L"");
    form().raise(Control::Text3, UiEvent::LostFocus);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, L"Must be a numeric entry.");
    EXPECT_EQ(dialogs.shown[0].style, 0);
    EXPECT_EQ(dialogs.shown[0].title, L"Velloranth Quiet Page Advancer For Your");
    EXPECT_EQ(view.log.back(), L"focus Text3");
    EXPECT_EQ(view.text(Control::Text3), L"");

    view.setText(Control::Text3, L" 2.5 ");
    form().raise(Control::Text3, UiEvent::LostFocus);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Controls, TwoBadFieldsDoNotPassTheFocusBackAndForth) {
    loaded();
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

TEST_F(Controls, UncheckingStartupClearsAndHidesMinimized) {
    loaded();
    view.setChecked(Control::Check4, true);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_TRUE(view.controlVisible(Control::Check8));
    view.setChecked(Control::Check8, true);
    form().raise(Control::Check8, UiEvent::Click);
    settings.writes.clear();

    view.setChecked(Control::Check4, false);
    form().raise(Control::Check4, UiEvent::Click);
    EXPECT_FALSE(view.checked(Control::Check8));
    EXPECT_FALSE(view.controlVisible(Control::Check8));
    EXPECT_EQ(settings.writes,
              (std::vector<std::wstring>{L"Minimized=Off", L"Windows Startup=Off"}));
}

TEST_F(Controls, HoverRuleSetsThePointerOnlyOverItsControls) {
    loaded();
    const std::pair<Control, Pointer> moves[] = {
        {Control::PushButton2, Pointer::Custom}, {Control::Frame5, Pointer::Custom},
        {Control::Text3, Pointer::Custom},       {Control::Option4, Pointer::Custom},
        {Control::Label1, Pointer::Default},     {Control::PushButton10, Pointer::Custom},
        {Control::ListView1, Pointer::Default},  {Control::PushButton7, Pointer::Custom},
        {Control::Form, Pointer::Default},
    };
    for (const auto& [control, expected] : moves) {
        form().raise(control, UiEvent::MouseMove);
        EXPECT_EQ(view.pointer(), expected) << static_cast<int>(control);
    }
}

TEST_F(Controls, HelpTextsByteForByte) {
    loaded();
    form().raise(Control::PushButton10, UiEvent::Click);
    form().raise(Control::PushButton7, UiEvent::Click);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].prompt,
              L"This software sometimes cannot find fullscreen applications like games, video "
              L"players and applications that start from launchers.\r\rIt is recommended that you "
              L"test with software with 'MS Word' or 'Notepad' first - - not an empty file because "
              L"there is nothing to scroll but a long or multipage file.\r\n\r\nQuestions? Please "
              L"contact Team Tervalinx at https://www.tervalinx.example/contact/");
    EXPECT_EQ(dialogs.shown[1].prompt,
              L"This is the list of windows to potentially scroll in. \r\n\r\nSelect one in the "
              L"list to scroll.");
    for (const auto& shown : dialogs.shown) {
        EXPECT_EQ(shown.style, 0);
        EXPECT_EQ(shown.title, L"Velloranth Quiet Page Advancer For Your");
    }
}

TEST_F(Controls, AStoreThatRefusesWritesGivesAMessageAndNothingElseIsLost) {
    loaded();
    settings.refuseWrites = true;
    view.setText(Control::Text2, L"9");
    form().raise(Control::Text2, UiEvent::Change);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].prompt, L"Access denied");
    EXPECT_EQ(view.text(Control::Text2), L"9");
    EXPECT_EQ(settings.values[L"Text2"], L"0");
}
