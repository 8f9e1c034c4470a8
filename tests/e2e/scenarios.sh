# The end-to-end scenarios: each function scenario_NAME is one, run with `set -e`; its first line
# names the platforms where it applies. The drivers (wine.sh, x11.sh, sway.sh, gnome.sh, kde.sh;
# the Wayland ones share session-user.sh) say how each step is done there, which stand-in targets
# may be listed (LISTED_TARGETS), what one step down looks like to them (STEP_DOWN) and whether the
# focused window still gets the chord's keys (KEYS_PASS_ON).
#
# What a driver does for the scenarios (every verb of each platform where a scenario uses it):
#   p_setup, p_teardown         start and end the platform's session (display, desktop, Wine)
#   p_seed [KEY=VALUE...]       store the program's settings anew, as an earlier run left them
#   p_setting KEY, p_setting_keys   a stored value; the stored keys, sorted (wine, x11)
#   p_refuse_settings, p_accept_settings   the next start's settings store refuses writes; again
#                               accepts them
#   p_unreadable_settings       the next start cannot read the settings file (x11)
#   p_start [--hidden]          start the program (and wait for its window unless hidden); its
#                               id is P_PID
#   p_start_again               a second start of the program, left to end by itself
#   p_running, p_shown, p_state the program runs; its window is shown; shown, minimised or hidden
#   p_close                     close the main window as its close box does; the program has ended
#   p_click CONTROL             click a control of the main window, by its name (not kde)
#   p_type TEXT, p_key KEYS     type into, or press keys in, the window with the focus
#   p_keys_into TITLE KEYS      press keys in another window, through the desktop's own input
#   p_main_window_active        the main window has the keyboard focus (x11, wine)
#   p_minimise                  minimise the main window from outside, as its box does
#   p_boxes, p_dismiss          the titles of the program's open message boxes; close them all
#   p_control_text CONTROL      a control's text as Windows reads it (wine)
#   p_tray_click, p_tray_shown  click the program's tray icon (GNOME: the window in the dash); the
#                               icon is up
#   p_tray_host_stop, p_tray_host_start   end and start the tray host (x11)
#   p_balloons                  the balloons the notification service got, "TITLE|TEXT" (kde)
#   p_minimise_target TITLE     minimise a target's window (kde)
#   p_hold_keys_into TITLE KEYS MS   hold a chord down in another window for MS milliseconds (kde;
#                               elsewhere it is pressed once)
#   p_targets [--hang TITLE S]  start the stand-in targets; p_receipt_ok FIELDS: a step's point
#   p_close_target TITLE        close a target's window
#   p_open_documents FILE       open a document in the platform's real programs (DOCUMENTS)
#   p_document_picture TITLE FILE, p_document_line TITLE   a picture of a document; its first
#                               visible line where the platform can read it
#   p_follow_documents N TITLE...   wait while the documents take N steps; their first lines
#   p_lines_per_step DELTA      the lines a step of DELTA moves a document
#   p_screenshot FILE           a picture of the main window
#   p_scale PERCENT             the screen's scale for the next start (wine, x11)
#   p_accessibility_on          screen readers' view of the programs, for the scenario (x11: AT-SPI)
#   p_control_names, p_captions the controls as screen readers name them; their captions' widths
#                               against theirs; "CONTROL: ..." and a failure where one is wrong
#   p_logon_entry, p_entry_valid   the command the logon entry runs (wine: HKCU, the user's); the
#                               entry is as expected (wine: the program's quoted path)
#   p_program_command           the command expected (wine)
#   p_copy_program DIR (kde: prints the copy's path), p_program_file, p_entry_file,
#   p_launch_entry              a copy of the program started from DIR; its file; the autostart
#                               entry, started as a desktop starts it (x11)
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

# Settings for a run that scrolls on its own from start-up: period 1 s, a method (1 to 6), a scope
# (7: through "Available Windows", 8: the selected window), switched On.
seed_running() {
    p_seed Text2=0 Text3=1 StartStopState=On Option{1..8}=False "Option$1=True" "Option$2=True"
}

setting_is() { [ "$(p_setting "$1")" = "$2" ]; }
# The T keys Target A got (the wheel target logs its keys: 84 is T).
t_keys() { grep -c "^Target A|key|84" "$TARGET_LOG"; }
# A message box with this title comes, alone.
box_alone() {
    local title=$1
    wait_for 10 eval '[ "$(p_boxes)" = "$title" ]' || fail "${2:-the note did not come alone}: $(p_boxes)"
}
reports_open() { p_boxes | grep -c '^Application Error' || true; }
# Plain messages carry the short application title.
messages_open() { p_boxes | grep -c "^Velloranth Quiet Page Advancer For Your$" || true; }
# Dismisses the boxes with this title as they come; prints how many there were.
count_boxes() {
    local count=0
    while wait_for "${2:-15}" eval "p_boxes | grep -q '^$1'"; do
        count=$((count + 1))
        p_dismiss
        sleep 0.3
        set -- "$1" 2
    done
    echo "$count"
}
# The ids the X stand-ins' documents logged ("title|id|decimal").
window_ids() { sed -n "s/^${1:-.*}|id|//p" "$TARGET_LOG"; }
targets_got_at_least() { (($(received_count "Target A") >= $1 && $(received_count "Target B") >= $2)); }
# Target A and Target B get N and M more steps than they have now, within S seconds (30).
more_steps() {
    local a b
    a=$(received_count "Target A") b=$(received_count "Target B")
    wait_for "${3:-30}" targets_got_at_least $((a + $1)) $((b + $2))
}
pictures_differ() { linux_same_view "$1" "$2" "${3:-2000x2000+0+0}"; [ $? = 1 ]; }

