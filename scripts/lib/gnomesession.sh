# A private headless GNOME Shell session for tests and benchmarks, run as an unprivileged user
# (GNOME_USER, created when missing) with its own home, runtime folder, session bus and a
# stand-in system bus (the Shell's login manager proxy needs one to connect to, and the Shell
# ends at start without it). Source it, then: gnomesession_start WORK EXTENSIONS_FOLDER [UUID...];
# ...; gnomesession_stop. Programs run in the session with "${AS_USER[@]}" PROGRAM ..., which keeps
# the started program's id in $!. Processes are ended by the ids saved here, never by name.
#   GNOME_ROOT     a root folder to run the session in with chroot (a newer GNOME); empty: this one
#   GNOME_X11=1    let the Shell start Xwayland for X11 programs (DISPLAY is set once it is up)
#   GNOME_KEEP_HOME=1  keep the user's home of the last session in WORK (a log-out and log-in)
# The session's process ids are kept in WORK/gnome-pids, so that a session started again in a
# subshell is still ended by whoever ends the first.
# The test stand-in extension (tests/e2e/gnome/stand-in.js) is always installed and enabled: the
# session is ready once it answers.

GNOME_USER=${GNOME_USER:-qpa-gnome}
GNOME_ROOT=${GNOME_ROOT:-}
AS_USER=()
GNOME_STAND_IN=com.tervalinx.QuietPageAdvancer.ShellTest
GNOME_STAND_IN_PATH=/com/tervalinx/QuietPageAdvancer/ShellTest
GNOME_STAND_IN_UUID=qpa-test-stand-in@tervalinx.example

# The command prefix that runs a program as the session's user with the session's environment
# (inside GNOME_ROOT when set; WORK is then a folder inside it, at the same path).
gnomesession_as_user() {
    AS_USER=()
    [ -n "$GNOME_ROOT" ] && AS_USER=(chroot "--userspec=$GNOME_USER:$GNOME_USER" "$GNOME_ROOT")
    [ -z "$GNOME_ROOT" ] && [ "$(id -u)" = 0 ] &&
        AS_USER=(setpriv "--reuid=$GNOME_USER" "--regid=$GNOME_USER" --init-groups --)
    AS_USER+=(env -i -C "$GNOMESESSION_WORK" "HOME=$GNOME_HOME" "USER=$GNOME_USER"
        "PATH=/usr/local/bin:/usr/bin:/bin" "LANG=C.UTF-8" "XDG_RUNTIME_DIR=$GNOME_RUNTIME"
        "DBUS_SESSION_BUS_ADDRESS=unix:path=$GNOME_RUNTIME/bus"
        "DBUS_SYSTEM_BUS_ADDRESS=unix:path=$GNOME_RUNTIME/system_bus"
        XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-qpa
        QT_QPA_PLATFORM=wayland QT_FONT_DPI=96 GDK_BACKEND=wayland NO_AT_BRIDGE=1 "$@")
}

# Gives a folder of the session (its path inside) to the session's user, by that user's id where
# the session runs.
gnome_chown() {
    if [ -n "$GNOME_ROOT" ]; then
        chroot "$GNOME_ROOT" chown -R "$GNOME_USER:" "$1"
    elif [ "$(id -u)" = 0 ]; then
        chown -R "$GNOME_USER:" "$1"
    fi
}

# The path a folder inside the session has from outside (the same without GNOME_ROOT).
gnome_outside() { echo "$GNOME_ROOT$1"; }

gnome_stand_in() {
    local method=$1
    shift
    "${AS_USER[@]}" gdbus call --session --dest "$GNOME_STAND_IN" \
        --object-path "$GNOME_STAND_IN_PATH" --method "$GNOME_STAND_IN.$method" "$@"
}

