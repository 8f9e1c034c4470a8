#pragma once
#include <memory>

#include "platform/qt/LinuxDesktop.h"

namespace qpa::gnome {

// The session names GNOME among its desktops.
bool isGnomeSession();
// The program's Shell extension for the windows, the wheel and the chord; the desktop's
// notifications for balloons.
std::unique_ptr<qt::LinuxDesktop> openGnomeDesktop(const qt::Tell& tell);

}  // namespace qpa::gnome