# On X11 a stopped client (it never answers its X events again) stands in the walk as well. On KDE
# the session's oldest window is a reader opened first (KWin numbers its windows from 1, as Qt
# numbers ours there); then, with a window kept above all of Target B and another client's popup
# over the middle of Target A, B gets no step and A gets its steps beside the popup.
scenario_AWalkReachesEachListedWindowInTurnAndGoesOnQuietlyPastAClosedOne() {
    on wine x11 sway gnome kde
    [ "$PLATFORM" != kde ] || p_reader
    p_targets
    if [ "$PLATFORM" = x11 ]; then
        spawn xterm -title "Stopped xterm" -geometry 40x10+60+60 -e sh -c 'sleep 3600'
        wait_for 20 window_exists "Stopped xterm" >/dev/null && kill -STOP "$SPAWNED_PID"
    fi
    seed_running 1 7
    p_start
    wait_for 30 targets_got_at_least 2 2 || fail "not every target was scrolled: $(received)"
    # One step a tick: a walk through several windows never gives one window two in a row.
    ! received_titles | uniq -d | grep -q . || fail "a window got two steps in a row: $(received)"
    local title delta rest before covered
    if [ "$PLATFORM" = kde ]; then
        (($(received_count Reader) >= 1)) || fail "the oldest window got no step: $(received)"
        p_close
        p_cover_targets
        covered=$(received_count "Target B") before=$(received_count "Target A")
        p_start
        wait_for 30 eval '(($(received_count "Target A") >= before + 2))' ||
            fail "Target A got no step beside the popup: $(received)"
        (($(received_count "Target B") == covered)) || fail "covered, Target B got a step: $(received)"
        echo "    steps: Reader $(received_count Reader), Target A $(received_count "Target A")" \
            "($before before the covers), Target B $covered, the covers" \
            "$(($(received_count "Fixed Target") + $(received_count Tooltip)))"
    fi
    while IFS='|' read -r title delta rest; do
        [[ " ${LISTED_TARGETS[*]} " == *" $title "* ]] || fail "$title was scrolled"
        [ "$delta" = "$STEP_DOWN" ] || fail "$title got $delta, not $STEP_DOWN"
        p_receipt_ok "$rest" || fail "$title got the step at $rest"
    done < <(received)
    p_close_target "Target B"
    more_steps 2 0 || fail "no step reached Target A after Target B closed"
    [ -z "$(p_boxes)" ] || fail "a message appeared: $(p_boxes)"
}

# On X11 the wheel turns only over a listed window, where nothing stands above it: past a popup
# over the targets' centres, among windows flickering over the screen, and never over a window that
# took the id of a listed window that closed. Whatever the stand-ins receive is logged too.
scenario_TheWheelReachesOnlyListedWindowsPastPopupsFlickerAndReusedIds() {
    on x11
    local doc outside X Y WIDTH HEIGHT
    p_targets
    spawn "$X_STAND_INS" "$TARGET_LOG" document "Doc A"
    doc=$SPAWNED_PID
    wait_for 20 window_exists "Doc A" >/dev/null || fail "Doc A did not open"
    seed_running 1 7
    p_start
    wait_for 30 eval 'received "Doc A" | grep -q .' || fail "Doc A got no step: $(received)"
    # Once the server has let the closed client go, the next one gets its ids: the same program gets
    # the same window id. Another client's short connection in between can take them first: then
    # another Doc B is started (the first keeps its own ids), until one has Doc A's window id.
    stop_process "$doc"
    wait_for 10 eval '! window_exists "Doc A" >/dev/null' || fail "Doc A did not close"
    local started
    for started in 1 2 3 4 5; do
        spawn "$X_STAND_INS" "$TARGET_LOG" document "Doc B"
        wait_for 20 eval '(($(window_ids "Doc B" | wc -l) >= started))' || fail "Doc B did not open"
        [ "$(window_ids "Doc B" | tail -n 1)" = "$(window_ids "Doc A")" ] && break
    done
    [ "$(window_ids "Doc B" | tail -n 1)" = "$(window_ids "Doc A")" ] ||
        fail "no Doc B got Doc A's id: $(window_ids)"
    eval "$(xdotool getwindowgeometry --shell "$(window_exists "Target A")")"  # X, Y, WIDTH, HEIGHT
    spawn "$X_STAND_INS" "$TARGET_LOG" popup $((X + WIDTH / 2 - 100)) $((Y + HEIGHT / 2 - 60)) 200 120
    more_steps 4 4 || fail "the targets got too few steps past the popup: $(received)"
    import -window root "$RESULTS/x11-popup-over-targets.png" 2>/dev/null
    spawn "$X_STAND_INS" "$TARGET_LOG" flicker
    # Meanwhile another client turns the wheel away from the targets, every 5 ms: a step that moved
    # the pointer must have put it back before that client's turn is carried out.
    spawn xdotool mousemove 60 780 click --repeat 100000 --delay 5 4
    more_steps 12 12 45 || fail "the targets got too few steps among the flickering windows: $(received)"
    outside=$(received | grep -v -e '^Target [AB]|-' -e '^Doc A|' -e '^Flicker|120|' || true)
    [ -z "$outside" ] || fail "steps outside the listed windows, or another client's on a target: $outside"
    [ -z "$(p_boxes)" ] || fail "a message appeared: $(p_boxes)"
}

# Ctrl+Shift+T typed into another window right after the start switches On, the window going
# into the tray with the balloon (GNOME has no tray: minimised, the balloon a notification of normal
# urgency, shown as a banner; KDE: the balloon to the notification service, and the chord held down,
# as KDE's shortcut service repeats it: one toggle a press). During the balloon's wait Ctrl+T,
# Shift+T and T do nothing and the chord switches Off (had any of them toggled, the switch would not
# end Off), the window left in the tray. One click on the icon brings it back, then in each round
# after a minimise, or on Wine and X11 every other round after a click on "Turn On" (the shell
# restarts in Wine's second round: the icon must still work; GNOME's click is one in the dash, and
# a click on "Turn On" switches On and minimises the window again in its first round).
scenario_TheChordTogglesFromAnotherWindowAndOneClickOnTheTrayIconBringsTheWindowBack() {
    on wine x11 sway gnome kde
    local away=hidden round
    [ "$PLATFORM" != gnome ] || away=minimised
    p_targets
    p_seed
    p_start
    p_hold_keys_into "Target A" ctrl+shift+t 1500
    wait_for 10 eval '[ "$(p_state)" = $away ]' || fail "the chord did not switch On: the window is $(p_state)"
    case $PLATFORM in
        kde) wait_for 10 eval 'p_balloons | grep -q "has been minimized"' ||
            fail "the notification service got no balloon: $(p_balloons)" ;;
        gnome) wait_for 10 eval 'gnome_notifications | grep -q "^1	Velloranth"' ||
            fail "no notification of normal urgency: $(gnome_notifications)"
            gnome_picture "$RESULTS/gnome-balloon.png" ;;
    esac
    p_keys_into "Target A" "ctrl+t shift+t t ctrl+shift+t"
    wait_for 20 setting_is StartStopState Off || fail "not switched Off, or Ctrl+T, Shift+T or T toggled"
    [ -z "$KEYS_PASS_ON" ] || (($(t_keys) >= 4)) ||
        fail "Target A did not get every T: $(grep key "$TARGET_LOG")"
    [ "$(p_state)" = $away ] || fail "the window is $(p_state), not in the tray"
    [ "$PLATFORM" != wine ] || [ "$(p_control_text PushButton2)" = "Turn On" ] ||
        fail "the button reads $(p_control_text PushButton2)"
    for round in $(seq 0 "${TRAY_ROUNDS:-2}"); do
        [ "$PLATFORM$round" = wine2 ] && helper shell-restarted
        if [ "$PLATFORM$round" = gnome1 ]; then  # "Turn On" switches On and minimises again
            wait_for 10 p_ready && p_click PushButton2
            wait_for 10 setting_is StartStopState On || fail "the click did not switch On"
        fi
        if [[ $PLATFORM == @(wine|x11) ]] && ((round % 2)); then
            # "Turn On" sends the window into the tray too, without the balloon after the first.
            if setting_is StartStopState On; then
                p_click PushButton2
                wait_for 10 setting_is StartStopState Off || fail "round $round: not switched Off (the window is $(p_state))"
            fi
            p_click PushButton2
        elif ((round > 0)) && [ "$PLATFORM$round" != gnome1 ]; then
            p_minimise
        fi
        wait_for 10 eval '[ "$(p_state)" = $away ]' || fail "round $round: not into the tray"
        p_tray_click
        wait_for 10 p_shown || fail "round $round: one click did not bring it back: it is $(p_state)"
    done
}

