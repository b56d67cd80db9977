#!/usr/bin/env bash
# Windows 2000 without the IrComm hotfix, the phone by infrared: the choice
# with its note, the hotfix installer (type-ahead dropped), the modem INF cleaned, the
# reboot page, the reboot as Wine carries it out, the resume at the port list,
# the chosen port through the installer in cable and infrared mode, the wait
# for the infrared modem (keys that must not count, then key 0009), the search
# on the chosen port and Finish with the infrared modem's name. Then without
# the hotfix installer and without the INF. In a TEMP with a blank.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/ir.bash"
e2e_display

E2E_TEMP_BLANK=1
ir_begin win2k
desktop="$DRIVE_C/users/Public/Desktop"
mkdir -p "$desktop" && : >"$desktop/budget dummy run.xls" && : >"$desktop/dummy.lnk"
ir_device
cable_port_map 1 3
cable_phone 3
ir_mdmirmdm
printf 'snapshot\ntrigger 101\n' >"$KT/cm_32-0.scn"
printf 'sleep 3000\n' >"$KT/w2kEN.scn"
CABLE_WINEDEBUG=+process cable_start
cable_page1

# Page 2: the note 2006 appears below the options with the infrared choice.
# Its English text wraps at the label's fixed width: two lines in the fonts
# installed for the walks (Liberation, metric-compatible with Windows' own).
note=360x50+355+414
gui_shot ir2000-page2-cable
[ "$(ir_text_pixels ir2000-page2-cable $note)" -eq 0 ] || fail "a note is shown with the cable chosen"
ir_click_infrared
note_lines() { [ "$(cable_text_lines "$1" $note)" -eq 2 ]; }
gui_shot_until ir2000-page2-infrared 5 note_lines ir2000-page2-infrared || fail "no note 2006 (2 lines) with infrared chosen"
pass "Windows 2000: choosing infrared shows the note"

# Forward: the hotfix in the language of the system, waited for (3 s here);
# an Enter and a double-click where Forward is, given meanwhile, do not press
# page 6's Forward (a restart); the INF loses the two model sections; page 6.
ir_forward
e2e_wait_log "installing IRDA-patch" 10 || fail "no hotfix: $(e2e_log | tail -3)"
[ "$(ir_sections "$MDMIRMDM")" = "Version Valmor Standard Manufacturer " ] || fail "the INF was edited before the hotfix ended"
gui_key Return
gui_click 625 534 && xdotool click 1
[ -n "$(cable_started w2kEN-broadcast)" ] && fail "the hotfix had ended before the keys were given"
ir_wait_forward 8 ir2000-page6 alone || fail "no page 6 after the hotfix"
gui_taken
e2e_log | grep -qx "reboot system after installing IRDA-Patches" && fail "type-ahead pressed Forward on page 6"
[ "$(cable_started w2kEN)" = "\"$TEMP_WIN\\kt\\w2kEN.exe\" -q -m -z" ] || fail "hotfix command: $(cable_started 'w2k[A-Z]*')"
[ "$(ir_sections "$MDMIRMDM")" = "Version Manufacturer " ] || fail "sections left in the INF: $(ir_sections "$MDMIRMDM")"
tr -d '\r' <"$MDMIRMDM" | grep -qxF '%Mfg%=Models' || fail "the kept section lost its key: $(cat "$MDMIRMDM")"
[ -e "${MDMIRMDM%.inf}.pnf" ] && fail "mdmirmdm.pnf is still there"
pass "the hotfix ran as w2kEN.exe -q -m -z, keys given meanwhile dropped; Valmor and Standard removed, Manufacturer kept, the .pnf deleted"

gui_key Escape
gui_taken
gui_windows | grep -qF "$RECT_PAGE" && fail "Esc on page 6 opened the cancel query"
pass "page 6: the reboot request with OK only, Esc does nothing"

# OK on page 6: the markers, then the reboot request. Wine carries it out as
# the end of the session followed by a log-on: it starts the programs of the
# Run key, and so the wizard again, as the Run value says.
ir_forward
e2e_wait_log "ReStart after Reboot" 30 || fail "no resume: $(e2e_log | tail -4)"
cable_log_order "reboot system after installing IRDA-Patches" "ReStart after Reboot" "get system directories START"
cable_traced | grep -qx '.*\\wineboot.exe --end-session --force' ||
    fail "Wine was not asked to end the session: $(cable_traced)"
run_value="\\\"$TEMP_WIN\\kt\\wizard.exe\\\""
cable_traced | grep -qxF "$run_value" || fail "the wizard was not started as $run_value: $(cable_traced)"
pass "the reboot: Wine ran wineboot --end-session --force, which started $run_value from the Run key"

e2e_wait_log "user choice manuel COM-Port" 15 || fail "the resume did not open page 5: $(e2e_log | tail -3)"
gui_wait_window "$RECT_MAIN" 15 || fail "no main window after the resume"
gui_taken
[ -e "$DRIVE_C/gprs.kti" ] && fail "c:\\gprs.kti left after the resume"
[ -e "$TEMP_HOST/kti.kti" ] && fail "kti.kti left after the resume"
wine_reg_query "$RUN_KEY" kt >/dev/null && fail "Run value kt left after the resume"
gui_shot ir2000-resume-page5
ir_button_shown "$FORWARD_PIXEL" ir2000-resume-page5 && fail "page 5 shows Forward before a port is chosen"
pass "the resume opens page 5 with the markers and the Run value gone"

