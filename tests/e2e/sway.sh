# The Linux program natively on Wayland, on a private headless sway with swaybar's tray, driven
# through sway's IPC (swaymsg), wtype for keys, grim for pictures and the seat's cursor for clicks;
# its settings file is read and written directly. Everything in the session runs as SWAY_USER.

source "$root/scripts/lib/swaysession.sh"

LINUX_BUILD=$BUILD
WHEEL_TARGET=$BUILD/tests/e2e/wheel-target
MAIN_TITLE="Velloranth Quiet Page Advancer For Your Desktop"
FRONT_TARGET="Qt Target"
# swaybar stands at the top of the 1280 pixel wide output; the tray's only icon is ours, at its
# right end (tray_padding 2).
TRAY_ICON_AT="1267 12"
# Extra words before the program's path in p_start (say, "env -u SWAYSOCK").
P_START_PREFIX=()

p_setup() {
    swaysession_start "$E2E_WORK" || return 1
    linux_private_config "$E2E_WORK"
    mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
    printf '[Settings]\ngtk-cursor-blink=false\ngtk-overlay-scrolling=false\n' \
        >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
    : >"$TARGET_LOG"
    chown -R "$SWAY_USER" "$XDG_CONFIG_HOME" "$TARGET_LOG"
    swaysession_as_user "$SWAY_RUNTIME" WAYLAND_DISPLAY=wayland-1 "SWAYSOCK=$SWAYSOCK_PATH" \
        QT_QPA_PLATFORM=wayland QT_FONT_DPI=96 GDK_BACKEND=wayland "XDG_CONFIG_HOME=$XDG_CONFIG_HOME"
    # A pointer device on the seat, so that the seat's cursor can click.
    "${AS_USER[@]}" "$BUILD/tests/e2e/pointer-holder" >/dev/null 2>&1 &
    SWAYSESSION_PIDS+=($!)
    QPA_LOG=$RESULTS/program-sway.log
    : >"$QPA_LOG"
}

p_teardown() { swaysession_stop; }

p_seed() {
    rm -f "$QPA_SETTINGS"
    linux_seed_settings "$@"
    chown -R "$SWAY_USER" "$XDG_CONFIG_HOME"
}

p_setting() { linux_setting "$(sed 's/ /%20/g' <<<"$1")"; }

p_start() {
    "${AS_USER[@]}" "${P_START_PREFIX[@]}" "$LINUX_BUILD/src/main/quiet-page-advancer" \
        >>"$QPA_LOG" 2>&1 &
    program_started $!
    [ "${1:-}" = --hidden ] || wait_for 20 p_shown
}

# The program's views, one a line as sway_views gives them.
program_views() { sway_views | awk -F'\t' -v p="$P_PID" '$2 == p'; }

