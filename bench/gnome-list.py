#!/usr/bin/python3
# gnome-list.py N: calls the GNOME Shell extension's ListWindows N times as the program does (it
# owns the program's bus name first, or the extension refuses); prints the window count, then the
# microseconds of each call.
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
              GLib.Variant("(su)", ("com.tervalinx.QuietPageAdvancer", 4)), None, 0, -1, None)
times = []
for _ in range(int(sys.argv[1])):
    start = time.monotonic_ns()
    windows = bus.call_sync("com.tervalinx.QuietPageAdvancer.Shell", "/com/tervalinx/QuietPageAdvancer/Shell",
                            "com.tervalinx.QuietPageAdvancer.Shell1", "ListWindows", None, None, 0, 2000,
                            None).unpack()[0]
    times.append((time.monotonic_ns() - start) // 1000)
print(len(windows))
print("\n".join(map(str, times)))
