# The Windows program under Wine, on a private X display with openbox and a tray host. Windows
# are found and keys typed through X (xdotool); what only Windows can tell or do goes through our
# helper program (WinHelper.cpp).

EXE=$BUILD/src/platform/win32/QuietPageAdvancer.exe
TARGET_EXE=$BUILD/tests/e2e/ScrollTarget.exe
HELPER_EXE=$BUILD/tests/e2e/WinHelper.exe

p_setup() {
    xsession_start --tray
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
    P_PID=$!
    if [ "${1:-}" = --hidden ]; then
        wait_for 20 p_window_exists
    else
        wait_for 20 p_shown
    fi
}

p_window_exists() { [ -n "$(helper state)" ] && [ "$(helper state)" != "" ]; }
p_shown() { [ "$(helper state)" = shown ]; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }

# Closes the main window as its close box does and waits until the program has ended.
p_close() {
    helper close
    wait_for 10 eval '! p_running' || { stop_process "$P_PID"; return 1; }
}

p_reset() {
    if [ -n "${P_PID:-}" ] && p_running; then
        helper dismiss
        p_close >/dev/null
    fi
    P_PID=""
}

# The stand-in targets, front to back: "Target A", "Target B", "Target C"; --hang TITLE SECONDS.
p_targets() {
    spawn wine "$TARGET_EXE" "$TARGET_LOG_WINDOWS" "$@"
    wait_for 20 window_exists "Target A" >/dev/null
    sleep 0.5
}

# The message boxes the program shows, "title|text" a line.
p_boxes() { helper boxes; }
p_dismiss() { helper dismiss; }
