#include "platform/sway/ChordWatcher.h"

#include <cstdlib>

#include "platform/qt/EndWatcher.h"
#include "platform/sway/ChordOwners.h"

namespace qpa::sway {

std::optional<int> runAsChordWatcher(int argc, char** argv) {
    return qt::runAsEndWatcher(argc, argv, kChordWatcherArgument, [](long long program) {
        const char* sway = std::getenv("SWAYSOCK");
        if (!sway) return 2;
        ChordOwners(sway).release(program);
        return 0;
    });
}

}  // namespace qpa::sway
