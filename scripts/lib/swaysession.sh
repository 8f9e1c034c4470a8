# A private headless sway session (with swaybar's tray and mako) for tests and benchmarks. sway
# refuses to run as root, so as root the session and every program in it run as an unprivileged
# user (SWAY_USER, created when missing). Source it, then: swaysession_start WORK; ...;
# swaysession_stop. Programs are started in the session with "${AS_USER[@]}" PROGRAM ..., which
# keeps the started program's id in $!. Processes are ended by the ids saved here, never by name.

SWAY_USER=${SWAY_USER:-qpa-sway}
SWAYSESSION_PIDS=()
AS_USER=()

# The command prefix that runs a program as the session's user with the session's environment.
swaysession_as_user() {
    local runtime=$1
    shift
    AS_USER=()
    # setpriv replaces itself with the program, so that $! is the program's own id.
    [ "$(id -u)" = 0 ] && AS_USER=(setpriv "--reuid=$SWAY_USER" "--regid=$SWAY_USER" --init-groups --)
    # In the session's folder: the caller's may be out of the user's reach.
    AS_USER+=(env -i -C "$SWAYSESSION_WORK" "HOME=$SWAY_HOME" "USER=$SWAY_USER"
        "PATH=/usr/local/bin:/usr/bin:/bin" "LANG=C.UTF-8" "XDG_RUNTIME_DIR=$runtime" "DBUS_SESSION_BUS_ADDRESS=unix:path=$runtime/bus"
        NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory "$@")
}

# The path to run PROGRAM by as the session's user: the program itself when that user can reach
# it, else a copy in the session's folder (as root, a checkout in a private folder is out of the
# user's reach).
swaysession_program() {
    local program=$1 copy
    if [ "$(id -u)" != 0 ] ||
        setpriv "--reuid=$SWAY_USER" "--regid=$SWAY_USER" --init-groups -- test -x "$program"; then
        echo "$program"
        return
    fi
    copy=$SWAYSESSION_WORK/bin/$(basename "$program")
    mkdir -p "$SWAYSESSION_WORK/bin"
    cp "$program" "$copy"
    chmod 755 "$SWAYSESSION_WORK/bin" "$copy"
    echo "$copy"
}

