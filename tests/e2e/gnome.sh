# The Linux program natively on GNOME Shell (Wayland), headless, with the program's own Shell
# extension; driven from outside through a test stand-in extension (tests/e2e/gnome/stand-in.js)
# that lists every window, types keys and clicks through virtual devices of the Shell, and takes
# pictures with the Shell's screenshot service. Everything in the session runs as GNOME_USER;
# GNOME_ROOT runs a newer GNOME in a chroot (scripts/lib/trixie-root.sh).
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

source "$root/scripts/lib/gnomesession.sh"
source "$root/tests/e2e/session-user.sh"

LINUX_BUILD=$BUILD
LISTED_TARGETS=("Target A" "Target B")  # "Fixed Target" cannot be maximised
STEP_DOWN=-120
KEYS_PASS_ON=""  # the Shell keeps a bound chord from the focused window
# Qt's own title bar and border above and left of the content, in pixels.
CONTENT_TOP=31 CONTENT_LEFT=3
# The names the program and its extension meet under, and the extension's two builds.
source "$root/src/platform/gnome/BusNames.env"
BRIDGE_EXTENSION=$LEGACY_EXTENSION

# The program and the stand-in targets, copied where the session's user reaches them (inside
# GNOME_ROOT too), the extensions beside the program as the package lays them out.
gnome_copy_programs() {
    local bin
    bin=$(gnome_outside "$GNOMESESSION_WORK/bin")
    mkdir -p "$bin" "$bin/../share"
    cp "$BUILD/src/main/quiet-page-advancer" "$BUILD/tools/targets/wheel-target" \
        "$BUILD/tools/targets/x-stand-ins" "$root/tests/e2e/gnome/impostor.js" \
        "$root/src/platform/gnome/BusNames.env" "$bin/"
    cp -r "$BUILD/src/share/." "$bin/../share/"
    chmod -R a+rX "$bin" "$bin/../share"
    PROGRAM=$GNOMESESSION_WORK/bin/quiet-page-advancer
    WHEEL_TARGET=$GNOMESESSION_WORK/bin/wheel-target
    X_STAND_INS=$GNOMESESSION_WORK/bin/x-stand-ins
    IMPOSTOR=("${AS_USER[@]}" gjs "$GNOMESESSION_WORK/bin/impostor.js" "$GNOMESESSION_WORK/bin/BusNames.env")
}

# Starts a session with the program's extension installed and enabled, or without it (neither);
# a kept home (GNOME_KEEP_HOME) keeps what the program did to it.
gnome_session() {
    local extensions=$BUILD/src/share/gnome-shell/extensions enabled=("$BRIDGE_EXTENSION")
    [ "$1" = --without-extension ] && extensions="" enabled=()
    gnomesession_start "$E2E_WORK" "$extensions" "${enabled[@]}" || return 1
    gnome_copy_programs
    # Put there as the program puts it there itself: naming the copy that the extension answers.
    local folder
    [ -z "$extensions" ] || for folder in "$(gnome_outside "$GNOME_HOME")"/.local/share/gnome-shell/extensions/quiet-page-advancer-*; do
        echo "$PROGRAM" >"$folder/installed-by"
    done
    QPA_SETTINGS=$(gnome_outside "$GNOME_HOME/.config/Tervalinx/$MAIN_TITLE.ini")
    TARGET_LOG_INSIDE=$GNOMESESSION_WORK/target.log
    ln -sf "$(gnome_outside "$TARGET_LOG_INSIDE")" "$TARGET_LOG"
    : >"$(gnome_outside "$TARGET_LOG_INSIDE")"
    chmod 666 "$(gnome_outside "$TARGET_LOG_INSIDE")"
    QPA_LOG=$RESULTS/program-$RUN_NAME.log
}

GNOME_X11=1  # X11 programs run through Xwayland as on a user's GNOME

# A newer GNOME (Debian 13's 48): `GNOME_ROOT=/var/cache/quiet-page-advancer/trixie-gnome
# tests/e2e/run gnome build/linux` makes the tree once (scripts/lib/trixie-root.sh) with these.
GNOME_ROOT_PACKAGES=(gnome-shell gjs dbus dconf-service libglib2.0-bin qt6-wayland libqt6widgets6
    libqt6dbus6 libxtst6 libxss1 libxi6 libx11-xcb1 foot gnome-text-editor xwayland)

p_setup() {
    local major
    if [ -n "$GNOME_ROOT" ]; then
        source "$root/scripts/lib/trixie-root.sh"
        TRIXIE_ROOT=$GNOME_ROOT trixie_root_ensure "${GNOME_ROOT_PACKAGES[@]}" || return 1
        TRIXIE_ROOT=$GNOME_ROOT trixie_root_mount
    fi
    gnome_session --with-extension || return 1
    major=$("${AS_USER[@]}" gnome-shell --version | grep -o '[0-9][0-9]*' | head -n 1)
    ((major < 45)) || BRIDGE_EXTENSION=$MODULE_EXTENSION
    if [ "$BRIDGE_EXTENSION" != "$LEGACY_EXTENSION" ]; then
        gnomesession_stop
        gnome_session --with-extension
    fi
    : >"$QPA_LOG"
    echo "    GNOME Shell $("${AS_USER[@]}" gnome-shell --version | grep -o '[0-9.]*$'), extension $BRIDGE_EXTENSION"
}

