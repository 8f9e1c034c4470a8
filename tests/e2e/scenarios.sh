# The end-to-end scenarios, each registered for the platforms where it applies. The drivers
# (wine.sh, x11.sh, sway.sh) say how each step is done there.

# Settings for a run that scrolls on its own from start-up: period 1 s, a method (1 to 6), a scope
# (7: through "Available Windows", 8: the selected window), switched On.
seed_running() {
    local method=$1 scope=$2 n pairs=(Text2=0 Text3=1 StartStopState=On)
    for n in 1 2 3 4 5 6; do pairs+=("Option$n=$([ "$n" = "$method" ] && echo True || echo False)"); done
    pairs+=("Option7=$([ "$scope" = 7 ] && echo True || echo False)")
    pairs+=("Option8=$([ "$scope" = 8 ] && echo True || echo False)")
    p_seed "${pairs[@]}"
}

# The lines a standard text control of Windows moves for a wheel delta, at 3 lines a notch.
lines_for_delta() { echo $(($1 * 3 / 120)); }

# Samples the first visible line of each document until each moved STEPS times; prints the
# distinct values seen, one document a line.
follow_documents() {
    local steps=$1 title i moved
    shift
    declare -A seen last
    for title in "$@"; do seen[$title]=""; last[$title]=""; done
    for ((i = 0; i < 150; i++)); do
        moved=0
        for title in "$@"; do
            local line
            line=$(helper firstline "$title")
            if [ -n "$line" ] && [ "$line" != "${last[$title]}" ]; then
                seen[$title]="${seen[$title]} $line"
                last[$title]=$line
            fi
            (($(wc -w <<<"${seen[$title]}") > steps)) && moved=$((moved + 1))
        done
        ((moved == $#)) && break
        sleep 0.2
    done
    for title in "$@"; do echo "${seen[$title]}"; done
}

# Every difference between neighbours in a list of numbers equals STEP.
steps_of() {
    local step=$1 previous="" value
    shift
    for value in "$@"; do
        [ -n "$previous" ] && (((value - previous) != step)) && return 1
        previous=$value
    done
    return 0
}

test_documents_in_notepad_and_wordpad_move() {
    local documents=("long-notepad.txt - Notepad" "long-wordpad.txt - Wine Wordpad") title
    seq 1 3000 | sed 's/.*/Line & of a long document\r/' >"$WINEPREFIX/drive_c/long-notepad.txt"
    cp "$WINEPREFIX/drive_c/long-notepad.txt" "$WINEPREFIX/drive_c/long-wordpad.txt"
    spawn wine notepad 'C:\long-notepad.txt'
    spawn wine 'C:\Program Files\Windows NT\Accessories\wordpad.exe' 'C:\long-wordpad.txt'
    local x=0 id
    for title in "${documents[@]}"; do
        id=$(wait_for 20 window_exists "$title") || fail "$title did not open" || return 1
        xdotool windowsize "$id" 600 420 windowmove "$id" $x 40
        x=$((x + 640))
    done
    sleep 1
    local method delta shot
    for method in 3 2; do
        delta=$([ $method = 3 ] && echo 225 || echo 1125)
        shot=$([ $method = 3 ] && echo wheel || echo page)
        for title in "${documents[@]}"; do
            import -window "$(window_exists "$title")" "$RESULTS/${title%%.txt*}-$shot-before.png"
        done
        seed_running $method 7
        p_start || return 1
        local seen
        mapfile -t seen < <(follow_documents 2 "${documents[@]}")
        p_close
        for title in "${documents[@]}"; do
            import -window "$(window_exists "$title")" "$RESULTS/${title%%.txt*}-$shot-after.png"
        done
        local i
        for i in 0 1; do
            # shellcheck disable=SC2086
            steps_of "$(lines_for_delta $delta)" ${seen[$i]} ||
                fail "${documents[$i]}: first visible lines ${seen[$i]}, not $(lines_for_delta $delta) a step" ||
                return 1
            (($(wc -w <<<"${seen[$i]}") > 2)) || fail "${documents[$i]} did not move: ${seen[$i]}" ||
                return 1
        done
        echo "    method $method: notepad ${seen[0]}; wordpad ${seen[1]}"
    done
}
scenario DocumentsInNotepadAndWordpadMove "wine" test_documents_in_notepad_and_wordpad_move

test_each_step_reaches_the_windows_own_content() {
    p_targets
    seed_running 1 7
    p_start || return 1
    wait_for 30 eval '(($(received_count "Target C") >= 2 && $(received_count "Target A") >= 2))' ||
        fail "not every target was scrolled: $(received)" || return 1
    p_close
    local line titles
    while IFS='|' read -r title delta at inside foreground; do
        [ "$delta" = -75 ] && [ "$inside" = 1 ] && [ "$foreground" = 1 ] ||
            fail "$title got delta $delta at $at (inside $inside, in front $foreground)" || return 1
    done < <(received)
    # One message a step: a walk through three windows never gives one window two in a row.
    titles=$(received_titles)
    ! uniq -d <<<"$titles" | grep -q . || fail "a window got two steps in a row: $titles"
}
scenario EachStepReachesTheWindowsOwnContent "wine" test_each_step_reaches_the_windows_own_content

test_a_hung_target_holds_neither_our_window_nor_the_others() {
    p_targets --hang "Target B" 30
    seed_running 2 7
    p_start || return 1
    wait_for 30 eval '(($(received_count "Target B") >= 1))' || fail "Target B got no step" || return 1
    local before after answer
    before=$(received_count "Target A")
    answer=$(helper ping 25)
    after=$(received_count "Target A")
    p_close
    [[ $answer == *"unanswered 0" ]] || fail "our window did not answer: $answer" || return 1
    ((after - before >= 5)) || fail "Target A got $((after - before)) steps while B hung"
}
scenario AHungTargetHoldsNeitherOurWindowNorTheOthers "wine" \
    test_a_hung_target_holds_neither_our_window_nor_the_others

reports_open() { p_boxes | grep -c '^Application Error'; }

test_an_overflowing_period_is_reported_one_report_at_a_time() {
    p_targets
    p_seed Text2=99999999 Text3=0 StartStopState=On  # minutes x 60 leaves 32 bits
    p_start || return 1
    wait_for 10 eval '(($(reports_open) > 0))' || fail "no report" || return 1
    local end=$((SECONDS + 5)) open most=0 dismissed=0
    while ((SECONDS < end)); do  # left open: further ticks add none
        open=$(reports_open)
        ((open > most)) && most=$open
        sleep 0.2
    done
    end=$((SECONDS + 5))
    while ((SECONDS < end)); do  # closed as they come: the next tick reports again
        open=$(reports_open)
        ((open > most)) && most=$open
        ((open > 0)) && { p_dismiss; dismissed=$((dismissed + 1)); }
        sleep 0.2
    done
    ((most == 1)) || fail "$most reports were open at once" || return 1
    ((dismissed >= 2)) || fail "the tick reported $dismissed times in 5 s"
}
scenario AnOverflowingPeriodIsReportedOneReportAtATime "wine x11 sway" \
    test_an_overflowing_period_is_reported_one_report_at_a_time

test_two_chords_right_after_start_end_off_and_the_tray_brings_the_window_back() {
    p_targets
    p_seed
    p_start || return 1
    p_keys_into "$FRONT_TARGET" ctrl+shift+t  # On: minimised into the tray, with the balloon
    sleep 2
    p_keys_into "$FRONT_TARGET" ctrl+shift+t  # during the balloon's wait
    wait_for 20 eval '[ "$(p_setting StartStopState)" = Off ]' || fail "not switched Off" || return 1
    [ "$(p_state)" = hidden ] || fail "the window is $(p_state), not in the tray" || return 1
    if [ "$PLATFORM" = wine ]; then
        [ "$(p_control_text 2)" = "Turn On" ] || fail "the button reads $(p_control_text 2)" || return 1
    fi
    p_tray_click
    wait_for 10 p_shown || fail "a click on the tray icon did not bring the window back"
}
scenario TwoChordsRightAfterStartEndOffAndTheTrayBringsTheWindowBack "wine x11 sway" \
    test_two_chords_right_after_start_end_off_and_the_tray_brings_the_window_back

test_off_from_the_chord_while_a_report_is_open() {
    p_targets
    p_seed Text2=99999999 Text3=0 StartStopState=On
    p_start || return 1
    wait_for 10 eval '(($(reports_open) > 0))' || fail "no report" || return 1
    p_keys_into "$FRONT_TARGET" ctrl+shift+t
    wait_for 10 eval '[ "$(p_setting StartStopState)" = Off ]' || fail "not switched Off" || return 1
    p_dismiss
    sleep 1.5
    [ "$(p_control_text 8)" = "Off." ] || fail "the status line reads $(p_control_text 8)" || return 1
    [ "$(p_control_text 2)" = "Turn On" ] || fail "the button reads $(p_control_text 2)" || return 1
    [ "$(reports_open)" = 0 ] || fail "a report came after the switch Off"
}
scenario OffFromTheChordWhileAReportIsOpen "wine" test_off_from_the_chord_while_a_report_is_open

test_every_click_on_the_tray_icon_brings_the_window_back() {
    p_seed
    p_start || return 1
    local round restored=0
    for round in $(seq 1 30); do
        p_minimise
        wait_for 5 eval '! p_shown' || fail "round $round: minimising did not hide the window" ||
            return 1
        p_tray_click
        if wait_for 5 p_shown; then
            restored=$((restored + 1))
        else
            p_tray_click
            wait_for 5 p_shown || fail "round $round: two clicks did not bring it back" || return 1
        fi
    done
    ((restored == 30)) || fail "$restored of 30 single clicks brought the window back"
}
scenario EveryClickOnTheTrayIconBringsTheWindowBack "x11 sway" \
    test_every_click_on_the_tray_icon_brings_the_window_back

# --- sway: the views are sway's, the wheel a virtual pointer's, the chord a binding of sway's ---

test_available_windows_walks_the_other_views_and_their_documents_move() {
    local events=$E2E_WORK/events.json shots=$RESULTS/sway-documents
    sway_foot && sway_mousepad || fail "foot or Mousepad did not open" || return 1
    p_targets
    # foot shows the end of its scrollback, where the wheel cannot go down: up three pages first.
    p_keys_into "$FOOT_TITLE" shift+Page_Up
    p_keys_into "$FOOT_TITLE" shift+Page_Up
    p_keys_into "$FOOT_TITLE" shift+Page_Up
    sleep 0.5
    sway_view_top_picture "$FOOT_TITLE" "$shots-foot-before.png"
    sway_view_top_picture "$MOUSEPAD_TITLE" "$shots-mousepad-before.png"
    sway_record_events "$events"
    seed_running 3 7  # "Mousewheel 'Down' one notch" through "Available Windows", every second
    p_start || return 1
    wait_for 40 eval '(($(focused_titles "$events" | grep -Fcx "$FOOT_TITLE") >= 2 &&
        $(focused_titles "$events" | grep -Fcx "$MOUSEPAD_TITLE") >= 2 &&
        $(received_count "Qt Target") >= 4))' ||
        fail "not every view was scrolled twice: $(focused_titles "$events" | tr '\n' ';')" || return 1
    sway_picture >"$shots-session.png"
    p_close
    sway_view_top_picture "$FOOT_TITLE" "$shots-foot-after.png"
    sway_view_top_picture "$MOUSEPAD_TITLE" "$shots-mousepad-after.png"
    # The steps' focus, from the first one on: exactly the three other views, in a fixed round.
    local walk listed
    walk=$(focused_titles "$events" | from_first_of "Qt Target" "$FOOT_TITLE" "$MOUSEPAD_TITLE")
    listed=$(sort -u <<<"$walk" | tr '\n' ';')
    [ "$listed" = "$(printf '%s\n' "$MOUSEPAD_TITLE" "Qt Target" "$FOOT_TITLE" | sort | tr '\n' ';')" ] ||
        fail "the steps focused $listed" || return 1
    local round
    round=$(head -n 3 <<<"$walk" | tr '\n' ';')
    [ "$(head -n 6 <<<"$walk" | tail -n 3 | tr '\n' ';')" = "$round" ] ||
        fail "the walk is no round: $(tr '\n' ';' <<<"$walk")" || return 1
    echo "    walk: $(tr '\n' ';' <<<"$walk")"
    (($(received_count "Fixed Target") == 0)) || fail "Fixed Target (floating) got steps" || return 1
    ! received | grep -qv '^Qt Target|-120$' || fail "unexpected steps: $(received | sort | uniq -c)" ||
        return 1
    pictures_differ "$shots-foot-before.png" "$shots-foot-after.png" || fail "foot did not move" ||
        return 1
    pictures_differ "$shots-mousepad-before.png" "$shots-mousepad-after.png" ||
        fail "Mousepad did not move"
}
scenario AvailableWindowsWalksTheOtherViewsAndTheirDocumentsMove "sway" \
    test_available_windows_walks_the_other_views_and_their_documents_move

