#include "platform/win32/KeyboardHook.h"

namespace qpa::win32 {

KeyEvents* KeyboardHook::events_ = nullptr;

bool KeyboardHook::install(KeyEvents& events) {
    events_ = &events;
    hook_.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::LowLevelKeyboardProc,
                                    ::GetModuleHandleW(nullptr), 0));
    return static_cast<bool>(hook_);
}

void KeyboardHook::uninstall() {
    hook_.reset();
    events_ = nullptr;
}

KeyState KeyboardHook::keyState(Key key) {
    const int virtualKey = key == Key::Control ? VK_CONTROL : key == Key::Shift ? VK_SHIFT : 'T';
    const SHORT state = ::GetAsyncKeyState(virtualKey);
    return {state < 0, (state & 1) != 0};  // bit 15: down now; bit 0: pressed since last asked
}

LRESULT CALLBACK KeyboardHook::LowLevelKeyboardProc(int code, WPARAM wParam,
                                                    LPARAM lParam) noexcept {
    // Only HC_ACTION announces an event to look at; the others pass on untouched. (The hook
    // handle CallNextHookEx takes first is ignored by the system.)
    if (code == HC_ACTION && events_ && !events_->keyEvent()) return 0;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace qpa::win32
