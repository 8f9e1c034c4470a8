// loadWindows over 1001 fake windows, against the bare walk over the same windows (the baseline).
// Prints: median_us min_us max_us for the walk, then for loadWindows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/Form1.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakePorts.h"
#include "fakes/FakeView.h"
#include "fakes/FakeWindows.h"

using namespace qpa;
using namespace qpa::fakes;

namespace {
template <class Work>
std::vector<double> timed(int runs, Work&& work) {
    std::vector<double> us;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        us.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(us.begin(), us.end());
    return us;
}
void print(const std::vector<double>& us) {
    std::printf("%.1f %.1f %.1f\n", us[us.size() / 2], us.front(), us.back());
}
}  // namespace

int main() {
    FakeView view;
    FakeTimer timer;
    FakeDialogs dialogs;
    MemorySettings settings;
    FakeFiles files;
    FakeLauncher launcher;
    FakeChance chance;
    FakeRegional regional;
    FakeWindows windows;
    FakeKeyboard keyboard;
    FakeTray tray;
    FakeStartup startup;
    FakeDisplay display;
    for (int i = 1; i <= 1001; ++i)
        windows.desktop.push_back({100 + i, kListable, L"Window number " + std::to_wstring(i)});
    Form1 form(Form1Ports{view, timer, dialogs, settings, files, launcher, chance, regional,
                          windows, keyboard, tray, startup, display});
    volatile long sink = 0;
    print(timed(51, [&] {
        long n = 0;
        for (WindowHandle h = windows.firstWindow(0); h != 0; h = windows.nextWindow(h))
            n += windows.title(h).size();
        sink = sink + n;
    }));
    print(timed(51, [&] { form.loadWindows(); }));
    return view.listCount() == 1001 ? 0 : 1;
}