test_the_chord_toggles_also_after_a_reload_and_ctrl_t_or_t_alone_do_nothing() {
    local events=$E2E_WORK/events.json
    p_targets
    p_seed StartStopState=Off
    p_start || return 1
    sway_record_events "$events"
    p_keys_into "$FRONT_TARGET" ctrl+shift+t
    wait_for 10 eval '[ "$(p_setting StartStopState)" = On ]' || fail "the chord did not switch On" ||
        return 1
    p_keys_into "$FRONT_TARGET" ctrl+t
    p_keys_into "$FRONT_TARGET" t
    p_keys_into "$FRONT_TARGET" ctrl+shift+t
    wait_for 10 eval '[ "$(p_setting StartStopState)" = Off ]' || fail "the chord did not switch Off" ||
        return 1
    # Ctrl+T and T ran no binding: the two chords are all sway reported, and they toggled twice.
    local runs
    runs=$(bindings_run "$events" | grep -c "quiet-page-advancer-toggle-$P_PID")
    ((runs == 2)) || fail "$runs chord bindings ran, not 2" || return 1
    # A reload drops the bindings made at run time; the program makes its own again.
    sway_msg reload >/dev/null
    wait_for 10 eval 'grep -q "\"reload\"" "$events"' || fail "no reload event" || return 1
    local tries
    for tries in 1 2 3; do
        p_keys_into "$FRONT_TARGET" ctrl+shift+t
        wait_for 3 eval '[ "$(p_setting StartStopState)" = On ]' && break
    done
    [ "$(p_setting StartStopState)" = On ] || fail "no chord switched On after the reload" || return 1
    echo "    after the reload: On at chord $tries"
}
scenario TheChordTogglesAlsoAfterAReloadAndCtrlTOrTAloneDoNothing "sway" \
    test_the_chord_toggles_also_after_a_reload_and_ctrl_t_or_t_alone_do_nothing

