#!/usr/bin/env bash
# Windows NT 4: Forward on page 1 skips the connection choice and leads to the
# port search choice, with "InstalledDevices" = "3" in the product key. The
# installer, started for the port chosen by hand, reports "error": message
# 101, whose OK ends the run; an aborted run on NT leaves the installer's
# temporary profile alone.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

NAMESPACE='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Desktop\NameSpace\{6E1F0A42-93C7-11D3-A52B-00A0C93F7B14}'
cable_begin nt40
cable_remove_at_end "$NAMESPACE"
"$WINE" reg add "$NAMESPACE" /f >/dev/null 2>&1 || fail "reg add"
cable_port_map 1
printf 'trigger 30\nsleep 2500\ntext error\n' >"$KT/cm_32-0.scn"
cable_start
cable_page1
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
gui_shot nt4-page4
e2e_log | grep -q '^user choice IRDA or COM\|^IRDA detected' && fail "page 2 was shown on NT"
[ "$(e2e_log | grep -A1 -x 'frmain after topmost' | tail -1)" = "user choice automatic or manuel COM-Selection" ] ||
    fail "page 4 does not follow the main window: $(e2e_log | tail -3)"
[ "$(wine_reg_query "$PRODUCT_KEY" InstalledDevices)" = "3" ] ||
    fail "InstalledDevices: $(wine_reg_query "$PRODUCT_KEY" InstalledDevices)"
pass "NT 4: page 1 leads to page 4, InstalledDevices is 3"

# By hand: COM1, page 3, the installer; its "error" brings message 101.
gui_key Return
e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached: $(e2e_log | tail -3)"
cable_list_entry 0
gui_shot nt4-page5-chosen
gui_key Return
e2e_wait_log "writing init data END" 10 || fail "COM1 did not go forward: $(e2e_log | tail -3)"
gui_shot nt4-page3
gui_key Return
e2e_wait_log "starting systemcheck and modeminstallation" 10 || fail "the installer was not started"
gui_wait_window "$RECT_PAGE" 20 || fail "no message after the installer's error: $(gui_windows)"
gui_shot nt4-message-101
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 0 ] || fail "page 3 ended as finished"
cable_message_ok
cable_expect_ended "OK on message 101"
e2e_log | grep -q '^final reboot\|^write to registry' && fail "the run that failed installed: $(e2e_log | tail -3)"
[ -z "$(cable_started setup)" ] || fail "the dialer setup ran"
"$WINE" reg query "$NAMESPACE" >/dev/null 2>&1 || fail "the aborted run on NT removed the profile's icon"
pass "the installer's error on page 3: message 101, whose OK ends the run with the clean-up, the profile's icon left on NT"
exit 0
