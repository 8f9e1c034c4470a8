// A program of ours that stands in for the applications being scrolled. It opens titled windows,
// each on its own thread, and logs every mouse-wheel message it receives with both parameters and
// whether its window was in the foreground, and the keys pressed in it.
// Usage: ScrollTarget LOGFILE [--hang TITLE]
#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex logLock;
std::wstring logPath;
std::wstring hangingTitle;

void logWheel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    wchar_t title[128] = {};
    ::GetWindowTextW(hwnd, title, 128);
    const bool foreground = ::GetForegroundWindow() == hwnd;
    std::lock_guard<std::mutex> guard(logLock);
    if (FILE* file = _wfopen(logPath.c_str(), L"a")) {
        std::fwprintf(file, L"%ls|%08lx|%ld|%d\n", title,
                      static_cast<unsigned long>(static_cast<DWORD>(wParam)),
                      static_cast<long>(lParam), foreground ? 1 : 0);
        std::fclose(file);
    }
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEWHEEL: {
            logWheel(hwnd, wParam, lParam);
            wchar_t title[128] = {};
            ::GetWindowTextW(hwnd, title, 128);
            if (!hangingTitle.empty() && hangingTitle == title) {
                hangingTitle.clear();  // hangs once, in its first wheel message
                ::Sleep(4000);
            }
            return 0;
        }
        case WM_KEYDOWN: {
            wchar_t title[128] = {};
            ::GetWindowTextW(hwnd, title, 128);
            std::lock_guard<std::mutex> guard(logLock);
            if (FILE* file = _wfopen(logPath.c_str(), L"a")) {
                std::fwprintf(file, L"%ls|k%04x|0|1\n", title, static_cast<unsigned>(wParam));
                std::fclose(file);
            }
            return 0;
        }
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

struct TargetWindow {
    const wchar_t* title;
    DWORD style;
    bool shown;
    int x, y;
};

void runWindow(TargetWindow window, HANDLE created) {
    HWND hwnd = ::CreateWindowExW(0, L"QpaScrollTarget", window.title, window.style, window.x, window.y,
                                  360, 240, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (window.shown) ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::SetEvent(created);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    logPath = argv[1];
    for (int i = 2; i + 1 < argc; ++i)
        if (std::wstring(argv[i]) == L"--hang") hangingTitle = argv[i + 1];

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TargetProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"QpaScrollTarget";
    ::RegisterClassW(&windowClass);

    // Back to front: the last one shown ends up in front.
    const TargetWindow windows[] = {
        {L"Target Hidden", WS_OVERLAPPEDWINDOW, false, 40, 40},
        {L"Target Dialog", WS_CAPTION | WS_SYSMENU, true, 80, 80},
        {L"", WS_OVERLAPPEDWINDOW, true, 120, 120},
        {L"Target B", WS_OVERLAPPEDWINDOW, true, 160, 160},
        {L"Target A", WS_OVERLAPPEDWINDOW, true, 200, 200},
    };
    std::vector<std::thread> threads;
    for (const TargetWindow& window : windows) {
        HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
        threads.emplace_back(runWindow, window, created);
        ::WaitForSingleObject(created, 5000);
        ::CloseHandle(created);
        ::Sleep(150);  // let the window manager stack it before the next one
    }
    for (auto& thread : threads) thread.join();
    return 0;
}
