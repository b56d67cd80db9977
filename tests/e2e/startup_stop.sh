#!/usr/bin/env bash
# A start-up check that fails stops the run through the message dialog, and the
# end cleans up: the exchange file and the kt directory's files are gone.
. "$(dirname "$0")/lib.sh"
e2e_display

# Windows 7 is not among the supported systems: message 107.
E2E_VERSION=win7 e2e_reset; e2e_deploy
: >"$KT/leftover.txt"
e2e_start
e2e_wait_log "detected OS: Nicht unterst$(printf '\xfc')tztes Betriebssystem" 30 || fail "no refusal logged: $(e2e_log | tail -3)"
trigger=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p')
[ -n "$trigger" ] || fail "no exchange file logged"
trigger_host=$("$WINE" winepath -u "$trigger" 2>/dev/null | tr -d '\r')
if ! e2e_wait_end 5; then
    e2e_shot startup-stop-message
    xdotool key Return
    e2e_wait_end 20 || fail "the run did not end after OK"
fi
e2e_log | grep -qx "get OS information END" && fail "the run went on after the refusal"
[ -e "$trigger_host" ] && fail "exchange file $trigger_host left behind"
[ -e "$KT/leftover.txt" ] && fail "kt directory not cleaned"
[ -e "$KT/cm_32.exe" ] && fail "companion program left in kt"
pass "a refused system ends the run with the clean-up done"
exit 0