test_the_tray_icon_is_in_the_bar() {
    p_seed
    p_start || return 1
    wait_for 10 eval 'sway_tray_item_pids | grep -qx "$P_PID"' ||
        fail "no tray item of ours is registered" || return 1
    sleep 1  # swaybar draws the icon once it has read it
    sway_picture "1100,0 180x25" >"$RESULTS/sway-bar.png"
}
scenario TheTrayIconIsInTheBar "sway" test_the_tray_icon_is_in_the_bar

test_a_target_closed_between_two_steps_gives_no_message_and_the_next_step_reaches_the_other() {
    local events=$E2E_WORK/events.json shots=$RESULTS/sway-closed
    # Three views, so that the focus moves at every step and each step shows as a focus event.
    sway_foot && sway_mousepad || fail "foot or Mousepad did not open" || return 1
    spawn "${AS_USER[@]}" "$WHEEL_TARGET" "$TARGET_LOG"
    local target=$SPAWNED_PID
    wait_for 20 sway_view_id "Qt Target" >/dev/null || fail "no Qt Target" || return 1
    sleep 0.5
    sway_record_events "$events"
    seed_running 1 7  # "Push 'Down' button to scroll down": one notch a step
    p_start || return 1
    wait_for 20 eval '(($(received_count "Qt Target") >= 1))' || fail "Qt Target got no step" ||
        return 1
    stop_process "$target"
    local mousepad foot
    mousepad=$(focused_titles "$events" | grep -Fcx "$MOUSEPAD_TITLE")
    foot=$(focused_titles "$events" | grep -Fcx "$FOOT_TITLE")
    sway_view_top_picture "$MOUSEPAD_TITLE" "$shots-mousepad-before.png"
    wait_for 20 eval '(($(focused_titles "$events" | grep -Fcx "$MOUSEPAD_TITLE") >= mousepad + 2 &&
        $(focused_titles "$events" | grep -Fcx "$FOOT_TITLE") >= foot + 2))' ||
        fail "the others got no further steps: $(focused_titles "$events" | tr '\n' ';')" || return 1
    sleep 0.3
    sway_view_top_picture "$MOUSEPAD_TITLE" "$shots-mousepad-after.png"
    [ -z "$(p_boxes)" ] || fail "a message came: $(p_boxes)" || return 1
    pictures_differ "$shots-mousepad-before.png" "$shots-mousepad-after.png" ||
        fail "Mousepad did not move"
}
scenario ATargetClosedBetweenTwoStepsGivesNoMessageAndTheNextStepReachesTheOther "sway" \
    test_a_target_closed_between_two_steps_gives_no_message_and_the_next_step_reaches_the_other

