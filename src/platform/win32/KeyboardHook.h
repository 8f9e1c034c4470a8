#pragma once
#include <windows.h>

#include "platform/win32/Handles.h"
#include "ports/Desktop.h"

namespace qpa::win32 {

// The process-wide low-level keyboard hook and the asynchronous key state. A hook procedure has
// no user data: the one installed hook's events are reached through a single static pointer, set
// and cleared here.
class KeyboardHook final : public qpa::KeyboardHook {
  public:
    ~KeyboardHook() override { uninstall(); }

    bool install(KeyEvents& events) override;
    void uninstall() override;
    KeyState keyState(Key key) override;

  private:
    static LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept;
    static KeyEvents* events_;
    UniqueHook hook_;
};

}  // namespace qpa::win32
