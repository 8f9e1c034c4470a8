# The Windows program under Wine, on a private X display with openbox. Windows are found, clicked
# and typed into through X (xdotool); what only Windows can tell or do goes through our helper
# program (WinHelper.cpp). There is no tray host: Wine then shows its own notification area, the
# "Wine System Tray" window, where a click reaches the icon (Wine 8 docked into trayer receives the
# button events but does not pass them on to the icon).

EXE=$BUILD/src/main/QuietPageAdvancer.exe
TARGET_EXE=$BUILD/tests/e2e/ScrollTarget.exe
HELPER_EXE=$BUILD/tests/e2e/WinHelper.exe

p_setup() {
    export LANG=C.UTF-8  # command lines and the helper's output carry text beyond ASCII
    xsession_start
    wine_start "$E2E_WORK"
    TARGET_LOG_WINDOWS=$(winepath -w "$TARGET_LOG")
}

p_teardown() {
    wine_stop
    xsession_stop
}

helper() { wine "$HELPER_EXE" "$@" 2>/dev/null | tr -d '\r'; }

p_seed() {
    helper clear
    (($#)) && helper put "$@"
}

p_setting() { helper get "$1"; }
# The names of the REG_SZ values under a registry key ("wine reg" prints four blanks between fields).
reg_values() { wine reg query "$@" 2>/dev/null | tr -d '\r' | awk -F'    ' '$3 == "REG_SZ" {print $2 "\t" $4}'; }
p_setting_keys() { reg_values "HKCU\\$SETTINGS_KEY" | cut -f1 | sort; }
p_refuse_settings() { helper deny "HKCU\\$SETTINGS_KEY"; }
p_accept_settings() { helper allow "HKCU\\$SETTINGS_KEY"; }
SETTINGS_KEY='Software\VB and VBA Program Settings\Tervalinx\Velloranth Quiet Page Advancer For Your Desktop'

# The logon entry's command in the machine's (or with HKCU the user's) Run key, or nothing.
p_logon_entry() {
    reg_values "${1:-HKLM}\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run" | awk -F'\t' '$1 == "QuietPageAdvancer.exe" {print $2}'
}
p_program_command() { echo "\"$(winepath -w "$EXE" 2>/dev/null)\""; }

# Starts the program and waits for its main window: shown, or (with --hidden) created.
p_start() {
    wine "$EXE" >/dev/null 2>&1 &
    program_started $!
    if [ "${1:-}" = --hidden ]; then
        wait_for 20 p_window_exists
    else
        wait_for 20 p_shown
    fi
}

p_window_exists() { [ -n "$(helper state)" ]; }
p_state() { helper state; }
p_shown() { [ "$(helper state)" = shown ]; }
p_running() { kill -0 "$P_PID" 2>/dev/null; }

# Closes the main window as its close box does and waits until the program has ended.
p_close() {
    helper close
    wait_for 10 eval '! p_running' || { stop_process "$P_PID"; return 1; }
}

# The stand-in targets, front to back: "Target A", "Target B", "Target C"; --hang TITLE SECONDS.
p_targets() {
    spawn wine "$TARGET_EXE" "$TARGET_LOG_WINDOWS" "$@"
    wait_for 20 window_exists "Target A" >/dev/null
    sleep 0.5
}

LISTED_TARGETS=("Target A" "Target B" "Target C")
STEP_DOWN=-75
KEYS_PASS_ON=1

# The step reached the top level at a point inside its client area, with the window in front.
p_receipt_ok() { [ "${1#*|}" = "1|1" ]; }
p_close_target() { wmctrl -c "$1"; }

p_click() { x_click "$1"; }
p_type() { x_type "$1"; }
p_key() { x_key "$1"; }
p_keys_into() { x_keys_into "$1" "$2"; }

# The message boxes the program shows, "title|text" a line.
p_boxes() { helper boxes; }
p_dismiss() { helper dismiss; }

# A click on the program's icon, the first in Wine's own notification area.
p_tray_click() {
    local tray
    tray=$(window_exists "Wine System Tray") || return 1
    xdotool mousemove --window "$tray" 10 4 click 1  # above the balloon, which covers its lower half
}

p_minimise() { xdotool windowminimize "$(window_exists "$MAIN_TITLE")"; }

# The text of a control of the main window, by its number in the window's control list.
p_control_text() { helper text "$((1000 + $1))"; }
TRAY_ROUNDS=2

p_screenshot() { import -window "$(window_exists "$MAIN_TITLE")" "$1"; }

# Notepad and wordpad, side by side, each with the long document.
p_open_documents() {
    cp "$1" "$WINEPREFIX/drive_c/long-document.txt"
    cp "$1" "$WINEPREFIX/drive_c/long-wordpad.txt"
    spawn wine notepad 'C:\long-document.txt'
    spawn wine 'C:\Program Files\Windows NT\Accessories\wordpad.exe' 'C:\long-wordpad.txt'
    DOCUMENTS=("long-document.txt - Notepad" "long-wordpad.txt - Wine Wordpad")
    local x=0 title id
    for title in "${DOCUMENTS[@]}"; do
        id=$(wait_for 20 window_exists "$title") || return 1
        xdotool windowsize "$id" 600 420 windowmove "$id" $x 40
        x=$((x + 640))
    done
    sleep 1
}
p_document_picture() { import -window "$(window_exists "$1")" "$2"; }

# Samples the first visible line of each document until each moved STEPS times; prints the
# distinct values seen, one document a line.
p_follow_documents() {
    local steps=$1 title i moved line
    shift
    declare -A seen last
    for ((i = 0; i < 150; i++)); do
        moved=0
        for title in "$@"; do
            line=$(helper firstline "$title")
            if [ -n "$line" ] && [ "$line" != "${last[$title]:-}" ]; then
                seen[$title]="${seen[$title]:-} $line"
                last[$title]=$line
            fi
            (($(wc -w <<<"${seen[$title]:-}") > steps)) && moved=$((moved + 1))
        done
        ((moved == $#)) && break
        sleep 0.2
    done
    for title in "$@"; do echo "${seen[$title]:-}"; done
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
