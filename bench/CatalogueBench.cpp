// loadWindows over 1001 fake windows, against the bare walk over the same windows (the baseline).
// Prints: median_us min_us max_us for the walk, then for loadWindows.
#include <cstdio>

#include "Timing.h"
#include "fakes/Fakes.h"

using namespace qpa;
using namespace qpa::fakes;

int main() {
    FakeForm fakes;
    for (int i = 1; i <= 1001; ++i) {
        fakes.windows.desktop.push_back(
            {100 + i, L"Window number " + std::to_wstring(i), true, true, false});
    }
    Form1& form = fakes.form();
    FakeWindows& windows = fakes.windows;
    volatile long sink = 0;
    printTimed(51, [&] {
        long n = 0;
        for (const WindowFacts& window : windows.topLevelWindows()) n += window.title.size();
        sink = sink + n;
    });
    printTimed(51, [&] { form.loadWindows(); });
    return fakes.view.items.size() == 1001 ? 0 : 1;
}
