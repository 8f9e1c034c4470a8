#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace qpa::win32 {

// The status frame's progress bar. The schedule sets its range and position every second; the bar
// repaints itself whole on each, so only what changes what it shows is sent.
class ProgressBar {
  public:
    void useControl(HWND bar);
    void setMaximum(std::int32_t maximum);
    void setValue(std::int32_t value);
    // A standard progress bar draws no text: the text is kept as its window text.
    void setText(const std::wstring& text);

  private:
    HWND bar_ = nullptr;
    int maximum_ = 100;
    std::optional<int> shown_;  // the position the bar was last given
};

}  // namespace qpa::win32
