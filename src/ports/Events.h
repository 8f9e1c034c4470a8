#pragma once
#include <string>

#include "ports/Controls.h"
#include "ports/Port.h"

// The sinks through which the adapters report events to the core. The core hands each one over
// itself, when it starts listening; every call comes on the GUI thread and never throws.
namespace qpa {

// The main window's controls and its schedule timer. What the user changes comes with its value.
class ViewEvents : public Port {
  public:
    // An event that carries no value: a click on a push button, or on an option (which the window
    // has just selected), the focus entering or leaving a field, the pointer over a control, the
    // window asked to close.
    virtual void raise(Control control, UiEvent event) noexcept = 0;
    // The user changed a field's text (Text2, Text3): the text it holds now.
    virtual void changed(Control field, const std::wstring& text) noexcept = 0;
    // The user clicked a check box (Check4, Check8): whether it is checked now.
    virtual void checked(Control box, bool isChecked) noexcept = 0;
    // The user selected an entry of the list (1-based), or none (0).
    virtual void selected(int index) noexcept = 0;
    // The window was minimised or restored (or is to be, while hidden): its state.
    virtual void resized(WindowState state) noexcept = 0;
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
