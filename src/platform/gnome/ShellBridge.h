#pragma once
#include <QDBusConnection>
#include <optional>
#include <vector>

#include "platform/gnome/GnomeRules.h"

namespace qpa::gnome {

// The calls to the program's GNOME Shell extension over the session bus. Constructing one makes
// this program the extension's one caller; every call gives up after a short wait.
class ShellBridge {
  public:
    ShellBridge();
    ShellBridge(const ShellBridge&) = delete;
    ShellBridge& operator=(const ShellBridge&) = delete;
    ~ShellBridge();

    // The Shell's windows front to back; nothing when the extension does not answer.
    std::optional<std::vector<ShellWindow>> windows();
    // Raises and focuses the window; true when it has the focus on return.
    bool activate(quint64 id);
    void setAbove(quint64 id, bool above);
    // Turns the wheel over the window; false when the extension sent nothing (the window hidden
    // or covered, the overview or a system dialog up, or no extension).
    bool scroll(quint64 id, int notchesDown);

  private:
    QDBusConnection bus_;
};

}  // namespace qpa::gnome
