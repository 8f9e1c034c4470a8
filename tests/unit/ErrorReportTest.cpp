#include <gtest/gtest.h>

#include "app/ErrorReport.h"
#include "app/RuntimeError.h"
#include "fakes/FakePorts.h"

using namespace qpa;

TEST(ErrorReport, PromptHasOneLineFeedAndCarriageReturnsBeforeTheRequest) {
    EXPECT_EQ(composeErrorPrompt(L"Overflow", Location::Form1_Timer1_Timer, 104),
              L"Overflow\r\nin QuietPageAdvancer2021/08/31.Form1.Timer1_Timer at line 104\r\r"
              L"Please email screenshot of this message to support@tervalinx.example");
}

TEST(ErrorReport, EveryReportingProcedureHasItsLabel) {
    const std::pair<Location, const wchar_t*> labels[] = {
        {Location::Form1_Form_Load, L"Form1.Form_Load"},
        {Location::Form1_Form_QueryUnload, L"Form1.Form_QueryUnload"},
        {Location::Form1_Timer1_Timer, L"Form1.Timer1_Timer"},
        {Location::Form1_PushButton2_Click, L"Form1.PushButton2_Click"},
        {Location::Form1_loadWindows, L"Form1.loadWindows"},
        {Location::Form1_PushButton1_Click, L"Form1.PushButton1_Click"},
        {Location::Form1_PushButton7_Click, L"Form1.PushButton7_Click"},
        {Location::Form1_PushButton10_Click, L"Form1.PushButton10_Click"},
        {Location::Enum_SwitchToAndScroll, L"Enum.SwitchToAndScroll"},
        {Location::Enum_KnowScrollines, L"Enum.KnowScrollines"},
    };
    for (const auto& [location, name] : labels) {
        EXPECT_EQ(locationLabel(location),
                  std::wstring(L"in QuietPageAdvancer2021/08/31.") + name + L" ");
    }
}

TEST(ErrorReport, TrapReportsEachFailingStepAndGoesOn) {
    fakes::FakeDialogs dialogs;
    ErrorReporter reporter(dialogs);
    std::vector<int> ran;
    {
        Trap trap(reporter, Location::Form1_PushButton2_Click);
        trap(100, [&] { ran.push_back(100); });
        trap(102, [&] { throw RuntimeError(L"Type mismatch"); });
        trap(104, [&] { ran.push_back(104); });
        trap(106, [&] { throw std::runtime_error("boom"); });
        trap(108, [&] { ran.push_back(108); });
    }
    EXPECT_EQ(ran, (std::vector<int>{100, 104, 108}));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, L"Application Error");
    EXPECT_EQ(dialogs.shown[0].style, 48);
    EXPECT_NE(dialogs.shown[0].prompt.find(L"Type mismatch\r\n"), std::wstring::npos);
    EXPECT_NE(dialogs.shown[0].prompt.find(L"PushButton2_Click at line 102\r\r"),
              std::wstring::npos);
    EXPECT_NE(dialogs.shown[1].prompt.find(L"boom\r\n"), std::wstring::npos);
    EXPECT_NE(dialogs.shown[1].prompt.find(L"at line 106"), std::wstring::npos);
}
