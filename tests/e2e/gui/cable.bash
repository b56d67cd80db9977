# Helpers of the walks along the cable path: source after gui.sh. Simulated
# phones on pseudo-terminals behind the prefix's COM links, the registry's
# serial-port map as the test wants it, the wizard started with the modem-line
# shim, a taskbar, and what the walk reads back.
. "$WIZ_SOURCE/tools/simphone/ports.sh"

CABLE_NAME=$(basename "$0" .sh)
CABLE_DIR="$WIZ_BUILD/cable-walks/$CABLE_NAME"
SERIAL_MAP='HKLM\Hardware\DeviceMap\SerialComm'
PRODUCT_KEY='HKLM\Software\Valmor GPRS'
# The stand-ins log into kt, which the end of a run empties: the log there is
# a second name of this file, which stays.
COMPANIONS_LOG="$CABLE_DIR/companions.log"
TASKBAR_LOG="$CABLE_DIR/taskbar.log"
# A phone that names itself as the wizard looks for it.
PHONE_REPLY='\r\nVALMOR GPRS Z72\r\n\r\nOK\r\n'
# The page area of the main window, and the dialogs over it, begin here.
PAGE_X=308
PAGE_Y=191

# Registry keys that a walk added to the prefix, removed when it ends.
CABLE_REMOVE=()
cable_remove_at_end() { CABLE_REMOVE+=("$@"); }

cable_cleanup() {
    local key
    for key in "${CABLE_REMOVE[@]}"; do "$WINE" reg delete "$key" /f >/dev/null 2>&1; done
    ports_end
    e2e_cleanup
}

# A fresh prefix state for Windows version $1, the wizard deployed, a Wine
# session that keeps the COM links, no phone yet and an empty serial-port map.
cable_begin() {
    E2E_VERSION=$1
    rm -rf "$CABLE_DIR"
    mkdir -p "$CABLE_DIR"
    trap cable_cleanup EXIT
    ports_begin "$WIZ_BUILD/serial-tools" "$CABLE_DIR/ports"
    e2e_reset keep
    e2e_deploy
    : >"$COMPANIONS_LOG"
    ln "$COMPANIONS_LOG" "$KT/companions.log"
    "$WINE" reg delete "$SERIAL_MAP" /va /f >/dev/null 2>&1
}

# The serial-port map lists exactly the ports $@ (numbers), in the layout of
# the system ($E2E_VERSION): value names "COMn" on the 9x family, where the
# wizard reads them by name, "\Device\SerialN" on NT.
cable_port_map() {
    local n i=0 values=()
    "$WINE" reg delete "$SERIAL_MAP" /va /f >/dev/null 2>&1
    for n in "$@"; do
        case ${E2E_VERSION:-winxp} in
            win95 | win98 | winme) values+=("\"COM$n\"=\"COM$n\"") ;;
            *) values+=("\"\\\\Device\\\\Serial$i\"=\"COM$n\"") ;;
        esac
        i=$((i + 1))
    done
    [ $# -eq 0 ] || e2e_reg "[HKEY_LOCAL_MACHINE\\Hardware\\DeviceMap\\SerialComm]" "${values[@]}"
}

# A phone on COM$1 that answers as the wizard wants; more simphone options may follow.
cable_phone() {
    local n=$1
    shift
    ports_phone "$n" --reply "$PHONE_REPLY" "$@" || fail "no phone on COM$n"
}

# The lines COM$1's phone received.
cable_phone_heard() { tr -d '\r' <"$PORTS_WORK/logs/phone$1.log"; }

# Starts the taskbar and waits until it is shown.
cable_taskbar() {
    : >"$TASKBAR_LOG"
    "$WINE" "$GUI_BIN/taskbar.exe" "$(win_path "$TASKBAR_LOG")" >/dev/null 2>&1 &
    cable_wait_line "$TASKBAR_LOG" 20 shown || fail "no taskbar"
}

# What the taskbar noted, blank-separated.
cable_taskbar_notes() { tr -d '\r' <"$TASKBAR_LOG" | tr '\n' ' ' | sed 's/ $//'; }

# Starts the wizard from kt with the modem-line shim; $CABLE_CTS_OFF names the
# COM numbers whose lines show no CTS. Wine's messages (and its trace with
# CABLE_WINEDEBUG=+process) go to wine.err.
cable_start() {
    local n off=""
    for n in ${CABLE_CTS_OFF:-}; do off="$off${off:+:}$PORTS_DOSDEVICES/com$n"; done
    (cd "$KT" && MODEMSHIM_CTS_OFF="$off" LD_PRELOAD="$WIZ_BUILD/serial-tools/modemshim.so" \
        WINEDEBUG="${CABLE_WINEDEBUG:--all}" exec "$WINE" "$KT/wizard.exe") >/dev/null 2>"$CABLE_DIR/wine.err" &
    WIZARD_PID=$!
}

# The command lines Windows programs started, as Wine traced them (only with
# CABLE_WINEDEBUG=+process), unescaped.
cable_traced() {
    sed -n 's/.*:CreateProcessInternalW app .* cmdline L"\(.*\)"$/\1/p' "$CABLE_DIR/wine.err" | sed 's/\\\\/\\/g'
}

