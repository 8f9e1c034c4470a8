#pragma once
#include <optional>

namespace qpa::sway {

// The watcher (qt::EndWatcher) that gives sway's chord back for the program once it has ended:
// it releases the program's binding (ChordOwners::release: nothing when the program already did
// so itself).
inline constexpr const char* kChordWatcherArgument = "--sway-chord-watcher";

// When this process was started as that watcher: waits for the program to end, releases its
// binding and returns the exit code. Nothing for the program itself.
std::optional<int> runAsChordWatcher(int argc, char** argv);

}  // namespace qpa::sway
