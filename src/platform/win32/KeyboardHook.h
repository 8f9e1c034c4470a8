#pragma once
#include <windows.h>

#include <functional>

#include "platform/win32/Handles.h"
#include "ports/Desktop.h"

namespace qpa::win32 {

// The process-wide low-level keyboard hook. Windows grants key states, not chords: at each key
// event the hook reads the chord's keys with GetAsyncKeyState and asks `completesChord` whether
// they complete it. A hook procedure has no user data: the one installed hook is reached through
// a single static pointer, set and cleared here.
class KeyboardHook final : public qpa::KeyboardHook {
  public:
    explicit KeyboardHook(std::function<bool(const ChordKeys&)> completesChord)
        : completesChord_(std::move(completesChord)) {}
    ~KeyboardHook() override { uninstall(); }

    bool install(KeyEvents& events) override;
    void uninstall() override;

  private:
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept;
    static KeyboardHook* installed_;
    std::function<bool(const ChordKeys&)> completesChord_;
    KeyEvents* events_ = nullptr;
    UniqueHook hook_;
};

}  // namespace qpa::win32
