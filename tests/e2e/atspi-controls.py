#!/usr/bin/python3
"""The Linux program's main window as screen readers and voice control meet it, through AT-SPI
(Debian's pyatspi). The window's design comes on standard input (control-centres --linux).

atspi-controls.py names PID: "CONTROL<TAB>ROLE<TAB>NAME<TAB>GROUP" for each shown control.
atspi-controls.py fit PID NEEDED: "CONTROL NEEDED WIDTH" for each control NEEDED (caption-widths'
lines) gives the width of its caption, in pixels.
A line "CONTROL: ..." says what differs from the design (a control without its name and role, an
option outside its frame, a description, a control narrower than its caption or outside the
window), and the script then ends with 1."""
import sys

import pyatspi

ROLES = {"frame": "panel", "label": "label", "field": "text", "option": "radio button",
         "check": "check box", "button": "push button", "list": "tree", "progress": "progress bar"}


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def main(mode, pid, needed_file=None):
    rows = [line.rstrip("\n").split("\t") for line in sys.stdin]
    spoken = {row[0]: row[7] for row in rows}
    needed = dict(line.split() for line in open(needed_file, encoding="utf-8")) if needed_file else {}
    window = next(w for app in pyatspi.Registry.getDesktop(0)
                  if app is not None and app.get_process_id() == pid
                  for w in app if w.getState().contains(pyatspi.STATE_SHOWING))
    bounds = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    controls = list(descendants(window))
    faults = []
    for name, _, _, _, kind, frame, shown, spoken_name, description in rows:
        found = [c for c in controls if c.getRoleName() == ROLES[kind] and c.name == spoken_name]
        if shown != "shown" or (found and not found[0].getState().contains(pyatspi.STATE_SHOWING)):
            continue  # never shown, or hidden now (the second start-up box, until it is wanted)
        if len(found) != 1:
            faults.append("%s: no single %s named '%s'" % (name, ROLES[kind], spoken_name))
            continue
        control = found[0]
        group = control.parent.name if kind == "option" else ""
        if mode == "names":
            print("%s\t%s\t%s\t%s" % (name, control.getRoleName(), control.name, group))
            if kind == "option" and group != spoken[frame]:
                faults.append("%s: in '%s', not in '%s'" % (name, group, spoken[frame]))
            if control.description != description:
                faults.append("%s: described as '%s'" % (name, control.description))
        elif name in needed:
            # Qt 6.4 gives AT-SPI device-independent pixels, as caption-widths measures.
            box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print("%s %s %d" % (name, needed[name], box.width))
            if int(needed[name]) > box.width or not (
                    bounds.x <= box.x and box.x + box.width <= bounds.x + bounds.width and
                    bounds.y <= box.y and box.y + box.height <= bounds.y + bounds.height):
                faults.append("%s: %dx%d at %d,%d" % (name, box.width, box.height, box.x, box.y))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


sys.exit(main(sys.argv[1], int(sys.argv[2]), *sys.argv[3:]))
