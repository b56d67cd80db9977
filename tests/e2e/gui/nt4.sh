#!/usr/bin/env bash
# Windows NT 4: Forward on page 1 skips the connection choice and leads to the
# port search choice, with "InstalledDevices" = "3" in the product key. A
# cancelled run on NT leaves the installer's temporary profile alone.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

NAMESPACE='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Desktop\NameSpace\{6E1F0A42-93C7-11D3-A52B-00A0C93F7B14}'
cable_begin nt40
cable_remove_at_end "$NAMESPACE"
"$WINE" reg add "$NAMESPACE" /f >/dev/null 2>&1 || fail "reg add"
cable_start
cable_page1
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
gui_shot nt4-page4 1
e2e_log | grep -q '^user choice IRDA or COM\|^IRDA detected' && fail "page 2 was shown on NT"
[ "$(e2e_log | grep -A1 -x 'frmain after topmost' | tail -1)" = "user choice automatic or manuel COM-Selection" ] ||
    fail "page 4 does not follow the main window: $(e2e_log | tail -3)"
[ "$(wine_reg_query "$PRODUCT_KEY" InstalledDevices)" = "3" ] ||
    fail "InstalledDevices: $(wine_reg_query "$PRODUCT_KEY" InstalledDevices)"
pass "NT 4: page 1 leads to page 4, InstalledDevices is 3"

# Cancel and confirm: the run ends, the profile's icon stays on NT.
gui_key Escape
gui_wait_window "$RECT_PAGE" 10 || fail "no cancel query"
gui_key Escape
cable_expect_ended "the cancel query" abort
"$WINE" reg query "$NAMESPACE" >/dev/null 2>&1 || fail "the cancelled run on NT removed the profile's icon"
pass "a cancelled run on NT ends with the clean-up and leaves the profile's icon"
exit 0
