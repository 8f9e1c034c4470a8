#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "platform/WindowServices.h"

namespace qpa {

struct WindowEntry {
    std::wstring title;  // empty: the slot is free
    WindowHandle handle = 0;
};

// The 1001 slots of candidate windows, filled from slot 0 upwards.
inline constexpr int kWindowTableSize = 1001;
using WindowTable = std::array<WindowEntry, kWindowTableSize>;

inline constexpr std::uint32_t kVisibleStyle = 0x10000000;
inline constexpr std::uint32_t kMaximizeBoxStyle = 0x00010000;

// Visible and with a maximise box.
bool IsListableWindow(WindowServices& windows, WindowHandle window);

// Walks the top-level windows front to back from the level of `start` and fills the table with
// every listable window that has a title, leaving out `start` and `mainWindowHandle`. Returns the
// number filled. A 1002nd qualifying window ends the walk with "Subscript out of range".
std::int16_t CollectWindows(WindowServices& windows, WindowHandle start,
                            WindowHandle mainWindowHandle, WindowTable& table);

}  // namespace qpa
