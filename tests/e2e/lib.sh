# End-to-end helpers: deploy the wizard into the prefix as the product ships it
# (the program and its libraries in the kt directory under the temporary
# directory), start it on the virtual display, read what it leaves behind.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/../lib/wine.sh"
if [ -f "$(dirname "${BASH_SOURCE[0]}")/../lib/x11.sh" ]; then
    . "$(dirname "${BASH_SOURCE[0]}")/../lib/x11.sh"
fi

E2E_DISPLAY=${E2E_DISPLAY:-:60}
# WIZ_DISPLAY_OFFSET shifts every display number, so that test runs of two
# checkouts side by side keep to their own screens.
E2E_DISPLAY=:$((${E2E_DISPLAY#:} + ${WIZ_DISPLAY_OFFSET:-0}))
export DISPLAY=$E2E_DISPLAY
BIN_DIR="$WIZ_BUILD/wizard"
SHOTS="$WIZ_BUILD/screenshots"
mkdir -p "$SHOTS"
LOG="$DRIVE_C/gprs_log.txt"
WIZARD_PID=""

fail() { echo "FAIL: $*" >&2; e2e_cleanup; exit 1; }
pass() { echo "PASS: $*"; }

# The Windows temporary directory of the prefix, as Windows text and as a
# host path ($TEMP_WIN, $TEMP_HOST); asked once per prefix, which is made
# afresh for each test run.
e2e_temp() {
    local cache="$WINEPREFIX/.e2e-temp"
    if [ ! -s "$cache" ]; then
        TEMP_WIN=$("$WINE" cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')
        TEMP_HOST=$("$WINE" winepath -u "$TEMP_WIN" 2>/dev/null | tr -d '\r')
        [ -n "$TEMP_HOST" ] || { echo "no temporary directory in the prefix" >&2; exit 1; }
        printf '%s\n%s\n' "$TEMP_WIN" "$TEMP_HOST" >"$cache"
    fi
    { read -r TEMP_WIN && read -r TEMP_HOST; } <"$cache"
    # E2E_TEMP_BLANK=1: a TEMP with a blank for this walk, as 2000's and XP's.
    [ -z "${E2E_TEMP_BLANK:-}" ] || { e2e_temp_set 'C:\\Temp Dir' && TEMP_WIN='C:\Temp Dir' &&
        TEMP_HOST="$DRIVE_C/Temp Dir" && mkdir -p "$TEMP_HOST"; }
}
# TEMP and TMP of the prefix's user (REGEDIT4 text); e2e_cleanup resets them.
e2e_temp_set() { e2e_reg '[HKEY_CURRENT_USER\Environment]' "\"TEMP\"=\"$1\"" "\"TMP\"=\"$1\""; }

# Applies the registry file lines $@ (REGEDIT4 syntax) in one run of reg.
e2e_reg() {
    local file="$WINEPREFIX/.e2e-$$.reg"
    printf '%s\r\n' REGEDIT4 '' "$@" >"$file"
    "$WINE" reg import "$(win_path "$file")" >/dev/null 2>&1
    rm -f "$file"
}

# Fresh state: no log, no markers, no product key, a clean kt directory.
# Every program of the prefix is ended first, but with $1 = keep (a session
# that was just started for the test).
e2e_reset() {
    [ "${1:-}" = keep ] || wine_kill
    e2e_temp
    e2e_reg '[HKEY_CURRENT_USER\Software\Wine]' "\"Version\"=\"${E2E_VERSION:-winxp}\"" \
        '[-HKEY_LOCAL_MACHINE\Software\Valmor GPRS]' \
        '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run]' '"kt"=-'
    rm -f "$LOG" "$DRIVE_C/gprs.kti" "$TEMP_HOST/kti.kti" "$TEMP_HOST"/KTI*.[Tt][Mm][Pp]
    rm -rf "$TEMP_HOST/kt" "$DRIVE_C/Program Files/Valmor"
    mkdir -p "$TEMP_HOST/kt"
    KT="$TEMP_HOST/kt"
}

# The language libraries the build made (EN.dll DE.dll ...), one a line.
e2e_languages() {
    sed 's/$/.dll/' "$BIN_DIR/languages.txt"
}

# Copies the program, the probe library and the language libraries into kt.
e2e_deploy() {
    cp "$BIN_DIR/wizard.exe" "$KT/"
    for f in ktmodem.dll $(e2e_languages); do
        [ -f "$BIN_DIR/$f" ] && cp "$BIN_DIR/$f" "$KT/"
        [ -f "$WIZ_BUILD/ktmodem/$f" ] && cp "$WIZ_BUILD/ktmodem/$f" "$KT/"
    done
    cp "$WIZ_BUILD"/companions/*.exe "$KT/" 2>/dev/null
    return 0
}

# Starts the wizard from kt in the background.
e2e_start() {
    (cd "$KT" && exec "$WINE" "$KT/wizard.exe") >/dev/null 2>&1 &
    WIZARD_PID=$!
}

# Runs the command $2... every 0.2 s until it succeeds, for up to $1 seconds.
e2e_until() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.2
    done
}

# Waits up to $2 seconds (default 30) until the log holds a line that starts with $1.
e2e_log_has() { [ -f "$LOG" ] && tr -d '\r' <"$LOG" | cut -f1 | grep -qxF -- "$1"; }
e2e_wait_log() { e2e_until "${2:-30}" e2e_log_has "$1"; }

# The log's messages, one a line, without time and date.
e2e_log() { [ -f "$LOG" ] && tr -d '\r' <"$LOG" | cut -f1; }

# Waits up to $1 seconds for the started wizard to end; 0 when it has.
e2e_ended() { ! kill -0 "$WIZARD_PID" 2>/dev/null; }
e2e_wait_end() { e2e_until "${1:-30}" e2e_ended; }

e2e_shot() { command -v import >/dev/null && import -display "$DISPLAY" -window root "$SHOTS/$1.png" 2>/dev/null; }

# A virtual screen for the test, unless one is running on the display already.
e2e_display() {
    if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
        Xvfb "$DISPLAY" -screen 0 1024x768x"${E2E_DEPTH:-24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break; sleep 0.1; done
    fi
}

e2e_cleanup() {
    wine_kill
    [ -n "${E2E_TEMP_BLANK:-}" ] && e2e_temp_set "$(head -1 "$WINEPREFIX/.e2e-temp" | sed 's/\\/\\\\/g')" && wine_kill
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}
trap e2e_cleanup EXIT
