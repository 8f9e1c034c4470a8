# The Windows program under Wine, on a private X display with openbox. Windows are found, clicked
# and typed into through X (xdotool); what only Windows can tell or do goes through our helper
# program (WinHelper.cpp). There is no tray host: Wine then shows its own notification area, the
# "Wine System Tray" window, where a click reaches the icon (Wine 8 docked into trayer receives the
# button events but does not pass them on to the icon).

EXE=$BUILD/src/main/QuietPageAdvancer.exe
TARGET_EXE=$BUILD/tests/e2e/ScrollTarget.exe
HELPER_EXE=$BUILD/tests/e2e/WinHelper.exe

p_setup() {
    xsession_start
    wine_start "$E2E_WORK"
    TARGET_LOG_WINDOWS=$(winepath -w "$TARGET_LOG")
}

p_teardown() {
    wine_stop
    xsession_stop
}

helper() { wine "$HELPER_EXE" "$@" 2>/dev/null | tr -d '\r'; }

p_seed() {
    helper clear
    (($#)) && helper put "$@"
}

p_setting() { helper get "$1"; }

# Starts the program and waits for its main window: shown, or (with --hidden) created.
p_start() {
    wine "$EXE" >/dev/null 2>&1 &
    program_started $!
    if [ "${1:-}" = --hidden ]; then
        wait_for 20 p_window_exists
    else
        wait_for 20 p_shown
    fi
}

p_window_exists() { [ -n "$(helper state)" ]; }
p_state() { helper state; }
p_shown() { [ "$(helper state)" = shown ]; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }

# Closes the main window as its close box does and waits until the program has ended.
p_close() {
    helper close
    wait_for 10 eval '! p_running' || { stop_process "$P_PID"; return 1; }
}

# The stand-in targets, front to back: "Target A", "Target B", "Target C"; --hang TITLE SECONDS.
p_targets() {
    spawn wine "$TARGET_EXE" "$TARGET_LOG_WINDOWS" "$@"
    wait_for 20 window_exists "Target A" >/dev/null
    sleep 0.5
}

FRONT_TARGET="Target A"

# Types keys into a window of another program, found by its title: through the X server, where
# the program's keyboard hook sees them.
p_keys_into() {
    local id
    id=$(window_exists "$1") || return 1
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    sleep 0.3
    xdotool key --clearmodifiers "$2"
}

# The message boxes the program shows, "title|text" a line.
p_boxes() { helper boxes; }
p_dismiss() { helper dismiss; }

# A click on the program's icon, the first in Wine's own notification area.
p_tray_click() {
    local tray
    tray=$(window_exists "Wine System Tray") || return 1
    xdotool mousemove --window "$tray" 10 10 click 1
}

p_minimise() { xdotool windowminimize "$(window_exists "Velloranth Quiet Page Advancer For Your Desktop")"; }

# The text of a control of the main window, by its number in the window's control list.
p_control_text() { helper text "$((1000 + $1))"; }
