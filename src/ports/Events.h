#pragma once
#include "ports/Controls.h"
#include "ports/Port.h"

// The sinks through which the adapters report events to the core. The core hands each one over
// itself, when it starts listening; every call comes on the GUI thread and never throws.
namespace qpa {

// The main window's controls and its schedule timer.
class ViewEvents : public Port {
  public:
    virtual void raise(Control control, UiEvent event) noexcept = 0;
    // The schedule timer's interval has passed.
    virtual void tick() noexcept = 0;
};

// The toggle chord of the whole desktop, whichever program has the focus.
class KeyEvents : public Port {
  public:
    // The chord was pressed: once per press, however long it is held.
    virtual void chord() noexcept = 0;
};

// The tray icon.
class TrayEvents : public Port {
  public:
    // A mouse button (1 left, 2 right) was released over the icon.
    virtual void buttonReleased(int button) noexcept = 0;
    // The balloon went away: hidden, timed out or clicked.
    virtual void balloonClosed() noexcept = 0;
    // The notification area came back after its host restarted: the icon is gone from it.
    virtual void shellRestarted() noexcept = 0;
};

}  // namespace qpa
