#pragma once
#include <string>

#include "ports/Desktop.h"

namespace qpa::qt {

// Logon start-up entries as XDG autostart files: the machine's ($XDG_CONFIG_DIRS, /etc/xdg) and
// the user's ($XDG_CONFIG_HOME, ~/.config), each in its "autostart" folder.
class AutostartFiles final : public StartupRegistry {
  public:
    std::wstring programPath() const override;
    // False for a path with a control character: the entry is one line of text.
    bool canHold(const std::wstring& command) const override;
    bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) override;
    void removeEntry(Scope scope, const std::wstring& name) override;
};

}  // namespace qpa::qt
