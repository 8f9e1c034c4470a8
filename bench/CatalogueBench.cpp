// loadWindows over 1001 fake windows, against the bare walk over the same windows (the baseline).
// Prints: median_us min_us max_us for the walk, then for loadWindows.
#include <cstdio>

#include "Timing.h"
#include "fakes/FakeForm.h"

using namespace qpa;
using namespace qpa::fakes;

int main() {
    FakeForm fakes;
    for (int i = 1; i <= 1001; ++i)
        fakes.windows.desktop.push_back({100 + i, kListable, L"Window number " + std::to_wstring(i)});
    Form1& form = fakes.form();
    FakeWindows& windows = fakes.windows;
    volatile long sink = 0;
    printTimed(51, [&] {
        long n = 0;
        for (WindowHandle h = windows.firstWindow(0); h != 0; h = windows.nextWindow(h))
            n += windows.title(h).size();
        sink = sink + n;
    });
    printTimed(51, [&] { form.loadWindows(); });
    return fakes.view.listCount() == 1001 ? 0 : 1;
}
