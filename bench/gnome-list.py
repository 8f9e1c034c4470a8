#!/usr/bin/python3
# gnome-list.py NAMES N: calls the GNOME Shell extension's ListWindows N times as the program does
# (it owns the program's bus name first, or the extension refuses); prints the window count, then
# the microseconds of each call. NAMES is the program's BusNames.env.
import sys
import time

from gi.repository import Gio, GLib

with open(sys.argv[1], encoding="utf-8") as names_file:
    names = dict(line.strip().split("=", 1) for line in names_file if line[:1].isupper())
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
              GLib.Variant("(su)", (names["PROGRAM_BUS_NAME"], 4)), None, 0, -1, None)
times = []
for _ in range(int(sys.argv[2])):
    start = time.monotonic_ns()
    windows = bus.call_sync(names["BRIDGE_BUS_NAME"], names["BRIDGE_PATH"], names["BRIDGE_INTERFACE"],
                            "ListWindows", None, None, 0, 2000, None).unpack()[0]
    times.append((time.monotonic_ns() - start) // 1000)
print(len(windows))
print("\n".join(map(str, times)))
