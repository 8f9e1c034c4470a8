# The Linux program on a private X display with openbox and a tray host (trayer), driven through
# X (lib.sh); its settings file through QSettings (scripts/lib/linux.sh), its logon entry directly.
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

LINUX_BUILD=$BUILD
WHEEL_TARGET=$BUILD/tools/targets/wheel-target
X_STAND_INS=$BUILD/tools/targets/x-stand-ins
LISTED_TARGETS=("Target A" "Target B")
STEP_DOWN=-120  # whole notches only
KEYS_PASS_ON=1
TRAY_ROUNDS=${TRAY_ROUNDS:-30}  # Qt took a quick second click for a double click and lost it
BALLOON_ROUNDS=${BALLOON_ROUNDS:-20}

p_setup() {
    xsession_start --tray --size 1280x800
    linux_private_config "$E2E_WORK"
    QPA_LOG=$RESULTS/program-x11.log
    : >"$QPA_LOG"
}

p_teardown() {
    [ ! -s "$E2E_WORK/trayer.pid" ] || stop_process "$(cat "$E2E_WORK/trayer.pid")"
    xsession_stop
}

# The tray host: the one the session started, or the one started again here (its id in a file,
# since each scenario runs in a subshell).
tray_host_pid() { cat "$E2E_WORK/trayer.pid" 2>/dev/null || echo "$XSESSION_TRAY_PID"; }
p_tray_host_stop() { stop_process "$(tray_host_pid)"; }
# Starts the tray host again unless it runs.
p_tray_host_start() {
    kill -0 "$(tray_host_pid)" 2>/dev/null && return 0
    xsession_tray_start
    echo "$XSESSION_TRAY_PID" >"$E2E_WORK/trayer.pid"
    xsession_wait_window panel 10 >/dev/null
}

p_seed() {
    rm -f "$QPA_SETTINGS"
    linux_seed_settings "$@"
}
p_setting() { linux_setting "$1"; }
p_setting_keys() { linux_setting_keys; }

# The settings folder mounted read-only for the program alone (permissions would not stop root).
p_refuse_settings() { QPA_LAUNCH=(unshare -rm -- sh -c 'mount --bind -o ro "$0" "$0" && exec "$@"' "${QPA_SETTINGS%/*}"); }
p_accept_settings() { QPA_LAUNCH=(); }
# The settings file made write-only and the program started without root's power to read any file
# (a mode alone would not stop root).
p_unreadable_settings() {
    chmod 200 "$QPA_SETTINGS"
    QPA_LAUNCH=(setpriv "--bounding-set=-dac_override,-dac_read_search" --)
}

# A copy of the program in FOLDER (made for it): p_start starts that copy from then on.
p_copy_program() {
    mkdir -p "$1" && cp "$BUILD/src/main/quiet-page-advancer" "$1/"
    QPA_PROGRAM=$1/quiet-page-advancer
}
# The autostart file the program wrote (the machine's), its check, and the program it starts.
p_entry_file() { echo "$XDG_CONFIG_DIRS/autostart/quiet-page-advancer.desktop"; }
p_entry_valid() { desktop-file-validate "$(p_entry_file)"; }
# Started as the desktop starts it at login (GLib's launcher); the program's id is kept as
# p_start keeps it.
p_launch_entry() {
    local id
    gio launch "$(p_entry_file)" || return 1
    id=$(xsession_wait_window "$QPA_TITLE" 20) || return 1
    program_started "$(xdotool getwindowpid "$id")"
}
p_program_file() { readlink "/proc/$P_PID/exe"; }

# The command of the autostart entry, or nothing.
p_logon_entry() { sed -n 's/^Exec=//p' "$(p_entry_file)" 2>/dev/null; }

p_start() {
    linux_start_program || return 1
    program_started "$QPA_PID"
    [ "${1:-}" = --hidden ] || wait_for 20 p_shown
}

# The stand-in targets: "Target A" (in front), "Target B" and "Fixed Target" (no maximise).
p_targets() {
    spawn "$WHEEL_TARGET" "$TARGET_LOG"
    xsession_wait_window "Target A" 20 >/dev/null
    sleep 0.5
}

# The tray host's socket that holds the program's icon.
tray_socket() {
    local socket icon
    for socket in $(xwininfo -children -id "$(window_exists panel)" |
        awk '/\)  ([2-9]|[1-9][0-9])x[0-9]+/ {print $1}'); do
        icon=$(xwininfo -children -id "$socket" | awk '/^ +0x/ {print $1; exit}')
        [ -n "$icon" ] && [ "$(xdotool getwindowpid "$icon" 2>/dev/null)" = "$P_PID" ] &&
            echo "$socket" && return 0
    done
    return 1
}
p_tray_shown() { tray_socket >/dev/null; }
p_tray_click() {
    local socket
    socket=$(wait_for 10 tray_socket) || fail "no tray icon of $P_PID"
    xdotool mousemove --window "$socket" 8 8 click 1
}

p_open_documents() {
    spawn mousepad "$1"
    DOCUMENTS=("$(basename "$1") - Mousepad")
    wait_for 20 eval 'xsession_find --viewable "${DOCUMENTS[0]}\$" | grep -q .' && sleep 1
}
# The text area only, away from the caret's blinking at the first line.
p_document_picture() {
    local id
    id=$(xsession_find --viewable "$1\$" | head -n 1)
    import -window "$id" -crop 400x200+80+150 +repage "$2" 2>/dev/null
}

# The session's AT-SPI bus and registry, for the rest of the scenario: screen readers' view of
# the programs. Programs started then talk to them without a screen reader asking for it.
p_accessibility_on() {
    spawn /usr/libexec/at-spi-bus-launcher --launch-immediately
    wait_for 10 eval 'ATSPI_BUS=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress 2>/dev/null | sed -n "s/^(.\(.*\).,)$/\1/p") && [ -n "$ATSPI_BUS" ]'
    spawn /usr/libexec/at-spi2-registryd
    wait_for 10 eval 'gdbus call --address "$ATSPI_BUS" --dest org.freedesktop.DBus --object-path / \
        --method org.freedesktop.DBus.NameHasOwner org.a11y.atspi.Registry | grep -q true'
    ACCESSIBLE=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
}

# The desktop's scale for the next start: 125 and 200 % as GNOME and KDE set it on X11 (Xft.dpi),
# 150 % through Qt's own factor.
p_scale() {
    xprop -root -remove RESOURCE_MANAGER
    QPA_LAUNCH=(env -u QT_FONT_DPI "${ACCESSIBLE[@]}")
    case $1 in
        100) ;;
        150) QPA_LAUNCH+=(QT_SCALE_FACTOR=1.5) ;;
        *) xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$(($1 * 96 / 100))
" ;;
    esac
}

# What AT-SPI tells of the controls (tests/e2e/atspi-controls.py); a fault ends it with 1.
p_control_names() {
    "$root/build/linux/tests/e2e/control-centres" --linux |
        /usr/bin/python3 "$here/atspi-controls.py" names "$P_PID"
}
p_captions() {
    local width needed=$E2E_WORK/caption-widths
    width=$(xdotool getwindowgeometry --shell "$(main_window)" | sed -n 's/^WIDTH=//p')
    "$root/build/linux/tests/e2e/control-centres" --linux |
        "${QPA_LAUNCH[@]}" "$BUILD/tests/e2e/caption-widths" "$width" >"$needed"
    "$root/build/linux/tests/e2e/control-centres" --linux |
        /usr/bin/python3 "$here/atspi-controls.py" fit "$P_PID" "$needed"
}
