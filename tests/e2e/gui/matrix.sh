#!/usr/bin/env bash
# Every system with every way to the phone: the automatic cable search, the
# search by hand and, where the system offers it, infrared, each walked from
# page 1 to Finish with the phone on COM2 (COM1 listed but empty), and the log,
# the product key and the installer's command lines checked. Windows NT offers
# no infrared (page 2 is not shown there); Windows 2000 has the IrComm hotfix
# here, so its infrared walk needs no reboot (ir_2000.sh walks the one without).
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/ir.bash"
e2e_display

declare -A OS_NAME=([win95]=Win95 [win98]=Win98 [winme]=WinME [nt40]=WinNT [win2k]=Win2K [winxp]=WinXP)

# Before each walk, inside the one Wine session of the matrix (the phone on
# COM2 stays): no log, markers or exchange files, kt deployed anew, the keys
# that walks add removed, system $1 named, COM1 and COM2 in its serial-port map
# (a volatile key: its values can be replaced, but it cannot be made anew).
matrix_reset() {
    export E2E_VERSION=$1
    rm -f "$LOG" "$DRIVE_C/gprs.kti" "$TEMP_HOST/kti.kti" "$TEMP_HOST"/KTI*.[Tt][Mm][Pp]
    rm -rf "$KT"
    mkdir -p "$KT"
    e2e_deploy
    ir_kt
    : >"$COMPANIONS_LOG"
    ln "$COMPANIONS_LOG" "$KT/companions.log"
    local map=('"\\Device\\Serial0"="COM1"' '"\\Device\\Serial1"="COM2"') reg="$CABLE_DIR/reset.reg"
    case $1 in win95 | win98 | winme) map=('"COM1"="COM1"' '"COM2"="COM2"') ;; esac
    printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Software\Wine]' "\"Version\"=\"$1\"" \
        '[-HKEY_LOCAL_MACHINE\Software\Valmor GPRS]' '[-HKEY_LOCAL_MACHINE\Enum\INFRARED]' \
        '[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\Root\Legacy_IRDA]' \
        '[-HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Modem\0001]' \
        '[-HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Class\{4D36E96D-E325-11CE-BFC1-08002BE10318}\0001]' \
        '[-HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Q252795]' \
        '[HKEY_LOCAL_MACHINE\Hardware\DeviceMap\SerialComm]' '"\\Device\\Serial0"=-' '"\\Device\\Serial1"=-' \
        '"COM1"=-' '"COM2"=-' "${map[@]}" >"$reg"
    # reg import says nothing in its code: look at what it did.
    "$WINE" reg import "$(win_path "$reg")" >/dev/null 2>&1
    [ "$("$WINE" reg query 'HKLM\Hardware\DeviceMap\SerialComm' 2>/dev/null | grep -c REG_SZ)" -eq 2 ] ||
        fail "registry reset for $1"

}

# A text value of the product key as queried into $PRODUCT.
product() { awk -v n="$1" '$1 == n && $2 == "REG_SZ" {sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print}' <<<"$PRODUCT"; }

