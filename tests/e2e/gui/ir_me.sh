#!/usr/bin/env bash
# Windows ME whose infrared device is registered only as a network device:
# the ME patch gets the first free COM port, asks for a folder (answered once,
# in its own section too), reports its end, and page 6 follows; the reboot as
# Wine carries it out for the 9x family and the resume at the port list. A
# patch that never reports leaves page 2 waiting, with nothing to press; one
# that reports "cancel" ends the run through message 102.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/ir.bash"
e2e_display

me_begin() {
    ir_begin winme
    ir_reg_add 'HKLM\Enum\Network\IRDA'
    cable_port_map 1 2
    printf '%s\n' "$@" >"$KT/irdame.scn"
    CABLE_WINEDEBUG=+process cable_start
    cable_page1
    ir_click_infrared
    ir_forward
    e2e_wait_log "starting install of ME-Patch" 10 || fail "no ME patch: $(e2e_log | tail -3)"
}

# The patch asks for a folder: one dialog; Documents chosen, OK.
me_begin "trigger 20" "getdir" "trigger 60" "sleep 300" "trigger 101"
cable_log_order "IRDA detected: True" "user choice IRDA or COM : IRDA" "starting install of ME-Patch"
e2e_until 15 gui_window_titled "Browse for Folder" || fail "no folder dialog: $(gui_windows)"
read -r left top _ <<<"$(cable_window_rect "Browse for Folder")"
gui_shot irme-folder
[ "$(gui_windows | grep -c '^Browse for Folder')" -eq 1 ] || fail "more than one folder dialog"
# The tree's rows, found on the shot in the column of the desktop's items:
# Desktop, then as Wine lists them "/" (its Unix root), Documents, My Computer
# and Trash. The prompt's wrap sets the dialog's height, so OK is chosen with
# Enter, the dialog's default button.
rows=$(cable_text_rows irme-folder 100x170+$((left + 68))+$((top + 85)))
[ "$(wc -l <<<"$rows")" -eq 5 ] || fail "the folder tree does not show five rows: $rows"
read -r row_top row_bottom <<<"$(sed -n 3p <<<"$rows")"
gui_click $((left + 101)) $((top + 85 + (row_top + row_bottom) / 2)) # Documents
gui_key Return
e2e_wait_log "ME-Patch installation ready" 15 || fail "the patch's end was not seen: $(e2e_log | tail -3)"
trigger=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p' | tail -1)
[ "$(cable_started irdame | head -1)" = "$TEMP_WIN\\kt\\irdame.exe COM3 $trigger" ] || fail "patch command: $(cable_started irdame)"
folder=$(cable_started irdame | sed -n 's/^path|//p')
[[ $folder == *Documents* ]] || fail "the patch got no folder: $(cable_started irdame)"
answers=$(tr -d '\r' <"$TRIGGER_HOST" | F="Path=$folder" awk '/^\[/ {s = $0} $0 == ENVIRON["F"] {print s}' | sort | tr '\n' ' ')
[ "$answers" = "[CM_32] [IrDA] " ] || fail "the folder was answered in: $answers"
ir_wait_forward 10 irme-page6 alone || fail "page 6 shows no Forward, or Cancel"
gui_windows | grep -q '^Browse for Folder' && fail "the folder dialog came back"
pass "ME: the patch ran as irdame.exe COM3 <exchange file>, its folder request was answered once, in CM_32 and IrDA; page 6"

# OK: the 9x family asks for a forced reboot, which Wine carries out by
# ending the programs and logging on again.
ir_forward
e2e_wait_log "ReStart after Reboot" 30 || fail "no resume: $(e2e_log | tail -3)"
cable_traced | grep -qx '.*\\wineboot.exe --kill' || fail "Wine was not asked to end the programs: $(cable_traced)"
cable_traced | grep -qxF "$TEMP_WIN\\kt\\wizard.exe" || fail "the wizard was not started from the Run key: $(cable_traced)"
e2e_wait_log "user choice manuel COM-Port" 15 || fail "the resume did not open page 5"
gui_wait_window "$RECT_MAIN" 15 || fail "no main window after the resume"
gui_shot irme-resume-page5
pass "the reboot: Wine ran wineboot --kill, which started the wizard again at page 5"

# A patch that runs without a report: page 2 waits; once it has ended, message 101.
me_begin "trigger 50" "sleep 6000" "exit"
# Nothing comes of it to wait for: the watch reads the exchange file every
# 2 s, so after two of its ticks the page would have moved on.
sleep 4.5
gui_shot irme-no-report
ir_button_shown "$FORWARD_PIXEL" irme-no-report && fail "Forward shown while the patch runs"
ir_button_shown "$CANCEL_PIXEL" irme-no-report && fail "Cancel shown while the patch runs"
gui_key Escape
gui_key Return
gui_taken
gui_windows | grep -qF "$RECT_PAGE" && fail "a key opened a dialog while the patch runs"
[ "$(e2e_log | tail -1)" = "starting install of ME-Patch" ] || fail "the page moved on: $(e2e_log | tail -2)"
gui_wait_window "$RECT_PAGE" 15 && e2e_log_has "companion ended without report: IrDA" || fail "no message 101"
cable_message_ok
cable_expect_ended "OK on message 101 after the patch ended without a report" abort
pass "a patch that runs without a report leaves page 2 waiting; once it has ended, message 101 ends the run"

# A patch cancelled by its user: message 102, whose OK ends the run.
me_begin "trigger 30" "text cancel"
gui_wait_window "$RECT_PAGE" 10 || fail "no message after the patch's cancel: $(gui_windows)"
gui_shot irme-cancelled
[ "$(cable_text_lines irme-cancelled 409x217+338+303)" -eq 3 ] || fail "the message is not 102 (three lines)"
cable_message_ok
cable_expect_ended "OK on the message after the patch's cancel" abort
pass "a cancelled patch ends the run through the message"
exit 0