# Starts dbus, sway (one 1280x800 output, a bar with a tray) and mako in WORK/sway.
swaysession_start() {
    local work=$1/sway i
    if [ "$(id -u)" = 0 ]; then
        id -u "$SWAY_USER" >/dev/null 2>&1 || useradd -m "$SWAY_USER" || return 1
        SWAY_HOME=$(getent passwd "$SWAY_USER" | cut -d: -f6)
    else
        SWAY_USER=$(id -un)
        SWAY_HOME=$HOME
    fi
    SWAYSESSION_WORK=$work
    SWAY_RUNTIME=$work/runtime
    mkdir -p "$SWAY_RUNTIME"
    chmod 755 "$work"
    chmod 700 "$SWAY_RUNTIME"
    cat >"$work/config" <<'CONFIG'
output HEADLESS-1 mode 1280x800 position 0 0
xwayland disable
focus_follows_mouse no
# The cursor is drawn into the pictures on a headless output: out of sight once it rests.
seat * hide_cursor 100
bar {
    position top
    tray_output *
    tray_padding 2
}
CONFIG
    # The user's own binding of the chord the program binds while it runs: it leaves a file.
    SWAY_USER_CHORD_FILE=$work/user-chord-ran
    # shellcheck disable=SC2016 # $chord is sway's variable
    printf 'set $chord Shift+Control+T\nbindsym $chord exec touch %s\n' "$SWAY_USER_CHORD_FILE" \
        >>"$work/config"
    chown -R "$SWAY_USER" "$work"
    swaysession_as_user "$SWAY_RUNTIME"
    # Kept as our child, so that it is ended and reaped by its id.
    "${AS_USER[@]}" dbus-daemon --session "--address=unix:path=$SWAY_RUNTIME/bus" --nofork \
        >/dev/null 2>&1 &
    SWAYSESSION_PIDS+=($!)
    for ((i = 0; i < 50; i++)); do [ -S "$SWAY_RUNTIME/bus" ] && break; sleep 0.1; done
    "${AS_USER[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        WLR_HEADLESS_OUTPUTS=1 sway -c "$work/config" >"$work/sway.log" 2>&1 &
    SWAYSESSION_PIDS+=($!)
    SWAYSOCK_PATH=""
    for ((i = 0; i < 100; i++)); do
        SWAYSOCK_PATH=$(find "$SWAY_RUNTIME" -maxdepth 1 -name 'sway-ipc.*.sock' -print -quit 2>/dev/null)
        [ -n "$SWAYSOCK_PATH" ] && [ -S "$SWAY_RUNTIME/wayland-1" ] && break
        sleep 0.1
    done
    [ -n "$SWAYSOCK_PATH" ] || { echo "sway did not start: $(tail -n 3 "$work/sway.log")"; return 1; }
    # sway 1.7 names its socket itself (wayland-1 in its own runtime folder).
    swaysession_as_user "$SWAY_RUNTIME" WAYLAND_DISPLAY=wayland-1 "SWAYSOCK=$SWAYSOCK_PATH" \
        QT_QPA_PLATFORM=wayland QT_FONT_DPI=96 GDK_BACKEND=wayland
    if command -v mako >/dev/null; then
        "${AS_USER[@]}" mako >/dev/null 2>&1 &
        SWAYSESSION_PIDS+=($!)
    fi
    for ((i = 0; i < 100; i++)); do
        sway_msg -t get_bar_config bar-0 >/dev/null 2>&1 && sway_bar_has_tray_host && break
        sleep 0.1
    done
}

swaysession_stop() {
    local i n pid
    for ((i = ${#SWAYSESSION_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${SWAYSESSION_PIDS[$i]}
        kill "$pid" 2>/dev/null || continue
        for ((n = 0; n < 50; n++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        wait "$pid" 2>/dev/null || true
    done
    SWAYSESSION_PIDS=()
}

sway_msg() { "${AS_USER[@]}" swaymsg "$@"; }

# swaybar hosts the tray once it owns the StatusNotifierWatcher name on the session bus.
sway_bar_has_tray_host() {
    "${AS_USER[@]}" dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null |
        grep -q 'boolean true'
}

# The views of the tree, one a line: id, pid, visible, focused, content rectangle (x,y wxh), title.
sway_views() {
    sway_msg -t get_tree | jq -r '.. | objects
        | select((.type == "con" or .type == "floating_con") and has("pid"))
        | [.id, .pid, .visible, .focused,
           "\(.rect.x + .window_rect.x),\(.rect.y + .window_rect.y) \(.window_rect.width)x\(.window_rect.height)",
           (.name // "")] | @tsv'
}

# The id of the view with exactly this title (and, when given, of this process).
sway_view_id() {
    sway_views | awk -F'\t' -v t="$1" -v p="${2:-}" '$6 == t && (p == "" || $2 == p) {print $1; exit}' | grep .
}

# A picture of the whole output, or of a region ("x,y wxh"), as PNG on standard output, once the
# screen has settled: two pictures 0.2 s apart are the same (at most 3 s).
# WORKAROUND: a picture taken right after a window was mapped (sway 1.7, headless) still showed
# the output without it, and one taken while a box was replaced showed a mix of both.
sway_picture() {
    local region=(-g "${1:-0,0 1280x800}") previous="" current="" i
    for ((i = 0; i < 15; i++)); do
        current=$("${AS_USER[@]}" grim "${region[@]}" -t ppm - | md5sum)
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.2
    done
    "${AS_USER[@]}" grim "${region[@]}" -
}
