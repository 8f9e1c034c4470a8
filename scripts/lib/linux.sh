# Helpers for running the Linux program on a private X display (tests and the no-display demo).
# Source after xsession.sh, with LINUX_BUILD set to the linux preset's build folder.

QPA_TITLE="Velloranth Quiet Page Advancer For Your Desktop"
QPA_LAUNCH=()

# Keeps the program's settings and autostart entries inside WORK.
linux_private_config() {
    local work=$1
    export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/xdg" XDG_RUNTIME_DIR="$work/runtime"
    export QT_QPA_PLATFORM=xcb QT_FONT_DPI=96
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    QPA_SETTINGS="$XDG_CONFIG_HOME/Tervalinx/$QPA_TITLE.ini"
}

# Stores KEY=VALUE pairs in the settings file, as the program itself writes them (QSettings,
# through the build's qpa-settings).
linux_seed_settings() {
    mkdir -p "$(dirname "$QPA_SETTINGS")"
    (($# == 0)) || "$LINUX_BUILD/tools/settings/qpa-settings" set "$@"
}

# A stored value as the program reads it, and the stored keys.
linux_setting() { "$LINUX_BUILD/tools/settings/qpa-settings" get "$1"; }
linux_setting_keys() { "$LINUX_BUILD/tools/settings/qpa-settings" keys; }

# Starts the program (QPA_PROGRAM when set, else the build's); sets QPA_PID and QPA_WINDOW. A
# QPA_LAUNCH array, when set, is the command that starts it (the program's path is its last word).
linux_start_program() {
    "${QPA_LAUNCH[@]}" "${QPA_PROGRAM:-$LINUX_BUILD/src/main/quiet-page-advancer}" \
        >>"${QPA_LOG:-/dev/null}" 2>&1 &
    QPA_PID=$!
    QPA_WINDOW=$(xsession_wait_window "$QPA_TITLE" 20) || return 1
    sleep 0.5
}

# The peak resident size (KiB) of a program started by COMMAND..., once it has settled (4 s).
linux_peak_kb() {
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 4
    awk '/VmHWM/ {print $2}' "/proc/$pid/status"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Closes the program's window as a user would, through the window manager.
linux_close_program() {
    # The window manager asks the window to close (WM_DELETE_WINDOW), as its close box does;
    # a hidden window is asked directly.
    if [ -n "${QPA_WINDOW:-}" ]; then
        wmctrl -i -c "$QPA_WINDOW" 2>/dev/null || true
    fi
    local _
    for _ in $(seq 1 50); do
        kill -0 "$QPA_PID" 2>/dev/null || break
        sleep 0.1
    done
    kill "$QPA_PID" 2>/dev/null || true
    wait "$QPA_PID" 2>/dev/null || true
    QPA_WINDOW=""
}

# A picture of a window's text area, for telling whether its view moved.
linux_snapshot() { import -window "$1" "$2" 2>/dev/null; }
# Compares a region (default: the top left, where a terminal's text stands) of two pictures.
linux_same_view() {
    local region=${3:-480x300+10+10}
    if [ ! -s "$1" ] || [ ! -s "$2" ]; then
        echo "    missing picture: $1 or $2"
        return 2
    fi
    cmp -s <(convert "$1" -crop "$region" +repage rgb:-) <(convert "$2" -crop "$region" +repage rgb:-)
}
