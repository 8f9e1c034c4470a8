#include "platform/win32/KeyboardHook.h"

namespace qpa::win32 {

namespace {
KeyState asyncState(int virtualKey) {
    const SHORT state = ::GetAsyncKeyState(virtualKey);
    return {state < 0, (state & 1) != 0};  // bit 15: down now; bit 0: pressed since last asked
}
}  // namespace

KeyboardHook* KeyboardHook::installed_ = nullptr;

bool KeyboardHook::install(KeyEvents& events) {
    events_ = &events;
    installed_ = this;
    hook_.reset(::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::KeyboardProc,
                                    ::GetModuleHandleW(nullptr), 0));
    return static_cast<bool>(hook_);
}

void KeyboardHook::uninstall() {
    hook_.reset();
    if (installed_ == this) installed_ = nullptr;
    events_ = nullptr;
}

LRESULT CALLBACK KeyboardHook::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    // Only HC_ACTION announces an event to look at; the others pass on untouched. A chord keeps
    // its event from the hooks behind this one (its window still gets the key). (The hook handle
    // CallNextHookEx takes first is ignored by the system.)
    if (code == HC_ACTION && installed_ && installed_->events_) {
        try {
            const ChordKeys keys{asyncState(VK_CONTROL), asyncState(VK_SHIFT), asyncState('T')};
            if (installed_->completesChord_(keys)) {
                installed_->events_->chord();
                return 0;
            }
        } catch (...) {
            // The decision cannot fail; a hook procedure must not throw whatever happens.
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace qpa::win32
