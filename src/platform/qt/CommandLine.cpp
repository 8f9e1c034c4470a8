#include "platform/qt/CommandLine.h"

#include <cstdio>
#include <string_view>

namespace qpa::qt {

namespace {
constexpr std::string_view kHelp =
    "Usage: quiet-page-advancer [--help | --version]\n"
    "\n"
    "Scrolls another application's window at a fixed interval, so that a long document or\n"
    "page can be read without touching mouse or keyboard. Pick a window, a scroll method and a\n"
    "period in the window, then press \"Turn On\" (or Ctrl+Shift+T anywhere on the desktop).\n"
    "\n"
    "One program runs per desktop session: starting it again brings the running one's window\n"
    "forward.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Qt's standard options, such as -platform, apply as well.\n";
}  // namespace

bool answeredInformationalOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help") {
            std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
            return true;
        }
        if (argument == "--version") {
            std::printf("quiet-page-advancer %s\n", QPA_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace qpa::qt
