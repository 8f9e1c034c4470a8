# shellcheck shell=bash
# A private headless KDE Plasma 6 session for tests and benchmarks: KWin 6 (kwin_wayland
# --virtual, 1280x800, QPainter) and its own session bus, inside the Debian 13 tree of
# trixie-root.sh, as an unprivileged user (KDE_USER, created in the tree when missing). As root.
# Source it, then: kdesession_start; ...; kdesession_stop. Its folder is made inside the tree (its
# path there is KDE_IN, on the host KDE_WORK); programs run in the session with
# "${AS_USER[@]}" PROGRAM ..., which keeps the program's own id in $! (chroot and env replace
# themselves). Programs built here are copied in with kdesession_program. Processes are ended by
# the ids saved here, never by name.

source "$(dirname "${BASH_SOURCE[0]}")/trixie-root.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../src/platform/kde/KwinNames.env"

KDE_USER=${KDE_USER:-qpa-kde}
# A user id of its own, so that the session's processes name no user of the host.
KDE_UID=${KDE_UID:-4343}
KDE_SOCKET=wl-qpa-kde
# What the session needs of Debian 13; the program's own libraries come with KWin's but these.
KDE_PACKAGES=(kwin-wayland dbus qt6-wayland libxtst6 libxss1 libxi6 libx11-xcb1)
KDESESSION_PIDS=()
AS_USER=()

# The command prefix that runs a program in the tree as the session's user, in the session's
# environment plus NAME=VALUE words.
kdesession_as_user() {
    AS_USER=(chroot "--userspec=$KDE_USER:$KDE_USER" "$TRIXIE_ROOT" env -i -C "$KDE_IN"
        "HOME=/home/$KDE_USER" "USER=$KDE_USER" PATH=/usr/bin:/bin LANG=C.UTF-8
        "XDG_RUNTIME_DIR=$KDE_IN/runtime" "DBUS_SESSION_BUS_ADDRESS=unix:path=$KDE_IN/runtime/bus"
        "XDG_CONFIG_HOME=$KDE_IN/config" "XDG_DATA_HOME=$KDE_IN/data" "XDG_CACHE_HOME=$KDE_IN/cache"
        XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland "$@")
}

# The path inside the tree of a copy of PROGRAM (a build on the host) in the session's bin folder.
kdesession_program() {
    local copy
    copy=$KDE_WORK/bin/$(basename "$1")
    mkdir -p "$KDE_WORK/bin"
    cp "$1" "$copy"
    chmod 755 "$KDE_WORK/bin" "$copy"
    echo "$KDE_IN/bin/$(basename "$1")"
}

# Lets PROGRAM (a path inside the tree) see KWin's window management and fake input, as the
# package's menu entry does for the installed program.
kdesession_permit() {
    printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\nNoDisplay=true\nX-KDE-Wayland-Interfaces=%s\n' \
        "$(basename "$1")" "$1" "$KWIN_INTERFACES" >"$KDE_WORK/data/applications/.$(basename "$1").new"
    mv "$KDE_WORK/data/applications/.$(basename "$1").new" "$KDE_WORK/data/applications/$(basename "$1").desktop"
}

# Runs a command as the session's user and waits until KWin answers on the bus (up to 10 s).
kdesession_kwin_answers() {
    "${AS_USER[@]}" dbus-send --session --print-reply --dest=org.kde.KWin /KWin \
        org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}

kdesession_start() {
    local i
    trixie_root_ensure "${KDE_PACKAGES[@]}" || return 1
    trixie_root_mount
    chroot "$TRIXIE_ROOT" id -u "$KDE_USER" >/dev/null 2>&1 ||
        chroot "$TRIXIE_ROOT" useradd -m -u "$KDE_UID" "$KDE_USER" || return 1
    KDE_WORK=$(mktemp -d "$TRIXIE_ROOT/tmp/qpa-kde.XXXXXX")
    KDE_IN=${KDE_WORK#"$TRIXIE_ROOT"}
    mkdir -p "$KDE_WORK/runtime" "$KDE_WORK/config/menus" "$KDE_WORK/data/applications" \
        "$KDE_WORK/cache" "$KDE_WORK/bin"
    chmod 755 "$KDE_WORK"
    chmod 700 "$KDE_WORK/runtime"
    # KDE's service cache lists no application at all without a menu file (Plasma brings its own).
    cat >"$KDE_WORK/config/menus/applications.menu" <<'MENU'
<Menu><Name>Applications</Name><DefaultAppDirs/><DefaultDirectoryDirs/><Include><All/></Include></Menu>
MENU
    kdesession_chown
    kdesession_as_user
    "${AS_USER[@]}" dbus-daemon --session "--address=unix:path=$KDE_IN/runtime/bus" --nofork \
        >/dev/null 2>&1 &
    KDESESSION_PIDS+=($!)
    for ((i = 0; i < 50; i++)); do [ -S "$KDE_WORK/runtime/bus" ] && break; sleep 0.1; done
    # Not KDE_FULL_SESSION with KDE_SESSION_VERSION: with both KWin 6.3 ends at start here.
    "${AS_USER[@]}" KWIN_COMPOSE=Q kwin_wayland --virtual --no-lockscreen --width 1280 \
        --height 800 --socket "$KDE_SOCKET" >"$KDE_WORK/kwin.log" 2>&1 &
    KDESESSION_PIDS+=($!)
    for ((i = 0; i < 100; i++)); do
        [ -S "$KDE_WORK/runtime/$KDE_SOCKET" ] && kdesession_kwin_answers && break
        sleep 0.1
    done
    kdesession_kwin_answers || { echo "KWin did not start: $(tail -n 3 "$KDE_WORK/kwin.log")"; return 1; }
    kdesession_as_user "WAYLAND_DISPLAY=$KDE_SOCKET" QT_QPA_PLATFORM=wayland QT_FONT_DPI=96
}

# Gives the session's folder to its user (after the host wrote into it).
kdesession_chown() { chroot "$TRIXIE_ROOT" chown -R "$KDE_USER:$KDE_USER" "$KDE_IN"; }

kdesession_stop() {
    local i n pid
    for ((i = ${#KDESESSION_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${KDESESSION_PIDS[$i]}
        kill "$pid" 2>/dev/null || continue
        for ((n = 0; n < 50; n++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    KDESESSION_PIDS=()
    [ -z "${KDE_WORK:-}" ] || rm -rf "$KDE_WORK"
    # The kernel's file systems stay mounted while another live run uses the tree.
    trixie_root_unmount
}
