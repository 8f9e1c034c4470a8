#pragma once
#include <cstdint>
#include <string>

#include "ports/Events.h"
#include "ports/Port.h"

namespace qpa {

// One key's state as a low-level keyboard hook reads it from the desktop.
struct KeyState {
    bool down = false;               // held now
    bool pressedSinceAsked = false;  // pressed since its state was last asked for
};

// The keys of the toggle chord, read together when a key event comes.
struct ChordKeys {
    KeyState control, shift, t;
};

// The toggle chord, Ctrl+Shift+T, pressed anywhere on the desktop whichever program has the focus.
class KeyboardHook : public Port {
  public:
    // Starts telling `events` of each press of the chord; false when the desktop refused.
    virtual bool install(KeyEvents& events) = 0;
    // Stops; safe when nothing was installed.
    virtual void uninstall() = 0;
};

// An opaque picture for the tray; 0 is none.
using TrayPicture = std::intptr_t;

// The notification area: one icon with its tip, balloons on it, and its mouse events.
class TrayShell : public Port {
  public:
    // The picture designed for the tray: the blue "T".
    virtual TrayPicture designedPicture() = 0;
    // Puts the icon up (without a picture when 0, without a tip when empty) and starts sending
    // its events to `events`.
    virtual void add(TrayEvents& events, TrayPicture picture, const std::wstring& tip) = 0;
    virtual void changePicture(TrayPicture picture) = 0;
    virtual void changeTip(const std::wstring& tip) = 0;
    // Shows a balloon on the icon, for at most `seconds` (0: until the desktop hides it).
    virtual void balloon(const std::wstring& title, const std::wstring& text, int seconds) = 0;
    // Takes the balloon away.
    virtual void balloonOff() = 0;
    // Takes the icon away and stops its events.
    virtual void remove() = 0;
    // Seconds on a clock that only moves forward.
    virtual double elapsedSeconds() = 0;
    // Blocks until a window event arrives or the time is up, then lets pending events run.
    virtual void waitForEvents(double maximumSeconds) = 0;
};

// The lists of programs started at logon (the machine's and the user's), and this program's file.
class StartupRegistry : public Port {
  public:
    enum class Scope { Machine, User };
    // The full path of the running program.
    virtual std::wstring programPath() const = 0;
    // False when no entry of these lists can carry the command as it stands (a desktop entry is a
    // line of text); every command fits unless an adapter says otherwise.
    virtual bool canHold(const std::wstring& /*command*/) const { return true; }
    // Writes an entry; false when the list refuses.
    virtual bool setEntry(Scope scope, const std::wstring& name, const std::wstring& command) = 0;
    // Removes an entry; a missing one is no failure.
    virtual void removeEntry(Scope scope, const std::wstring& name) = 0;
};

// Keeps the display from going dark.
class DisplayKeeper : public Port {
  public:
    // True: the display stays on (no screen saver, no power saving) until called with false.
    virtual void keepAwake(bool awake) = 0;
};

}  // namespace qpa
