#pragma once
#include <cstdint>

namespace qpa {

// A platform window handle as a plain number; 0 is no window.
using WindowHandle = std::intptr_t;

// The controls of the main window, named as the window names them.
enum class Control {
    Form,
    PushButton1,
    PushButton2,
    PushButton7,
    PushButton10,
    Frame1,
    Frame2,
    Frame3,
    Frame4,
    Frame5,
    Label1,
    Label2,
    Label3,
    Label4,
    Text2,
    Text3,
    Option1,
    Option2,
    Option3,
    Option4,
    Option5,
    Option6,
    Option7,
    Option8,
    Check4,
    Check8,
    ListView1,
    ProgressBar1,
};
inline constexpr int kControlCount = static_cast<int>(Control::ProgressBar1) + 1;

// Option n (1 to 8) as a control.
constexpr Control optionControl(int n) {
    return static_cast<Control>(static_cast<int>(Control::Option1) + n - 1);
}
// The number of an option control (1 to 8), or 0 for any other control.
constexpr int optionNumber(Control c) {
    const int n = static_cast<int>(c) - static_cast<int>(Control::Option1) + 1;
    return n >= 1 && n <= 8 ? n : 0;
}

// The exclusive group of option n: the six methods (1 to 6) or the two scopes (7 and 8).
struct OptionGroup {
    int first, last;
};
constexpr OptionGroup optionGroup(int n) {
    return n <= 6 ? OptionGroup{1, 6} : OptionGroup{7, 8};
}

// The control's name, as the window names it ("Text2", "Option7", ...).
constexpr const char* controlName(Control c) {
    constexpr const char* names[] = {
        "Form1",   "PushButton1", "PushButton2", "PushButton7", "PushButton10", "Frame1",
        "Frame2",  "Frame3",      "Frame4",      "Frame5",      "Label1",       "Label2",
        "Label3",  "Label4",      "Text2",       "Text3",       "Option1",      "Option2",
        "Option3", "Option4",     "Option5",     "Option6",     "Option7",      "Option8",
        "Check4",  "Check8",      "ListView1",   "ProgressBar1"};
    return names[static_cast<int>(c)];
}

// What happened to a control, where nothing comes with it; the window raises these into its
// controller.
enum class UiEvent { Click, GotFocus, LostFocus, MouseMove, QueryUnload };

enum class Pointer { Default, Custom };
enum class WindowState { Normal, Minimized };

}  // namespace qpa