# Page 1 up, shot (as $1, default NAME-page1) and answered with Enter; the
# main window up. Sets TRIGGER_WIN and TRIGGER_HOST, the exchange file's names.
cable_page1() {
    gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
    TRIGGER_WIN=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p' | tail -1)
    TRIGGER_HOST=$(gui_trigger_host)
    gui_shot "${1:-${CABLE_NAME}-page1}"
    gui_key Return
    gui_wait_window "$RECT_MAIN" 20 || fail "no main window after page 1"
}

# Clicks at a point of the page area (or of a dialog over it).
cable_click() { gui_click $((PAGE_X + $1)) $((PAGE_Y + $2)); }

# The places of things on the pages, with the English texts. The option texts
# lie where the wrapped heading above them ends, which the font decides: the
# automatic option's text is the last but one text line right of the option
# images (page x 48 on; left of them, mirrored, with CABLE_RTL set), found on
# a screenshot ($1, default NAME-page4-options).
cable_click_automatic() {
    local shot=${1:-${CABLE_NAME}-page4-options} rows top bottom x=48 click=142
    [ -n "${CABLE_RTL:-}" ] && x=$((460 - 48 - 150)) click=$((460 - 142))
    gui_shot "$shot"
    rows=$(cable_text_rows "$shot" 150x230+$((PAGE_X + x))+$((PAGE_Y + 100)) | tail -2)
    [ "$(wc -l <<<"$rows")" -eq 2 ] || fail "page 4 shows no two option texts: $rows"
    read -r top bottom <<<"$(head -1 <<<"$rows")"
    cable_click "$click" $((100 + (top + bottom) / 2))
}
cable_list_entry() { cable_click 72 $((180 + 13 * $1)); }  # entry $1, from 0
cable_message_ok() { cable_click 230 351; }
cable_message_repeat() { cable_click 177 351; }
cable_message_cancel() { cable_click 283 351; }

# The text lines in region $2 (WxH+X+Y) of screenshot $1, one "top bottom" line
# (rows from the region's top) each: runs of rows with dark pixels, apart by at
# least 3 rows without.
cable_text_rows() {
    local h=${2#*x}
    h=${h%%+*}
    convert "$SHOTS/$1.png" -crop "$2" +repage -colorspace Gray -threshold 25% -negate -scale "1x$h!" -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { y = $2 + 0; if ($3 + 0 > 0) { if (gap >= 3 || !n) { if (n) print top, last; n++; top = y } last = y; gap = 0 } else gap++ }
            END { if (n) print top, last }'
}

# The number of text lines in region $2 (WxH+X+Y) of screenshot $1.
cable_text_lines() { cable_text_rows "$1" "$2" | wc -l; }

# The entries in the port list (34,176 on the page, 13 pixels an entry) of
# screenshot $1, counted as text lines; there are $2 of them.
cable_list_lines() { cable_text_lines "$1" 100x88+$((PAGE_X + 34))+$((PAGE_Y + 176)); }
cable_list_holds() { [ "$(cable_list_lines "$1")" -eq "$2" ]; }

# Fails unless the log holds the lines $@ in this order (others may lie between).
cable_log_order() {
    local missing
    missing=$(e2e_log | awk -v want="$(printf '%s\n' "$@")" '
        BEGIN { n = split(want, w, "\n"); i = 1 }
        i <= n && $0 == w[i] { i++ }
        END { if (i <= n) print w[i] }')
    [ -z "$missing" ] || fail "log line missing or out of order: \"$missing\"; the log ends: $(e2e_log | tail -6 | tr '\n' '|')"
}

cable_log_count() { e2e_log | grep -cxF -- "$1"; }

# Waits up to $2 seconds for the log line $1 to be there $3 times (default 1).
cable_log_count_at_least() { [ "$(cable_log_count "$1")" -ge "$2" ]; }
cable_wait_log_count() { e2e_until "$2" cable_log_count_at_least "$1" "${3:-1}"; }

# Waits up to $2 seconds until the file $1 holds a line $3.
cable_has_line() { [ -f "$1" ] && tr -d '\r' <"$1" | grep -qxF -- "$2"; }
cable_wait_line() { e2e_until "$2" cable_has_line "$1" "$3"; }

# The command lines the stand-ins recorded for program $1, one a line.
cable_started() { tr -d '\r' <"$COMPANIONS_LOG" | sed -n "s/^$1|//p"; }

# The [Variables] section of an INI file, one line each, without CR.
cable_variables() { tr -d '\r' <"$1" | awk '/^\[/ {on = ($0 == "[Variables]")} on'; }

# The rectangle "left top right bottom" of the visible window titled $1.
cable_window_rect() {
    gui_windows | awk -F'\t' -v t="$1" '$1 == t {gsub(",", " ", $3); print $3; exit}'
}

# The end of a run ($1 names it): process, exchange file and kt's files gone,
# but for the files still in use, which stay as on Windows: the running
# program and the probe library it holds (the language library is released
# before kt is emptied, at either end). No window is left.
cable_expect_ended() {
    local what=$1 in_use='wizard\.exe|ktmodem\.dll' left
    e2e_wait_end 30 || fail "$what: the wizard still runs"
    [ -e "$TRIGGER_HOST" ] && fail "$what: exchange file $TRIGGER_HOST left behind"
    left=$(find "$KT" -mindepth 1 -printf '%f\n' | grep -vxiE "$in_use" | tr '\n' ' ')
    [ -z "$left" ] || fail "$what: kt not emptied: $left"
    gui_windows | grep -q '^Wizard' && fail "$what: a wizard window is still shown"
    return 0
}
