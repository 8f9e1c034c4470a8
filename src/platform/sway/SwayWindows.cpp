#include "platform/sway/SwayWindows.h"

#include <unistd.h>

#include <algorithm>

#include "platform/qt/WheelLines.h"

namespace qpa::sway {

SwayWindows::SwayWindows(std::string swaySocket, wayland::WaylandConnection& wayland)
    : ipc_(std::move(swaySocket)), pointer_(wayland) {}

std::vector<SwayView> SwayWindows::views() {
    const auto tree = ipc_.request(ipc::kGetTree, {});
    return tree ? viewsFrontToBack(*tree) : std::vector<SwayView>{};
}

std::vector<WindowFacts> SwayWindows::topLevelWindows() {
    std::vector<WindowFacts> windows;
    for (const SwayView& view : views()) windows.push_back(factsOf(view, ::getpid()));
    return windows;
}

void SwayWindows::focus(std::int64_t id) {
    // sway answers once the focus has moved, so the next request sees the view in front.
    ipc_.run("[con_id=" + std::to_string(id) + "] focus");
}

void SwayWindows::raise(WindowHandle window) {
    if (window > 0) focus(window);
}

void SwayWindows::scroll(WindowHandle window, std::int32_t delta) {
    const WheelSteps steps = wheelSteps(delta);
    if (steps.notches == 0 || window <= 0) return;
    const std::vector<SwayView> all = views();
    const auto target = std::find_if(all.begin(), all.end(),
                                     [window](const SwayView& v) { return v.id == window; });
    if (target == all.end()) return;  // closed since it was listed
    const auto outputs = ipc_.request(ipc::kGetOutputs, {});
    if (!outputs) return;
    const auto at =
        absoluteMotion(aimPoint(target->content, viewsAbove(all, *target)), layoutBox(*outputs));
    if (at) pointer_.turnWheel(*at, steps);
}

std::optional<std::int32_t> SwayWindows::wheelScrollLines() {
    return qt::wheelScrollLines();
}

void SwayWindows::raiseOwn(const std::wstring& title) {
    const std::int64_t own = ::getpid();
    for (const SwayView& view : views()) {
        if (view.pid == own && view.title == title) return focus(view.id);
    }
}

}  // namespace qpa::sway
