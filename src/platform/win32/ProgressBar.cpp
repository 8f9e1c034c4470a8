#include "platform/win32/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace qpa::win32 {

void ProgressBar::useControl(HWND bar) {
    bar_ = bar;
    ::SendMessageW(bar_, PBM_SETRANGE32, 0, maximum_);
}

void ProgressBar::setMaximum(std::int32_t maximum) {
    if (maximum == maximum_) return;
    maximum_ = maximum;
    shown_.reset();
    // A range of nothing shows as an empty bar.
    ::SendMessageW(bar_, PBM_SETRANGE32, 0, maximum > 0 ? maximum : 1);
    if (maximum <= 0) ::SendMessageW(bar_, PBM_SETPOS, 0, 0);
}

void ProgressBar::setValue(std::int32_t value) {
    const int position = maximum_ > 0 ? value : 0;
    // With a long period the filled part grows by a pixel only every few seconds: a position that
    // would not move it is not sent.
    if (shown_) {
        RECT area{};
        ::GetClientRect(bar_, &area);
        const int range = std::max(maximum_, 1);
        const auto filled = [&](int width, int at) {
            return ::MulDiv(width, std::clamp(at, 0, range), range);
        };
        bool moves = false;
        for (int border = 0; border <= 4; border += 2) {  // whatever border the style draws
            const int width = area.right - area.left - border;
            moves = moves || filled(width, *shown_) != filled(width, position);
        }
        if (!moves) return;
    }
    ::SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    shown_ = position;
}

void ProgressBar::setText(const std::wstring& text) {
    ::SetWindowTextW(bar_, text.c_str());
}

}  // namespace qpa::win32
