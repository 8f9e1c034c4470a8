#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Controls.h"

namespace qpa {

// Other applications' top-level windows: the walk, their style and title, and what one scroll step
// does to a window. Handles are borrowed; a handle that names no window makes every call fail
// quietly.
class WindowServices {
  public:
    WindowServices() = default;
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;
    virtual ~WindowServices() = default;

    // The frontmost window at the level of `start`, or 0.
    virtual WindowHandle firstWindow(WindowHandle start) = 0;
    // The window behind `window`, or 0 at the end.
    virtual WindowHandle nextWindow(WindowHandle window) = 0;
    // The style bits (visible 0x10000000, maximise box 0x00010000), 0 when unknown.
    virtual std::uint32_t style(WindowHandle window) = 0;
    // The title as read back; empty when there is none or the window is gone.
    virtual std::wstring title(WindowHandle window) = 0;

    // Lets any process take the foreground next.
    virtual void allowAnyForeground() = 0;
    virtual void setForeground(WindowHandle window) = 0;
    // Puts the window into (true) or out of (false) the topmost band, without moving or sizing it.
    virtual void setTopmostBand(WindowHandle window, bool topmost) = 0;
    virtual void show(WindowHandle window, int showCommand) = 0;
    // Turns the wheel over the middle of the window's content by `delta` units (120 a notch,
    // positive away from the user); never waits long for a hung target.
    virtual void scroll(WindowHandle window, std::int32_t delta) = 0;
    // Whether a mouse wheel is present.
    virtual bool wheelPresent() = 0;
    // The lines one wheel notch scrolls, or nothing when the platform does not answer.
    virtual std::optional<std::int32_t> wheelScrollLines() = 0;
};

}  // namespace qpa
