#include "platform/x11/X11Rules.h"

namespace qpa::x11 {

void ListedWindows::list(const std::vector<std::uint64_t>& windows) {
    windows_ = {windows.begin(), windows.end()};
}

}  // namespace qpa::x11
