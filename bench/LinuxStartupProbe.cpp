// Times an X11 program from its process start to its main window shown, several times: shown is
// when the window manager lists a window of the process in _NET_CLIENT_LIST and the server has it
// viewable. The program is then ended with SIGTERM.
// Usage: linux-startup-probe RUNS PROGRAM [ARGS...]  -> one time in milliseconds per line
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {
// A window of the process that the window manager lists and the server shows, or 0.
Window shownWindowOf(Display* d, pid_t pid) {
    const Window root = DefaultRootWindow(d);
    const Atom clients = XInternAtom(d, "_NET_CLIENT_LIST", False);
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, root, clients, 0, 4096, False, XA_WINDOW, &type, &format, &count,
                           &after, &data) != Success ||
        !data)
        return 0;
    Window found = 0;
    const auto* windows = reinterpret_cast<const Window*>(data);
    for (unsigned long i = 0; i < count && !found; ++i) {
        unsigned char* pidData = nullptr;
        unsigned long pidCount = 0;
        if (XGetWindowProperty(d, windows[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &pidCount, &after, &pidData) == Success &&
            pidData) {
            XWindowAttributes attributes{};
            if (pidCount == 1 && static_cast<pid_t>(*reinterpret_cast<long*>(pidData)) == pid &&
                XGetWindowAttributes(d, windows[i], &attributes) &&
                attributes.map_state == IsViewable)
                found = windows[i];
            XFree(pidData);
        }
    }
    XFree(data);
    return found;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int runs = std::atoi(argv[1]);
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 1;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        if (pid < 0) return 1;
        // Polled every millisecond: the figure is hundreds of milliseconds.
        while (!shownWindowOf(d, pid)) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(20) ||
                waitpid(pid, nullptr, WNOHANG) == pid)
                return 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        std::printf("%.1f\n", ms);
        std::fflush(stdout);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    XCloseDisplay(d);
    return 0;
}