# Both boxes start the program in the tray, with no logon entry written; the start-up box clears
# "minimized", writes the entry and takes it away, and the store holds the controls start-up
# restored and the boxes. Under Wine the machine's Run key then refuses: the entry goes to the
# user's, without a word. On X11 the program runs from a folder whose name holds every character a
# command line treats specially: the entry is valid and a real launcher starts that very program
# from it; a folder with a line break in its name gets a message, and no entry.
scenario_TheStartupBoxesStartInTheTrayAndWriteTheQuotedLogonEntry() {
    on wine x11
    p_seed "Windows Startup=On" Minimized=On
    [ "$PLATFORM" = wine ] || p_copy_program "$E2E_WORK/Our \"50%\" \$HOME \`pwd\` back\\slash Ünïcödé 中"
    p_start --hidden
    wait_for 10 p_tray_shown >/dev/null || fail "no tray icon"  # start-up is over
    [ "$(p_state)" = hidden ] || fail "the window is $(p_state)"
    [ -z "$(p_logon_entry)" ] || fail "start-up wrote a logon entry"
    p_tray_click
    wait_for 10 p_shown || fail "the click on the tray icon did not bring the window: $(p_state)"
    p_click Check4
    wait_for 10 setting_is Minimized Off || fail "Minimized was not cleared with the start-up box"
    p_click Check4
    wait_for 10 eval '[ -n "$(p_logon_entry)" ]' || fail "no entry was written"
    p_entry_valid || fail "the entry is not valid: $(p_logon_entry)"
    p_click Check4
    wait_for 10 eval '[ -z "$(p_logon_entry)" ]' || fail "the entry is still there"
    setting_is "Windows Startup" Off || fail "stored Windows Startup $(p_setting "Windows Startup")"
    # Start-up stored the controls it restored, no others.
    [ "$(p_setting_keys | tr '\n' ' ')" = "Minimized Option1 Option2 Option3 Option4 Option5 Option6 Option7 Option8 Text2 Text3 Windows Startup " ] ||
        fail "stored: $(p_setting_keys | tr '\n' ' ')"
    if [ "$PLATFORM" = x11 ]; then
        p_click Check4
        wait_for 10 eval '[ -n "$(p_logon_entry)" ]' || fail "no entry was written again"
        p_close
        p_launch_entry || fail "the entry started nothing: $(p_logon_entry)"
        [ "$(p_program_file)" = "$QPA_PROGRAM" ] || fail "the entry started $(p_program_file)"
        p_close
        rm -f "$(p_entry_file)"
        p_seed
        p_copy_program "$E2E_WORK/line
break"
        p_start
        p_click Check4
        wait_for 10 eval '(($(messages_open) == 1))' || fail "no message: $(p_boxes)"
        [ -z "$(p_logon_entry)" ] || fail "an entry was written: $(p_logon_entry)"
        p_dismiss
        return 0
    fi
    local user machine run='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
    helper deny "$run"
    # shellcheck disable=SC2064  # the key is local: put in now
    trap "helper allow '$run'" EXIT
    p_click Check4
    wait_for 10 eval '[ -n "$(p_logon_entry HKCU)" ]'
    user=$(p_logon_entry HKCU) machine=$(p_logon_entry)
    helper allow "$run"
    p_click Check4
    [[ $user == "$(p_program_command)" && -z $machine ]] ||
        fail "with the machine's list refused: user '$user', machine '$machine'"
    [ -z "$(p_boxes)" ] || fail "a message appeared: $(p_boxes)"
}

# Keys alone, as in a Windows dialog: a field that holds no number gets the focus back when left,
# Tab goes through the controls in order and enters a group of options at its chosen one, the arrow
# keys select an option and an entry of the list (the focus shown on the list's first entry until
# then: PLATFORM-keyboard-list.png), Enter and Space press the focused button. The program, switched
# On that way, scrolls the window chosen.
scenario_TheKeyboardAloneChoosesAWindowAndSwitchesOn() {
    on wine x11
    p_targets
    p_seed Option1=False Option5=True
    p_start  # with the focus in the minutes field
    wait_for 10 p_main_window_active
    p_type 12a
    wait_for 10 eval '[[ $(p_setting Text2) == *12a ]]' || fail "typing stored $(p_setting Text2)"
    p_key Tab
    wait_for 10 eval '(($(messages_open) == 1))' || fail "no message"
    p_key Return
    wait_for 10 eval '(($(messages_open) == 0))' && wait_for 10 p_main_window_active
    p_type 0  # the focus is back in the minutes field, its text selected
    wait_for 10 setting_is Text2 0 || fail "typing went elsewhere: Text2 $(p_setting Text2)"
    p_key "Tab 1 Tab Tab Tab Down"  # seconds, "Turn On", "Help", then the methods at "Option5"
    wait_for 10 eval 'setting_is Text3 1 && setting_is Option6 True' ||
        fail "Text3 $(p_setting Text3), Down in the methods stored $(p_setting Option6)"
    p_key "Tab Right"  # the scopes at "Option7"
    wait_for 10 setting_is Option8 True || fail "Right in the scopes stored $(p_setting Option8)"
    p_key Tab
    p_screenshot "$RESULTS/$PLATFORM-keyboard-list.png"
    p_key "Down shift+Tab shift+Tab shift+Tab shift+Tab space"  # the second entry, "Turn On"
    wait_for 10 setting_is StartStopState On || fail "Space did not press the focused button"
    wait_for 20 eval '(($(received_count) >= 2))' || fail "no window was scrolled"
    [ "$(received_titles | sort -u)" = "Target B" ] || fail "not the second entry scrolled: $(received)"
}

