#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "ports/WindowServices.h"

namespace qpa {

struct WindowEntry {
    std::wstring title;  // empty: the slot is free
    WindowHandle handle = 0;
};

// The 1001 slots of candidate windows, filled from slot 0 upwards.
inline constexpr int kWindowTableSize = 1001;
using WindowTable = std::array<WindowEntry, kWindowTableSize>;

// Visible (shown or minimised) and with a maximise box.
bool IsListableWindow(const WindowFacts& window);

// Fills the table with the desktop's listable, titled windows front to back, leaving out this
// program's windows and `mainWindowHandle`. Returns the number filled. A 1002nd qualifying window
// ends the walk with "Subscript out of range", the 1001 filled kept.
std::int16_t CollectWindows(WindowServices& windows, WindowHandle mainWindowHandle,
                            WindowTable& table);

}  // namespace qpa
