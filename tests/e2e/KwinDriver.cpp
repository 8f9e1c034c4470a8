// Drives a headless KWin from outside for the KDE scenarios, through the program's own KWin
// connection (window management and fake input; KWin shows them to this program through a desktop
// entry the scenarios write). One command a run:
//   list                    the windows front to back, one a line: handle, pid, state (shown,
//                           minimised), active or -, frame "x,y wxh", title (tab-separated)
//   activate|minimise|close TITLE [PID]   the window with exactly this title (of that process)
//   keys [--hold MS] KEYS...              presses each chord ("ctrl+shift+t", "t") and lets go;
//                                         --hold keeps each one down that long
// Ends with 1 when there is no such window or KWin hides the interfaces.
#include <linux/input-event-codes.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/kde/KwinConnection.h"

using namespace qpa::kde;

namespace {

// The keys the scenarios press.
const std::map<std::string, std::uint32_t> kKeys = {
    {"ctrl", KEY_LEFTCTRL}, {"shift", KEY_LEFTSHIFT}, {"t", KEY_T}};

const KwinWindow* findWindow(KwinConnection& kwin, const char* title, const char* pid) {
    for (const KwinWindow* w : kwin.frontToBack()) {
        if (w->title == title && (!pid || std::to_string(w->pid) == pid)) return w;
    }
    return nullptr;
}

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int pressKeys(KwinConnection& kwin, int argc, char** argv) {
    org_kde_kwin_fake_input* input = kwin.fakeInput();
    int hold = 0, first = 2;
    if (argc > 3 && std::strcmp(argv[2], "--hold") == 0) {
        hold = std::atoi(argv[3]);
        first = 4;
    }
    org_kde_kwin_fake_input_authenticate(input, "kwin-driver", "keys for the tests");
    for (int i = first; i < argc; ++i) {
        std::vector<std::uint32_t> codes;
        std::stringstream chord(argv[i]);
        for (std::string key; std::getline(chord, key, '+');) {
            const auto found = kKeys.find(key);
            if (found == kKeys.end()) return 2;
            codes.push_back(found->second);
        }
        for (const auto code : codes) org_kde_kwin_fake_input_keyboard_key(input, code, 1);
        kwin.settle();
        pause(hold > 0 ? hold : 30);
        for (auto code = codes.rbegin(); code != codes.rend(); ++code)
            org_kde_kwin_fake_input_keyboard_key(input, *code, 0);
        kwin.settle();
        pause(100);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    KwinConnection kwin;
    if (!kwin.managesWindows() || !kwin.fakeInput()) return 1;
    const std::string command = argv[1];
    if (command == "list") {
        for (const KwinWindow* w : kwin.frontToBack()) {
            std::printf(
                "%lld\t%u\t%s\t%s\t%d,%d %dx%d\t%s\n", static_cast<long long>(w->handle), w->pid,
                w->has(ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED) ? "minimised" : "shown",
                w->has(ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE) ? "active" : "-", w->frame.x,
                w->frame.y, w->frame.width, w->frame.height, w->title.c_str());
        }
        return 0;
    }
    if (command == "keys") return pressKeys(kwin, argc, argv);
    if (argc < 3) return 2;
    const KwinWindow* window = findWindow(kwin, argv[2], argc > 3 ? argv[3] : nullptr);
    if (!window) return 1;
    org_kde_plasma_window* proxy = window->proxy.get();
    if (command == "activate") {
        org_kde_plasma_window_set_state(proxy, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE,
                                        ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_ACTIVE);
    } else if (command == "minimise") {
        org_kde_plasma_window_set_state(proxy, ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED,
                                        ORG_KDE_PLASMA_WINDOW_MANAGEMENT_STATE_MINIMIZED);
    } else if (command == "close") {
        org_kde_plasma_window_close(proxy);
    } else {
        return 2;
    }
    return kwin.settle() ? 0 : 1;
}
