#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/AimPoint.h"

// The rules of the KDE Plasma adapters, free of Wayland, D-Bus and Qt headers so that the unit
// tests can use them alone.
namespace qpa::kde {

using aim::Rect;

// The window ids of KWin's stacking order ("uuid;uuid;...", bottom to top), front to back.
std::vector<std::string> frontToBack(std::string_view bottomToTop);

// Where the wheel may turn over the target (KWin's uuid), from the surfaces KWin shows front to
// back, one a line: "uuid x y width height x y width height", the frame and then the content. The
// point of the target's content that no surface in front of it covers (aim::uncoveredPoint);
// nothing when the target is not shown or wholly covered.
std::optional<aim::Point> pointShowing(std::string_view frontToBack, std::string_view targetId);

// The fake-input axis value for a wheel delta (120 a notch, positive away from the user). KWin
// hands the value to clients as a continuous scroll that Qt reads as twelve times the value, so a
// delta arrives whole, whatever its size; the axis grows towards the end of the document.
double axisValue(std::int32_t delta);

// The desktop entry that asks KWin to show this program its two interfaces: hidden from menus,
// Exec the program's absolute path, quoted as KWin splits it before comparing its first word with
// the client's executable. Nothing for a path that is not absolute.
std::optional<std::wstring> permissionEntry(std::wstring_view programPath);

// What the user is told when KWin still hides the windows: the lines of `entry` to save, or why
// no entry can name this copy when there is none (its path is not UTF-8 text).
std::wstring kwinHidesWindowsMessage(const std::optional<std::wstring>& entry);

// The entry's file name for this program file: one per program file, so that two copies (a build
// and the package) each have their own, and never the name of the menu entry the package installs.
std::string permissionFileName(std::wstring_view programPath);

// One toggle for each press of the chord: KDE's shortcut service repeats "pressed" while the keys
// are held, and says "released" once.
class PressOnce {
  public:
    // True for the first "pressed" since the last release.
    bool pressed() {
        const bool first = !held_;
        held_ = true;
        return first;
    }
    void released() { held_ = false; }

  private:
    bool held_ = false;
};

}  // namespace qpa::kde
