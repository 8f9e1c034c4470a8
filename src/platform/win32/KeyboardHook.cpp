#include "platform/win32/KeyboardHook.h"

namespace qpa::win32 {

ToggleHotkey* KeyboardHook::owner_ = nullptr;

KeyboardHook::~KeyboardHook() {
    if (installed_) ::UnhookWindowsHookEx(installed_);
    owner_ = nullptr;
}

std::intptr_t KeyboardHook::install() {
    installed_ = ::SetWindowsHookExW(WH_KEYBOARD_LL, &KeyboardHook::LowLevelKeyboardProc,
                                     ::GetModuleHandleW(nullptr), 0);
    return reinterpret_cast<std::intptr_t>(installed_);
}

void KeyboardHook::uninstall(std::intptr_t hook) {
    ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook));
    if (reinterpret_cast<HHOOK>(hook) == installed_) installed_ = nullptr;
}

std::intptr_t KeyboardHook::callNext(std::intptr_t hook, int code, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    return ::CallNextHookEx(reinterpret_cast<HHOOK>(hook), code, wParam, lParam);
}

std::int16_t KeyboardHook::asyncKeyState(int virtualKey) {
    return ::GetAsyncKeyState(virtualKey);
}

void KeyboardHook::postToggle() {
    ::PostMessageW(mainWindow_, kToggleMessage, 0, 0);
}

LRESULT CALLBACK KeyboardHook::LowLevelKeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (!owner_) return ::CallNextHookEx(nullptr, code, wParam, lParam);
    return owner_->KeyboardProc(code, wParam, lParam);
}

}  // namespace qpa::win32
