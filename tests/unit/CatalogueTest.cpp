#include "FormFixture.h"
#include "engine/Catalogue.h"

using namespace qpa;
using namespace qpa::fakes;

using Catalogue = FormFixture;

TEST_F(Catalogue, ListsVisibleTitledWindowsWithAMaximiseBoxFrontToBack) {
    constexpr std::uint32_t visibleOnly = 0x10000000, maximiseOnly = 0x00010000;
    windows.desktop = {
        {0x1000, kListable, L"Our own window"},         // the main window itself
        {11, kListable, L"A"},                          // front
        {12, visibleOnly, L"Dialog without maximise"},  // no maximise box
        {13, maximiseOnly, L"Hidden"},                  // not visible
        {14, kListable, L""},                           // no title
        {15, kListable | 0x20000000, L"Minimised"},     // minimised keeps its visible bit
        {16, kListable, L"B \u00e9\u4e2d"},             // a title outside any one code page
    };
    loaded();
    EXPECT_EQ(view.items, (std::vector<std::wstring>{L"A", L"Minimised", L"B \u00e9\u4e2d"}));
    EXPECT_EQ(form().windowHandles(), (std::vector<WindowHandle>{11, 15, 16}));
}

TEST_F(Catalogue, RefreshDropsClosedWindowsAndNumbersFromOneAgain) {
    addWindows(3);
    loaded();
    view.selectListItem(2);
    windows.desktop.erase(windows.desktop.begin());
    form().raise(Control::PushButton1, UiEvent::Click);
    EXPECT_EQ(view.items, (std::vector<std::wstring>{L"Window 2", L"Window 3"}));
    EXPECT_EQ(form().windowHandles(), (std::vector<WindowHandle>{102, 103}));
    EXPECT_EQ(view.selectedListIndex(), 0);
}

TEST_F(Catalogue, The1002ndWindowIsReportedAndTheFirst1001AreListed) {
    addWindows(1002);
    loaded();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(
        dialogs.shown[0].prompt.find(L"Subscript out of range\r\nin QuietPageAdvancer2021/08/31."
                                     L"Form1.loadWindows at line 100"),
        std::wstring::npos);
    EXPECT_EQ(view.listCount(), 1001);
    EXPECT_EQ(form().windowHandles().back(), 1101);
}

TEST_F(Catalogue, ListHelpChangesNothing) {
    addWindows(2);
    loaded();
    view.selectListItem(2);
    form().raise(Control::PushButton7, UiEvent::Click);
    EXPECT_EQ(view.selectedListIndex(), 2);
    EXPECT_EQ(view.listCount(), 2);
}
