# A private X display with a window manager (and a tray host), for tests and for showing the
# program on a machine without a display. Source it, then: xsession_start [--tray]; ...;
# xsession_stop. Processes are ended by the ids saved here, never by name.

XSESSION_PIDS=()
# The window lister (tools/xwindows, built with the linux preset): every window of the display,
# "ID<TAB>PID<TAB>VIEWABLE<TAB>TITLE" a line. Unlike xdotool search it goes on when a window vanishes
# while it looks (xdotool exits on the BadWindow error then, which reads as "no such window").
XSESSION_WINDOWS=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/linux/tools/xwindows/x-windows

# xsession_start [--tray] [--size WIDTHxHEIGHT]: the screen is 1280x1024 unless told.
xsession_start() {
    local with_tray=0 size=1280x1024 number i
    while (($#)); do
        case $1 in
            --tray) with_tray=1 ;;
            --size) size=$2 && shift ;;
        esac
        shift
    done
    # Xvfb takes a free display itself and writes its number once it accepts clients.
    number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    XSESSION_PIDS+=("$!")
    for ((i = 0; i < 200; i++)); do
        [ -s "$number" ] && break
        sleep 0.05
    done
    DISPLAY=":$(head -n 1 "$number")"
    export DISPLAY
    rm -f "$number"
    [ "$DISPLAY" != ":" ] || return 1
    openbox >/dev/null 2>&1 &
    XSESSION_PIDS+=("$!")
    # The window manager is up once it names itself on the root window.
    for ((i = 0; i < 200; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.05
    done
    if ((with_tray)); then
        xsession_tray_start
        XSESSION_PIDS+=("$XSESSION_TRAY_PID")
    fi
}

# Starts the tray host (trayer) on the display; its id is in XSESSION_TRAY_PID. A tray host
# started again after one was ended is the caller's to end.
xsession_tray_start() {
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        >/dev/null 2>&1 &
    XSESSION_TRAY_PID=$!
    xsession_wait_window panel 10 >/dev/null
}

xsession_stop() {
    local pid
    for ((i = ${#XSESSION_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${XSESSION_PIDS[$i]}
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XSESSION_PIDS=()
}

# The ids of the windows whose title matches an extended regular expression, in the tree's order;
# with --viewable only those on screen, with --pid PID only that process's.
xsession_find() {
    local viewable=0 pid=""
    while [[ ${1:-} == --* ]]; do
        case $1 in
            --viewable) viewable=1 ;;
            --pid) pid=$2 && shift ;;
        esac
        shift
    done
    "$XSESSION_WINDOWS" | awk -F'\t' -v pattern="$1" -v viewable="$viewable" -v pid="$pid" \
        '$4 ~ pattern && (!viewable || $3 == 1) && (pid == "" || $2 == pid) {print $1}'
}

# Waits until a window with exactly this title exists, at most SECONDS (default 20); prints its id.
xsession_wait_window() {
    local i
    for ((i = 0; i < ${2:-20} * 10; i++)); do
        xsession_find "^$1\$" | head -n 1 | grep . && return 0
        sleep 0.1
    done
    return 1
}
