#!/usr/bin/env bash
# The keyboard alone, without a single click (the pointer only rests where
# the keys should go). Windows 98 with infrared: the option group has the
# focus as page 2 opens, Down selects infrared, Up cable again, Down
# infrared, Enter the infrared path; on page 5 the list has the focus, Down
# Down selects the second port and Enter goes on to page 3. Windows XP: the
# focus mark hides until a key is used; on page 4 Up selects the automatic
# search, Enter runs it and finds the phone.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

# The centre of an option's face ($2: its row on the page area): dark on the
# chosen one (face 202), white on the other (201). Places with the English
# texts.
chosen() { gui_dark "$1" $((PAGE_X + 37)) $((PAGE_Y + $2)); }
# Dark pixels in the column just left of an option's text ($2, $3: its rows),
# where only the dotted focus mark draws.
mark_dots() {
    convert "$SHOTS/$1.png" -crop "1x$(($3 - $2))+$((PAGE_X + 48))+$((PAGE_Y + $2))" +repage -colorspace Gray \
        -threshold 50% -negate -format '%[fx:int(w*h*mean+0.5)]' info:
}
only_chosen() { chosen "$1" "$2" && ! chosen "$1" "$3"; }
marked() { [ "$(mark_dots "$@")" -gt 3 ]; }
unmarked() { [ "$(mark_dots "$@")" -eq 0 ]; }
KEYS_CABLE_ROWS="145 164"  # lblNoIRDA on page 2, its face at 153
KEYS_IRDA_ROWS="190 209"   # lblIRDA, its face at 198
KEYS_AUTO_ROWS="155 174"   # lblCom on page 4, its face at 163

cable_begin win98
cable_port_map 1 2 5
cable_remove_at_end 'HKLM\Enum\Infrared'
"$WINE" reg add 'HKLM\Enum\Infrared\COM\ROOT&INFRARED&0000' /v PortName /d COM7 /f >/dev/null 2>&1 || fail "reg add"
cable_taskbar
cable_start
cable_page1 keys_98-page1

e2e_wait_log "IRDA detected: True" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_shot keys_98-page2
chosen keys_98-page2 153 && ! chosen keys_98-page2 198 || fail "page 2 did not open on cable"
# Windows 98 shows the mark at once; it goes with the selection.
[ "$(mark_dots keys_98-page2 $KEYS_CABLE_ROWS)" -gt 3 ] || fail "no focus mark on cable as page 2 opens"
[ "$(mark_dots keys_98-page2 $KEYS_IRDA_ROWS)" -eq 0 ] || fail "a mark on infrared as page 2 opens"
gui_key Down
gui_shot_until keys_98-page2-down 5 only_chosen keys_98-page2-down 198 153 || fail "Down did not select infrared"
[ "$(mark_dots keys_98-page2-down $KEYS_IRDA_ROWS)" -gt 3 ] || fail "no focus mark on infrared after Down"
[ "$(mark_dots keys_98-page2-down $KEYS_CABLE_ROWS)" -eq 0 ] || fail "the mark stayed on cable after Down"
gui_key Up
gui_shot_until keys_98-page2-up 5 only_chosen keys_98-page2-up 153 198 || fail "Up did not select cable"
gui_key Down
gui_shot_until keys_98-page2-down2 5 chosen keys_98-page2-down2 198 || fail "Down again did not select infrared"
pass "page 2: the focus on cable, marked at once; Down, Up and Down select infrared, cable, infrared"

# Tab passes the focus to the picture buttons' proxies (Cancel, then
# Forward) and back to the group, on its chosen option; Shift+Tab goes back.
gui_key Tab
gui_shot_until keys_98-page2-tab 5 unmarked keys_98-page2-tab $KEYS_IRDA_ROWS || fail "Tab left the mark on infrared"
gui_key Tab Tab
gui_shot_until keys_98-page2-tab3 5 marked keys_98-page2-tab3 $KEYS_IRDA_ROWS ||
    fail "three Tabs did not come back to infrared"
chosen keys_98-page2-tab3 198 || fail "Tab changed the choice"
gui_key shift+Tab
gui_shot_until keys_98-page2-backtab 5 unmarked keys_98-page2-backtab $KEYS_IRDA_ROWS ||
    fail "Shift+Tab left the mark on infrared"
pass "Tab and Shift+Tab cycle group, Cancel and Forward"

# Enter with the focus on Forward: page 5 gives it to the list all the same.
gui_key Return
e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached: $(e2e_log | tail -3)"
cable_log_order "user choice IRDA or COM : IRDA" "user choice manuel COM-Port"
gui_shot keys_98-page5
gui_key Down
gui_shot keys_98-page5-down
gui_key Down
gui_shot keys_98-page5-down2
gui_key Return
e2e_wait_log "user choice manuel COM-Port: COM2" 10 || fail "Down Down Enter did not choose COM2: $(e2e_log | tail -3)"
gui_shot keys_98-page3
pass "page 5: the list has the focus; Down, Down select COM2 and Enter goes on to page 3"
# The end of the session as 98 sends it: 98 takes any answer but TRUE for a refusal.
[ "$(gui_windows query | sort -u)" = 1 ] && gui_taken && gui_window_at "$RECT_MAIN" || fail "query: $(gui_windows query)"
gui_windows end
cable_expect_ended "WM_ENDSESSION"
[ "$(cable_taskbar_notes)" = "shown hidden shown" ] || fail "taskbar: $(cable_taskbar_notes)"
pass "the end of the session: every window agrees, the wizard goes on, and WM_ENDSESSION ends the run cleanly"

ports_end
wine_kill
cable_begin winxp
cable_port_map 1 3 12 # a USB-serial cable past COM9, the phone on it
cable_phone 12
cable_start
cable_page1 keys_xp-page1
e2e_wait_log "IRDA detected: False" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_shot keys_xp-page2
[ "$(mark_dots keys_xp-page2 $KEYS_CABLE_ROWS)" -eq 0 ] || fail "XP shows the mark before a key is used"
gui_key Down # infrared is disabled: nothing to select
gui_shot_until keys_xp-page2-down 5 marked keys_xp-page2-down $KEYS_CABLE_ROWS || fail "no focus mark after a key on XP"
chosen keys_xp-page2-down 153 || fail "Down left cable on XP without infrared"
gui_key Return
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
gui_shot keys_xp-page4
only_chosen keys_xp-page4 198 163 || fail "page 4 did not open on the manual selection"
gui_key Up
gui_shot_until keys_xp-page4-up 5 only_chosen keys_xp-page4-up 163 198 || fail "Up did not select the automatic search"
[ "$(mark_dots keys_xp-page4-up $KEYS_AUTO_ROWS)" -gt 3 ] || fail "no mark on the automatic search"
gui_key Return
e2e_wait_log "Modem detected on port: COM12" 30 || fail "phone not found: $(e2e_log | tail -3)"
cable_log_order "user choice automatic or manuel COM-Selection: Automatic" "Modem detected on port: COM12"
gui_shot keys_xp-page3
pass "XP: the mark shows after the first key; Up selects the automatic search, Enter finds the phone on COM12"
exit 0
