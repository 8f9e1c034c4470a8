#pragma once
#include <array>

#include "ports/Controls.h"

namespace qpa {

// Where each control of the main window stands, in twips (1/1440 inch) relative to the window's
// client area, with its designed caption. Both window adapters build the window from this table.
enum class ControlKind {
    Frame,
    Label,
    TextField,
    OptionButton,
    CheckBox,
    PushButton,
    List,
    Progress
};

struct ControlPlacement {
    Control control;
    ControlKind kind;
    int left, top, width, height;  // in the window's client area
    const wchar_t* caption;
};

inline constexpr int kClientWidthTwips = 15960;
inline constexpr int kClientHeightTwips = 4650;

namespace frames {
// Frame origins, so that children can be written as in their frame.
inline constexpr int kFrame1X = 120, kFrame1Y = 1470;
inline constexpr int kFrame2X = 8040, kFrame2Y = 3840;
inline constexpr int kFrame3X = 120, kFrame3Y = 2430;
inline constexpr int kFrame4X = 120, kFrame4Y = 570;
inline constexpr int kFrame5X = 120, kFrame5Y = 3840;
}  // namespace frames

// In the window's tab order: the two schedule fields first.
inline constexpr std::array<ControlPlacement, 27> kMainWindowLayout = [] {
    using namespace frames;
    using K = ControlKind;
    using C = Control;
    return std::array<ControlPlacement, 27>{{
        {C::Text2, K::TextField, kFrame1X + 1920, kFrame1Y + 330, 500, 345, L""},
        {C::Text3, K::TextField, kFrame1X + 3480, kFrame1Y + 330, 500, 345, L""},
        {C::PushButton2, K::PushButton, 120, 120, 6600, 405, L"Turn On"},
        {C::PushButton10, K::PushButton, 6840, 120, 1080, 405, L"Help"},
        {C::Option1, K::OptionButton, kFrame3X + 240, kFrame3Y + 300, 3255, 255,
         L"Push 'Down' button to scroll down"},
        {C::Option2, K::OptionButton, kFrame3X + 240, kFrame3Y + 615, 3255, 255,
         L"Push 'Page Down' to scroll down"},
        {C::Option3, K::OptionButton, kFrame3X + 240, kFrame3Y + 930, 3255, 255,
         L"Mousewheel 'Down' one notch"},
        {C::Option4, K::OptionButton, kFrame3X + 3960, kFrame3Y + 300, 3255, 255,
         L"Push 'Up' button to scroll up"},
        {C::Option5, K::OptionButton, kFrame3X + 3960, kFrame3Y + 615, 3255, 255,
         L"Push 'Page Up' to scroll up"},
        {C::Option6, K::OptionButton, kFrame3X + 3960, kFrame3Y + 930, 3255, 255,
         L"Mousewheel 'Up' one notch"},
        {C::Option7, K::OptionButton, kFrame5X + 240, kFrame5Y + 300, 3255, 255,
         L"Scroll in 'Available Windows'"},
        {C::Option8, K::OptionButton, kFrame5X + 3960, kFrame5Y + 300, 3255, 255,
         L"Scroll in selected window only"},
        {C::ListView1, K::List, 8040, 120, 7800, 3150, L""},
        {C::PushButton1, K::PushButton, 8040, 3360, 6240, 405, L"Refresh List"},
        {C::PushButton7, K::PushButton, 14400, 3360, 1440, 405, L"?"},
        {C::Check4, K::CheckBox, kFrame2X + 240, kFrame2Y + 300, 3930, 285,
         L"Load this software on Windows startup"},
        {C::Check8, K::CheckBox, kFrame2X + 4320, kFrame2Y + 300, 2580, 285,
         L"Minimized to system tray"},
        {C::ProgressBar1, K::Progress, kFrame4X + 240, kFrame4Y + 285, 7320, 405, L"Progress Bar"},
        {C::Label1, K::Label, kFrame1X + 360, kFrame1Y + 390, 1140, 225, L"Scroll every:"},
        {C::Label2, K::Label, kFrame1X + 2520, kFrame1Y + 375, 735, 255, L"minute/s"},
        {C::Label3, K::Label, kFrame1X + 4080, kFrame1Y + 375, 780, 255, L"second/s"},
        {C::Label4, K::Label, 120, 120, 6600, 255,
         L"Turn On (Press Ctrl + Shift + T to toggle ON/OFF)"},
        {C::Frame4, K::Frame, kFrame4X, kFrame4Y, 7800, 855, L"Off."},
        {C::Frame1, K::Frame, kFrame1X, kFrame1Y, 7800, 900, L"Scroll Schedule"},
        {C::Frame3, K::Frame, kFrame3X, kFrame3Y, 7800, 1335, L"Scroll method"},
        {C::Frame5, K::Frame, kFrame5X, kFrame5Y, 7800, 735, L"Scroll option"},
        {C::Frame2, K::Frame, kFrame2X, kFrame2Y, 7800, 735, L"Startup Options"},
    }};
}();

}  // namespace qpa
