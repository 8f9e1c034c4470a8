# What the drivers of the Linux program on a Wayland desktop share (sway.sh, gnome.sh, kde.sh):
# the program and its stand-ins run as the session's user ("${AS_USER[@]}"), PROGRAM its path
# there; its windows come from the driver's `windows`, one a line: id, pid, state (shown,
# minimised or hidden), active, frame "x,y wxh" (or "x,y,w,h"), title; the driver closes one with
# `window_close ID TITLE` and clicks a point of the screen with `click_at X Y` (sway, GNOME), the
# main window's content standing CONTENT_LEFT and CONTENT_TOP pixels inside its frame. foot
# stands for a reader whose first visible line can be read from outside.
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

P_START_PREFIX=()  # words before the program's path ("env -u SWAYSOCK")

# The settings file (QPA_SETTINGS) as the program in the session reads it, its folder made the
# session user's own (config_chown).
p_seed() {
    rm -f "$QPA_SETTINGS"
    XDG_CONFIG_HOME=${QPA_SETTINGS%/*/*} linux_seed_settings "$@"
    config_chown
}
p_setting() { XDG_CONFIG_HOME=${QPA_SETTINGS%/*/*} linux_setting "$1"; }

# The program's window is up and takes input; a driver may ask more than p_shown.
p_ready() { p_shown; }

p_start() {
    "${AS_USER[@]}" "${P_START_PREFIX[@]}" "$PROGRAM" >>"$QPA_LOG" 2>&1 &
    program_started $!
    [ "${1:-}" = --hidden ] || wait_for 20 p_ready
}


CONTENT_LEFT=0 CONTENT_TOP=0
program_windows() { windows | awk -F'\t' -v p="$P_PID" '$2 == p'; }
main_window() { program_windows | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t {print $1; exit}' | grep .; }
p_state() { program_windows | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t {s = $3; exit} END {print s ? s : "hidden"}'; }
p_shown() { [ "$(p_state)" = shown ]; }

# Closes the main window as a close from the desktop does; the program has ended.
p_close() {
    local id
    id=$(main_window) && window_close "$id" "$MAIN_TITLE" >/dev/null
    wait_for 5 eval '! p_running' || stop_process "$P_PID"
    ! p_running
}

# The titles of the program's message boxes; closing them all.
p_boxes() { program_windows | awk -F'\t' -v t="$MAIN_TITLE" '$6 != t {print $6}'; }
p_dismiss() {
    local id title
    while IFS=$'\t' read -r id title; do window_close "$id" "$title" >/dev/null || true; done < <(
        program_windows | awk -F'\t' -v OFS='\t' -v t="$MAIN_TITLE" '$6 != t {print $1, $6}')
}

# A control of the main window, by its centre in twips (96 dots per inch: 15 twips a pixel).
p_click() {
    local at x y
    read -r -a at <<<"${CONTROL_AT[$1]}"
    IFS=', x' read -r x y _ < <(program_windows | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t {print $5; exit}')
    click_at $((x + CONTENT_LEFT + at[0] / 15)) $((y + CONTENT_TOP + at[1] / 15))
}

# foot with a long scrollback titled "Foot Target"; a key of foot's own hands its visible text to
# a command, which writes the first line to FOOT_LINE (its path in the session; FOOT_LINE_SEEN
# from outside, the same unless the session runs in a tree of its own).
foot_spawn() {
    spawn "${AS_USER[@]}" foot -o scrollback.lines=10000 -T "Foot Target" \
        -o "key-bindings.pipe-visible=[sh -c \"sed -n 1p >$FOOT_LINE\"] Control+Shift+F10" \
        sh -c 'seq 1 5000; exec sleep 100000'
}
p_document_line() {
    [ "$1" = "Foot Target" ] || return 0
    # shellcheck disable=SC2034  # title is read by the condition that wait_for evaluates
    local file=${FOOT_LINE_SEEN:-$FOOT_LINE} title=$1
    rm -f "$file"
    # A key typed right after a focus change can be lost: typed again until foot answers.
    wait_for 10 eval 'test -s "$file" || { p_keys_into "$title" ctrl+shift+F10; test -s "$file"; }' &&
        cat "$file"
}
# foot turns whole notches (the delta over 120, rounded), 3 lines each.
# shellcheck disable=SC2017  # whole notches first, then their lines
p_lines_per_step() { echo $((($1 + 60) / 120 * 3)); }
