#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/kde/KwinConnection.h"

namespace qpa::kde {

// KWin shows its window management and fake input only to a program named by a desktop entry
// that lists them. The package installs one; a program started from elsewhere (a build folder)
// writes its own into the user's applications folder, which KWin reads within a moment without a
// restart, and connects again. A file of that name already there is left as it is. `more` are the
// globals other adapters need on the same connection.
std::unique_ptr<KwinConnection> connectWithPermission(
    const std::vector<wayland::WantedGlobal>& more);

// What the user is told when KWin still hides the windows from this program: the lines of the
// entry that names it, or why none can.
std::wstring hiddenWindowsMessage();

}  // namespace qpa::kde
