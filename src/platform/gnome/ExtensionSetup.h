#pragma once
#include <optional>
#include <string>

namespace qpa::gnome {

// Makes sure the program's GNOME Shell extension runs before the program needs it: switches it on
// when GNOME has it, installs it for the user when GNOME has not seen it. Answers the one message
// the user needs when it cannot run yet, nothing when it runs. Waits a few seconds at most, before
// any window is up.
std::optional<std::wstring> prepareShellExtension();

}  // namespace qpa::gnome