# One walk: system $1, way $2 (auto, manual or infrared).
walk() {
    local os=$1 way=$2 name=${OS_NAME[$1]} what="$1 $2" modem="GPRS via COM" expected=()
    matrix_reset "$os"
    if [ "$way" = infrared ]; then
        ir_device
        ir_modem 0001 REG_SZ "GPRS via IRDA"
        modem="GPRS via IRDA"
        [ "$os" = win2k ] && ir_reg_add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Q252795'
    fi
    cable_start
    ir_page1
    expected=("detected OS: $name" "frmain after topmost")
    if [ "$os" != nt40 ]; then
        e2e_wait_log "user choice IRDA or COM" 10 || fail "$what: no page 2"
        if [ "$way" = infrared ]; then
            ir_click_infrared
            expected+=("IRDA detected: True" "user choice IRDA or COM : IRDA")
        else
            expected+=("IRDA detected: False" "user choice IRDA or COM : COM")
        fi
        ir_forward
    fi
    case $way in
        auto)
            e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "$what: no page 4"
            cable_click_automatic
            ir_forward
            expected+=("user choice automatic or manuel COM-Selection: Automatic" "Modem detected on port: COM2")
            ;;
        manual)
            e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "$what: no page 4"
            ir_forward
            expected+=("user choice automatic or manuel COM-Selection: manuel")
            ;;
    esac
    if [ "$way" != auto ]; then
        e2e_wait_log "user choice manuel COM-Port" 10 || fail "$what: no page 5: $(e2e_log | tail -2)"
        cable_list_entry 1
        ir_wait_forward 5 "matrix-$os-$way" || fail "$what: choosing COM2 showed no Forward"
        ir_forward
        expected+=("user choice manuel COM-Port: COM2")
    fi
    e2e_wait_log "writing init data END" 30 || fail "$what: no setup data: $(e2e_log | tail -3)"
    ir_forward
    expected+=("writing init data END" "starting systemcheck and modeminstallation" "systemcheck and modeminstallation ready")
    if [ "$way" = infrared ]; then
        e2e_wait_log "user must put his handy to the IRDA-Device on the pc" 15 || fail "$what: no page 7: $(e2e_log | tail -3)"
        ir_wait_forward 5 "matrix-$os-$way" || fail "$what: the registered modem did not show Forward"
        ir_forward
        e2e_wait_log "Modem detected on port: COM2" 30 || fail "$what: infrared search: $(e2e_log | tail -3)"
        expected+=("detect IRDA-Port" "Modem detected on port: COM2" "Modem detected on port: COM2")
    else
        e2e_wait_log "systemcheck and modeminstallation ready" 15 || fail "$what: installer's end not seen: $(e2e_log | tail -3)"
    fi
    # Page 14: the installer's command lines (on 95, 98 and ME page 7 starts
    # none), then Finish, whose clean-up takes the stand-ins' log with it.
    local cmd="$TEMP_WIN\\kt\\cm_32.exe $TEMP_WIN\\\\kt\\ $TRIGGER_WIN"
    case $way-$os in
        infrared-win2k | infrared-winxp) [ "$(cable_started cm_32)" = "$cmd 0"$'\n'"$cmd 1" ] ;;
        *) [ "$(cable_started cm_32)" = "$cmd 0" ] ;;
    esac || fail "$what: installer commands: $(cable_started cm_32)"
    ir_forward
    e2e_wait_log "final reboot of the system" 20 || fail "$what: Finish did not end the run: $(e2e_log | tail -3)"
    e2e_wait_end 20 || fail "$what: the wizard still runs after Finish"
    ir_wait_wineboot 20 || fail "$what: Wine's restart did not end"
    expected+=("write to registry ModemName: $modem" "write to registry ComPort: COM2" "installing the GPRS modemassistant"
        "final reboot of the system")
    cable_log_order "${expected[@]}"
    [ "$(cable_started setup)" = "$TEMP_WIN\\kt\\setup.exe /f2$TEMP_WIN\\setup.log /s" ] ||
        fail "$what: dialer setup: $(cable_started setup)"
    [ "$(e2e_log | grep -c '^Try detected')" -eq 0 ] || fail "$what: failed infrared attempts"
    local devices=1
    [ "$os" = nt40 ] || [ "$way" = infrared ] && devices=3
    PRODUCT=$("$WINE" reg query "$PRODUCT_KEY" 2>/dev/null | tr -d '\r')
    [ "$(product ModemName)|$(product ComPort)|$(product InstalledDevices)" = "$modem|COM2|$devices" ] ||
        fail "$what: product key: $PRODUCT"
    pass "$what: Finish with $modem on COM2"
}

ir_begin win95
cable_phone 2
start=$SECONDS
for os in win95 win98 winme nt40 win2k winxp; do
    walk "$os" auto
    walk "$os" manual
    [ "$os" = nt40 ] || walk "$os" infrared
done
echo "matrix: 17 walks in $((SECONDS - start)) s"
exit 0
