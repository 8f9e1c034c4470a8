// The floor of the start-up figure for a window like ours: the main window with the same standard
// controls at the same places, in the same fonts, and nothing else (no settings, no list of
// windows, no tray icon, no keyboard hook).
#include <windows.h>
// commctrl.h needs windows.h first
#include <commctrl.h>

#include "core/Layout.h"

namespace {
LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

const wchar_t* classOf(qpa::ControlKind kind, DWORD& style) {
    switch (kind) {
        case qpa::ControlKind::Frame:
            style = BS_GROUPBOX;
            return L"BUTTON";
        case qpa::ControlKind::Label:
            style = SS_LEFT;
            return L"STATIC";
        case qpa::ControlKind::TextField:
            style = ES_AUTOHSCROLL | WS_TABSTOP;
            return L"EDIT";
        case qpa::ControlKind::OptionButton:
            style = BS_AUTORADIOBUTTON;
            return L"BUTTON";
        case qpa::ControlKind::CheckBox:
            style = BS_AUTOCHECKBOX | WS_TABSTOP;
            return L"BUTTON";
        case qpa::ControlKind::PushButton:
            style = BS_PUSHBUTTON | WS_TABSTOP;
            return L"BUTTON";
        case qpa::ControlKind::List:
            style = LVS_REPORT | LVS_SINGLESEL;
            return WC_LISTVIEWW;
        case qpa::ControlKind::Progress:
            style = 0;
            return PROGRESS_CLASSW;
    }
    return L"STATIC";
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_BAR_CLASSES | ICC_STANDARD_CLASSES |
                                                        ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"BenchControlsWindow";
    RegisterClassW(&windowClass);
    const auto px = [](int twips) { return MulDiv(twips, 96, 1440); };
    HWND hwnd = CreateWindowW(L"BenchControlsWindow", L"Controls", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, px(qpa::kClientWidthTwips),
                              px(qpa::kClientHeightTwips), nullptr, nullptr, instance, nullptr);
    const auto createFont = [](const qpa::FontDesign& design) {
        LOGFONTW font{};
        font.lfHeight = -MulDiv(design.hundredthsOfPoint, 96, 7200);
        font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        lstrcpynW(font.lfFaceName, design.face, LF_FACESIZE);
        return CreateFontIndirectW(&font);
    };
    HFONT windowFont = createFont(qpa::kWindowFont);
    HFONT buttonFont = createFont(qpa::kButtonFont);
    for (const qpa::ControlPlacement& p : qpa::kMainWindowLayout) {
        DWORD style = 0;
        const wchar_t* name = classOf(p.kind, style);
        HWND child =
            CreateWindowExW(0, name, p.caption, WS_CHILD | WS_VISIBLE | style, px(p.left),
                            px(p.top), px(p.width), px(p.height), hwnd, nullptr, instance, nullptr);
        const bool button = p.kind == qpa::ControlKind::PushButton;
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(button ? buttonFont : windowFont),
                     FALSE);
    }
    ShowWindow(hwnd, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    DeleteObject(windowFont);
    DeleteObject(buttonFont);
    return 0;
}
