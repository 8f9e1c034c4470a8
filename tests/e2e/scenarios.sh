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
scenario AnOverflowingPeriodIsReportedOneReportAtATime "wine x11" \
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
scenario TwoChordsRightAfterStartEndOffAndTheTrayBringsTheWindowBack "wine x11" \
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
scenario EveryClickOnTheTrayIconBringsTheWindowBack "x11" \
    test_every_click_on_the_tray_icon_brings_the_window_back
