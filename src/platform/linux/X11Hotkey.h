#pragma once
#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "desktop/ToggleHotkey.h"
#include "platform/DesktopPorts.h"
#include "platform/linux/X11Display.h"

namespace qpa::x11 {

// Sees every key of the desktop as XInput2 raw events on a second X connection, without grabbing
// them (the focused application still gets each key). Each event is offered to the toggle chord's
// decision before the key's own state changes, as a low-level keyboard hook would see it.
class X11Hotkey final : public QObject, public KeyboardHookPort {
  public:
    explicit X11Hotkey(std::function<void()> toggle) : toggle_(std::move(toggle)) {}
    X11Hotkey(const X11Hotkey&) = delete;
    X11Hotkey& operator=(const X11Hotkey&) = delete;
    ~X11Hotkey() override = default;

    void attach(ToggleHotkey& owner) { owner_ = &owner; }

    std::intptr_t install() override;
    void uninstall(std::intptr_t hook) override;
    std::intptr_t callNext(std::intptr_t, int, std::uintptr_t, std::intptr_t) override { return 0; }
    std::int16_t asyncKeyState(int virtualKey) override;
    void postToggle() override;

  private:
    void readEvents();
    void keyEvent(unsigned keycode, bool pressed);

    std::function<void()> toggle_;
    ToggleHotkey* owner_ = nullptr;
    UniqueDisplay display_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int opcode_ = 0;
    unsigned controlKeys_[2] = {0, 0}, shiftKeys_[2] = {0, 0}, tKey_ = 0;
    int controlDown_ = 0, shiftDown_ = 0;
    bool tDown_ = false, tPressedSinceAsked_ = false;
};

}  // namespace qpa::x11
