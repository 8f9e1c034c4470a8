// The main window's controls as the scenarios find them, from the window's own layout table:
// "NAME X Y NUMBER" a line, X and Y where a user clicks the control, in twips of the window's
// client area (an option or a box on its mark, anything else at its centre), NUMBER its place in
// the list of controls (under Windows, its control id less 1000).
#include <cstdio>

#include "core/Layout.h"

int main() {
    using qpa::ControlKind;
    for (const qpa::ControlPlacement& p : qpa::kMainWindowLayout) {
        const bool marked = p.kind == ControlKind::OptionButton || p.kind == ControlKind::CheckBox;
        std::printf("%s %d %d %d\n", qpa::controlName(p.control),
                    marked ? p.left + 120 : p.left + p.width / 2, p.top + p.height / 2,
                    static_cast<int>(p.control));
    }
}
