#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <array>
#include <memory>

#include "platform/x11/X11Display.h"
#include "ports/Desktop.h"

namespace qpa::x11 {

// The toggle chord from every key of the desktop, seen as XInput2 raw events on a second X
// connection without grabbing them (the focused application still gets each key): a press of T
// while Ctrl and Shift are held, once per press (the server's key repeats are left out).
class X11Hotkey final : public QObject, public KeyboardHook {
  public:
    bool install(KeyEvents& events) override;
    void uninstall() override;

  private:
    void readEvents();
    void keyEvent(unsigned keycode, bool pressed);

    KeyEvents* events_ = nullptr;
    UniqueDisplay display_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int opcode_ = 0;
    // Left and right keys of each modifier, and T.
    std::array<unsigned, 2> controlKeys_{}, shiftKeys_{};
    unsigned tKey_ = 0;
    std::array<bool, 2> controlDown_{}, shiftDown_{};
};

}  // namespace qpa::x11
