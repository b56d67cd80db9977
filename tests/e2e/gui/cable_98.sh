#!/usr/bin/env bash
# Windows 98, the port chosen by hand: the list holds exactly the ports of the
# serial-port map, Enter does nothing before an entry is chosen, the chosen
# port reaches the setup data, and the driver template gets the infrared
# port. The installer then reports that the user cancelled it: message 102,
# whose OK ends the run with the clean-up done and installs nothing.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

NAMESPACE='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Desktop\NameSpace\{6E1F0A42-93C7-11D3-A52B-00A0C93F7B14}'
cable_begin win98
cable_port_map 1 2 5
# The infrared virtual port of this system (its key also tells of infrared
# hardware), and the desktop icon of the installer's temporary profile.
cable_remove_at_end 'HKLM\Enum\Infrared' "$NAMESPACE"
"$WINE" reg add 'HKLM\Enum\Infrared\COM\ROOT&INFRARED&0000' /v PortName /d COM7 /f >/dev/null 2>&1 || fail "reg add"
"$WINE" reg add "$NAMESPACE" /f >/dev/null 2>&1 || fail "reg add"
printf '; modem driver for Windows 95/98/ME\r\n[Strings]\r\nPort="COM4"\r\nPorts=COM4,COM4;COM1\r\n' >"$KT/mdmvlm9x.in_"
printf 'trigger 20\ntext 2101\nsnapshot\nsleep 2500\ntext cancel\n' >"$KT/cm_32-0.scn"
cable_taskbar
cable_start
cable_page1

e2e_wait_log "IRDA detected: True" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_shot cable_98-page2
gui_key Return
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
gui_shot cable_98-page4
gui_key Return # the search by hand is the default

# Page 5: three entries, no Forward; Enter does nothing.
e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached: $(e2e_log | tail -3)"
cable_log_order "user choice automatic or manuel COM-Selection: manuel" "user choice manuel COM-Port"
gui_shot cable_98-page5
lines=$(e2e_log | wc -l)
gui_key Return
gui_taken
gui_shot cable_98-page5-enter
[ "$(e2e_log | wc -l)" -eq "$lines" ] || fail "Enter before a choice acted: $(e2e_log | tail -2)"
[ "$(gui_mask_diff cable_98-page5 cable_98-page5-enter 460x447+$PAGE_X+$PAGE_Y)" -eq 0 ] ||
    fail "Enter before a choice changed the page"
# Inside the list box (34,176 on the page, 13 pixels an entry): three lines,
# counted with the focus on Cancel, where the list draws no focus mark.
gui_key Tab
gui_shot_until cable_98-page5-tab 5 cable_list_holds cable_98-page5-tab 3 ||
    fail "the list holds $(cable_list_lines cable_98-page5-tab) entries, not 3"
pass "page 5 lists three ports, offers no Forward, and Enter does nothing"

# The third entry is COM5 (so COM3 and COM4 are not listed); it leads to page 3.
cable_list_entry 2
gui_shot cable_98-page5-chosen
gui_key Return
e2e_wait_log "user choice manuel COM-Port: COM5" 10 || fail "the entry did not go forward: $(e2e_log | tail -3)"
cable_log_order "user choice manuel COM-Port: COM5" "writing init data START" "VirtualComPort: COM7" \
    "writing init data END"
gui_shot cable_98-page3
gui_key Return
e2e_wait_log "starting systemcheck and modeminstallation" 10 || fail "the installer was not started"

# The installer saw COM5 and the Windows 98 lines, and COM7 in the driver.
gui_wait_window "$RECT_PAGE" 20 || fail "no message after the installer's cancel: $(gui_windows)"
gui_shot cable_98-message-102
cable_variables "$KT/seen-trigger.ini" >"$CABLE_DIR/variables"
grep -qx 'ComPort=COM5' "$CABLE_DIR/variables" || fail "setup data: $(tr '\n' ' ' <"$CABLE_DIR/variables")"
grep -qx 'os=Win98' "$CABLE_DIR/variables" && grep -qx 'SysUpdate=1' "$CABLE_DIR/variables" ||
    fail "setup data of Windows 98: $(tr '\n' ' ' <"$CABLE_DIR/variables")"
expected=$(sed 's/COM4/COM7/g' "$KT/mdmvlm9x.in_")
[ "$(cat "$KT/seen-mdmvlm.inf")" = "$expected" ] || fail "mdmvlm.inf: $(cat "$KT/seen-mdmvlm.inf")"
pass "COM5 reached the setup data; mdmvlm.inf has COM7 for every COM4"

# Message 102: its OK ends the run, with nothing installed.
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 0 ] || fail "page 3 ended as finished"
cable_message_ok
cable_expect_ended "OK on message 102" abort
[ "$(cable_taskbar_notes)" = "shown hidden shown" ] || fail "taskbar: $(cable_taskbar_notes)"
e2e_log | grep -q '^final reboot\|^write to registry' && fail "the cancelled run installed: $(e2e_log | tail -3)"
[ -z "$(cable_started setup)" ] || fail "the dialer setup ran"
wine_reg_query "$PRODUCT_KEY" ComPort >/dev/null && fail "ComPort written to the product key"
"$WINE" reg query "$NAMESPACE" >/dev/null 2>&1 && fail "the profile's desktop icon was left"
pass "OK on message 102 ends the run: exchange file and kt cleaned, taskbar back, profile icon gone, nothing installed"
exit 0
