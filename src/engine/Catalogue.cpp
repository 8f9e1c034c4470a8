#include "engine/Catalogue.h"

#include "core/RuntimeError.h"

namespace qpa {

bool IsListableWindow(const WindowFacts& window) {
    return window.visible && window.canMaximise;
}

void Catalogue::collect(WindowServices& windows, WindowHandle mainWindow) {
    entries_.clear();
    for (WindowFacts& window : windows.topLevelWindows()) {
        if (window.ours || !IsListableWindow(window)) continue;
        if (window.title.empty() || window.handle == mainWindow) continue;
        if (count() >= kCapacity) throw RuntimeError(kSubscriptOutOfRange);
        entries_.push_back({std::move(window.title), window.handle});
    }
}

}  // namespace qpa
