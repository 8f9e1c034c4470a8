#include "platform/gnome/GnomeWindows.h"

#include <unistd.h>

#include "platform/qt/WheelLines.h"

namespace qpa::gnome {

namespace {
quint64 shellId(WindowHandle window) {
    return static_cast<quint64>(window);
}
}  // namespace

GnomeWindows::GnomeWindows(ShellBridge& bridge) : bridge_(bridge) {}

std::vector<WindowFacts> GnomeWindows::topLevelWindows() {
    std::vector<WindowFacts> facts;
    for (const ShellWindow& window : bridge_.windows().value_or(std::vector<ShellWindow>{})) {
        facts.push_back(factsOf(window, ::getpid()));
    }
    return facts;
}

void GnomeWindows::raise(WindowHandle window) {
    if (window > 0) bridge_.activate(shellId(window));
}

void GnomeWindows::holdAbove(WindowHandle window, bool above) {
    if (window > 0) bridge_.setAbove(shellId(window), above);
}

void GnomeWindows::scroll(WindowHandle window, std::int32_t delta) {
    const int notches = notchesDown(delta);
    if (notches == 0 || window <= 0) return;
    if (bridge_.scroll(shellId(window), notches)) return;
    if (bridge_.activate(shellId(window))) bridge_.scroll(shellId(window), notches);
}

std::optional<std::int32_t> GnomeWindows::wheelScrollLines() {
    return qt::wheelScrollLines();
}

void GnomeWindows::raiseOwn(const std::wstring& title) {
    const qint64 own = ::getpid();
    for (const ShellWindow& window : bridge_.windows().value_or(std::vector<ShellWindow>{})) {
        if (window.pid == own && window.title.toStdWString() == title) {
            bridge_.activate(window.id);
            return;
        }
    }
}

}  // namespace qpa::gnome
