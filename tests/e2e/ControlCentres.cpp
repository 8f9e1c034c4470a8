// The main window's controls as the scenarios find them, from the window's own layout table, a
// line each, tab-separated: NAME X Y NUMBER KIND FRAME SHOWN SPOKEN DESCRIPTION. X and Y are where
// a user clicks the control, in twips of the window's client area (an option or a box on its mark,
// anything else at its centre); NUMBER is its place in the list of controls (under Windows, its
// control id less 1000); FRAME the frame that holds it (Form1 for none); SHOWN "hidden" for a
// control never shown; SPOKEN and DESCRIPTION what screen readers and voice control go by. With
// --linux, a caption in Windows' words is given in the Linux program's.
#include <clocale>
#include <cstdio>
#include <string>

#include "core/Layout.h"

int main(int argc, char** argv) {
    using qpa::ControlKind;
    std::setlocale(LC_ALL, "C.UTF-8");  // the texts as UTF-8
    const bool linux = argc > 1 && std::string(argv[1]) == "--linux";
    constexpr const char* kinds[] = {"frame", "label",  "field", "option",
                                     "check", "button", "list",  "progress"};
    for (const qpa::ControlPlacement& p : qpa::kMainWindowLayout) {
        const wchar_t* spoken = qpa::spokenName(p);
        if (linux && spoken == qpa::texts::kWindowsWords.startupCheckBox)
            spoken = qpa::texts::kLinuxWords.startupCheckBox;
        const bool marked = p.kind == ControlKind::OptionButton || p.kind == ControlKind::CheckBox;
        std::printf("%s\t%d\t%d\t%d\t%s\t%s\t%s\t%ls\t%ls\n", qpa::controlName(p.control),
                    marked ? p.left + 120 : p.left + p.width / 2, p.top + p.height / 2,
                    static_cast<int>(p.control), kinds[static_cast<int>(p.kind)],
                    qpa::controlName(qpa::containerOf(p.control)), p.hidden ? "hidden" : "shown",
                    spoken, p.spoken.description ? p.spoken.description : L"");
    }
}
