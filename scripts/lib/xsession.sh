# A private X display with a window manager (and a tray host), for tests and for showing the
# program on a machine without a display. Source it, then: xsession_start [--tray]; ...;
# xsession_stop. Processes are ended by the ids saved here, never by name.

XSESSION_PIDS=()

xsession_free_display() {
    local n
    for n in $(seq 91 140); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

xsession_start() {
    local with_tray=0
    [ "${1:-}" = "--tray" ] && with_tray=1
    local n
    n=$(xsession_free_display)
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XSESSION_PIDS+=($!)
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >/dev/null 2>&1 &
    XSESSION_PIDS+=($!)
    if ((with_tray)); then
        xsession_tray_start
        XSESSION_PIDS+=("$XSESSION_TRAY_PID")
    fi
    sleep 0.5
}

# Starts the tray host (trayer) on the display; its id is in XSESSION_TRAY_PID. A tray host
# started again after one was ended is the caller's to end.
xsession_tray_start() {
    trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
        >/dev/null 2>&1 &
    XSESSION_TRAY_PID=$!
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
    local title=$1 timeout=${2:-20} id=""
    local i
    for i in $(seq 1 $((timeout * 10))); do
        id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
