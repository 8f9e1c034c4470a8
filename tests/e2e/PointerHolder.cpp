// Keeps a virtual pointer plugged into a headless sway seat, so that the tests can move and click
// the seat's cursor with sway's own "seat - cursor" commands. Ends when it is told to.
// Usage: pointer-holder
#include <unistd.h>

#include <cstdio>

#include "platform/wayland/VirtualPointer.h"

int main() {
    qpa::wayland::WaylandClient client;
    const qpa::wayland::VirtualPointer pointer(client);
    if (!pointer.available()) return 1;
    std::puts("plugged");
    std::fflush(stdout);
    while (true) pause();
}
