# The Linux program natively on KDE Plasma 6's KWin, headless, in a Debian 13 tree
# (scripts/lib/kdesession.sh), with a stand-in tray host and notification service (tray-host),
# driven through KWin's own window management and fake input (kwin-driver); KWin takes no
# pictures without a GPU, so the stand-in targets' logs and the tray host's say what happened. The
# settings file is seeded and read through QSettings (scripts/lib/linux.sh). Everything in the
# session runs as KDE_USER.
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

source "$root/scripts/lib/kdesession.sh"
source "$root/tests/e2e/session-user.sh"

LINUX_BUILD=$BUILD
LISTED_TARGETS=("Target A" "Target B" "Reader")  # "Fixed Target" cannot be maximised
STEP_DOWN=-75                            # the delta arrives whole
KEYS_PASS_ON=""                          # KWin keeps a bound chord from the focused window
TRAY_ROUNDS=2

p_setup() {
    kdesession_start || return 1
    PROGRAM=$(kdesession_program "$BUILD/src/main/quiet-page-advancer")
    WHEEL_TARGET=$(kdesession_program "$BUILD/tools/targets/wheel-target")
    KWIN_DRIVER=$(kdesession_program "$BUILD/tests/e2e/kwin-driver")
    kdesession_permit "$KWIN_DRIVER"
    # KWin reads the entries once its service cache is built, a moment after it starts.
    wait_for 10 eval '"${AS_USER[@]}" "$KWIN_DRIVER" list >/dev/null' ||
        { echo "KWin hides its window management from the driver"; return 1; }
    # The targets' log and the tray host's inside the tree, where the session's user writes.
    TARGET_LOG=$KDE_WORK/target.log
    TRAY_LOG=$KDE_WORK/tray.log
    : >"$TARGET_LOG"
    : >"$TRAY_LOG"
    export XDG_CONFIG_HOME=$KDE_WORK/config
    QPA_SETTINGS="$XDG_CONFIG_HOME/Tervalinx/$MAIN_TITLE.ini"
    kdesession_chown
    "${AS_USER[@]}" "$(kdesession_program "$BUILD/tests/e2e/tray-host")" "$KDE_IN/tray.log" \
        >/dev/null 2>&1 &
    KDESESSION_PIDS+=($!)
    wait_for 10 grep -q '^up$' "$TRAY_LOG" || return 1
    QPA_LOG=$RESULTS/program-kde.log
    : >"$QPA_LOG"
}

p_teardown() { kdesession_stop; }

config_chown() { kdesession_chown; }

kwin_driver() { "${AS_USER[@]}" "$KWIN_DRIVER" "$@"; }
# KWin's windows front to back, as the shared verbs read them; KWin's close goes by the title.
windows() { kwin_driver list; }
window_close() { kwin_driver close "$2" "$P_PID"; }

p_targets() {
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$KDE_IN/target.log"
    wait_for 20 eval 'windows | grep -q "	Target A$"' || return 1
    kwin_driver activate "Target A"
}

# A reader opened before everything else, the session's oldest window, with a tooltip of its own (a
# popup) beside it.
p_reader() {
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$KDE_IN/target.log" reader
    wait_for 20 eval 'windows | grep -q "	Reader$"'
}

# Runs JavaScript once in KWin, through its scripting over D-Bus; KWin answers "run" once it ran.
kwin_script() {
    local name=qpa-test-$RANDOM id
    printf '%s\n' "$1" >"$KDE_WORK/$name.js"
    chmod 644 "$KDE_WORK/$name.js"
    id=$("${AS_USER[@]}" dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript "string:$KDE_IN/$name.js" "string:$name" | awk '/int32/ {print $2}')
    "${AS_USER[@]}" dbus-send --session --print-reply --dest=org.kde.KWin "/Scripting/Script$id" \
        org.kde.kwin.Script.run >/dev/null
    "${AS_USER[@]}" dbus-send --session --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.unloadScript "string:$name"
}

frame_of() { windows | awk -F'\t' -v t="$1" '$6 == t {print $5; exit}'; }

# Fixed Target kept above, with Target B moved under it (all of B covered), and Target A moved so
# that the reader's tooltip (another client's popup) stands over its middle.
p_cover_targets() {
    kwin_script '
        const named = caption => workspace.stackingOrder.find(w => w.caption === caption);
        const tooltip = workspace.stackingOrder.find(w => w.popupWindow && w.transientFor &&
            w.transientFor.caption === "Reader").frameGeometry;
        const a = named("Target A"), fixed = named("Fixed Target").frameGeometry;
        named("Target B").frameGeometry = {x: fixed.x, y: fixed.y, width: fixed.width, height: fixed.height};
        a.frameGeometry = {x: tooltip.x + tooltip.width / 2 - a.width / 2,
            y: tooltip.y + tooltip.height / 2 - a.height / 2, width: a.width, height: a.height};
        named("Fixed Target").keepAbove = true;'
    wait_for 10 eval '[ "$(frame_of "Target B")" = "$(frame_of "Fixed Target")" ]'
}

p_close_target() { kwin_driver close "$1"; }
p_minimise_target() { kwin_driver minimise "$1"; }

# Keys as xdotool writes them ("ctrl+shift+t"), space between, into the window with this title.
# shellcheck disable=SC2086  # one word a chord
p_keys_into() { kwin_driver activate "$1" && kwin_driver keys $2; }
p_hold_keys_into() { kwin_driver activate "$1" && kwin_driver keys --hold "$3" "$2"; }

p_minimise() { kwin_driver minimise "$MAIN_TITLE" "$P_PID"; }

# The tray host's items still on the bus: "SERVICE PATH", one a line.
tray_items() {
    awk '$1 == "item" {items[$2] = $3} $1 == "gone" {delete items[$2]}
        END {for (s in items) print s, items[s]}' "$TRAY_LOG"
}
p_tray_shown() { tray_items | grep .; }
# A click on the icon, as a tray host passes it on: the item's Activate.
p_tray_click() {
    local item
    read -r -a item < <(tray_items | tail -n 1) || return 1
    "${AS_USER[@]}" dbus-send --session --type=method_call "--dest=${item[0]}" "${item[1]}" \
        org.kde.StatusNotifierItem.Activate int32:0 int32:0
}
# The balloons the notification service was given: "SUMMARY|BODY", one a line.
p_balloons() { sed -n 's/^notify //p' "$TRAY_LOG"; }

# KWin's service cache has read FILE, a desktop entry: the cache looks again when a client connects,
# at most every 1.5 s (KSycoca), so the driver connects until it is newer than the file.
p_entry_read() {
    local entry=$1
    wait_for 10 eval 'windows >/dev/null; find "$KDE_WORK/cache" -name "ksycoca6_*" -newer "$entry" | grep -q .'
}

# A copy of the program in a folder of its own, which no desktop entry names yet; prints its path
# inside the tree.
p_copy_program() {
    mkdir -p "$KDE_WORK/$1"
    cp "$BUILD/src/main/quiet-page-advancer" "$KDE_WORK/$1/"
    kdesession_chown
    echo "$KDE_IN/$1/quiet-page-advancer"
}

# No picture of KWin's screen here: a failure says what it saw in words.
p_screen_picture() { return 1; }
