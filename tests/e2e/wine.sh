# The Windows program under Wine, on a private X display with openbox. Its windows are X windows,
# driven as on the Linux program's display (lib.sh); what only Windows can tell or do goes through
# our helper program (WinHelper.cpp). There is no tray host: Wine then shows its own notification
# area, the "Wine System Tray" window, where a click reaches the icon (Wine 8 docked into trayer
# receives the button events but does not pass them on to the icon).
# shellcheck disable=SC2034,SC2154  # read by the scenarios and the runner, which source this too

EXE=$BUILD/src/main/QuietPageAdvancer.exe
TARGET_EXE=$BUILD/tools/targets/ScrollTarget.exe
HELPER_EXE=$BUILD/tests/e2e/WinHelper.exe
LISTED_TARGETS=("Target A" "Target B" "Target C")
STEP_DOWN=-75
KEYS_PASS_ON=1
TRAY_ROUNDS=2

p_setup() {
    export LANG=C.UTF-8  # command lines and the helper's output carry text beyond ASCII
    xsession_start --size 1280x800
    wine_start "$E2E_WORK"
    TARGET_LOG_WINDOWS=$(winepath -w "$TARGET_LOG")
    QPA_LOG=$RESULTS/program-wine.log
    : >"$QPA_LOG"
}

p_teardown() { wine_stop; xsession_stop; }

helper() { wine "$HELPER_EXE" "$@" 2>/dev/null | tr -d '\r'; }

SETTINGS_KEY='Software\VB and VBA Program Settings\Tervalinx\Velloranth Quiet Page Advancer For Your Desktop'
p_seed() {
    wine reg delete 'HKCU\Software\VB and VBA Program Settings\Tervalinx' /f >/dev/null 2>&1 || true
    helper put "$@"
}
p_setting() { helper get "$1"; }
# The names of the REG_SZ values under a registry key ("wine reg" prints four blanks between fields).
reg_values() { wine reg query "$@" 2>/dev/null | tr -d '\r' | awk -F'    ' '$3 == "REG_SZ" {print $2 "\t" $4}'; }
p_setting_keys() { reg_values "HKCU\\$SETTINGS_KEY" | cut -f1 | sort; }
p_refuse_settings() { helper deny "HKCU\\$SETTINGS_KEY"; }
p_accept_settings() { helper allow "HKCU\\$SETTINGS_KEY"; }

# The logon entry's command in the machine's (or with HKCU the user's) Run key, or nothing.
p_logon_entry() {
    reg_values "${1:-HKLM}\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" | awk -F'\t' '$1 == "QuietPageAdvancer.exe" {print $2}'
}
p_program_command() { echo "\"$(winepath -w "$EXE" 2>/dev/null)\""; }
# The entry runs the program, quoted.
p_entry_valid() { [ "$(p_logon_entry HKLM)" = "$(p_program_command)" ]; }

# Starts the program; without --hidden, waits until its main window shows.
p_start() {
    # Wine's errors and the program's debugger output (its ticks) are its log.
    WINEDEBUG=-all,err+all,+debugstr wine "$EXE" >>"$QPA_LOG" 2>&1 &
    program_started $!
    [ "${1:-}" = --hidden ] || wait_for 20 p_shown
}

# The stand-in targets, front to back: "Target A", "Target B", "Target C"; --hang TITLE SECONDS.
p_targets() {
    spawn wine "$TARGET_EXE" "$TARGET_LOG_WINDOWS" "$@"
    xsession_wait_window "Target A" 20 >/dev/null
    sleep 0.5
}

# The step reached the top level at a point inside its client area, with the window in front.
p_receipt_ok() { [[ ${1#*|} == "1|1|"* ]]; }

# Wine's own notification area shows while it holds an icon: ours, the first.
p_tray_shown() { xsession_find --viewable '^Wine System Tray$' | head -n 1 | grep .; }
p_tray_click() {
    local tray
    tray=$(wait_for 10 p_tray_shown) || return 1
    xdotool mousemove --window "$tray" 10 4 click 1  # above the balloon, which covers its lower half
}

# The text of a control of the main window, by its number in the window's control list.
p_control_text() { helper text "$((1000 + CONTROL_NUMBER[$1]))"; }

# Notepad and wordpad, side by side, each with the long document.
p_open_documents() {
    cp "$1" "$WINEPREFIX/drive_c/long-document.txt"
    cp "$1" "$WINEPREFIX/drive_c/long-wordpad.txt"
    spawn wine notepad 'C:\long-document.txt'
    spawn wine 'C:\Program Files\Windows NT\Accessories\wordpad.exe' 'C:\long-wordpad.txt'
    DOCUMENTS=("long-document.txt - Notepad" "long-wordpad.txt - Wine Wordpad")
    local x=0 title id
    for title in "${DOCUMENTS[@]}"; do
        id=$(xsession_wait_window "$title" 20) || return 1
        xdotool windowsize "$id" 600 420 windowmove "$id" $x 40
        x=$((x + 640))
    done
    sleep 1
}
p_document_picture() { import -window "$(window_exists "$1")" "$2"; }

# The first visible line of each document, sampled until it moved STEPS times: the values seen,
# one document a line.
p_follow_documents() {
    local steps=$1 title seen line
    shift
    for title in "$@"; do
        seen=$(helper firstline "$title")
        wait_for 30 eval 'line=$(helper firstline "$title"); [ "$line" = "${seen##* }" ] ||
            seen="$seen $line"; (($(wc -w <<<"$seen") > steps))'
        echo "$seen"
    done
}

# The screen's dots per inch for the next start, as Windows' display scale sets them.
p_scale() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $(($1 * 96 / 100)) /f >/dev/null 2>&1
}
p_accessibility_on() { :; }  # Windows' screen readers ask the windows themselves
p_control_names() { helper names; }
p_captions() { helper captions; }
