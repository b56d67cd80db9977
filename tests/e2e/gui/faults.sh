#!/usr/bin/env bash
# Windows XP, the world failing the wizard. A port of the list unplugged
# before Forward: the list again, as the system has it now. The disk full
# (a small file system as the temporary directory, filled after the start)
# when the setup data is written: message 101, nothing reported as written,
# no installer. The cable pulled while the search reads the phone: the
# search ends in message 104. The installer ending without its last
# report, or missing from kt: message 101 within two ticks of the watch;
# its OK ends the run with the clean-up and the taskbar back.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

# The small file system leaves with the walk, however it ends; the programs
# that may hold files on it are ended first.
FAULTS_MOUNT=""
faults_unmount() {
    if [ -n "$FAULTS_MOUNT" ]; then
        umount "$FAULTS_MOUNT" 2>/dev/null || umount -l "$FAULTS_MOUNT"
        FAULTS_MOUNT=""
    fi
}
faults_cleanup() {
    cable_cleanup
    faults_unmount
}

# A fresh XP run with the taskbar; kt on a file system of its own with $1
# (optional) as its size.
faults_begin() {
    cable_begin winxp
    trap faults_cleanup EXIT
    if [ -n "${1:-}" ]; then
        mount -t tmpfs -o "size=$1" tmpfs "$TEMP_HOST" || fail "no file system for the temporary directory"
        FAULTS_MOUNT=$TEMP_HOST
        mkdir -p "$KT"
        e2e_deploy
    fi
    cable_taskbar
}

# Page 1 to the port list by hand.
faults_to_page5() {
    cable_start
    cable_page1
    e2e_wait_log "IRDA detected: False" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
    gui_key Return
    e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached"
    gui_key Return
    e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached: $(e2e_log | tail -3)"
}

# Message 101 shown (four lines of text) as shot $1; its OK ends the run
# with the clean-up and the taskbar back.
faults_message_101_ends() {
    gui_shot "$1"
    [ "$(cable_text_lines "$1" 409x217+338+303)" -eq 4 ] || fail "$1: the message is not 101 (four lines)"
    cable_message_ok
    cable_expect_ended "OK on message 101 ($1)"
    e2e_log | grep -q '^write to registry' && fail "$1: the failed run installed"
    [ "$(cable_taskbar_notes)" = "shown hidden shown" ] || fail "$1: taskbar: $(cable_taskbar_notes)"
}

# COM2 unplugged while chosen, then the disk full as the setup data is written.
faults_begin 8m
cable_port_map 1 2
faults_to_page5
cable_list_entry 1
"$WINE" reg delete "$SERIAL_MAP" /v '\Device\Serial1' /f >/dev/null 2>&1 || fail "COM2 not unplugged"
dd if=/dev/zero of="$TEMP_HOST/filler" bs=64k 2>/dev/null
gui_key Return
cable_wait_log_count "user choice manuel COM-Port" 10 2 || fail "the list did not come again: $(e2e_log | tail -3)"
cable_log_order "user choice manuel COM-Port" "COM-Port gone: COM2" "user choice manuel COM-Port"
gui_key Tab
gui_shot_until faults-page5-again 5 cable_list_holds faults-page5-again 1 ||
    fail "the list holds $(cable_list_lines faults-page5-again) entries, not COM1 alone"
cable_list_entry 0
gui_key Return
gui_wait_window "$RECT_PAGE" 10 || fail "no message on the full disk: $(e2e_log | tail -3)"
e2e_log_has "writing init data failed: $TRIGGER_WIN" || fail "the failed write was not logged: $(e2e_log | tail -3)"
e2e_log | grep -qx 'writing init data END' && fail "the setup data was reported as written"
faults_message_101_ends faults-disk-full
e2e_log | grep -q '^starting systemcheck' && fail "the installer was started on the full disk"
faults_unmount
pass "a port unplugged before Forward shows the list again; a full disk stops at message 101, nothing reported as written"

# The cable pulled while the search reads COM1, whose phone never answers;
# then the installer ends without its last report. Wine does not end a read
# in progress when the terminal under it closes (Windows fails it when a
# USB-serial cable goes): the read runs to its time-out (5.13 s from the
# command), and the search then ends without another wait on the gone port.
faults_begin
cable_port_map 1 3
cable_phone 1 --silent
printf 'trigger 30\nsleep 3000\nexit\n' >"$KT/cm_32-0.scn"
cable_start
cable_page1
e2e_wait_log "IRDA detected: False" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
gui_key Return
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached"
cable_click_automatic
gui_key Return
cable_wait_line "$PORTS_WORK/logs/phone1.log" 20 ATI9 || fail "COM1 was not probed"
ports_pull 1
pulled=$(date +%s%N)
gui_wait_window "$RECT_PAGE" 10 || fail "the search did not end: $(e2e_log | tail -3)"
ended_ms=$((($(date +%s%N) - pulled) / 1000000))
echo "message 104 ${ended_ms} ms after the cable was pulled"
[ "$ended_ms" -lt 6500 ] || fail "the search went on for $ended_ms ms after the cable was pulled"
e2e_log_has "Modem detected on port: COM0" || fail "no failed search logged"
gui_shot faults-cable-pulled
cable_message_cancel
e2e_wait_log "user choice manuel COM-Port" 10 || fail "Cancel did not lead to the port list"
cable_list_entry 1 # COM3
gui_key Return
e2e_wait_log "writing init data END" 10 || fail "COM3 did not go forward: $(e2e_log | tail -3)"
gui_key Return
e2e_wait_log "starting systemcheck and modeminstallation" 10 || fail "the installer was not started"
cable_wait_line "$COMPANIONS_LOG" 15 "cm_32 ended" || fail "the installer did not end"
ended=$(date +%s%N)
gui_windows | grep -qF "$RECT_PAGE" && fail "a message came while the installer ran"
gui_wait_window "$RECT_PAGE" 10 || fail "no message after the installer ended without a report"
grace_ms=$((($(date +%s%N) - ended) / 1000000))
echo "message 101 ${grace_ms} ms after the installer ended"
[ "$grace_ms" -le 5000 ] || fail "message 101 came $grace_ms ms after the installer's end"
e2e_log_has "companion ended without report: CM_32" || fail "not logged: $(e2e_log | tail -2)"
[ "$(cable_log_count "systemcheck and modeminstallation ready")" -eq 0 ] || fail "page 3 ended as finished"
faults_message_101_ends faults-installer-ended
pass "a pulled cable: message 104 ${ended_ms} ms later; an installer that ended without a report: message 101 ${grace_ms} ms later"

# The installer missing from kt.
faults_begin
cable_port_map 1
rm -f "$KT/cm_32.exe"
faults_to_page5
cable_list_entry 0
gui_key Return
e2e_wait_log "writing init data END" 10 || fail "COM1 did not go forward: $(e2e_log | tail -3)"
gui_key Return
e2e_wait_log "starting systemcheck and modeminstallation" 10 || fail "page 3's Forward did nothing"
gui_wait_window "$RECT_PAGE" 10 || fail "no message without the installer: $(e2e_log | tail -3)"
e2e_log | grep -q '^program not started, error 2: ' || fail "the failed start was not logged: $(e2e_log | tail -3)"
faults_message_101_ends faults-installer-missing
pass "an installer missing from kt: message 101, whose OK ends the run"
exit 0
