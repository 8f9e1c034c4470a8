#include "engine/Catalogue.h"

#include "app/RuntimeError.h"

namespace qpa {

bool IsListableWindow(WindowServices& windows, WindowHandle window) {
    constexpr std::uint32_t wanted = kVisibleStyle | kMaximizeBoxStyle;
    return (windows.style(window) & wanted) == wanted;
}

std::int16_t CollectWindows(WindowServices& windows, WindowHandle start,
                            WindowHandle mainWindowHandle, WindowTable& table) {
    table.fill(WindowEntry{});
    int filled = 0;
    for (WindowHandle h = windows.firstWindow(start); h != 0; h = windows.nextWindow(h)) {
        if (h == start || !IsListableWindow(windows, h)) continue;
        std::wstring title = windows.title(h);
        if (title.empty() || h == mainWindowHandle) continue;
        if (filled >= kWindowTableSize) throw RuntimeError(kSubscriptOutOfRange);
        table[static_cast<std::size_t>(filled)] = WindowEntry{std::move(title), h};
        ++filled;
    }
    return static_cast<std::int16_t>(filled);
}

}  // namespace qpa
