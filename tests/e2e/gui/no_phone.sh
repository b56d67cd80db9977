#!/usr/bin/env bash
# Windows 2000, the automatic search with no phone on any port: message 104
# asks to repeat or cancel; Repeat searches again and asks again; Cancel gives
# the search up and leads to the port list.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

cable_begin win2k
cable_port_map 1 2
cable_start
cable_page1
e2e_wait_log "IRDA detected: False" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_key Return
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
cable_click_automatic
gui_shot no_phone-page4
gui_key Return

e2e_wait_log "Modem detected on port: COM0" 30 || fail "no failed search: $(e2e_log | tail -3)"
gui_wait_window "$RECT_PAGE" 10 || fail "no message 104: $(gui_windows)"
gui_shot no_phone-message-104
cable_message_repeat
cable_wait_log_count "Modem detected on port: COM0" 30 2 || fail "Repeat did not search again: $(e2e_log | tail -3)"
gui_wait_window "$RECT_PAGE" 10 || fail "no message 104 after the repeated search"
gui_shot no_phone-message-104-again
[ "$(cable_log_count "Modem detected on port: COM0")" -eq 2 ] || fail "searches: $(e2e_log | grep -c COM0)"
pass "no phone: message 104, and Repeat searches again and asks again"

cable_message_cancel
e2e_wait_log "user choice manuel COM-Port" 10 || fail "Cancel did not lead to the port list: $(e2e_log | tail -3)"
gui_wait_gone "$RECT_PAGE" 10 || fail "message 104 still shown"
cable_log_order "user choice automatic or manuel COM-Selection: Automatic" "Modem detected on port: COM0" \
    "Modem detected on port: COM0" "Modem detected on port: COM99" "user choice manuel COM-Port"
e2e_log | grep -q '^writing init data' && fail "setup data written without a port"
gui_key Tab # the focus to Cancel: the list draws no focus mark over its entries
gui_shot_until no_phone-page5 5 cable_list_holds no_phone-page5 2 ||
    fail "the port list holds $(cable_list_lines no_phone-page5) entries, not 2"
pass "Cancel on message 104 gives the search up (COM99) and shows the port list with COM1 and COM2"
exit 0
