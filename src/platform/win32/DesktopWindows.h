#pragma once
#include <windows.h>

#include "ports/WindowServices.h"

namespace qpa::win32 {

// Other programs' top-level windows through user32.
class DesktopWindows final : public WindowServices {
  public:
    std::vector<WindowFacts> topLevelWindows() override;
    void raise(WindowHandle window) override;
    void holdAbove(WindowHandle window, bool above) override;
    void show(WindowHandle window) override;
    void scroll(WindowHandle window, std::int32_t delta) override;
    bool wheelPresent() override;
    std::optional<std::int32_t> wheelScrollLines() override;
};

}  // namespace qpa::win32