# At 100, 125, 150 and 200 % on a 1280x800 screen: the window lies within the work area, every
# control in it is wide enough for its caption, and screen readers and voice control find each
# control by its name and each option in its frame (AT-SPI on X11; under Wine the z-order rule of
# Windows' screen readers). Pictures PLATFORM-scale-PERCENT.png; the names PLATFORM-names.txt.
scenario_AtEachScaleTheWindowIsOnScreenWithEveryCaptionWholeAndEveryControlNamed() {
    on wine x11
    p_seed
    p_accessibility_on
    trap 'p_scale 100' EXIT
    local percent seen
    for percent in 100 125 150 200; do
        p_scale "$percent"
        p_start
        import -window root "$RESULTS/$PLATFORM-scale-$percent.png"
        seen=$(main_window_within_work_area) || fail "at $percent %: $seen"
        seen=$(p_captions) || fail "at $percent %: $(grep : <<<"$seen")"
        p_control_names >"$RESULTS/$PLATFORM-names.txt" ||
            fail "at $percent %: $(grep : "$RESULTS/$PLATFORM-names.txt")"
        p_close
    done
}

# On X11 the minutes are longer than a line field holds by default: no report either, as for a
# short value that is no number, and they come back whole.
HOSTILE=("Option1=" "Option2=$(printf 'x%.0s' $(seq 1 1500))" "Option3=Ünïcödé 中" "Option4=On "
    "Option5=1e999" "Option6=True!" "Option7= " "Option8=١" "Text3=Ünïcödé" "StartStopState=On "
    "Windows Startup=on" "Minimized=ON"
    "Text2=$(head -c "$([ "$PLATFORM" = x11 ] && echo 100000 || echo 1500)" /dev/zero | tr '\0' y)")

scenario_HostileStoredValuesAreReportedOnceEachAndKept() {
    on wine x11
    p_seed "${HOSTILE[@]}"
    p_start --hidden
    local reports pair
    reports=$(count_boxes "Application Error")
    wait_for 10 p_shown || fail "the window did not come up"
    p_close
    ((reports == 8)) || fail "$reports reports, not one for each of the 8 options"
    for pair in "${HOSTILE[@]}"; do
        setting_is "${pair%%=*}" "${pair#*=}" ||
            fail "${pair%%=*} became '$(p_setting "${pair%%=*}" | cut -c1-40)'"
    done
}

scenario_AStoreThatRefusesWritesLosesNothing() {
    on wine x11
    local kept=(Option1=False Option2=True Option7=True Option8=False Text2=7 Text3=3 StartStopState=Off)
    p_seed "${kept[@]}"
    p_refuse_settings
    trap p_accept_settings EXIT
    p_start --hidden
    local reports refused alive=0 pair
    reports=$(count_boxes "Application Error")
    p_click Text2
    p_type 5
    wait_for 10 eval '(($(messages_open) == 1))'
    refused=$(messages_open)
    p_dismiss
    p_running && alive=1
    p_close
    p_accept_settings
    trap - EXIT
    ((reports >= 1 && refused == 1 && alive)) ||
        fail "start-up reports $reports, keystroke told $refused, running $alive"
    for pair in "${kept[@]}"; do
        setting_is "${pair%%=*}" "${pair#*=}" || fail "${pair%%=*} became $(p_setting "${pair%%=*}")"
    done
}

# A settings file that cannot be read: one message naming it, the usual settings, and the file
# left as it was; changes are not reported as failures.
scenario_AnUnreadableSettingsFileIsToldOnceAndLeftAlone() {
    on x11
    p_seed Text2=7 Text3=3
    local before
    before=$(sha256sum <"$QPA_SETTINGS")
    p_unreadable_settings
    p_start --hidden
    local messages reports
    messages=$(count_boxes "Settings file")
    wait_for 10 p_shown || fail "the window did not come up"
    p_click Option5
    p_click Text2
    p_type 5
    # The window takes events in order: once the help that "?" opens is up, the keystroke's write
    # has been handled.
    p_click PushButton7
    wait_for 10 eval '(($(messages_open) == 1))' || fail "the help did not come: $(p_boxes)"
    reports=$(reports_open)
    p_dismiss
    p_close
    chmod 600 "$QPA_SETTINGS"
    ((messages == 1 && reports == 0)) || fail "$messages messages about the file, $reports reports"
    [ "$(sha256sum <"$QPA_SETTINGS")" = "$before" ] || fail "the file changed: $(cat "$QPA_SETTINGS")"
}

# Then, with a report open, the chord switches Off: the status line and the button follow.
scenario_AnOverflowingPeriodIsReportedOneReportAtATime() {
    on wine x11 sway gnome kde
    p_targets
    p_seed Text2=99999999 Text3=0 StartStopState=On  # minutes x 60 leaves 32 bits
    p_start
    wait_for 10 eval '(($(reports_open) > 0))' || fail "no report"
    local start=$SECONDS open most=0 dismissed=0
    while ((SECONDS < start + 10)); do  # 5 s left open: ticks add none; then closed as they come
        open=$(reports_open)
        ((open > most)) && most=$open
        ((open > 0 && SECONDS >= start + 5)) && p_dismiss && dismissed=$((dismissed + 1))
        sleep 0.2
    done
    ((most == 1)) || fail "$most reports were open at once"
    ((dismissed >= 2)) || fail "the tick reported $dismissed times in 5 s"
    wait_for 10 eval '(($(reports_open) > 0))' || fail "no report to switch Off in"
    p_keys_into "Target A" ctrl+shift+t
    wait_for 10 setting_is StartStopState Off || fail "not switched Off"
    p_dismiss
    # The absence of a late report can only be waited for: a tick on its way would have reported
    # within its second (on sway, tiled among the targets, no button of ours is sure to be in
    # reach for a later event of the window's own to show that everything before it was handled).
    sleep 1.5
    [ "$(reports_open)" = 0 ] || fail "a report came after the switch Off"
    [ "$PLATFORM" != wine ] || [ "$(p_control_text Frame4)|$(p_control_text PushButton2)" = "Off.|Turn On" ] ||
        fail "status and button read $(p_control_text Frame4)|$(p_control_text PushButton2)"
}

