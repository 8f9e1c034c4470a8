// A Windows program of ours that stands in for the applications being scrolled, for the
// end-to-end tests and the delivery figure of bench/run. Each window runs on its own thread and
// logs every wheel message its top level receives as
//   title|delta|x,y|inside|foreground|milliseconds
// (delta: the high word, signed; x,y: the pointer position the message carries; inside: 1 when
// that position lies in the window's client area on the screen; milliseconds: on the performance
// counter, which the program's tick notes use too),
// and every key pressed as
//   title|key|virtual-key
// "Target A" holds a child window over its whole client area that leaves the wheel to the default
// window procedure, which passes it up to "Target A".
// Usage: ScrollTarget LOGFILE [--hang TITLE SECONDS]
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex logLock;
std::wstring logPath;
std::wstring hangingTitle;
DWORD hangMilliseconds = 0;

void logLine(const std::wstring& line) {
    std::lock_guard<std::mutex> guard(logLock);
    if (FILE* file = _wfopen(logPath.c_str(), L"a")) {
        std::fwprintf(file, L"%ls\n", line.c_str());
        std::fclose(file);
    }
}

std::wstring titleOf(HWND hwnd) {
    wchar_t title[128] = {};
    ::GetWindowTextW(hwnd, title, 128);
    return title;
}

std::wstring milliseconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return std::to_wstring(now.QuadPart * 1000.0 / static_cast<double>(frequency.QuadPart));
}

void logWheel(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT client{};
    ::GetClientRect(hwnd, &client);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    logLine(titleOf(hwnd) + L"|" + std::to_wstring(GET_WHEEL_DELTA_WPARAM(wParam)) + L"|" +
            std::to_wstring(at.x) + L"," + std::to_wstring(at.y) + L"|" +
            (::PtInRect(&client, at) ? L"1" : L"0") + L"|" +
            (::GetForegroundWindow() == hwnd ? L"1" : L"0") + L"|" + milliseconds());
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEWHEEL:
            logWheel(hwnd, wParam, lParam);
            if (!hangingTitle.empty() && hangingTitle == titleOf(hwnd)) {
                hangingTitle.clear();  // hangs once, in its first wheel message
                ::Sleep(hangMilliseconds);
            }
            return 0;
        case WM_KEYDOWN:
            logLine(titleOf(hwnd) + L"|key|" + std::to_wstring(wParam));
            return 0;
        case WM_SIZE:
            if (HWND child = ::GetWindow(hwnd, GW_CHILD))
                ::MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
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
    bool withChild;
    int x, y;
};

void runWindow(TargetWindow window, HANDLE created) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HWND hwnd = ::CreateWindowExW(0, L"QpaScrollTarget", window.title, window.style, window.x,
                                  window.y, 360, 240, nullptr, nullptr, instance, nullptr);
    if (window.withChild) {
        ::CreateWindowExW(0, L"QpaPlainChild", L"", WS_CHILD | WS_VISIBLE, 0, 0, 360, 240, hwnd,
                          nullptr, instance, nullptr);
    }
    if (window.shown) ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::SetEvent(created);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    ::RegisterClassW(&windowClass);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    logPath = argv[1];
    for (int i = 2; i + 2 < argc; ++i) {
        if (std::wstring(argv[i]) == L"--hang") {
            hangingTitle = argv[i + 1];
            hangMilliseconds = static_cast<DWORD>(std::wcstoul(argv[i + 2], nullptr, 10) * 1000);
        }
    }
    registerClass(L"QpaScrollTarget", &TargetProc);
    registerClass(L"QpaPlainChild", &::DefWindowProcW);

    // Back to front: the last one shown ends up in front.
    const TargetWindow windows[] = {
        {L"Target Hidden", WS_OVERLAPPEDWINDOW, false, false, 40, 40},
        {L"Target Dialog", WS_CAPTION | WS_SYSMENU, true, false, 80, 80},
        {L"", WS_OVERLAPPEDWINDOW, true, false, 120, 120},
        {L"Target C", WS_OVERLAPPEDWINDOW, true, false, 600, 160},
        {L"Target B", WS_OVERLAPPEDWINDOW, true, false, 160, 160},
        {L"Target A", WS_OVERLAPPEDWINDOW, true, true, 200, 200},
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
