// The catalogue over real windows under Wine.
//   wine-catalogue-probe windows N   opens N titled, maximisable windows and keeps them until
//                                    killed
//   wine-catalogue-probe measure     times the program's walk (the catalogue through the user32
//                                    window services) against a bare GetWindow walk reading the
//                                    same titles; prints "median min max" in microseconds for the
//                                    bare walk, then for the program's, then the number listed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "Timing.h"
#include "engine/Catalogue.h"
#include "platform/win32/DesktopWindows.h"

namespace {

int openWindows(int count) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CatalogueProbe";
    RegisterClassW(&windowClass);
    for (int i = 1; i <= count; ++i) {
        const std::wstring title = L"Bench window " + std::to_wstring(i);
        HWND window =
            CreateWindowW(L"CatalogueProbe", title.c_str(), WS_OVERLAPPEDWINDOW, i % 40 * 8,
                          i % 40 * 8, 160, 90, nullptr, nullptr, windowClass.hInstance, nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int measure() {
    qpa::win32::DesktopWindows windows;
    HWND start = GetForegroundWindow();
    if (!start) start = GetTopWindow(nullptr);
    volatile std::size_t sink = 0;
    printTimed(31, [&] {
        std::size_t characters = 0;
        for (HWND h = GetWindow(start, GW_HWNDFIRST); h; h = GetWindow(h, GW_HWNDNEXT)) {
            wchar_t title[256];
            characters += static_cast<std::size_t>(GetWindowTextW(h, title, 256));
            characters += static_cast<std::size_t>(GetWindowLongW(h, GWL_STYLE) & 1);
        }
        sink = sink + characters;
    });
    qpa::Catalogue catalogue;
    printTimed(31, [&] { catalogue.collect(windows, 0); });
    std::printf("%d\n", catalogue.count());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"windows" && argc > 2) return openWindows(_wtoi(argv[2]));
    if (mode == L"measure") return measure();
    std::fprintf(stderr, "usage: wine-catalogue-probe windows N | measure\n");
    return 2;
}
