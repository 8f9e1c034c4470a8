#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/Controls.h"
#include "ports/Port.h"

namespace qpa {

// What the list of candidate windows needs to know of a top-level window.
struct WindowFacts {
    WindowHandle handle = 0;
    std::wstring title;        // empty when it has none
    bool visible = false;      // shown or minimised, not hidden
    bool canMaximise = false;  // it has a maximise box
    bool ours = false;         // a window of this program
};

// Other applications' top-level windows, and what one scroll step does to one. Handles are
// borrowed; a handle that names no window (any more) makes every call fail quietly.
class WindowServices : public Port {
  public:
    // The desktop's top-level windows, front to back.
    virtual std::vector<WindowFacts> topLevelWindows() = 0;
    // Brings the window to the front with the keyboard focus, whichever program has it now.
    virtual void raise(WindowHandle window) = 0;
    // Holds the window above all others (true) or lets it go back among them (false), without
    // moving or sizing it; never waits for the window.
    virtual void holdAbove(WindowHandle window, bool above) = 0;
    // Makes the window visible in the state it has; never waits for the window.
    virtual void show(WindowHandle window) = 0;
    // Turns the wheel over the middle of the window's content by `delta` units (120 a notch,
    // positive away from the user); never waits long for a window that does not answer.
    virtual void scroll(WindowHandle window, std::int32_t delta) = 0;
    // Whether a mouse wheel is present.
    virtual bool wheelPresent() = 0;
    // The lines one wheel notch scrolls, or nothing when the desktop does not say.
    virtual std::optional<std::int32_t> wheelScrollLines() = 0;
};

}  // namespace qpa
