#!/usr/bin/env bash
# A second start while the wizard runs shows nothing and ends.
. "$(dirname "$0")/lib.sh"
e2e_display
e2e_reset; e2e_deploy
e2e_start
first=$WIZARD_PID
e2e_wait_log "get system directories END" || fail "first instance did not start"
# Page 1 ends the start-up: the first instance writes nothing more.
page1() { xdotool search --onlyvisible --name '^Wizard$' >/dev/null 2>&1; }
e2e_until 20 page1 || fail "the first instance showed no page 1"
before=$(md5sum <"$LOG")
windows_before=$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)
e2e_start
e2e_wait_end 20 || fail "second instance did not end"
kill -0 "$first" 2>/dev/null || fail "first instance ended too"
[ "$(md5sum <"$LOG")" = "$before" ] || fail "second instance touched the log"
windows_after=$(xdotool search --onlyvisible --name . 2>/dev/null | wc -l)
[ "$windows_after" = "$windows_before" ] || fail "second instance showed a window"
pass "second instance ended silently"
exit 0