scenario_AHungTargetHoldsNeitherOurWindowNorTheOthers() {
    on wine
    p_targets --hang "Target B" 30
    seed_running 2 7
    p_start
    wait_for 30 eval '(($(received_count "Target B") >= 1))' || fail "Target B got no step"
    local before asked=0
    before=$(received_count "Target A")
    # Until Target A has had 5 more steps (B hangs for 30 s), our window answers every time.
    while (($(received_count "Target A") - before < 5)); do
        asked=$((asked + 1))
        # A bound on the loop only: each asking is quick, so it must not stand for the 30 s hang.
        ((asked <= 1000)) || fail "Target A got too few steps while B hung: $(received)"
        helper answers || fail "our window did not answer within a second at the ${asked}th asking"
    done
}

# Documents in real programs move: the first visible line under Wine (Windows' text controls move
# 3 lines a notch of 120) and in foot, pictures of the text everywhere (foot first scrolled up a
# few pages: at the end of its scrollback the wheel cannot go down).
scenario_DocumentsMove() {
    on wine x11 sway gnome
    local file=$E2E_WORK/long-document.txt method i seen before steps shot
    seq 1 3000 | sed 's/.*/Line & of a long document\r/' >"$file"
    chmod 644 "$file"
    p_open_documents "$file" || fail "the documents did not open: ${DOCUMENTS[*]}"
    for method in 3 2; do
        shot=$RESULTS/$PLATFORM-document
        for i in "${!DOCUMENTS[@]}"; do
            p_document_picture "${DOCUMENTS[$i]}" "$shot$i-$method-before.png"
            before[i]=$(p_document_line "${DOCUMENTS[$i]}") || fail "${DOCUMENTS[$i]}: no first line"
        done
        seed_running $method 7
        p_start
        mapfile -t seen < <(p_follow_documents 2 "${DOCUMENTS[@]}")
        p_close
        for i in "${!DOCUMENTS[@]}"; do
            p_document_picture "${DOCUMENTS[$i]}" "$shot$i-$method-after.png"
            pictures_differ "$shot$i-$method-before.png" "$shot$i-$method-after.png" ||
                fail "${DOCUMENTS[$i]} did not move with method $method"
            if [ -n "${before[i]}" ]; then
                seen[i]="${before[i]} $(p_document_line "${DOCUMENTS[$i]}")" ||
                    fail "${DOCUMENTS[$i]}: no first line after the run"
            fi
            [ -z "${seen[$i]:-}" ] && continue
            steps=$(p_lines_per_step "$([ $method = 3 ] && echo 225 || echo 1125)")
            # Whole steps only: each change of the first line is a positive multiple of a step.
            awk -v s="$steps" 'NF < 2 {exit 1} {for (i = 2; i <= NF; i++) {
                d = $i - $(i - 1); if (d <= 0 || d % s) exit 1 }}' <<<"${seen[$i]}" ||
                fail "${DOCUMENTS[$i]}: first lines ${seen[$i]}, not $steps a step"
        done
        echo "    method $method: ${seen[*]:-pictures differ}"
    done
}

# Each method's delta reaches the target whole (KWin passes a continuous scroll on), and a
# minimised target is still listed: the step brings it back.
scenario_EachDeltaArrivesWholeAndAMinimisedTargetIsReached() {
    on kde
    p_targets
    p_minimise_target "Target B"
    local method delta expected
    for method in 1 3 2; do
        expected=$(case $method in 1) echo -75 ;; 3) echo -225 ;; 2) echo -1125 ;; esac)
        : >"$TARGET_LOG"
        seed_running $method 7
        p_start
        wait_for 30 targets_got_at_least 1 1 || fail "method $method: not every target was scrolled: $(received)"
        p_close
        for delta in $(received | cut -d'|' -f2); do
            [ "$delta" = "$expected" ] || fail "method $method: a target got $delta, not $expected"
        done
    done
}

# The entries copies of the program wrote for themselves; the lines of the desktop entry in the
# message the program was last seen to show, from the log's byte offset $1 on.
written_entries() { find "$KDE_WORK/data/applications" -name 'com.tervalinx.QuietPageAdvancer.kwin-*' | wc -l; }
shown_entry() { tail -c +$(($1 + 1)) "$QPA_LOG" | sed -n '/^\[Desktop Entry\]$/,/^X-KDE-Wayland-Interfaces=/p'; }

# KWin shows the windows to a copy of the program it does not know yet once a desktop entry names
# it, whatever the copy's folder is called (a blank, quotes, '$', a backquote, a backslash, '%'):
# where the copy cannot write its entry it says so once, with lines that work when saved as they
# stand; elsewhere it writes the entry itself, KWin running on. A copy whose path is not UTF-8 text
# is told why no entry can name it. The user's own entries stay as they were.
scenario_KwinShowsTheWindowsOnceTheProgramHasWrittenItsEntry() {
    on kde
    local apps=$KDE_WORK/data/applications users=$KDE_WORK/data/applications/users-own.desktop
    local logged entries
    entries=$(written_entries)
    printf '[Desktop Entry]\nType=Application\nName=Mine\nExec=/bin/true\n' >"$users"
    cp "$users" "$E2E_WORK/users-own.desktop"
    p_targets
    seed_running 1 7
    P_START_PREFIX=(QT_LOGGING_RULES=qpa.messages.debug=true)
    PROGRAM=$(p_copy_program 'told "q" $x `y` b\s 50%')
    chmod 555 "$apps"
    logged=$(stat -c %s "$QPA_LOG")
    p_start
    box_alone "Other programs' windows"
    sleep 2  # a step would have come by now
    [ "$(received_count)" = 0 ] || fail "steps without the entry: $(received)"
    p_dismiss
    p_close
    shown_entry "$logged" >"$apps/saved-by-the-user.desktop"
    p_entry_read "$apps/saved-by-the-user.desktop"
    p_start
    wait_for 30 targets_got_at_least 1 1 || fail "the saved lines did not open the windows: $(shown_entry "$logged")"
    p_close
    chmod 755 "$apps"
    PROGRAM=$(p_copy_program 'wrote "q" $x `y` b\s 50%')
    : >"$TARGET_LOG"
    p_start
    wait_for 30 targets_got_at_least 1 1 || fail "the written entry did not open the windows: $(received)"
    [ -z "$(p_boxes)" ] || fail "a message appeared: $(p_boxes)"
    p_close
    PROGRAM=$(p_copy_program $'not UTF-8 \xff')
    logged=$(stat -c %s "$QPA_LOG")
    p_start
    box_alone "Other programs' windows"
    tail -c +$((logged + 1)) "$QPA_LOG" | grep -q "not UTF-8 text" || fail "the note did not say why"
    (($(written_entries) == entries + 1)) || fail "$(written_entries) entries, not $((entries + 1))"
    cmp -s "$users" "$E2E_WORK/users-own.desktop" || fail "the user's own entry changed"
}