test_without_swaysock_the_program_says_so_once_and_lists_nothing() {
    local note="Other programs' windows"
    p_targets
    p_seed StartStopState=Off
    P_START_PREFIX=(env -u SWAYSOCK)
    p_start || return 1
    wait_for 10 eval '[ "$(p_boxes)" = "$note" ]' || fail "the note did not come alone: $(p_boxes)" ||
        return 1
    sway_picture >"$RESULTS/sway-without-swaysock.png"
    p_dismiss
    wait_for 5 eval '[ -z "$(p_boxes)" ]' || fail "the note stayed" || return 1
    # "Turn On" (twips 120,120 to 6720,525 in the window) with an empty list: the usual message.
    local rect x y
    rect=$(program_views | awk -F'\t' -v t="$MAIN_TITLE" '$6 == t {print $5; exit}')
    IFS=', x' read -r x y _ <<<"$rect"
    sway_click $((x + 3420 / 15)) $((y + 322 / 15))
    wait_for 10 eval 'p_boxes | grep -q .' || fail "no message for the empty list" || return 1
    sway_picture >"$RESULTS/sway-without-swaysock-turn-on.png"
    [ "$(p_boxes)" = "Velloranth Quiet Page Advancer For Your" ] ||
        fail "the boxes are $(p_boxes | tr '\n' ';')" || return 1
    p_dismiss
    p_running || fail "the program ended"
}
scenario WithoutSwaysockTheProgramSaysSoOnceAndListsNothing "sway" \
    test_without_swaysock_the_program_says_so_once_and_lists_nothing

test_the_display_stays_awake_while_on() {
    local log=$E2E_WORK/idle.log
    p_targets
    p_seed Text2=90 Text3=0 StartStopState=On Option1=True Option7=True
    p_start || return 1
    : >"$log"
    chown "$SWAY_USER" "$log"
    # swayidle reports "idle" after one second without input, unless the idle is inhibited.
    spawn "${AS_USER[@]}" swayidle timeout 1 "echo idle >>$log" resume "echo active >>$log"
    sleep 3.5  # three idle timeouts and a half without input, while On
    echo off >>"$log"
    p_keys_into "$FRONT_TARGET" ctrl+shift+t
    wait_for 10 eval '[ "$(p_setting StartStopState)" = Off ]' || fail "the chord did not switch Off" ||
        return 1
    wait_for 10 grep -qx idle "$log" || fail "no idle even once Off" || return 1
    [ "$(grep -x -m1 'idle\|off' "$log")" = off ] || fail "idle while On: $(tr '\n' ';' <"$log")"
}
scenario TheDisplayStaysAwakeWhileOn "sway" test_the_display_stays_awake_while_on
