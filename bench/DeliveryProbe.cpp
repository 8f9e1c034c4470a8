// The delivery figure under Wine. "target N": a maximisable window titled "Delivery Target" that
// prints, after N wheel messages, the milliseconds between consecutive receipts. Its content is a
// child window that passes the wheel up, so that the figure includes finding the content. "timer N": the
// same spacing for a bare one-second timer, the baseline.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
std::vector<double> stamps;
std::size_t wanted = 0;
LARGE_INTEGER frequency;

double nowMs() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEWHEEL || message == WM_TIMER) {
        stamps.push_back(nowMs());
        if (stamps.size() > wanted) DestroyWindow(hwnd);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    QueryPerformanceFrequency(&frequency);
    const bool timer = std::wstring(argv[1]) == L"timer";
    wanted = static_cast<std::size_t>(_wtoi(argv[2]));
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"DeliveryProbe";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowW(L"DeliveryProbe", L"Delivery Target", WS_OVERLAPPEDWINDOW, 100, 100,
                              300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.lpszClassName = L"DeliveryContent";
    RegisterClassW(&windowClass);
    CreateWindowW(L"DeliveryContent", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, hwnd, nullptr,
                  windowClass.hInstance, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    if (timer) SetTimer(hwnd, 1, 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    for (std::size_t i = 1; i < stamps.size(); ++i)
        std::printf("%.2f\n", stamps[i] - stamps[i - 1]);
    return 0;
}
