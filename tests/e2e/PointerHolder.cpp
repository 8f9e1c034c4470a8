// Keeps a virtual pointer plugged into a headless sway seat, so that the tests can move and click
// the seat's cursor with sway's own "seat - cursor" commands. Ends when it is told to.
// Usage: pointer-holder
#include <unistd.h>

#include <cstdio>

#include "platform/sway/VirtualPointer.h"

int main() {
    qpa::wayland::WaylandConnection connection(qpa::sway::VirtualPointer::globals());
    const qpa::sway::VirtualPointer pointer(connection);
    if (!pointer.available()) return 1;
    std::puts("plugged");
    std::fflush(stdout);
    while (true) pause();
}