scenario_WithoutSwaysockTheProgramSaysSoOnceAndListsNothing() {
    on sway
    p_targets
    p_seed StartStopState=Off
    P_START_PREFIX=(env -u SWAYSOCK)
    p_start
    box_alone "Other programs' windows"
    sway_picture >"$RESULTS/sway-without-swaysock.png"
    p_dismiss
    p_click PushButton2  # with an empty list: the usual message
    wait_for 10 eval '(($(messages_open) == 1))' || fail "no message for the empty list: $(p_boxes)"
    p_dismiss
    p_running || fail "the program ended"
}

# The watchers (processes) that give the chord back for the program once it has gone.
chord_watchers() {
    local cmdline
    for cmdline in /proc/[0-9]*/cmdline; do
        case "$({ tr '\0' ' ' <"$cmdline"; } 2>/dev/null)" in
            "quiet-page-advancer --sway-chord-watcher $P_PID " | "quiet-page-advancer --kde-chord-watcher $P_PID ")
                echo "$cmdline" ;;
        esac
    done
}

# Ctrl+Shift+T typed into Target A reached another than our program: on sway it ran the user's own
# binding of it (sway's configuration), elsewhere Target A got the T.
chord_given_back() {
    local before
    before=$(t_keys)
    [ "$PLATFORM" != sway ] || rm -f "$SWAY_USER_CHORD_FILE"
    p_keys_into "Target A" ctrl+shift+t
    [ "$PLATFORM" != sway ] || { [ -e "$SWAY_USER_CHORD_FILE" ]; return; }
    wait_for 2 eval '(($(t_keys) > before))'
}

# Autostart and a start from the menu make two starts of one session: the second only brings the
# first window back (out of the tray) and ends, so one chord switches one program On, whose walk
# never gives a window two steps in a row. A stop from the session (SIGTERM), Ctrl+C (SIGINT) or a
# closed terminal (SIGHUP) closes the program as its close box does, shown or out of sight: it ends
# well (0); the socket a killed program left keeps no next start out. On sway, GNOME and KDE, which
# keep a bound chord from the other programs, Ctrl+Shift+T is the user's again within 2 s of any
# end, SIGKILL included, as before the first start (sway: the user's own binding; KDE: through one
# watcher that then ends too, as on sway; GNOME: the Shell unbinds it once the program's name is
# gone).
scenario_AStopSignalClosesTheProgramAndTheUsersChordComesBackAfterAnyEnd() {
    on x11 sway gnome kde
    p_targets
    p_seed StartStopState=Off
    [ "$PLATFORM" = x11 ] || chord_given_back || fail "before the start the chord was not the user's"
    local how status started given=""
    for how in TERM INT KILL HUP close; do
        [ "$PLATFORM$how" = x11close ] && continue
        p_start || fail "no start after the ends before $how"
        case $PLATFORM in sway | kde) (($(chord_watchers | wc -l) == 1)) ||
            fail "$(chord_watchers | wc -l) watchers, not one" ;;
        esac
        if [ "$how" = TERM ] || [ "$how" = HUP ]; then  # in the tray (minimised on GNOME)
            p_minimise
            wait_for 10 eval '[ "$(p_state)" != shown ]' || fail "not out of sight"
        fi
        if [ "$how" = TERM ]; then  # the walk after a second start, switched On by the chord
            status=$(p_start_again)
            [ "$status" = 0 ] || fail "the second start ended with $status"
            wait_for 10 p_shown || fail "the second start did not bring the window back"
            p_keys_into "Target A" ctrl+shift+t
            wait_for 30 targets_got_at_least 2 2 || fail "not every target was scrolled: $(received)"
            ! received_titles | uniq -d | grep -q . || fail "a window got two steps in a row: $(received)"
        fi
        if [ "$how" = close ]; then p_close; else kill -"$how" "$P_PID"; fi
        status=0
        wait "$P_PID" 2>/dev/null || status=$?
        started=$(date +%s%N)
        [ "$how" = KILL ] || [ "$status" = 0 ] || fail "after $how the program ended with $status"
        [ "$PLATFORM" != x11 ] || continue
        until chord_given_back; do
            (($(date +%s%N) - started < 2000000000)) || fail "after $how the chord is still lost"
        done
        given+=" $how $((($(date +%s%N) - started) / 1000000)) ms"
        wait_for 5 eval '[ -z "$(chord_watchers)" ]' || fail "after $how a watcher stayed"
    done
    [ -z "$given" ] || echo "    the chord came back, from the end to a T received:$given"
}

# Two rectangles "x,y wxh" share no pixel.
apart() {
    awk -v a="$1" -v b="$2" 'BEGIN { split(a, r, /[, x]/); split(b, s, /[, x]/)
        exit !(r[1] + r[3] <= s[1] || s[1] + s[3] <= r[1] || r[2] + r[4] <= s[2] || s[2] + s[4] <= r[2]) }'
}

