#pragma once
#include <memory>

#include "platform/qt/LinuxDesktop.h"

namespace qpa::x11 {

// Whether Qt draws on an X server: an X11 session, or XWayland where the program was told to use
// it. Needs the application object.
bool isX11Session();
// Xlib for other applications' windows and the wheel, XInput2 for the chord, the screen saver
// extension for the display.
std::unique_ptr<qt::LinuxDesktop> openX11Desktop(const qt::Tell& tell);

}  // namespace qpa::x11