# Both builds of an extension (bridge.js-like BODY between legacy.js's and module.js's parts)
# into FOLDER/UUID-43 and FOLDER/UUID-45 is what CMake does for the program's; the stand-in has
# no settings, and one folder serves both Shells: the module build is picked by the Shell's version.
# Its names on the bus are this file's.
# shellcheck disable=SC2154  # root: the checkout, set by whoever sources this
gnomesession_install_stand_in() {
    local folder=$1/$GNOME_STAND_IN_UUID wrappers=$root/src/platform/gnome/extension major
    major=$("${AS_USER[@]}" gnome-shell --version | grep -o '[0-9][0-9]*' | head -n 1)
    mkdir -p "$folder"
    if ((major < 45)); then
        sed -e "/@BRIDGE@/r $root/tests/e2e/gnome/stand-in.js" -e '/@BRIDGE@/d' \
            -e 's/new Bridge(.*);/new Bridge();/' "$wrappers/legacy.js"
    else
        sed -e "/@BRIDGE@/r $root/tests/e2e/gnome/stand-in.js" -e '/@BRIDGE@/d' \
            -e 's/new Bridge(.*);/new Bridge();/' "$wrappers/module.js"
    fi | sed -e "s|@STAND_IN_BUS_NAME@|$GNOME_STAND_IN|" -e "s|@STAND_IN_PATH@|$GNOME_STAND_IN_PATH|" \
        >"$folder/extension.js"
    printf '{"uuid": "%s", "name": "Test stand-in", "description": "Tests only", "shell-version": ["%s"]}\n' \
        "$GNOME_STAND_IN_UUID" "$major" >"$folder/metadata.json"
}

# Starts the buses and the Shell (one 1280x800 monitor) in WORK/gnome, with the stand-in and the
# extensions in EXTENSIONS_FOLDER installed for the user, and UUIDs enabled.
gnomesession_start() {
    local work=$1/gnome extensions=$2 i enabled
    GNOMESESSION_PIDFILE=$1/gnome-pids
    shift 2
    if [ -n "$GNOME_ROOT" ]; then
        chroot "$GNOME_ROOT" id -u "$GNOME_USER" >/dev/null 2>&1 ||
            chroot "$GNOME_ROOT" useradd -m "$GNOME_USER" || return 1
    elif [ "$(id -u)" = 0 ]; then
        id -u "$GNOME_USER" >/dev/null 2>&1 || useradd -m "$GNOME_USER" || return 1
    else
        GNOME_USER=$(id -un)
    fi
    GNOMESESSION_WORK=$work
    GNOME_HOME=$work/home
    GNOME_RUNTIME=$work/runtime
    local outside
    outside=$(gnome_outside "$work")
    if [ -n "${GNOME_KEEP_HOME:-}" ]; then
        rm -rf "$outside/runtime"
    else
        rm -rf "$outside"
    fi
    mkdir -p "$outside/home/.local/share/gnome-shell/extensions" "$outside/runtime"
    chmod 755 "$outside"
    chmod 700 "$outside/runtime"
    gnomesession_as_user
    # Where Xwayland puts its socket, as a booted system has it.
    mkdir -p "$GNOME_ROOT/tmp/.X11-unix"
    chmod 1777 "$GNOME_ROOT/tmp/.X11-unix"
    [ -n "$extensions" ] && cp -r "$extensions"/. "$outside/home/.local/share/gnome-shell/extensions/"
    gnomesession_install_stand_in "$outside/home/.local/share/gnome-shell/extensions"
    gnome_chown "$work"
    "${AS_USER[@]}" dbus-daemon --session "--address=unix:path=$GNOME_RUNTIME/bus" --nofork \
        >/dev/null 2>&1 &
    echo $! >>"$GNOMESESSION_PIDFILE"
    "${AS_USER[@]}" dbus-daemon --session "--address=unix:path=$GNOME_RUNTIME/system_bus" \
        --nofork >/dev/null 2>&1 &
    echo $! >>"$GNOMESESSION_PIDFILE"
    for ((i = 0; i < 50; i++)); do
        [ -S "$outside/runtime/bus" ] && [ -S "$outside/runtime/system_bus" ] && break
        sleep 0.1
    done
    enabled="'$GNOME_STAND_IN_UUID'"
    for i in "$@"; do enabled+=", '$i'"; done
    # A kept home keeps what was enabled in it.
    [ -n "${GNOME_KEEP_HOME:-}" ] &&
        enabled+=$("${AS_USER[@]}" gsettings get org.gnome.shell enabled-extensions |
            grep -o "'[^']*'" | grep -v "'$GNOME_STAND_IN_UUID'" | sed 's/^/, /' | tr -d '\n')
    "${AS_USER[@]}" gsettings set org.gnome.shell enabled-extensions "[$enabled]"
    "${AS_USER[@]}" gsettings set org.gnome.desktop.interface cursor-blink false
    # Windows stay the size they open at, so that the tests can place them.
    "${AS_USER[@]}" gsettings set org.gnome.mutter auto-maximize false
    # No screen lock or blank while the tests look at the screen.
    "${AS_USER[@]}" gsettings set org.gnome.desktop.session idle-delay 0
    local x11=--no-x11
    [ -n "${GNOME_X11:-}" ] && x11=""
    # shellcheck disable=SC2086  # no word when Xwayland may start
    "${AS_USER[@]}" gnome-shell --wayland --headless $x11 --virtual-monitor 1280x800 \
        --wayland-display=wayland-qpa >"$outside/shell.log" 2>&1 &
    local shell=$!
    echo "$shell" >>"$GNOMESESSION_PIDFILE"
    for ((i = 0; i < 300; i++)); do
        kill -0 "$shell" 2>/dev/null ||
            { echo "gnome-shell ended: $(tail -n 5 "$outside/shell.log")"; return 1; }
        gnome_stand_in LeaveOverview >/dev/null 2>&1 && break
        sleep 0.1
    done
    gnome_stand_in LeaveOverview >/dev/null || { echo "the Shell did not load the stand-in"; return 1; }
    # GNOME's notification service, as the session starts it at log-in (started on demand, the
    # bus would start another desktop's service for the name: mako's, where sway is installed).
    "${AS_USER[@]}" gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.StartServiceByName org.gnome.Shell.Notifications 0 >/dev/null
    for ((i = 0; i < 50; i++)); do gnome_name_owned org.freedesktop.Notifications && break; sleep 0.1; done
}

