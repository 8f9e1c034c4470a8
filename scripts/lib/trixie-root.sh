# shellcheck shell=bash
# A Debian 13 (trixie) tree made by mmdebstrap, in which the tests run desktops that Debian 12 does
# not have (KDE Plasma 6's KWin), with the Debian 12 build of the program unchanged. As root. Source
# it, then:
#   trixie_root_ensure PACKAGE...   make the tree (once) and install what is missing of the packages
#   trixie_root_mount / trixie_root_unmount   the host's /proc, /sys and /dev inside it, and out
# The tree is kept in TRIXIE_ROOT (default /var/cache/quiet-page-advancer/trixie, outside every
# checkout, about 0.8 GB with KWin): a later run finds it complete and only checks its packages, so
# only the first run on a machine pays for mmdebstrap and the downloads. Everything is under a
# lock, so that two test runs on one machine never build it at once. Remove the folder (after
# trixie_root_unmount) to start from nothing.

TRIXIE_ROOT=${TRIXIE_ROOT:-/var/cache/quiet-page-advancer/trixie}
TRIXIE_MIRROR=${TRIXIE_MIRROR:-http://deb.debian.org/debian}
TRIXIE_MOUNTS=(proc sys dev dev/pts dev/shm)

source "$(dirname "${BASH_SOURCE[0]}")/apt.sh"

trixie_in() { chroot "$TRIXIE_ROOT" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

# The packages of the list that the tree does not have yet.
trixie_root_missing() {
    local package
    for package in "$@"; do
        trixie_in dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null |
            grep -q "install ok installed" || echo "$package"
    done
}

trixie_mounts_up() {
    local m
    for m in "${TRIXIE_MOUNTS[@]}"; do
        mountpoint -q "$TRIXIE_ROOT/$m" && continue
        if [ "$m" = proc ]; then
            mount -t proc proc "$TRIXIE_ROOT/proc"
        else
            mount --bind "/$m" "$TRIXIE_ROOT/$m"  # not recursive: others' mounts stay outside
        fi
    done
}

trixie_mounts_down() {
    local i
    for ((i = ${#TRIXIE_MOUNTS[@]} - 1; i >= 0; i--)); do
        ! mountpoint -q "$TRIXIE_ROOT/${TRIXIE_MOUNTS[$i]}" || umount "$TRIXIE_ROOT/${TRIXIE_MOUNTS[$i]}"
    done
}

# Two sessions may use the tree at once (KWin and GNOME Shell from two test runs): each run that
# mounts writes its process id into TRIXIE_ROOT.sessions, under the lock, and only the last live
# one's unmount takes the mounts away. A run that was killed left its id, which no longer lives,
# and its mounts, which the next run takes over.
trixie_live_sessions() {
    local session
    while read -r session; do
        ! kill -0 "$session" 2>/dev/null || echo "$session"
    done < <(cat "$TRIXIE_ROOT.sessions" 2>/dev/null)
}

trixie_root_mount() {
    (
        flock 9
        local sessions
        sessions=$(trixie_live_sessions)
        printf '%s\n' "$sessions" "$$" | grep . >"$TRIXIE_ROOT.sessions"
        trixie_mounts_up
    ) 9>>"$TRIXIE_ROOT.lock"
}

trixie_root_unmount() {
    (
        flock 9
        local sessions
        sessions=$(trixie_live_sessions | grep -v -x "$$")
        if [ -n "$sessions" ]; then
            echo "$sessions" >"$TRIXIE_ROOT.sessions"
        else
            rm -f "$TRIXIE_ROOT.sessions"
            trixie_mounts_down
        fi
    ) 9>>"$TRIXIE_ROOT.lock"
}

trixie_root_ensure() {
    # Written once mmdebstrap has finished: a tree without it is half made and is made again. Read
    # here, since a caller may name another tree for one call (TRIXIE_ROOT=... trixie_root_ensure).
    local complete=$TRIXIE_ROOT/.qpa-complete
    mkdir -p "$(dirname "$TRIXIE_ROOT")"
    (
        flock 9
        if [ ! -e "$complete" ]; then
            trixie_mounts_down
            rm -rf --one-file-system "$TRIXIE_ROOT"
            echo "Making a Debian 13 tree in $TRIXIE_ROOT (mmdebstrap, once per machine)"
            debian_tree trixie "$TRIXIE_ROOT" "$TRIXIE_MIRROR" "$@" >"$TRIXIE_ROOT.log" 2>&1 ||
                { echo "mmdebstrap failed: $(tail -n 3 "$TRIXIE_ROOT.log")"; exit 1; }
            touch "$complete"
        fi
        local missing
        mapfile -t missing < <(trixie_root_missing "$@")
        ((${#missing[@]})) || exit 0
        echo "Installing in the Debian 13 tree: ${missing[*]}"
        cp /etc/resolv.conf "$TRIXIE_ROOT/etc/resolv.conf"
        trixie_mounts_up
        local status=0
        trixie_in apt-get update -qq &&
            trixie_in DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                "${missing[@]}" >/dev/null &&
            trixie_in apt-get clean || status=$?
        [ -n "$(trixie_live_sessions)" ] || trixie_mounts_down  # nobody's session uses them
        exit "$status"
    ) 9>>"$TRIXIE_ROOT.lock"
}
