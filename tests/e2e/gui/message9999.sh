#!/usr/bin/env bash
# Without any language library beside the program, the start-up stops with
# message 9999: centred, topmost, the product name and the country filled into
# the program's own text, "&OK" on its only button. OK ends the run with the
# clean-up done. A truncated EN.dll counts as none: the log names the load
# error and message 9999 follows, not a page without texts. Alt+F4 on page 1
# ends a run the same way.
. "$(dirname "$0")/gui.sh"
e2e_display

E2E_VERSION=winxp e2e_reset
e2e_deploy
(cd "$KT" && rm -f $(e2e_languages) en.dll)
: >"$KT/leftover.txt"
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "no message: $(e2e_log | tail -3)"
gui_topmost "$RECT_CENTRED" || fail "the message is not topmost"
e2e_log | grep -q "language file" && fail "a language library was loaded: $(e2e_log | grep 'language file')"
e2e_log | grep -q "detected Internet Explorer" && fail "the start-up went on past the language library"
trigger_host=$(gui_trigger_host)
gui_shot message-9999

# OK at 182,340 on the window.
gui_click 512 511
gui_expect_cleaned_up "$trigger_host" "OK on message 9999"
pass "OK on message 9999 ends the run with the clean-up done"

# Text (30,112) and OK caption (182,345) as the reference draws them.
gui_reference message-9999-reference message
for region in 409x217+312+272 90x17+467+505; do
    d=$(gui_mask_diff message-9999 message-9999-reference $region)
    [ "$d" -eq 0 ] || fail "message 9999 differs from its filled text and \"&OK\" in $region by $d pixels"
done
pass "message 9999 shows the product name and the country, and \"&OK\""

# A truncated EN.dll, no other language library.
E2E_VERSION=winxp e2e_reset
e2e_deploy
(cd "$KT" && rm -f $(e2e_languages | grep -vx EN.dll))
head -c 1536 "$KT/EN.dll" >"$KT/EN.dll.part" && mv -f "$KT/EN.dll.part" "$KT/EN.dll"
: >"$KT/leftover.txt"
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "no message for a truncated EN.dll: $(e2e_log | tail -3)"
e2e_log | grep -q "^language file EN.DLL not loaded, error [1-9]" ||
    fail "the failed load is not logged: $(e2e_log | grep 'language file')"
e2e_log | grep -q "detected Internet Explorer" && fail "the start-up went on with a truncated EN.dll"
trigger_host=$(gui_trigger_host)
gui_shot message-9999-truncated
d=$(gui_mask_diff message-9999-truncated message-9999-reference 409x217+312+272)
[ "$d" -eq 0 ] || fail "the message for a truncated EN.dll is not message 9999 ($d pixels differ)"
gui_click 512 511
gui_expect_cleaned_up "$trigger_host" "OK on message 9999 for a truncated EN.dll"
pass "a truncated EN.dll: the load error logged, message 9999, the run ends cleanly"

# Alt+F4 on page 1.
E2E_VERSION=winxp e2e_reset
e2e_deploy
: >"$KT/leftover.txt"
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear"
trigger_host=$(gui_trigger_host)
gui_key alt+F4
gui_expect_cleaned_up "$trigger_host" "Alt+F4 on page 1"
pass "Alt+F4 on page 1 ends the run with the clean-up done"
exit 0
