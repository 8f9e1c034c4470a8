# The scenario runner and its helpers. A scenario (scenarios.sh) runs in a subshell with `set -eE`:
# it fails at the first command that fails, `fail` saying why (round, expected, seen) or else the
# runner naming the step and where it was called; then come the last lines the program wrote (each
# driver's p_start appends its output to QPA_LOG). Processes a scenario starts with `spawn` are
# ended after it, by their ids.
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

# The platforms a scenario applies to (wine, x11, sway); on another one it is left out.
on() { [[ " $* " == *" $PLATFORM "* ]] || exit 200; }

fail() {
    echo "    $*"
    echo "$*" | head -n 1 >"$E2E_WORK/reason"
    FAIL_SAID=1
    # The screen as the failed check saw it, where the desktop can take a picture.
    local picture=${RESULTS:?}/failed-$RUN_NAME-$SCENARIO_NAME.png
    if p_screen_picture "$picture" 2>/dev/null; then
        echo "    the screen then: $picture$(p_under_pointer 2>/dev/null)"
    fi
    return 1
}
# What a click would reach (where the desktop can say): ", under the pointer: NAME".
p_under_pointer() {
    local WINDOW=""
    eval "$(xdotool getmouselocation --shell)"
    echo ", under the pointer: $(xdotool getwindowname "$WINDOW")"
}
p_screen_picture() { import -window root "$1"; }

