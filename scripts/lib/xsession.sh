# A private X display with a window manager (and a tray host), for tests and for showing the
# program on a machine without a display. Source it, then: xsession_start [--tray]; ...;
# xsession_stop. Processes are ended by the ids saved here, never by name.

XSESSION_PIDS=()

xsession_start() {
    local with_tray=0 number i
    [ "${1:-}" = "--tray" ] && with_tray=1
    # Xvfb takes a free display itself and writes its number once it accepts clients.
    number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
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
    timeout 10 xdotool search --sync --name '^panel$' >/dev/null 2>&1
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

# Waits until a window with exactly this title exists; prints its id.
xsession_wait_window() {
    timeout "${2:-20}" xdotool search --sync --name "^$1\$" 2>/dev/null | head -n 1 | grep .
}
