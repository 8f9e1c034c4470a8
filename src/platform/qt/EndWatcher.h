#pragma once
#include <functional>
#include <optional>
#include <string_view>

#include "platform/qt/UniqueFd.h"

namespace qpa::qt {

// A small process of our own that undoes what a desktop keeps for the program (a bound chord)
// when the program ends in a way that runs none of its code (SIGKILL, a crash): the program's
// executable started again with the watcher's own argument and the program's id, reading a pipe
// whose only writer is the program. The kernel closes that end when the program ends, however it
// ends; the watcher then runs its release and exits. It runs in a session of its own, with
// nothing of the terminal, and ignores the signals that stop a session, so that it outlives the
// program by the moment it needs.
class EndWatcher {
  public:
    // `argument` names this watcher on its command line ("--sway-chord-watcher"); a literal.
    explicit EndWatcher(const char* argument) : argument_(argument) {}

    // Starts the one watcher of this kind for this process, unless it runs already.
    void start();

  private:
    const char* argument_;
    UniqueFd pipe_;  // the write end, never written to; closing it ends the watcher
};

// When this process was started as the watcher named `argument`: waits until the program has
// ended, runs `release` with the program's id and returns its exit code. Nothing otherwise.
std::optional<int> runAsEndWatcher(int argc, char** argv, std::string_view argument,
                                   const std::function<int(long long program)>& release);

}  // namespace qpa::qt
