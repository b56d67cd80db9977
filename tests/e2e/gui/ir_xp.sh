#!/usr/bin/env bash
# Windows XP, the phone by infrared, no serial port at all, a read-only
# infrared modem INF: no hotfix, the INF left as it is, the port list skipped
# with the modem driver put straight into the Windows inf directory, setup data
# without the three "ModInst" lines, and ten attempts of the infrared search
# when the phone never answers (each shown on page 7 with its number),
# Finish all the same (the dialer setup's SendMessage broadcast answered).
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/ir.bash"
e2e_display

ir_begin winxp
ir_device
cable_port_map
# Read-only for every program, the Wine of a root session included (which
# writes files with the read-only attribute): an immutable file, outside the
# prefix so that a run that could not clean up leaves nothing there.
ir_mdmirmdm
ro_dir=$(mktemp -d)
mv "$MDMIRMDM" "$ro_dir/"
ln -s "$ro_dir/mdmirmdm.inf" "$MDMIRMDM"
chmod a-w "$ro_dir/mdmirmdm.inf"
trap 'chattr -i "$ro_dir/mdmirmdm.inf" 2>/dev/null; rm -rf "$ro_dir" "$MDMIRMDM"; ir_cleanup' EXIT
read_only=yes
chattr +i "$ro_dir/mdmirmdm.inf" 2>/dev/null || read_only=""
inf_before=$(md5sum <"$MDMIRMDM")
# Registered before page 7: the wait on XP would otherwise take two minutes.
ir_modem 0004 REG_SZ "GPRS via IRDA"
printf 'snapshot\ntrigger 101\n' >"$KT/cm_32-0.scn"
# A phone behind COM1 (not in the serial-port map) that never raises CTS:
# each attempt of the infrared search waits two seconds for it.
cable_phone 1
CABLE_CTS_OFF=1 cable_start
cable_page1
ir_click_infrared
ir_forward
e2e_wait_log "writing init data END" 15 || fail "no setup data: $(e2e_log | tail -4)"
cable_log_order "user choice IRDA or COM : IRDA" "edit MDMIRMDM.INF" "user choice manuel COM-Port" "No ComPorts found" \
    "writing init data START" "writing init data END"
e2e_log | grep -q "installing IRDA-patch" && fail "a hotfix was installed on XP"
[ -z "$(cable_started 'w2k[A-Z]*')" ] || fail "a hotfix installer ran on XP: $(cable_started 'w2k[A-Z]*')"
if [ -n "$read_only" ]; then
    [ "$(md5sum <"$MDMIRMDM")" = "$inf_before" ] || fail "the read-only mdmirmdm.inf was changed: $(ir_sections "$MDMIRMDM")"
else
    echo "NOTE: no immutable files here, and Wine as root writes read-only ones: the INF's content is not checked"
fi
[ -e "${MDMIRMDM%.inf}.pnf" ] && fail "mdmirmdm.pnf is still there"
pass "XP: no hotfix, the read-only INF kept whole, its .pnf deleted"

gui_shot irxp-page3
ir_button_shown "$FORWARD_PIXEL" irxp-page3 || fail "page 3 shows no Forward"
cmp -s "$KT/mdmvlmxp.in_" "$DRIVE_C/windows/inf/mdmvlm.inf" || fail "mdmvlm.inf is not the XP driver in the Windows inf directory"
cmp -s "$KT/mdmvlmxp.in_" "$KT/mdmvlm.inf" || fail "mdmvlm.inf is not the XP driver in kt"
pass "no serial port: page 5 skipped, the XP driver in kt and in the Windows inf directory, page 3 shown"

ir_forward
e2e_wait_log "user must put his handy to the IRDA-Device on the pc" 15 || fail "page 7 not reached: $(e2e_log | tail -3)"
cable_variables "$KT/seen-trigger.ini" >"$CABLE_DIR/variables"
[ "$(tr '\n' '|' <"$CABLE_DIR/variables")" = "[Variables]|kundel=Valmor GPRS|kundek=VLMGPRS|ComPort=|os=WinXP|fcountry=EN|ModInstNT=1|ModName=GPRS via COM|ModName1=GPRS via IRDA|ModName2=Z72 Modem (GPRS)|" ] ||
    fail "setup data: $(cat "$CABLE_DIR/variables")"
pass "the setup data has no ModInst9x, ModInst2K, ModInstXP or SysUpdate line and an empty ComPort"

ir_wait_forward 5 irxp-page7 || fail "the registered modem did not show Forward"
ir_forward
# While the search blocks the window, each failed attempt is shown on page 7
# (text 2007 with its number for "(%s)"): photographed as the attempts go by.
attempts_seen=""
for ((i = 0; i < 600; i++)); do
    tries=$(e2e_log | grep -c "^Try detected on IRDA-Port Try-Nr\.: ")
    e2e_log | grep -qx "Modem detected on port: COM0" && break
    if [ "$tries" -gt 0 ] && [[ " $attempts_seen " != *" $tries "* ]]; then
        GUI_SHOT_SYNC=no gui_shot "irxp-attempt-$tries"
        attempts_seen="$attempts_seen $tries"
    fi
    sleep 0.1
done
e2e_wait_log "Modem detected on port: COM0" 60 || fail "the search did not end: $(e2e_log | tail -3)"
# The tenth is followed at once by page 14; the others stay two seconds.
[ "$attempts_seen" = " 1 2 3 4 5 6 7 8 9" ] || fail "attempts photographed:$attempts_seen"
for n in 2 3 4 5 6 7 8 9; do
    d=$(gui_mask_diff "irxp-attempt-$((n - 1))" "irxp-attempt-$n" 409x217+$((PAGE_X + 24))+$((PAGE_Y + 112)))
    [ "$d" -gt 0 ] && [ "$d" -lt 60 ] || fail "page 7 at attempt $n differs from attempt $((n - 1)) by $d pixels, not by its number"
done
pass "page 7 counts the attempts 1 to 9 in text 2007 while the search blocks the window"
for n in 1 2 3 4 5 6 7 8 9 10; do
    [ "$(cable_log_count "Try detected on IRDA-Port Try-Nr.: $n")" -eq 1 ] || fail "attempt $n not logged once"
done
cable_log_order "detect IRDA-Port" "Try detected on IRDA-Port Try-Nr.: 1" "Try detected on IRDA-Port Try-Nr.: 10" \
    "Modem detected on port: COM0"
[ "$(e2e_log | tail -1)" = "Modem detected on port: COM0" ] || fail "the search ended with $(e2e_log | tail -1)"
gui_shot irxp-page14
ir_button_shown "$CANCEL_PIXEL" irxp-page14 && fail "page 14 shows Cancel"
pass "the phone never answers: ten attempts logged, then page 14"

ir_forward
e2e_wait_log "final reboot of the system" 20 || fail "Finish did not end the run: $(e2e_log | tail -3)"
cable_log_order "write to registry ModemName: " "write to registry ComPort: " "final reboot of the system"
e2e_wait_end 20 || fail "the wizard still runs after Finish"
# The dialer setup's SendMessage broadcast came back: the wizard answered it while it waited.
[ "$(cable_started setup-broadcast)" = answered ] || fail "the dialer setup's broadcast got no answer"
ir_wait_wineboot 20 || fail "Wine's restart did not end"
for value in ModemName ComPort; do
    [ "$(wine_reg_query "$PRODUCT_KEY" $value)" = "" ] || fail "$value is not empty"
    "$WINE" reg query "$PRODUCT_KEY" /v $value >/dev/null 2>&1 || fail "no $value in the product key"
done
pass "Finish writes the empty modem name and port"
exit 0
