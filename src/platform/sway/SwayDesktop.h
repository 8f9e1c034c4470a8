#pragma once
#include <memory>

#include "platform/qt/LinuxDesktop.h"

namespace qpa::sway {

// sway says where its IPC socket is.
bool isSwaySession();
// sway's IPC for the views, their focus and the chord; a virtual pointer for the wheel.
std::unique_ptr<qt::LinuxDesktop> openSwayDesktop(const qt::Tell& tell);

}  // namespace qpa::sway
