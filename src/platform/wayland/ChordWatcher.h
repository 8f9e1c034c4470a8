#pragma once
#include <optional>

#include "platform/wayland/ChordRules.h"
#include "platform/wayland/UniqueFd.h"

namespace qpa::wayland {

// A small process of our own that gives the chord back when the program ends in a way that runs
// none of its code (SIGKILL, a crash): the program's executable started again with
// kWatcherArgument and the program's id, reading a pipe whose only writer is the program. The
// kernel closes that end when the program ends, however it ends; the watcher then releases the
// program's binding (ChordOwners::release: nothing when the program already did so itself) and
// exits. It runs in a session of its own, with nothing of the terminal, and ignores the signals
// that stop a session, so that it outlives the program by the moment it needs.
class ChordWatcher {
  public:
    static constexpr const char* kWatcherArgument = "--sway-chord-watcher";

    // Starts the one watcher of this process, unless it runs already.
    void start();
    ~ChordWatcher() = default;  // closing the pipe ends the watcher

  private:
    UniqueFd pipe_;  // the write end, never written to
};

// When this process was started as a watcher: waits for the program to end, releases its
// binding and returns the exit code. Nothing for the program itself.
std::optional<int> runAsChordWatcher(int argc, char** argv);

}  // namespace qpa::wayland
