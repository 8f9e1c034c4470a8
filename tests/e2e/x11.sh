# The Linux program on a private X display with openbox and a tray host (trayer), driven through
# X (xdotool, wmctrl); its settings file is read and written directly.

LINUX_BUILD=$BUILD
WHEEL_TARGET=$BUILD/tests/e2e/wheel-target
MAIN_TITLE="Velloranth Quiet Page Advancer For Your Desktop"

p_setup() {
    xsession_start --tray
    linux_private_config "$E2E_WORK"
    QPA_LOG=$RESULTS/program.log
    : >"$QPA_LOG"
}

p_teardown() { xsession_stop; }

p_seed() {
    rm -f "$QPA_SETTINGS"
    linux_seed_settings "$@"
}

p_setting() { linux_setting "$(sed 's/ /%20/g' <<<"$1")"; }

p_start() {
    linux_start_program || return 1
    program_started "$QPA_PID"
    [ "${1:-}" = --hidden ] || wait_for 20 p_shown
}

p_shown() { xdotool search --onlyvisible --name "^$MAIN_TITLE\$" >/dev/null 2>&1; }
p_state() { p_shown && echo shown || echo hidden; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }

# Closes the main window through the window manager, as its close box does.
p_close() {
    local id
    id=$(xdotool search --pid "$P_PID" --name "^$MAIN_TITLE\$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && wmctrl -i -c "$id" 2>/dev/null
    wait_for 5 eval '! p_running' || stop_process "$P_PID"
    ! p_running
}

# The stand-in targets: "Qt Target" (in front) and "Fixed Target", which cannot be maximised.
p_targets() {
    spawn "$WHEEL_TARGET" "$TARGET_LOG"
    wait_for 20 window_exists "Qt Target" >/dev/null
    sleep 0.5
}
FRONT_TARGET="Qt Target"

# Types keys into a window of another program, found by its title.
p_keys_into() {
    local id
    id=$(window_exists "$1") || return 1
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    sleep 0.3
    xdotool key --clearmodifiers "$2"
}

# The program's message boxes with this title (default: any), one title a line.
p_boxes() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$P_PID" --name "^${1:-.*}\$" 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$MAIN_TITLE" ] && continue
        xdotool getwindowname "$id"
    done
}

p_dismiss() {
    local id
    for id in $(xdotool search --all --onlyvisible --pid "$P_PID" --name '' 2>/dev/null); do
        [ "$(xdotool getwindowname "$id")" = "$MAIN_TITLE" ] && continue
        wmctrl -i -c "$id" 2>/dev/null
    done
}

# A click on the program's icon in the tray host.
p_tray_click() {
    local panel socket
    panel=$(xdotool search --name '^panel$' | head -n 1)
    socket=$(xwininfo -children -id "$panel" | awk '/\)  ([2-9]|[1-9][0-9])x[0-9]+/ {print $1; exit}')
    [ -n "$socket" ] || return 1
    xdotool mousemove --window "$socket" 8 8 click 1
}

p_minimise() { xdotool windowminimize "$(window_exists "$MAIN_TITLE")"; }
