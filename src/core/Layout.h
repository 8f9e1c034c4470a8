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

// What screen readers and voice control go by, beside a control's caption: the name of a control
// that shows no caption of its own, and what a button opens where its caption does not say.
struct Spoken {
    const wchar_t* name = nullptr;
    const wchar_t* description = nullptr;
};

struct ControlPlacement {
    Control control;
    ControlKind kind;
    int left, top, width, height;  // in the window's client area
    const wchar_t* caption;
    Spoken spoken = {};
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

// In the window's z-order, which is also its tab order among the controls that take the focus
// (the two schedule fields first): each frame stands right before what it holds, where a screen
// reader looks for an option's group, and each field after the label that leads up to it.
inline constexpr std::array<ControlPlacement, 27> kMainWindowLayout = [] {
    using namespace frames;
    using K = ControlKind;
    using C = Control;
    return std::array<ControlPlacement, 27>{{
        {C::Frame1, K::Frame, kFrame1X, kFrame1Y, 7800, 900, texts::kScheduleFrame},
        {C::Label1, K::Label, kFrame1X + 360, kFrame1Y + 390, 1140, 225, texts::kScrollEvery},
        {C::Text2, K::TextField, kFrame1X + 1920, kFrame1Y + 330, 500, 345, L"",
         Spoken{texts::kMinutesFieldName}},
        {C::Label2, K::Label, kFrame1X + 2520, kFrame1Y + 375, 735, 255, texts::kMinutes},
        {C::Text3, K::TextField, kFrame1X + 3480, kFrame1Y + 330, 500, 345, L"",
         Spoken{texts::kSecondsFieldName}},
        {C::Label3, K::Label, kFrame1X + 4080, kFrame1Y + 375, 780, 255, texts::kSeconds},
        {C::PushButton2, K::PushButton, 120, 120, 6600, 405, texts::kTurnOn},
        {C::PushButton10, K::PushButton, 6840, 120, 1080, 405, texts::kHelpButton},
        {C::Frame4, K::Frame, kFrame4X, kFrame4Y, 7800, 855, texts::kStatusOff},
        {C::ProgressBar1, K::Progress, kFrame4X + 240, kFrame4Y + 285, 7320, 405,
         texts::kProgressBarText},
        {C::Frame3, K::Frame, kFrame3X, kFrame3Y, 7800, 1335, texts::kMethodFrame},
        {C::Option1, K::OptionButton, kFrame3X + 240, kFrame3Y + 300, 3255, 255, texts::kMethodDown,
         Spoken{}, false, true},
        {C::Option2, K::OptionButton, kFrame3X + 240, kFrame3Y + 615, 3255, 255,
         texts::kMethodPageDown},
        {C::Option3, K::OptionButton, kFrame3X + 240, kFrame3Y + 930, 3255, 255,
         texts::kMethodWheelDown},
        {C::Option4, K::OptionButton, kFrame3X + 3960, kFrame3Y + 300, 3255, 255, texts::kMethodUp},
        {C::Option5, K::OptionButton, kFrame3X + 3960, kFrame3Y + 615, 3255, 255,
         texts::kMethodPageUp},
        {C::Option6, K::OptionButton, kFrame3X + 3960, kFrame3Y + 930, 3255, 255,
         texts::kMethodWheelUp},
        {C::Frame5, K::Frame, kFrame5X, kFrame5Y, 7800, 735, texts::kScopeFrame},
        {C::Option7, K::OptionButton, kFrame5X + 240, kFrame5Y + 300, 3255, 255,
         texts::kScopeAvailableWindows, Spoken{}, false, true},
        {C::Option8, K::OptionButton, kFrame5X + 3960, kFrame5Y + 300, 3255, 255,
         texts::kScopeSelectedWindow},
        {C::ListView1, K::List, 8040, 120, 7800, 3150, L"", Spoken{texts::kListColumnHeader}},
        {C::PushButton1, K::PushButton, 8040, 3360, 6240, 405, texts::kRefreshList},
        {C::PushButton7, K::PushButton, 14400, 3360, 1440, 405, texts::kListHelpButton,
         Spoken{nullptr, texts::kListHelpOpens}},
        {C::Frame2, K::Frame, kFrame2X, kFrame2Y, 7800, 735, texts::kStartupFrame},
        {C::Check4, K::CheckBox, kFrame2X + 240, kFrame2Y + 300, 3930, 285,
         texts::kWindowsWords.startupCheckBox},
        {C::Check8, K::CheckBox, kFrame2X + 4320, kFrame2Y + 300, 2580, 285,
         texts::kMinimizedToTray},
        {C::Label4, K::Label, 120, 120, 6600, 255, texts::kChordHint, Spoken{}, true},
    }};
}();

constexpr const ControlPlacement& placementOf(Control c) {
    for (const ControlPlacement& p : kMainWindowLayout)
        if (p.control == c) return p;
    return kMainWindowLayout.front();
}

// The frame that holds a control (the one whose box holds the control's), or Control::Form.
constexpr Control containerOf(Control c) {
    const ControlPlacement& p = placementOf(c);
    for (const ControlPlacement& f : kMainWindowLayout) {
        if (f.kind != ControlKind::Frame || f.control == c) continue;
        if (p.left >= f.left && p.top >= f.top && p.left + p.width <= f.left + f.width &&
            p.top + p.height <= f.top + f.height)
            return f.control;
    }
    return Control::Form;
}

// What screen readers and voice control call a control: its caption, unless the design names it.
constexpr const wchar_t* spokenName(const ControlPlacement& p) {
    return p.spoken.name ? p.spoken.name : p.caption;
}

// How wide a caption may grow, in twips from the control's left, where the fonts of a screen make
// it wider than the design allows for: up to the next control in its row, or to the inner edge of
// its frame (the window's), keeping the design's margins.
constexpr int captionRoomTwips(Control c) {
    constexpr int kGap = 60, kMargin = 120;
    const ControlPlacement& p = placementOf(c);
    const Control holder = containerOf(c);
    int right = holder == Control::Form
                    ? kClientWidthTwips - kMargin
                    : placementOf(holder).left + placementOf(holder).width - kMargin;
    for (const ControlPlacement& o : kMainWindowLayout) {
        const bool sameRow = o.top < p.top + p.height && p.top < o.top + o.height;
        if (o.kind != ControlKind::Frame && !o.hidden && o.control != c && sameRow &&
            o.left > p.left && containerOf(o.control) == holder && o.left - kGap < right)
            right = o.left - kGap;
    }
    return right - p.left;
}

// Twips as pixels at `dpi`, rounded to the nearest.
constexpr int twipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// The dots per inch the window is laid out at, on a screen of `dpi` whose work area is
// workWidth x workHeight pixels, with frameWidth x frameHeight pixels of window frame around the
// client area: the screen's own where the designed window fits, else the largest at which it
// fits, so that the window keeps its proportions and every control is on screen.
constexpr int fittingDpi(int dpi, int workWidth, int workHeight, int frameWidth, int frameHeight) {
    int fitting = dpi;
    while (fitting > 1 && (twipsToPixels(kClientWidthTwips, fitting) + frameWidth > workWidth ||
                           twipsToPixels(kClientHeightTwips, fitting) + frameHeight > workHeight))
        --fitting;
    return fitting;
}

// The option of group `g` (the methods, or the scopes) selected at start; 0 for none.
constexpr int optionSelectedAtStart(OptionGroup g) {
    for (const ControlPlacement& p : kMainWindowLayout) {
        const int n = optionNumber(p.control);
        if (p.selectedAtStart && n >= g.first && n <= g.last) return n;
    }
    return 0;
}

}  // namespace qpa
