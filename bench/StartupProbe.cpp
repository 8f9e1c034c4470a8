// Times a Windows program from its process start to its main window shown, several times.
// Usage: StartupProbe RUNS WINDOWCLASS PROGRAM  -> prints one time in milliseconds per line
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return 2;
    const int runs = _wtoi(argv[1]);
    for (int run = 0; run < runs; ++run) {
        std::wstring commandLine = L"\"" + std::wstring(argv[3]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        const auto start = std::chrono::steady_clock::now();
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process))
            return 1;
        HWND window = nullptr;
        while (!(window = FindWindowW(argv[2], nullptr)) || !IsWindowVisible(window)) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20)) return 1;
            Sleep(1);
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%.1f\n", ms);
        std::fflush(stdout);
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        Sleep(200);
    }
    return 0;
}
