#pragma once

namespace qpa::qt {

// The program draws widgets only, into shared memory, yet Qt 6.4's Wayland platform loads its EGL
// client buffer integration (Mesa's software renderer and LLVM: about 50 MB resident) for each
// window, only to learn whether it may draw the window's title bar. Where the compositor draws the
// title bars (sway, KWin), this leaves that integration out unless the user chose one, and drops
// the two warnings Qt then prints; GNOME draws none for Wayland programs, so there Qt keeps it.
// Called before the first window is shown.
void leaveOutOpenGlIntegration();

}  // namespace qpa::qt
