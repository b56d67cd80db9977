#!/usr/bin/env bash
# Windows XP, the phone on a cable, found by the automatic search: COM1 opens
# but never raises CTS, COM2 is absent, the phone answers on COM3. The setup
# data and the modem driver reach the installer, which reports progress and
# status texts and asks for a folder once (the dialog, cancelled, comes back;
# then a folder is chosen). Finish records the modem, runs the dialer setup,
# empties kt, shows the taskbar again and asks Wine to reboot. In a TEMP with
# a blank; a hidden log of before and a rundll32.exe in kt are not used.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

E2E_TEMP_BLANK=1
cable_begin winxp
printf 'planted\r\n' >"$LOG"
python3 -c 'import os, sys; os.setxattr(sys.argv[1], "user.DOSATTRIB", b"0x2")' "$LOG"
cp "$KT/setup.exe" "$KT/rundll32.exe"
mkdir -p "$DRIVE_C/Program Files/Valmor/GPRS" && : >"$DRIVE_C/Program Files/Valmor/GPRS/z72gprs.exe"
cable_port_map 1 3
cable_phone 1
cable_phone 3
printf '; modem driver for Windows XP\r\n[Strings]\r\nPort="COM4"\r\n' >"$KT/mdmvlmxp.in_"
long=$(printf '9%.0s' $(seq 3000))
cat >"$KT/cm_32-0.scn" <<EOF
# progress with status texts, values that are no numbers, the setup data as
# seen, one folder request
trigger 5
text 2100
sleep 4500
trigger abc
text $long
sleep 4500
trigger 30
text 2103
snapshot
sleep 4000
getdir
trigger 70
text 2104
sleep 2000
trigger 101
EOF
cable_taskbar
CABLE_CTS_OFF=1 CABLE_WINEDEBUG=+process cable_start
cable_page1
e2e_log | grep -qx planted && fail "the log of before was written on"
rundll=$(cable_traced | grep -i rundll32)
[ "$rundll" = 'C:\windows\system32\rundll32.exe C:\windows\system32\advpack.dll,LaunchINFSection C:\windows\inf\Z72GPRS.inf, RemoveInstall' ] ||
    fail "old dialer removal: $rundll"
pass "a fresh log in place of the hidden one; the old dialer removed by Windows' rundll32 and advpack"

# Page 2: cable is the default; the taskbar went with page 1.
e2e_wait_log "IRDA detected: False" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_shot cable_xp-page2
[ "$(cable_taskbar_notes)" = "shown hidden" ] || fail "taskbar not hidden: $(cable_taskbar_notes)"
gui_key Return

# Page 4: the automatic search chosen by a click on its text.
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
gui_shot cable_xp-page4
cable_click_automatic
gui_shot cable_xp-page4-automatic
gui_key Return
e2e_wait_log "Modem detected on port: COM3" 30 || fail "phone not found: $(e2e_log | tail -3)"
cable_log_order "user choice IRDA or COM" "IRDA detected: False" "user choice IRDA or COM : COM" \
    "user choice automatic or manuel COM-Selection" "user choice automatic or manuel COM-Selection: Automatic" \
    "Modem detected on port: COM3" "writing init data START" "writing init data END"
[ "$(cable_log_count "Modem detected on port: COM0")" -eq 0 ] || fail "a failed search was logged"
[ -z "$(cable_phone_heard 1)" ] || fail "COM1 without CTS was sent: $(cable_phone_heard 1)"
[ "$(cable_phone_heard 3)" = "ATI9" ] || fail "COM3 heard: $(cable_phone_heard 3)"
pass "the automatic search passes COM1 (no CTS, nothing sent) and finds the phone on COM3"

# Page 3: Forward starts the installer in cable mode and shows its progress.
e2e_wait_log "writing init data END" 10 || fail "no setup data"
gui_shot cable_xp-page3
gui_key Return
e2e_wait_log "starting systemcheck and modeminstallation" 10 || fail "the installer was not started"
# Each report is read at the next tick of the watch (2 s); values that are no
# numbers leave the bar and the status text as they were.
bar_and_status=409x60+$((PAGE_X + 24))+$((PAGE_Y + 328))
# The bar (30,328 409x25 on the page) filled at $2 % of shot $1, and the
# status line under it holding text.
shows_progress() {
    [ "$(gui_pixel "$1" $((PAGE_X + 30 + 409 * $2 / 100)) $((PAGE_Y + 340)))" != \
        "$(gui_pixel "$1" $((PAGE_X + 30 + 409 * 40 / 100)) $((PAGE_Y + 334)))" ] || return 1
    gui_mask "$1" 393x25+$((PAGE_X + 24))+$((PAGE_Y + 360)) "$1-status"
    [ "$(convert "$SHOTS/$1-status.pbm" -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)" -gt 50 ]
}
cable_wait_line "$TRIGGER_HOST" 20 "trigger=5" || fail "the installer reported nothing"
gui_shot_until cable_xp-page3-5 10 shows_progress cable_xp-page3-5 3 || fail "no progress shown at 5 %"
cable_wait_line "$TRIGGER_HOST" 10 "trigger=abc" || fail "the installer did not report abc"
# That "abc" changes nothing shows only once the watch has read it: a tick
# of 2 s after its report.
sleep 2.5
gui_shot cable_xp-page3-abc
[ "$(gui_mask_diff cable_xp-page3-5 cable_xp-page3-abc "$bar_and_status")" -eq 0 ] ||
    fail "\"abc\" and a 3000-digit text changed the progress or the status"
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 0 ] || fail "page 3 ended on \"abc\""
cable_wait_line "$TRIGGER_HOST" 10 "trigger=30" || fail "the installer did not report 30"
gui_shot_until cable_xp-page3-progress 10 shows_progress cable_xp-page3-progress 25 ||
    fail "no progress drawn up to 30 % with a status text under the bar"
