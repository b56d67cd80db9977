#!/usr/bin/env bash
# The log and the resume markers at start-up.
. "$(dirname "$0")/lib.sh"
e2e_display

# A fresh start deletes an old log before its first line.
e2e_reset; e2e_deploy
printf 'stale line\t1\t2\r\n' >"$LOG"
e2e_start
e2e_wait_log "get system directories END" || fail "fresh start: no log"
e2e_log | grep -q "stale line" && fail "fresh start kept the old log"
[ "$(e2e_log | head -1)" = "get system directories START" ] || fail "fresh start: first line $(e2e_log | head -1)"
pass "fresh start begins a new log"
wine_kill

# With the restart marker the old log survives, gets "ReStart after Reboot",
# and the marker goes; "kti.kti" and the Run value "kt" are removed.
e2e_reset; e2e_deploy
printf 'before reboot\t1\t2\r\n' >"$LOG"
: >"$DRIVE_C/gprs.kti"
: >"$TEMP_HOST/kti.kti"
"$WINE" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v kt /d "${TEMP_WIN}\\kt\\wizard.exe" /f >/dev/null 2>&1
e2e_start
e2e_wait_log "get system directories END" || fail "resume: no log"
# The port list of the resume ends the start-up.
e2e_wait_log "user choice manuel COM-Port" || fail "resume: no port list: $(e2e_log | tail -2)"
[ "$(e2e_log | sed -n 1p)" = "before reboot" ] || fail "resume lost the old log"
[ "$(e2e_log | sed -n 2p)" = "ReStart after Reboot" ] || fail "resume: second line $(e2e_log | sed -n 2p)"
[ -e "$DRIVE_C/gprs.kti" ] && fail "restart marker still there"
[ -e "$TEMP_HOST/kti.kti" ] && fail "kti.kti still there"
wine_reg_query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' kt >/dev/null && fail "Run value kt still there"
pass "resume keeps the log and removes its markers"
wine_kill
exit 0
