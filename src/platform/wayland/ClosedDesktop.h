#pragma once
#include <memory>

#include "platform/qt/LinuxDesktop.h"

namespace qpa::wayland {

// A Wayland desktop this program has no room for: it lets no program see, focus or scroll
// another's windows, nor see the keys typed into them. The display is kept awake all the same, and
// the user is told once.
std::unique_ptr<qt::LinuxDesktop> openClosedDesktop(const qt::Tell& tell);

}  // namespace qpa::wayland