expected="^\"${TEMP_WIN//\\/\\\\}\\\\kt\\\\cm_32\\.exe\" [^ \"]+\\\\\\\\kt\\\\ [^ \"]+ 0\$"
[[ "$(cable_started cm_32)" =~ $expected ]] || fail "installer command: $(cable_started cm_32) (not $expected)"
pass "page 3 starts \"$(cable_started cm_32)\" and shows its progress and status, ignoring values that are no numbers"

# What the installer saw: the setup data of Windows XP for COM3, and the
# driver template copied unchanged.
cable_variables "$KT/seen-trigger.ini" >"$CABLE_DIR/variables"
cat >"$CABLE_DIR/variables.expected" <<'EOF'
[Variables]
kundel=Valmor GPRS
kundek=VLMGPRS
ComPort=COM3
os=WinXP
fcountry=EN
ModInstNT=1
ModInst9x=1
ModInst2K=1
ModInstXP=1
ModName=GPRS via COM
ModName1=GPRS via IRDA
ModName2=Z72 Modem (GPRS)
EOF
diff "$CABLE_DIR/variables.expected" "$CABLE_DIR/variables" >&2 || fail "setup data as the installer saw it"
cmp -s "$KT/mdmvlmxp.in_" "$KT/seen-mdmvlm.inf" || fail "mdmvlm.inf is not the XP template"
[ -e "$DRIVE_C/windows/inf/mdmvlm.inf" ] && fail "mdmvlm.inf went to the system's inf directory"
pass "the installer saw the setup data of XP for COM3 and mdmvlm.inf from mdmvlmxp.in_"

# The folder request: the dialog comes; cancelled, it comes again; a folder
# chosen in it reaches the installer.
gui_wait_window_titled "Browse for Folder" 30 || fail "no folder dialog: $(gui_windows)"
gui_shot cable_xp-folder
read -r left top right bottom < <(cable_window_rect "Browse for Folder")
gui_point $(((left + right) / 2)) $(((top + bottom) / 2))
xdotool key Escape
no_folder_dialog() { ! gui_window_titled "Browse for Folder"; }
e2e_until 5 no_folder_dialog
gui_wait_window_titled "Browse for Folder" 20 || fail "the cancelled folder dialog did not come back"
gui_shot cable_xp-folder-again
read -r left top right bottom < <(cable_window_rect "Browse for Folder")
gui_click $((left + 101)) $((top + 128)) # "Documents", the third entry of the tree
gui_shot cable_xp-folder-chosen
gui_point $(((left + right) / 2)) $(((top + bottom) / 2))
xdotool key Return
e2e_until 20 grep -q '^cm_32|path|' "$COMPANIONS_LOG" || fail "the installer got no folder"
chosen=$(cable_started cm_32 | sed -n 's/^path|//p')
[[ "$chosen" =~ ^C:\\users\\[^\\]+\\Documents\\?$ ]] || fail "the installer got the folder \"$chosen\""
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 0 ] || fail "page 3 ended during the request"
pass "the folder dialog came back after Cancel; the installer got $chosen"

# Page 14 after the report above 100.
e2e_wait_log "systemcheck and modeminstallation ready" 20 || fail "page 3 did not end: $(e2e_log | tail -3)"
tr -d '\r' <"$TRIGGER_HOST" | grep -qx 'GetDirectory=0' || fail "GetDirectory not answered with 0"
gui_shot cable_xp-page14
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 1 ] || fail "page 3 ended twice"

# Finish: the modem in the product key, the dialer setup, kt emptied, the
# taskbar back, the reboot asked of Wine (which ends the session).
gui_key Return
e2e_wait_log "final reboot of the system" 20 || fail "Finish did not end the run: $(e2e_log | tail -3)"
cable_expect_ended "Finish"
cable_log_order "systemcheck and modeminstallation ready" "write to registry ModemName: GPRS via COM" \
    "write to registry ComPort: COM3" "installing the GPRS modemassistant" "final reboot of the system"
[ "$(wine_reg_query "$PRODUCT_KEY" ModemName)" = "GPRS via COM" ] || fail "ModemName: $(wine_reg_query "$PRODUCT_KEY" ModemName)"
[ "$(wine_reg_query "$PRODUCT_KEY" ComPort)" = "COM3" ] || fail "ComPort: $(wine_reg_query "$PRODUCT_KEY" ComPort)"
setup="^\"${TEMP_WIN//\\/\\\\}\\\\kt\\\\setup\\.exe\" /f2[^ \"]+\\\\setup\\.log /s\$"
[[ "$(cable_started setup)" =~ $setup ]] || fail "dialer setup: $(cable_started setup) (not $setup)"
# The setup's SendMessage broadcast came back: the wizard answered it while it waited.
[ "$(cable_started setup-broadcast)" = answered ] || fail "the dialer setup's broadcast got no answer"
cable_traced | grep -qx '.*\\wineboot\.exe --end-session.*' || fail "no reboot asked: $(cable_traced | tail -2)"
cable_wait_line "$TASKBAR_LOG" 10 "end session" || fail "the session did not end: $(cable_taskbar_notes)"
[ "$(cable_taskbar_notes)" = "shown hidden shown end session" ] || fail "taskbar: $(cable_taskbar_notes)"
pass "Finish: GPRS via COM on COM3 in the product key, \"$(cable_started setup)\" run, kt emptied, taskbar shown, reboot asked"
exit 0
