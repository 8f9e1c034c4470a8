#pragma once
#include <array>

#include "core/Texts.h"
#include "ports/Controls.h"

namespace qpa {

// The main window as designed: where each control stands, in twips (1/1440 inch) relative to the
// window's client area, with its caption, whether it is hidden and whether it is selected at
// start, and the two fonts. Both window adapters build the window from this table, and the
// end-to-end scenarios find the controls by it.
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
    bool hidden = false;           // never shown
    bool selectedAtStart = false;  // an option chosen before any setting is read
};

// Arial, bold: the window's and its controls' font, and the push buttons' larger one.
struct FontDesign {
    const wchar_t* face;
    int hundredthsOfPoint;
    bool bold;
};
inline constexpr FontDesign kWindowFont{L"Arial", 900, true};
inline constexpr FontDesign kButtonFont{L"Arial", 1125, true};

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
        {C::PushButton2, K::PushButton, 120, 120, 6600, 405, texts::kTurnOn},
        {C::PushButton10, K::PushButton, 6840, 120, 1080, 405, texts::kHelpButton},
        {C::Option1, K::OptionButton, kFrame3X + 240, kFrame3Y + 300, 3255, 255, texts::kMethodDown,
         false, true},
        {C::Option2, K::OptionButton, kFrame3X + 240, kFrame3Y + 615, 3255, 255,
         texts::kMethodPageDown},
        {C::Option3, K::OptionButton, kFrame3X + 240, kFrame3Y + 930, 3255, 255,
         texts::kMethodWheelDown},
        {C::Option4, K::OptionButton, kFrame3X + 3960, kFrame3Y + 300, 3255, 255, texts::kMethodUp},
        {C::Option5, K::OptionButton, kFrame3X + 3960, kFrame3Y + 615, 3255, 255,
         texts::kMethodPageUp},
        {C::Option6, K::OptionButton, kFrame3X + 3960, kFrame3Y + 930, 3255, 255,
         texts::kMethodWheelUp},
        {C::Option7, K::OptionButton, kFrame5X + 240, kFrame5Y + 300, 3255, 255,
         texts::kScopeAvailableWindows, false, true},
        {C::Option8, K::OptionButton, kFrame5X + 3960, kFrame5Y + 300, 3255, 255,
         texts::kScopeSelectedWindow},
        {C::ListView1, K::List, 8040, 120, 7800, 3150, L""},
        {C::PushButton1, K::PushButton, 8040, 3360, 6240, 405, texts::kRefreshList},
        {C::PushButton7, K::PushButton, 14400, 3360, 1440, 405, texts::kListHelpButton},
        {C::Check4, K::CheckBox, kFrame2X + 240, kFrame2Y + 300, 3930, 285,
         texts::kWindowsWords.startupCheckBox},
        {C::Check8, K::CheckBox, kFrame2X + 4320, kFrame2Y + 300, 2580, 285,
         texts::kMinimizedToTray},
        {C::ProgressBar1, K::Progress, kFrame4X + 240, kFrame4Y + 285, 7320, 405,
         texts::kProgressBarText},
        {C::Label1, K::Label, kFrame1X + 360, kFrame1Y + 390, 1140, 225, texts::kScrollEvery},
        {C::Label2, K::Label, kFrame1X + 2520, kFrame1Y + 375, 735, 255, texts::kMinutes},
        {C::Label3, K::Label, kFrame1X + 4080, kFrame1Y + 375, 780, 255, texts::kSeconds},
        {C::Label4, K::Label, 120, 120, 6600, 255, texts::kChordHint, true},
        {C::Frame4, K::Frame, kFrame4X, kFrame4Y, 7800, 855, texts::kStatusOff},
        {C::Frame1, K::Frame, kFrame1X, kFrame1Y, 7800, 900, texts::kScheduleFrame},
        {C::Frame3, K::Frame, kFrame3X, kFrame3Y, 7800, 1335, texts::kMethodFrame},
        {C::Frame5, K::Frame, kFrame5X, kFrame5Y, 7800, 735, texts::kScopeFrame},
        {C::Frame2, K::Frame, kFrame2X, kFrame2Y, 7800, 735, texts::kStartupFrame},
    }};
}();

// The option of group `g` (the methods, or the scopes) selected at start; 0 for none.
constexpr int optionSelectedAtStart(OptionGroup g) {
    for (const ControlPlacement& p : kMainWindowLayout) {
        const int n = optionNumber(p.control);
        if (p.selectedAtStart && n >= g.first && n <= g.last) return n;
    }
    return 0;
}

}  // namespace qpa