# The chosen port: page 3, the installer in cable mode with it, page 7.
cable_list_entry 1
ir_wait_forward 5 ir2000-page5-chosen || fail "choosing COM3 showed no Forward"
ir_forward
e2e_wait_log "user choice manuel COM-Port: COM3" 10 || fail "COM3 not taken: $(e2e_log | tail -3)"
ir_forward
e2e_wait_log "user must put his handy to the IRDA-Device on the pc" 15 || fail "no page 7: $(e2e_log | tail -3)"
trigger=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p' | tail -1)
short=$(cable_started cm_32 | head -1 | sed 's/^"[^"]*" \([^ ]*\)\\\\kt\\ .*/\1/')
cmd="\"$TEMP_WIN\\kt\\cm_32.exe\" $short\\\\kt\\ $short\\${trigger##*\\}"
installer_twice() { [ "$(cable_started cm_32)" = "$cmd 0"$'\n'"$cmd 1" ]; }
e2e_until 10 installer_twice || fail "installer commands: $(cable_started cm_32)"
variables=$(cable_variables "$KT/seen-trigger.ini")
grep -qx "ComPort=COM3" <<<"$variables" && grep -qx "os=Win2K" <<<"$variables" &&
    grep -qx "ModInst2K=1" <<<"$variables" || fail "setup data: $variables"
pass "COM3 went through page 3 (installer mode 0, ComPort=COM3) to page 7 (installer mode 1)"

# Page 7: modem keys that do not count: a number, a text too long to read,
# another case, key 0010 (beyond 0000-0009). Forward stays hidden and Enter
# does nothing; key 0009 counts at once.
ir_modem 0000 REG_DWORD 23
ir_modem 0001 REG_SZ "$(printf 'x%.0s' $(seq 3000))GPRS via IRDA"
ir_modem 0002 REG_SZ "gprs via irda"
ir_modem 0010 REG_SZ "GPRS via IRDA"
# Nothing comes of them to wait for: the watch (500 ms) has read them three
# times before the shot.
sleep 1.5
gui_shot ir2000-page7-waiting
ir_button_shown "$FORWARD_PIXEL" ir2000-page7-waiting && fail "Forward shown for a modem that does not count"
ir_button_shown "$CANCEL_PIXEL" ir2000-page7-waiting || fail "page 7 shows no Cancel"
ir_forward
gui_taken
e2e_log | grep -qx "detect IRDA-Port" && fail "Enter on page 7 searched before Forward was shown"
gui_windows | grep -qF "$RECT_MAIN" || fail "the wizard ended on page 7"
pass "page 7 waits: no modem under 0000-0002 (a number, 3000 characters, other case) or 0010; Enter does nothing"

ir_modem 0009 REG_SZ "Infrared GPRS via IRDA (COM3)"
ir_wait_forward 3 ir2000-page7-ready || fail "the modem under 0009 did not show Forward"
pass "a modem registered under 0009 shows Forward"

# Forward: the infrared search finds the phone on the chosen port; Finish
# records the infrared modem.
ir_forward
e2e_wait_log "detect IRDA-Port" 10 || fail "no infrared search"
cable_wait_log_count "Modem detected on port: COM3" 30 2 || fail "phone not found: $(e2e_log | tail -3)"
cable_phone_heard 3 | grep -qx ATI9 || fail "the phone on COM3 was not asked"
e2e_log | grep -q '^Try detected' && fail "failed attempts logged"
gui_shot ir2000-page14
ir_button_shown "$FORWARD_PIXEL" ir2000-page14 && fail "page 14 shows Forward"
pass "the infrared search found the phone on COM3 at the first attempt"

ir_forward
e2e_wait_log "final reboot of the system" 20 || fail "Finish did not end the run: $(e2e_log | tail -3)"
gui_wait_gone "$RECT_MAIN" 20 || fail "the wizard still shows after Finish"
ir_wait_wineboot 20 || fail "Wine's restart did not end"
e2e_log | grep -qx "write to registry ModemName: GPRS via IRDA" || fail "modem name: $(e2e_log | grep ModemName)"
[ "$(wine_reg_query "$PRODUCT_KEY" ModemName)" = "GPRS via IRDA" ] || fail "ModemName not in the product key"
[ "$(wine_reg_query "$PRODUCT_KEY" ComPort)" = "COM3" ] || fail "ComPort not in the product key"
[ "$(cable_traced | grep -c -- '--end-session --force$')" -eq 2 ] || fail "the final reboot was not asked of Wine"
[ "$(cable_traced | grep -cxF "$run_value")" -eq 1 ] || fail "the wizard started again after Finish"
[ -e "$desktop/budget dummy run.xls" ] || fail "Finish deleted budget dummy run.xls from the all-users desktop"
[ -e "$desktop/dummy.lnk" ] && fail "Finish left the profile's shortcut dummy.lnk"
pass "Finish records GPRS via IRDA on COM3 and reboots; nothing starts the wizard again; only dummy.lnk left the desktop"

# No hotfix installer for the language and no infrared modem INF: the wait for
# the installer ends at once, nothing is made in place of the INF, and page 6
# follows all the same.
ir_begin win2k
ir_device
rm -f "$KT/w2kEN.exe" "$MDMIRMDM" "${MDMIRMDM%.inf}.pnf"
cable_start
ir_page1
ir_click_infrared
ir_forward
e2e_wait_log "installing IRDA-patch" 10 || fail "no hotfix: $(e2e_log | tail -3)"
ir_wait_forward 5 ir2000-no-hotfix alone || fail "no page 6 without the hotfix installer"
[ -e "$MDMIRMDM" ] && fail "an mdmirmdm.inf was made: $(cat "$MDMIRMDM")"
[ -z "$(cable_started 'w2k[A-Z]*')" ] || fail "a hotfix installer ran: $(cable_started 'w2k[A-Z]*')"
gui_key alt+F4
cable_expect_ended "Alt+F4 on page 6" abort
pass "without the hotfix installer and the INF: page 6 all the same, no INF made"
exit 0