p_teardown() {
    gnomesession_stop
    [ -z "$GNOME_ROOT" ] || TRIXIE_ROOT=$GNOME_ROOT trixie_root_unmount
}

# A scenario may have left a session of its own (without the extension, or the user's folder of
# another release): the next ones start from the usual one.
p_recover() {
    gnomesession_stop
    gnome_session --with-extension
}

config_chown() { gnome_chown "$GNOME_HOME/.config"; }

# Shown and taking input: the Shell gives a new window (ours, or a message over it) the focus once
# its opening is over.
p_ready() { p_shown && program_windows | awk -F'\t' '$4 == "true"' | grep -q .; }

# The Shell's windows as the shared verbs read them (its type left out).
windows() { gnome_windows | awk -F'\t' -v OFS='\t' '{print $1, $2, ($3 == "true" ? "minimised" : "shown"), $4, $5, $7}'; }
window_close() { gnome_stand_in Close "$1"; }
click_at() { gnome_stand_in Click "$1" "$2" >/dev/null; }

# The stand-in targets overlapping, as a reader often stands behind a browser: each step must reach
# the one it raised, not the one in front a moment before.
p_targets() {
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$TARGET_LOG_INSIDE"
    wait_for 20 gnome_window_id "Fixed Target" >/dev/null || return 1
    wait_for 20 gnome_window_id "Target A" >/dev/null || return 1
    gnome_stand_in Place "$(gnome_window_id "Target A")" 100 100 700 500 >/dev/null
    gnome_stand_in Place "$(gnome_window_id "Target B")" 300 200 700 500 >/dev/null
    local fixed size
    fixed=$(gnome_window_id "Fixed Target")
    size=$(gnome_windows | awk -F'\t' -v i="$fixed" '$1 == i {split($5, r, ","); print r[3], r[4]}')
    # shellcheck disable=SC2086  # its width and height
    gnome_stand_in Place "$fixed" 1080 40 $size >/dev/null
    sleep 0.5
}

p_close_target() { gnome_stand_in Close "$(gnome_window_id "$1")" >/dev/null; }

# Places a window (by its title) once it is on screen: a window listed before its first frame is
# placed by the Shell when that comes.
gnome_place_when_shown() {
    local title=$1
    shift
    wait_for 20 eval 'gnome_windows | awk -F"\t" -v i="$(gnome_window_id "$title")" '"'"'$1 == i && $5 !~ /,0,0$/'"'"' | grep -q .' &&
        gnome_stand_in Place "$(gnome_window_id "$title")" "$@" >/dev/null
}

# Keys (as xdotool names them, space between) into a window found by its title, through the
# stand-in's virtual keyboard once that window has the focus.
p_keys_into() {
    local id
    id=$(gnome_window_id "$1") || return 1
    gnome_stand_in Activate "$id" >/dev/null
    wait_for 5 eval 'gnome_windows | awk -F"\t" -v i="$id" '"'"'$1 == i && $4 == "true"'"'"' | grep -q .'
    gnome_stand_in Keys "$2" >/dev/null
    sleep 0.3
}

p_minimise() { gnome_stand_in Minimise "$(main_window)" >/dev/null; }
# GNOME has no tray: a minimised window comes back as a click on it in the dash brings it.
p_tray_click() { gnome_stand_in Activate "$(main_window)" >/dev/null; }

# A picture of the top part of a window's content, left of a scroll bar.
p_document_picture() {
    local x y w
    IFS=, read -r x y w _ < <(gnome_windows | awk -F'\t' -v i="$(gnome_window_id "$1")" '$1 == i {print $5; exit}')
    gnome_picture "$2" "$((x + 4)) $((y + 60)) $((w - 40)) 150"
}
p_screenshot() { gnome_picture "$1"; }
p_screen_picture() { gnome_picture "$1"; }
p_under_pointer() { :; }

# foot with a long scrollback, scrolled up a few pages, and GNOME's text editor with the document.
p_open_documents() {
    local document=$GNOMESESSION_WORK/document.txt
    cp "$1" "$(gnome_outside "$document")"
    chmod 644 "$(gnome_outside "$document")"
    FOOT_LINE=$GNOMESESSION_WORK/foot-line
    FOOT_LINE_SEEN=$(gnome_outside "$FOOT_LINE")
    foot_spawn
    spawn "${AS_USER[@]}" gnome-text-editor --standalone "$document"
    # The editor's title grows as it loads ("document.txt", then with its folder): found by its start.
    DOCUMENTS=("Foot Target" "document.txt")
    gnome_place_when_shown "Foot Target" 0 420 620 370 || return 1
    gnome_place_when_shown "document.txt" 650 420 620 370 || return 1
    # Until foot has left the end of its scrollback, where the wheel cannot go down.
    wait_for 10 eval '(($(p_document_line "Foot Target") < 4900)) ||
        { p_keys_into "Foot Target" "$(printf "shift+Page_Up %.0s" {1..8})"; false; }'
}
