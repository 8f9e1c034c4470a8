#pragma once
#include <QDBusConnection>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gnome/GnomeRules.h"

namespace qpa::gnome {

// The calls to the program's GNOME Shell extension over the session bus. Constructing one makes
// this program the extension's one caller; every call gives up after a short wait. What keeps the
// extension from serving the program (another program holding its name, the extension refusing
// this copy, an answer of another version's shape) is told to the user, once each.
class ShellBridge {
  public:
    // `tell` shows the user a message.
    explicit ShellBridge(std::function<void(const std::wstring&)> tell);
    ShellBridge(const ShellBridge&) = delete;
    ShellBridge& operator=(const ShellBridge&) = delete;
    ~ShellBridge();

    // The Shell's windows front to back; nothing when the extension does not answer as expected.
    std::optional<std::vector<ShellWindow>> windows();
    // Raises and focuses the window; true when it has the focus on return.
    bool activate(quint64 id);
    void setAbove(quint64 id, bool above);
    // Turns the wheel over the window; false when the extension sent nothing (the window hidden
    // or covered, the overview or a system dialog up, or no extension).
    bool scroll(quint64 id, int notchesDown);

  private:
    enum class Trouble { NameTaken, Refused, OtherVersion, Count };
    QDBusMessage call(const char* method, const QVariantList& arguments);
    void tellOnce(Trouble trouble, const std::wstring& why);
    void tellNameTaken();

    QDBusConnection bus_;
    std::function<void(const std::wstring&)> tell_;
    bool told_[static_cast<int>(Trouble::Count)] = {};
};

}  // namespace qpa::gnome