# The scenario's ERR trap: names the step that ended it, with its callers, unless `fail` said why.
# A command substitution inherits the trap but not `set -e`: only the scenario's own shell reports.
step_failed() {
    local status=$1 command=$2 i where=""
    [ -z "${FAIL_SAID:-}" ] && [ "$BASHPID" = "$SCENARIO_PID" ] || return 0
    for ((i = 1; i < ${#FUNCNAME[@]} - 1; i++)); do
        where+=", in ${FUNCNAME[i]} (${BASH_SOURCE[i]##*/}:${BASH_LINENO[i - 1]})"
    done
    echo "    a step failed (exit $status): $command$where" | tee "$E2E_WORK/reason"
}

# Runs a command in the background for the length of the scenario; its id is in SPAWNED_PID.
spawn() { "$@" >/dev/null 2>&1 & SPAWNED_PID=$! && echo "$SPAWNED_PID" >>"$E2E_WORK/spawned"; }

# The program under test: its id is kept in a file, since each scenario runs in a subshell and the
# runner closes a program that a failed scenario left running.
program_started() { P_PID=$1 && echo "$P_PID" >"$E2E_WORK/program.pid"; }
program_pid() { cat "$E2E_WORK/program.pid" 2>/dev/null; }

# Ends a process by its id and waits until it is gone.
stop_process() {
    local i
    kill "$1" 2>/dev/null || return 0
    for ((i = 0; i < 50; i++)); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -9 "$1" 2>/dev/null
}

# Polls a command until it succeeds, at most SECONDS (default 20).
wait_for() {
    local seconds=$1 i
    shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# The wheel steps a target logged, "title|delta|..." lines, optionally only those of one title.
received() { tr -d "\r" <"$TARGET_LOG" 2>/dev/null | grep -a "^${1:-[^|]*}|-\{0,1\}[0-9]" || true; }
received_count() { received "$@" | wc -l; }
# The titles of the targets' wheel steps in order, one line each.
received_titles() { received | cut -d'|' -f1; }

run_scenarios() {
    local pattern=$1 results=$2 name status passed=0 failed=0 pid log_size start reason tee_pid
    local said=$E2E_WORK/said
    : >"$E2E_WORK/cases.xml"
    mkfifo "$said.fifo"
    # The names come on their own descriptor: a scenario's commands may read standard input.
    while read -r -u 3 name; do
        [ -n "$pattern" ] && [[ ! $name =~ $pattern ]] && continue
        : >"$TARGET_LOG"
        rm -f "$E2E_WORK/reason"
        log_size=$(stat -c %s "$QPA_LOG" 2>/dev/null || echo 0)
        start=$SECONDS
        # What the scenario says goes to the console as it comes and into its case in the report,
        # through a named pipe: the programs a scenario starts would inherit a process
        # substitution's descriptor and keep it open, and tee would never end.
        tee "$said" <"$said.fifo" &
        tee_pid=$!
        (
            set -eE
            SCENARIO_PID=$BASHPID SCENARIO_NAME=$name
            trap 'step_failed $? "$BASH_COMMAND"' ERR
            "scenario_$name"
        ) >"$said.fifo"
        status=$?
        wait "$tee_pid"
        ((status == 200)) && continue
        if ((status == 0)); then
            passed=$((passed + 1))
            echo "[  PASSED  ] $RUN_NAME.$name"
            junit_case "$name" $((SECONDS - start))
        else
            failed=$((failed + 1))
            reason=$(sed 's/^ *//' "$E2E_WORK/reason" 2>/dev/null)
            {
                echo "    the program's last lines ($QPA_LOG):"
                tail -c +$((log_size + 1)) "$QPA_LOG" 2>/dev/null | tail -n 15 | sed 's/^/    | /' |
                    grep . || echo "    | (nothing since the scenario began)"
            } | tee -a "$said"
            echo "[  FAILED  ] $RUN_NAME.$name"
            junit_case "$name" $((SECONDS - start)) "${reason:-exit status $status}" "$said"
        fi
        P_PID=$(program_pid)
        if [ -n "$P_PID" ] && kill -0 "$P_PID" 2>/dev/null; then
            p_dismiss
            p_close >/dev/null || stop_process "$P_PID"
        fi
        while read -r pid; do stop_process "$pid"; done < <(cat "$E2E_WORK/spawned" 2>/dev/null)
        rm -f "$E2E_WORK/program.pid" "$E2E_WORK/spawned"
        # A scenario that failed halfway may have left its desktop changed for the next ones.
        ((status == 0)) || ! declare -F p_recover >/dev/null || p_recover
    done 3< <(sed -n 's/^scenario_\([A-Za-z]*\)() {$/\1/p' "$here/scenarios.sh")
    echo "$RUN_NAME end-to-end: $passed passed, $failed failed"
    junit_report "$results/e2e-$RUN_NAME.xml" $((passed + failed)) "$failed"
    ((failed == 0))
}

# The run's report in JUnit's XML, which scripts/test counts as it counts the unit tests': a case
# per scenario, a failed one with what it said (the failed check, the program's last lines).
xml_text() {
    iconv -c -f UTF-8 -t UTF-8 | tr -d '\000-\010\013\014\016-\037' |
        sed 's/&/\&amp;/g; s/</\&lt;/g; s/>/\&gt;/g; s/"/\&quot;/g'
}
# Adds a case: NAME SECONDS, and for a failed one why (a line) and the file of all it said.
junit_case() {
    {
        printf '  <testcase classname="e2e.%s" name="%s" time="%s">\n' "$RUN_NAME" "$1" "$2"
        (($# < 3)) || printf '    <failure message="%s">%s</failure>\n' \
            "$(xml_text <<<"$3")" "$(xml_text <"$4")"
        echo '  </testcase>'
    } >>"$E2E_WORK/cases.xml"
}
# Writes the report: FILE TESTS FAILURES.
junit_report() {
    {
        echo '<?xml version="1.0" encoding="UTF-8"?>'
        printf '<testsuite name="e2e.%s" tests="%s" failures="%s" errors="0">\n' "$RUN_NAME" "$2" "$3"
        cat "$E2E_WORK/cases.xml"
        echo '</testsuite>'
    } >"$1"
}

# An X window with exactly this title exists; its id is printed.
window_exists() { xsession_find "^$1\$" | head -n 1 | grep .; }

MAIN_TITLE="Velloranth Quiet Page Advancer For Your Desktop"

# The controls by name, from the window's own layout table: where a user clicks them, in twips of
# the main window's client area, and their numbers.
declare -A CONTROL_AT=() CONTROL_NUMBER=()
while read -r name x y number _; do
    CONTROL_AT[$name]="$x $y"
    CONTROL_NUMBER[$name]=$number
done < <("$root/build/linux/tests/e2e/control-centres")

# On an X display (the Linux program, and Wine's windows), driven through X: windows found by the
# program's id and their title, clicks and keys through XTest, at 96 dots per inch (15 twips a
# pixel). The sway driver replaces these.
x_windows() { xsession_find ${1:+--viewable} --pid "$P_PID" "${NAME:-}"; }
main_window() { NAME="^$MAIN_TITLE\$" x_windows | head -n 1 | grep .; }
p_main_window_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$(main_window)" ]; }
# The first visible line of a document's window when it can be read from outside after a run
# (nothing where the platform follows it during the run), and the lines one step of DELTA moves
# a document with 3 wheel lines: a Windows control takes the delta itself.
p_document_line() { :; }
p_lines_per_step() { echo $(($1 * 3 / 120)); }
# Where a driver can tell no more: every step's point is right, and the documents are given 5 s;
# where it holds no keys down, they are pressed once.
p_receipt_ok() { true; }
p_follow_documents() { sleep 5; }
p_hold_keys_into() { p_keys_into "$1" "$2"; }

# Starts the program while it runs: prints the second program's exit status.
p_start_again() {
    local status=0
    timeout 20 "${AS_USER[@]}" "${PROGRAM:-$BUILD/src/main/quiet-page-advancer}" >>"$QPA_LOG" 2>&1 ||
        status=$?
    echo "$status"
}

p_shown() { NAME="^$MAIN_TITLE\$" x_windows --viewable | grep -q .; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }
# Shown, minimised (iconic) or hidden (withdrawn: in the tray), as the window manager has it.
p_state() {
    case "$(xprop -id "$(main_window)" WM_STATE 2>/dev/null | awk '/window state/ {print $3}')" in
        Normal) echo shown ;;
        Iconic) echo minimised ;;
        *) echo hidden ;;
    esac
}
# Closes the main window through the window manager, as its close box does.
p_close() {
    local id
    id=$(main_window) && wmctrl -i -c "$id" 2>/dev/null
    wait_for 10 eval '! p_running' || stop_process "$P_PID"
    ! p_running
}
# The titles of the program's message boxes, one a line; each closed as its close box does.
box_ids() {
    local id
    for id in $(x_windows --viewable); do
        case "$(xdotool getwindowname "$id")" in "" | "$MAIN_TITLE" | quiet-page-advancer) ;; *) echo "$id" ;; esac
    done
}
p_boxes() { local id; for id in $(box_ids); do xdotool getwindowname "$id"; done; }
p_dismiss() { local id; for id in $(box_ids); do wmctrl -i -c "$id" 2>/dev/null || true; done; }
p_minimise() { xdotool windowminimize "$(main_window)"; }
p_close_target() { wmctrl -c "$1"; }
p_screenshot() { import -window "$(main_window)" "$1" 2>/dev/null; }
# The main window's frame lies within the work area the window manager gives (and says where
# both lie when it does not).
main_window_within_work_area() {
    local id l r t b x y w h
    id=$(main_window) || return 1
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    eval "$(xdotool getwindowgeometry --shell "$id")"
    read -r x y w h _ < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')
    ((X - l >= x && Y - t >= y && X + WIDTH + r <= x + w && Y + HEIGHT + b <= y + h)) ||
        { echo "frame $((X - l)),$((Y - t)) $((WIDTH + l + r))x$((HEIGHT + t + b)), work area $x,$y ${w}x$h" && return 1; }
}
p_click() {
    local id at
    id=$(main_window) || return 1
    read -r -a at <<<"${CONTROL_AT[$1]}"
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    xdotool mousemove --window "$id" $((at[0] / 15)) $((at[1] / 15)) click 1
    sleep 0.3
}
p_type() { xdotool type --delay 60 "$1" && sleep 0.3; }
# The keys, chords as xdotool writes them ("ctrl+shift+t"), come split at the blanks between them.
# shellcheck disable=SC2086
p_key() { xdotool key --delay 100 $1 && sleep 0.3; }
# shellcheck disable=SC2086
p_keys_into() {
    local id
    id=$(window_exists "$1") || return 1
    xdotool windowactivate --sync "$id" >/dev/null 2>&1
    sleep 0.3
    xdotool key --clearmodifiers $2
    sleep 0.3
}
