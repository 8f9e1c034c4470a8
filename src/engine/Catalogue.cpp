#include "engine/Catalogue.h"

#include "core/RuntimeError.h"

namespace qpa {

bool IsListableWindow(const WindowFacts& window) {
    return window.visible && window.canMaximise;
}

std::int16_t CollectWindows(WindowServices& windows, WindowHandle mainWindowHandle,
                            WindowTable& table) {
    table.fill(WindowEntry{});
    int filled = 0;
    for (WindowFacts& window : windows.topLevelWindows()) {
        if (window.ours || !IsListableWindow(window)) continue;
        if (window.title.empty() || window.handle == mainWindowHandle) continue;
        if (filled >= kWindowTableSize) throw RuntimeError(kSubscriptOutOfRange);
        table[static_cast<std::size_t>(filled++)] = {std::move(window.title), window.handle};
    }
    return static_cast<std::int16_t>(filled);
}

}  // namespace qpa
