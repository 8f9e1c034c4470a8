#include "platform/qt/QuitOnSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace qpa::qt {

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's write end for the handler; -1 while nothing listens.
std::atomic<int> writeEnd{-1};

extern "C" void onSignal(int) {
    const int saved = errno;  // the interrupted code may be about to read errno
    const char byte = 0;
    // A full pipe already holds a wake-up: a byte lost then changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd.load(), &byte, 1);
    errno = saved;
}

void handleWith(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // system calls the GUI thread was in go on
    for (const int signal : kSignals) ::sigaction(signal, &action, nullptr);
}
}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> quit) : quit_(std::move(quit)) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep their defaults
    readEnd_ = ends[0];
    writeEnd.store(ends[1]);
    notifier_ = std::make_unique<QSocketNotifier>(readEnd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
    handleWith(onSignal);
}

QuitOnSignals::~QuitOnSignals() {
    if (readEnd_ < 0) return;
    handleWith(SIG_DFL);
    notifier_.reset();
    ::close(writeEnd.exchange(-1));
    ::close(readEnd_);
}

void QuitOnSignals::drain() {
    char bytes[64];
    while (::read(readEnd_, bytes, sizeof(bytes)) > 0) {
    }
    if (quit_) quit_();
}

}  // namespace qpa::qt
