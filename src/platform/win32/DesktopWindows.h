#pragma once
#include <windows.h>

#include "platform/WindowServices.h"

namespace qpa::win32 {

// Other programs' top-level windows through user32.
class DesktopWindows final : public WindowServices {
  public:
    WindowHandle firstWindow(WindowHandle start) override;
    WindowHandle nextWindow(WindowHandle window) override;
    std::uint32_t style(WindowHandle window) override;
    std::wstring title(WindowHandle window) override;
    void allowAnyForeground() override;
    void setForeground(WindowHandle window) override;
    void setTopmostBand(WindowHandle window, bool topmost) override;
    void show(WindowHandle window, int showCommand) override;
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override;
    std::optional<std::int32_t> wheelScrollLines() override;
};

inline HWND toHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}
inline WindowHandle fromHwnd(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace qpa::win32