p_shown() { program_views | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t && $3 == "true"' | grep -q .; }
p_state() { p_shown && echo shown || echo hidden; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }

# Closes the main window through sway, as a close from the desktop does.
p_close() {
    local id
    id=$(sway_view_id "$MAIN_TITLE" "$P_PID") && sway_msg "[con_id=$id] kill" >/dev/null
    wait_for 5 eval '! p_running' || stop_process "$P_PID"
    ! p_running
}

# The stand-in targets: "Qt Target" (tiled, in front) and "Fixed Target" (fixed size: sway floats
# it, and it has no maximise box).
p_targets() {
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$TARGET_LOG"
    wait_for 20 sway_view_id "Qt Target" >/dev/null
    sway_msg "[con_id=$(sway_view_id "Qt Target")] focus" >/dev/null
    sleep 0.5
}

# wtype's arguments for keys written as xdotool writes them ("ctrl+shift+t", "shift+Page_Up").
wtype_args() {
    local parts=() i
    IFS=+ read -r -a parts <<<"$1"
    for ((i = 0; i < ${#parts[@]} - 1; i++)); do printf '%s\n' -M "${parts[$i]}"; done
    if ((${#parts[-1]} > 1)); then printf '%s\n' -k "${parts[-1]}"; else printf '%s\n' "${parts[-1]}"; fi
    for ((i = ${#parts[@]} - 2; i >= 0; i--)); do printf '%s\n' -m "${parts[$i]}"; done
}

# Types keys into a window of another program, found by its title. A fresh wtype's first key can
# be lost (each one uploads its own keymap): a Shift press and release goes first.
p_keys_into() {
    local id args
    id=$(sway_view_id "$1") || return 1
    sway_msg "[con_id=$id] focus" >/dev/null
    mapfile -t args < <(wtype_args "$2")
    "${AS_USER[@]}" wtype -M shift -m shift "${args[@]}"
}

# The program's message boxes with this title (default: any), one title a line.
p_boxes() {
    program_views | awk -F'\t' -v t="$MAIN_TITLE" '$6 != t {print $6}' | grep -E "^${1:-.*}\$"
}

p_dismiss() {
    local id
    for id in $(program_views | awk -F'\t' -v t="$MAIN_TITLE" '$6 != t {print $1}'); do
        sway_msg "[con_id=$id] kill" >/dev/null
    done
}

# Moves the seat's cursor to a point of the layout and clicks the left button.
sway_click() {
    sway_msg "seat - cursor set $1 $2" >/dev/null &&
        sway_msg "seat - cursor press button1" >/dev/null &&
        sway_msg "seat - cursor release button1" >/dev/null
}

p_tray_click() { sway_click $TRAY_ICON_AT; }

# sway has no minimising: its scratchpad is where a view goes out of sight and comes back from.
p_minimise() { sway_msg "[con_id=$(sway_view_id "$MAIN_TITLE" "$P_PID")] move scratchpad" >/dev/null; }

# --- sway's own helpers for its scenarios ---

# Records sway's window and binding events to FILE for the rest of the scenario.
sway_record_events() {
    "${AS_USER[@]}" swaymsg -r -m -t subscribe '["window","binding","workspace"]' >"$1" 2>/dev/null &
    echo $! >>"$E2E_WORK/spawned"
    sleep 0.3
}
# The titles of the views sway focused, in order, from such a record.
focused_titles() { jq -r 'select(.change == "focus" and .container) | .container.name // ""' <"$1" 2>/dev/null; }
# The commands of the bindings that ran, in order.
bindings_run() { jq -r 'select(.change == "run" and .binding) | .binding.command' <"$1" 2>/dev/null; }

# foot with a long scrollback (FOOT_TITLE), and Mousepad with a long file (MOUSEPAD_TITLE, known
# once it shows).
FOOT_TITLE="Foot Target"
sway_foot() {
    spawn "${AS_USER[@]}" foot -o scrollback.lines=10000 -T "$FOOT_TITLE" \
        sh -c 'seq 1 5000; exec sleep 100000'
    wait_for 20 sway_view_id "$FOOT_TITLE" >/dev/null
}
sway_mousepad() {
    local file=$E2E_WORK/long-document.txt
    seq 1 3000 | sed 's/.*/Line & of a long document/' >"$file"
    chmod 644 "$file"
    spawn "${AS_USER[@]}" mousepad "$file"
    MOUSEPAD_TITLE=""
    wait_for 20 eval 'MOUSEPAD_TITLE=$(sway_views | awk -F"\t" "/Mousepad\$/ {print \$6; exit}" | grep .)'
}

# The lines of standard input from the first one that is one of the given lines on.
from_first_of() {
    awk 'BEGIN { for (i = 1; i < ARGC; i++) wanted[ARGV[i]] = 1; ARGC = 1 }
         found || ($0 in wanted) { found = 1; print }' "$@"
}

# A picture of the top part of a view's content, out of reach of a floating window in the middle
# of the output (ours) and of a scroll bar on the right.
sway_view_top_picture() {
    local rect x y w
    rect=$(sway_view_rect "$1") || return 1
    IFS=', x' read -r x y w _ <<<"$rect"
    sway_picture "$x,$y $((w - 24))x150" >"$2"
}

# The process ids of the tray items registered with swaybar's StatusNotifierWatcher.
sway_tray_item_pids() {
    local item
    for item in $(session_bus_call --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher \
        string:RegisteredStatusNotifierItems | grep -o '"[^"]*"' | tr -d '"'); do
        session_bus_call --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.GetConnectionUnixProcessID "string:${item%%/*}" |
            awk '/uint32/ {print $2}'
    done
}
session_bus_call() { "${AS_USER[@]}" dbus-send --session --print-reply "$@" 2>/dev/null; }

pictures_differ() {
    [ -s "$1" ] && [ -s "$2" ] || { echo "    missing picture: $1 or $2"; return 2; }
    ! cmp -s <(convert "$1" rgb:-) <(convert "$2" rgb:-)
}
