#include "platform/kde/KdeWindows.h"

#include <unistd.h>

#include "platform/qt/Utf8.h"
#include "platform/qt/WheelLines.h"

namespace qpa::kde {

namespace {
// KWin activates a window within a millisecond or two; a target that is not in front by then gets
// its step where it shows, if anywhere.
constexpr int kActivationWait = 250;
}  // namespace

KdeWindows::KdeWindows(KwinConnection& kwin) : kwin_(kwin) {
    if (org_kde_kwin_fake_input* input = kwin_.fakeInput()) {
        // A seat that gains a pointer makes every client bind one first, and the first step sent
        // before they have is lost: the device is plugged now, by a motion that moves nothing.
        org_kde_kwin_fake_input_authenticate(input, "quiet-page-advancer",
                                             "scrolls the window chosen by the user");
        org_kde_kwin_fake_input_pointer_motion(input, 0, 0);
        kwin_.settle();
    }
}

std::vector<WindowFacts> KdeWindows::topLevelWindows() {
    kwin_.settle();
    std::vector<WindowFacts> facts;
    const auto own = static_cast<std::uint32_t>(::getpid());
    for (const KwinWindow* window : kwin_.frontToBack()) {
        facts.push_back(WindowFacts{
            .handle = window->handle,
            .title = qt::fromUtf8(window->title),
            .visible = true,  // mapped, minimised or not
            .canMaximise = window->has(ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MAXIMIZABLE),
            .ours = window->pid == own,
        });
    }
    return facts;
}

void KdeWindows::setState(WindowHandle window, std::uint32_t flag, bool on) {
    if (const KwinWindow* w = kwin_.find(window)) {
        org_kde_plasma_window_set_state(w->proxy.get(), flag, on ? flag : 0);
    }
}

void KdeWindows::raise(WindowHandle window) {
    kwin_.settle();
    setState(window, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE, true);
    kwin_.waitFor(
        [this, window] {
            const KwinWindow* w = kwin_.find(window);
            return !w || w->has(ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
        },
        kActivationWait);
}

void KdeWindows::holdAbove(WindowHandle window, bool above) {
    setState(window, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_KEEP_ABOVE, above);
}

void KdeWindows::scroll(WindowHandle window, std::int32_t delta) {
    org_kde_kwin_fake_input* input = kwin_.fakeInput();
    if (!input || delta == 0) return;
    kwin_.settle();  // the raise and the hold above are done before KWin is asked what shows
    const KwinWindow* target = kwin_.find(window);
    if (!target) return;  // closed since it was listed
    const std::optional<std::string> shown = stacking_.frontToBack();
    const std::optional<aim::Point> at = shown ? pointShowing(*shown, target->id) : std::nullopt;
    if (!at) return;  // covered, hidden or closed: no step, and the walk goes on
    org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int(at->x),
                                                    wl_fixed_from_int(at->y));
    org_kde_kwin_fake_input_axis(input, WL_POINTER_AXIS_VERTICAL_SCROLL,
                                 wl_fixed_from_double(axisValue(delta)));
    kwin_.settle();
}

std::optional<std::int32_t> KdeWindows::wheelScrollLines() {
    return qt::wheelScrollLines();
}

}  // namespace qpa::kde
