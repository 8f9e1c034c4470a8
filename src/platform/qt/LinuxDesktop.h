#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/qt/DesktopNotifications.h"
#include "ports/Desktop.h"
#include "ports/WindowServices.h"

namespace qpa::qt {

class QtMainWindow;

// Shows the user a message with a title, once the event loop runs.
using Tell = std::function<void(const std::wstring& text, const wchar_t* title)>;

// What one Linux desktop gives the program, opened through its own entry: the adapters that reach
// other applications' windows, the keys and the display, and its hooks on our own window.
class LinuxDesktop {
  public:
    virtual ~LinuxDesktop() = default;

    virtual WindowServices& windows() = 0;
    virtual KeyboardHook& keyboard() = 0;
    virtual DisplayKeeper& display() = 0;
    // The desktop's own notifications for balloons, where it shows none of Qt's; null otherwise.
    virtual DesktopNotifications* notifications() { return nullptr; }
    // Hooks the desktop needs on our own window, once it exists (raising it where the desktop does
    // not let Qt, hearing that it was minimised where the desktop does not tell Qt).
    virtual void attach(QtMainWindow& /*window*/) {}
    // The one note for the user at start-up, when the desktop needs a step first: the text and its
    // title; empty when none.
    std::wstring startMessage;
    const wchar_t* startMessageTitle = L"";
};

}  // namespace qpa::qt
