#pragma once
#include <memory>
#include <optional>

#include "platform/qt/LinuxDesktop.h"

namespace qpa::kde {

// KDE Plasma on Wayland: the session says so, or KWin is on the session bus.
bool isKdeSession();
// KWin's window management and fake input for the windows and the wheel, KDE's shortcut service
// for the chord.
std::unique_ptr<qt::LinuxDesktop> openKdeDesktop(const qt::Tell& tell);

}  // namespace qpa::kde