# Someone owns this name on the session's bus.
gnome_name_owned() {
    "${AS_USER[@]}" gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" | grep -q true
}

# Adds the Shell's X display to AS_USER, for X11 programs (GNOME_X11): Xwayland's display and its
# key file are the current session's.
gnomesession_x11() {
    local outside i display=""
    outside=$(gnome_outside "$GNOMESESSION_WORK")
    for ((i = 0; i < 100; i++)); do
        display=$(grep -o 'Using public X11 display :[0-9]*' "$outside/shell.log" | grep -o ':[0-9]*$')
        [ -n "$display" ] && break
        sleep 0.1
    done
    gnomesession_as_user "DISPLAY=$display" "XAUTHORITY=$(find "$outside/runtime" -maxdepth 1 \
        -name '.mutter-Xwaylandauth.*' -print -quit | sed "s|^$GNOME_ROOT||")"
}

# Ends the Shell, then the buses.
gnomesession_stop() {
    local n pid
    [ -f "${GNOMESESSION_PIDFILE:-}" ] || return 0
    for pid in $(tac "$GNOMESESSION_PIDFILE"); do
        kill "$pid" 2>/dev/null || continue
        for ((n = 0; n < 50; n++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        # The Shell may crash on its way out (43 does now and then): no news for the tests.
        { wait "$pid"; } 2>/dev/null || true
    done
    rm -f "$GNOMESESSION_PIDFILE"
}

# The windows, one a line, front first: id, pid, minimised, focused, x,y,w,h, type, title.
gnome_windows() { gnome_stand_in Windows | gnome_answer_text; }

# The text of a one-string answer as gdbus prints it: ('…',), or ("…",) when it holds a quote.
gnome_answer_text() { printf '%b\n' "$(sed -e "s/^([\"']//" -e "s/[\"'],)\$//")"; }

# The notifications the Shell holds, one a line: urgency (1 normal), title, body.
gnome_notifications() { gnome_stand_in Notifications | gnome_answer_text; }

# The id of the window with this title, or else the first whose title starts with it (and, when
# given, of this process).
gnome_window_id() {
    gnome_windows | awk -F'\t' -v t="$1" -v p="${2:-}" 'p == "" || $2 == p {
        if ($7 == t) { print $1; found = 1; exit } if (!first && index($7, t) == 1) first = $1 }
        END { if (!found && first) print first }' | grep .
}

# A picture of the screen, or of a region ("X Y W H"), into FILE once the screen has settled:
# two pictures 0.2 s apart are the same (at most 3 s).
gnome_picture() {
    local file=$1 region=(0 0 1280 800) previous="" current="" i
    [ -n "${2:-}" ] && read -r -a region <<<"$2"
    local inside=$GNOME_RUNTIME/picture.png
    for ((i = 0; i < 15; i++)); do
        gnome_stand_in Picture "${region[@]}" "$inside" >/dev/null || return 1
        current=$(md5sum <"$(gnome_outside "$inside")")
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.2
    done
    cp "$(gnome_outside "$inside")" "$file"
}
