#include "platform/qt/EndWatcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>

namespace qpa::qt {

namespace {
constexpr int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe calls from here to execv: the program has other threads.
[[noreturn]] void execWatcher(int readEnd, char* const* argv) {
    ::setsid();  // no controlling terminal, out of the program's process group
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
    }
    ::dup2(readEnd, STDIN_FILENO);
    // Nothing else of the program's: a library's descriptor without close-on-exec would stay
    // open in the watcher (a compositor connection seen alive, another pipe never at its end).
    ::close_range(3, ~0u, 0);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    for (const int signal : kStopSignals) ::sigaction(signal, &ignore, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    if (::chdir("/") == 0) ::execv("/proc/self/exe", argv);
    ::_exit(127);
}
}  // namespace

void EndWatcher::start() {
    if (pipe_) return;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) return;
    UniqueFd readEnd(ends[0]), writeEnd(ends[1]);
    // Everything the child needs is made before the fork.
    std::string self = "quiet-page-advancer", argument = argument_,
                pid = std::to_string(::getpid());
    char* const argv[] = {self.data(), argument.data(), pid.data(), nullptr};
    const pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        // Forked twice: the watcher is nobody's child here, so nothing has to reap it.
        if (::fork() == 0) execWatcher(readEnd.get(), argv);
        ::_exit(0);
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    pipe_ = std::move(writeEnd);
}

std::optional<int> runAsEndWatcher(int argc, char** argv, std::string_view argument,
                                   const std::function<int(long long program)>& release) {
    if (argc != 3 || argv[1] != argument) return std::nullopt;
    const long long program = std::strtoll(argv[2], nullptr, 10);
    if (program <= 0) return 2;
    char byte = 0;
    // Nothing is ever written: read returns 0 once the program's end of the pipe has closed.
    while (::read(STDIN_FILENO, &byte, 1) != 0 && errno == EINTR) {
    }
    return release(program);
}

}  // namespace qpa::qt