# sway floats a fixed-size window such as ours over the middle of the tiled ones: started On, and
# back from the tray, it stands beside the document being read, never over it.
scenario_StartedOnOurWindowNeverCoversTheReader() {
    on sway
    spawn "${AS_USER[@]}" foot -o scrollback.lines=10000 -T Reader sh -c 'seq 1 5000; exec sleep 100000'
    wait_for 20 sway_view_id Reader >/dev/null || fail "no reader"
    p_keys_into Reader "$(printf 'shift+Page_Up %.0s' {1..8})"
    p_document_picture Reader "$RESULTS/sway-reader-before.png"
    seed_running 1 7
    p_start
    local shot ours reader
    for shot in $(seq 1 10); do
        ((shot != 6)) || { p_minimise && wait_for 10 eval '[ "$(p_state)" = hidden ]' && p_tray_click &&
            wait_for 10 p_shown; } || fail "not brought back from the tray"
        ours=$(program_windows | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t {print $5}')
        reader=$(sway_views | awk -F'\t' '$6 == "Reader" {print $5}')
        "${AS_USER[@]}" grim - >"$RESULTS/sway-reader-$shot.png"
        apart "$ours" "$reader" || fail "picture $shot: our window $ours over the reader $reader"
        sleep 1
    done
    p_close
    p_document_picture Reader "$RESULTS/sway-reader-after.png"
    pictures_differ "$RESULTS/sway-reader-before.png" "$RESULTS/sway-reader-after.png" ||
        fail "the reader did not move"
}

# Without a tray host (GNOME on X11) the window stays minimised instead; the tray host going and
# coming while the window is out of sight never loses it. --help and --version need no display.
scenario_WithoutATrayHostTheWindowStaysMinimisedAndTheTrayWorksOnceItComes() {
    on x11
    local text
    rm -f "$QPA_SETTINGS"
    text=$(env -u DISPLAY "$BUILD/src/main/quiet-page-advancer" --help) || fail "--help failed"
    [[ $text == Usage:* ]] || fail "--help printed: $text"
    text=$(env -u DISPLAY "$BUILD/src/main/quiet-page-advancer" --version) || fail "--version failed"
    [[ $text == "quiet-page-advancer "[0-9]* ]] || fail "--version printed: $text"
    [ ! -e "$QPA_SETTINGS" ] || fail "--help or --version wrote the settings"
    trap p_tray_host_start EXIT  # for the scenarios after this one
    p_tray_host_stop
    p_targets
    p_seed
    p_start
    p_minimise
    sleep 2  # a window bouncing back would be up again by now
    [ "$(p_state)" = minimised ] || fail "minimised without a tray host, the window is $(p_state)"
    xdotool windowactivate "$(main_window)"
    wait_for 10 eval '[ "$(p_state)" = shown ]' || fail "not restored from the task bar"
    p_keys_into "Target A" ctrl+shift+t
    wait_for 15 setting_is StartStopState On || fail "the chord did not switch On"
    sleep 2  # as above: switched On, a window bouncing back would be up again by now
    [ "$(p_state)" = minimised ] || fail "switched On, the window is $(p_state)"
    p_tray_host_start
    wait_for 10 eval '[ "$(p_state)" = hidden ]' || fail "not into the tray once it came"
    p_tray_click
    wait_for 10 eval '[ "$(p_state)" = shown ]' || fail "the tray icon did not bring it back"
    p_minimise
    wait_for 10 eval '[ "$(p_state)" = hidden ]' || fail "not hidden into the tray host"
    p_tray_host_stop
    wait_for 2 eval '[ "$(p_state)" != hidden ]' || fail "lost with the tray host"
}

# The first switch On waits in the tray balloon (up to 5 s): one click on the icon meanwhile, at
# any moment of the wait, brings the window back for good.
scenario_AClickOnTheTrayIconDuringTheFirstBalloonBringsTheWindowBack() {
    on wine x11
    p_targets
    local round restored=0 pause hidden
    for round in $(seq 1 "${BALLOON_ROUNDS:-20}"); do
        p_seed
        p_start
        p_click PushButton2
        wait_for 10 eval '[ "$(p_state)" = hidden ]' || fail "round $round: not into the tray"
        hidden=$(date +%s%N)
        pause=$((RANDOM % 4500))
        sleep "$((pause / 1000)).$(printf %03d $((pause % 1000)))"
        p_tray_click
        wait_for 10 p_shown || fail "round $round: one click $pause ms into the balloon did not" \
            "bring the window back: it is $(p_state)"
        # For good: still shown once the balloon's 5 s are over and the switch has stored On.
        wait_for 10 eval '(($(date +%s%N) - hidden > 5500000000))'
        wait_for 10 setting_is StartStopState On ||
            fail "round $round: switched On, the program stored $(p_setting StartStopState)"
        p_shown || fail "round $round: the window went back into the tray: it is $(p_state)"
        restored=$((restored + 1))
        p_close || fail "round $round: the program did not close"
        # The next program's icon takes the first place only once this one's has gone (under Wine
        # the notification area then goes away).
        wait_for 10 eval '! p_tray_shown >/dev/null' || fail "round $round: the icon stayed"
    done
    echo "    $restored of ${BALLOON_ROUNDS:-20} single clicks brought the window back for good"
}

# On GNOME a step goes to the window it raised or to nobody: never to an X11 menu (override-
# redirect) over a target's centre, nor to the Shell's banner over another's; the targets get their
# steps where nothing covers them.
scenario_OnGnomeWhatCoversATargetNeverTakesItsSteps() {
    on gnome
    local outside
    gnomesession_x11
    p_targets
    seed_running 1 7
    p_start
    wait_for 30 eval '(($(received_count "Target A") >= 1))' || fail "Target A got no step: $(received)"
    spawn "${AS_USER[@]}" "$X_STAND_INS" "$TARGET_LOG_INSIDE" popup 350 290 200 120
    more_steps 3 3 || fail "the targets got too few steps past the menu: $(received)"
    gnome_stand_in Place "$(gnome_window_id "Target B")" 390 36 500 130 >/dev/null  # centre under it
    "${AS_USER[@]}" gdbus call --session --dest org.freedesktop.Notifications \
        --object-path /org/freedesktop/Notifications --method org.freedesktop.Notifications.Notify \
        test 0 '' Cover 'A banner that stays over Target B' '[]' '{"urgency": <byte 2>}' 0 >/dev/null
    more_steps 3 3 || fail "the targets got too few steps past the banner: $(received)"
    gnome_picture "$RESULTS/gnome-covers.png"
    outside=$(received | grep -v -e '^Target [AB]|' || true)
    [ -z "$outside" ] || fail "steps outside the targets: $outside"
}

# On GNOME the program's Shell extension answers the program alone: another client of the session
# bus gets neither titles nor steps, and one that takes the program's name first is refused too;
# the program then says so, and Ctrl+Shift+T stays the user's until the program has the name.
# Where GNOME has not loaded the extension, an older copy in the user's folder is updated and
# switched on, and the program says once that a log-out and log-in is needed; an extension of
# another version that answers under its name is told, never misread; after the log-in the walk
# reaches the targets. Switched off by the user, the extension stays off and the program says how
# to switch it on.
scenario_TheShellExtensionAnswersOurProgramAloneAndRunsAfterOneLogIn() {
    on gnome
    local answer extensions uuid
    p_targets
    p_seed StartStopState=Off
    spawn "${IMPOSTOR[@]}" squatter "$GNOMESESSION_WORK/squatter.txt"
    wait_for 10 eval '[ -s "$(gnome_outside "$GNOMESESSION_WORK/squatter.txt")" ]' ||
        fail "the squatter got no answer"
    answer=$(cat "$(gnome_outside "$GNOMESESSION_WORK/squatter.txt")")
    [[ $answer == *AccessDenied* ]] || fail "the client holding the program's name got: $answer"
    chord_given_back || fail "with the name squatted, Ctrl+Shift+T did not reach Target A"
    p_start --hidden
    box_alone "GNOME Shell extension" "the program did not say its name is taken"
    p_dismiss
    stop_process "$SPAWNED_PID"  # the squatter goes: the program has its name then
    p_keys_into "Target A" ctrl+shift+t  # the program, which could list nothing, says so
    wait_for 15 eval '(($(messages_open) == 1))' ||
        fail "once the squatter went, the chord did not reach the program: $(p_boxes)"
    p_dismiss
    answer=$("${AS_USER[@]}" gdbus call --session --dest "$BRIDGE_BUS_NAME" \
        --object-path "$BRIDGE_PATH" --method "$BRIDGE_INTERFACE.ListWindows" 2>&1) &&
        fail "another client was answered: $answer"
    [[ $answer == *AccessDenied* ]] || fail "another client got: $answer"
    p_close
    gnomesession_stop
    gnome_session --without-extension || fail "no session without the extension"
    # An earlier release's copy in the user's folder, which GNOME would load at the next log-in.
    uuid=$BRIDGE_EXTENSION
    extensions=$(gnome_outside "$GNOME_HOME/.local/share/gnome-shell/extensions")
    cp -r "$BUILD/src/share/gnome-shell/extensions/$uuid" "$extensions/"
    sed -i 's/"version": [0-9]*/"version": 1/' "$extensions/$uuid/metadata.json"
    gnome_chown "$GNOME_HOME/.local"
    p_seed StartStopState=Off
    p_start
    box_alone "GNOME Shell extension"
    p_screenshot "$RESULTS/gnome-extension-not-loaded.png"
    p_dismiss
    p_close
    cmp -s "$extensions/$uuid/metadata.json" "$BUILD/src/share/gnome-shell/extensions/$uuid/metadata.json" ||
        fail "the older copy was not updated: $(cat "$extensions/$uuid/metadata.json")"
    [ "$(cat "$extensions/$uuid/installed-by")" = "$PROGRAM" ] ||
        fail "the copy names $(cat "$extensions/$uuid/installed-by"), not $PROGRAM"
    spawn "${IMPOSTOR[@]}" old-bridge
    # Started before it answers, the program would find no extension at all and say so first.
    wait_for 10 gnome_name_owned "$BRIDGE_BUS_NAME" || fail "the impostor did not take the extension's name"
    p_start
    box_alone "GNOME Shell extension" "an extension of another version was not told"
    p_dismiss
    p_running || fail "an answer of another shape ended the program"
    p_close
    stop_process "$SPAWNED_PID"
    GNOME_KEEP_HOME=1 gnome_session --without-extension || fail "no session after the log-in"
    p_targets
    seed_running 1 7
    p_start
    wait_for 30 targets_got_at_least 1 1 || fail "after a log-in the walk did not reach the targets: $(received)"
    [ -z "$(p_boxes)" ] || fail "a message appeared: $(p_boxes)"
    p_close
    "${AS_USER[@]}" gnome-extensions disable "$uuid" || fail "the user could not switch it off"
    p_start
    box_alone "GNOME Shell extension" "switched off, the extension was not told"
    p_dismiss
    p_close
    answer=$("${AS_USER[@]}" gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Extensions.GetExtensionInfo "$uuid")
    [[ $answer != *"'state': <1.0>"* ]] || fail "the program switched it on: $answer"
    gnomesession_stop
    gnome_session --with-extension
}

# X11 programs under GNOME's Xwayland take every step, also when the pointer arrives anew for each
# (two windows in turn): the ticks the program logged and the steps the targets logged are equal.
scenario_AProgramThroughXwaylandTakesEveryStep() {
    on gnome
    P_START_PREFIX=(QT_LOGGING_RULES=qpa.timing.debug=true)
    gnomesession_x11
    spawn "${AS_USER[@]}" QT_QPA_PLATFORM=xcb "$WHEEL_TARGET" "$TARGET_LOG_INSIDE"
    wait_for 20 gnome_window_id "Target B" >/dev/null || fail "no X11 targets"
    gnome_stand_in Place "$(gnome_window_id "Target A")" 0 420 620 370 >/dev/null
    gnome_stand_in Place "$(gnome_window_id "Target B")" 650 420 620 370 >/dev/null
    seed_running 1 7
    : >"$QPA_LOG"
    p_start
    wait_for 30 eval '(($(received_count) >= 8))' || fail "the X11 targets got $(received_count) steps"
    p_close
    # The ticks from the one that gave the first step on (the first tick after start gives none),
    # 1 s apart: each of them has its step.
    local first ticks
    first=$(received | head -n 1 | cut -d'|' -f3)
    ticks=$(sed -n 's/.*qpa.timing: tick|//p' "$QPA_LOG" | awk -v f="$first" '$1 / 1000 > f - 600' | wc -l)
    # A step sent just before the close is still on its way.
    wait_for 5 eval '((ticks == $(received_count)))' ||
        fail "$ticks ticks, $(received_count) steps received: $(received)"
    echo "    $ticks ticks, $(received_count) steps received"
}
