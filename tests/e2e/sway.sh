# The Linux program natively on Wayland, on a private headless sway with swaybar's tray, driven
# through sway's IPC (swaymsg), wtype for keys, grim for pictures and the seat's cursor for clicks;
# its settings file is seeded and read through QSettings (scripts/lib/linux.sh). Everything in the
# session runs as SWAY_USER.
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

source "$root/scripts/lib/swaysession.sh"
source "$root/tests/e2e/session-user.sh"

LINUX_BUILD=$BUILD
WHEEL_TARGET=$BUILD/tools/targets/wheel-target
LISTED_TARGETS=("Target A" "Target B")  # "Fixed Target" has a fixed size: sway floats it
STEP_DOWN=-120
KEYS_PASS_ON=""  # sway keeps a bound chord from the focused window
TRAY_ROUNDS=2

p_setup() {
    swaysession_start "$E2E_WORK" || return 1
    WHEEL_TARGET=$(swaysession_program "$WHEEL_TARGET")
    PROGRAM=$(swaysession_program "$BUILD/src/main/quiet-page-advancer")
    linux_private_config "$E2E_WORK"
    mkdir -p "$XDG_CONFIG_HOME/gtk-3.0"
    printf '[Settings]\ngtk-cursor-blink=false\ngtk-overlay-scrolling=false\n' \
        >"$XDG_CONFIG_HOME/gtk-3.0/settings.ini"
    : >"$TARGET_LOG"
    chown -R "$SWAY_USER" "$XDG_CONFIG_HOME" "$TARGET_LOG"
    swaysession_as_user "$SWAY_RUNTIME" WAYLAND_DISPLAY=wayland-1 "SWAYSOCK=$SWAYSOCK_PATH" \
        QT_QPA_PLATFORM=wayland QT_FONT_DPI=96 GDK_BACKEND=wayland "XDG_CONFIG_HOME=$XDG_CONFIG_HOME"
    # A pointer device on the seat, so that the seat's cursor can click.
    "${AS_USER[@]}" "$(swaysession_program "$BUILD/tests/e2e/pointer-holder")" >/dev/null 2>&1 &
    SWAYSESSION_PIDS+=($!)
    QPA_LOG=$RESULTS/program-sway.log
    : >"$QPA_LOG"
}

p_teardown() { swaysession_stop; }

config_chown() { chown -R "$SWAY_USER" "$XDG_CONFIG_HOME"; }

# sway's views as the shared verbs read them: a view out of sight is in the scratchpad.
windows() { sway_views | awk -F'\t' -v OFS='\t' '{$3 = $3 == "true" ? "shown" : "hidden"; print}'; }
window_close() { sway_msg "[con_id=$1] kill"; }

p_targets() {
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$TARGET_LOG"
    wait_for 20 sway_view_id "Target A" >/dev/null
    sway_msg "[con_id=$(sway_view_id "Target A")] focus" >/dev/null
    sleep 0.5
}

p_close_target() { sway_msg "[con_id=$(sway_view_id "$1")] kill" >/dev/null; }

# wtype's arguments for keys written as xdotool writes them ("ctrl+shift+t", "shift+Page_Up").
wtype_args() {
    local parts=() i
    IFS=+ read -r -a parts <<<"$1"
    for ((i = 0; i < ${#parts[@]} - 1; i++)); do printf '%s\n' -M "${parts[$i]}"; done
    if ((${#parts[-1]} > 1)); then printf '%s\n' -k "${parts[-1]}"; else printf '%s\n' "${parts[-1]}"; fi
    for ((i = ${#parts[@]} - 2; i >= 0; i--)); do printf '%s\n' -m "${parts[$i]}"; done
}

# Types keys (as xdotool names them, space between) into a window found by its title. A fresh
# wtype's first key can be lost (each one uploads its own keymap): a Shift press goes first.
p_keys_into() {
    local id keys args
    id=$(sway_view_id "$1") || return 1
    sway_msg "[con_id=$id] focus" >/dev/null
    for keys in $2; do
        mapfile -t args < <(wtype_args "$keys")
        "${AS_USER[@]}" wtype -M shift -m shift "${args[@]}"
    done
    sleep 0.3
}

# Moves the seat's cursor to a point of the layout and clicks the left button.
click_at() {
    sway_msg "seat - cursor set $1 $2" >/dev/null &&
        sway_msg "seat - cursor press button1" >/dev/null &&
        sway_msg "seat - cursor release button1" >/dev/null
}

# swaybar stands at the top of the 1280 pixel wide output, ours the tray's only icon at its end.
p_tray_click() { click_at 1267 12; }

# sway has no minimising: its scratchpad is where a view goes out of sight and comes back from.
p_minimise() { sway_msg "[con_id=$(main_window)] move scratchpad" >/dev/null; }

# A picture of the top part of a view's content, away from a floating window in the middle of the
# output (ours) and from a scroll bar on the right.
p_document_picture() {
    local x y w
    IFS=', x' read -r x y w _ <<<"$(sway_views | awk -F'\t' -v t="$1" '$6 == t {print $5; exit}')"
    sway_picture "$x,$y $((w - 24))x150" >"$2"
}

p_screenshot() { sway_picture >"$1"; }

# foot with a long scrollback, scrolled up a few pages, and Mousepad with the long document.
p_open_documents() {
    FOOT_LINE=$SWAYSESSION_WORK/foot-line
    foot_spawn
    spawn "${AS_USER[@]}" mousepad "$1"
    DOCUMENTS=("Foot Target" "")
    wait_for 20 sway_view_id "Foot Target" >/dev/null || return 1
    wait_for 20 eval 'DOCUMENTS[1]=$(sway_views | awk -F"\t" "/Mousepad\$/ {print \$6; exit}" | grep .)' ||
        return 1
    p_keys_into "Foot Target" "$(printf 'shift+Page_Up %.0s' {1..8})"
}

p_screen_picture() { sway_picture >"$1"; }
p_under_pointer() { :; }
