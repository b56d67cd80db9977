#!/usr/bin/env bash
# The wizard names each supported system and tests administrator rights only
# on the NT family. The dialing location through the real profile calls and
# Wine's regedit (a real importer): on 98 a default location in telephon.ini
# and the country imported from tel.reg; on 2000 only wp2000.reg prepared.
. "$(dirname "$0")/lib.sh"
e2e_display

TELEPHON="$DRIVE_C/windows/telephon.ini"
LOCATIONS='HKLM\Software\Microsoft\Windows\CurrentVersion\Telephony\Locations'
# A registry file as shipped: REGEDIT4 and the location's key with its name.
shipped_reg() {
    printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\%s\\%s]\r\n"Name"="Standardstandort"\r\n' \
        'Software\Microsoft\Windows\CurrentVersion\Telephony\Locations' "$1" >"$2"
}
# The country the wizard wrote into the registry file $1 (section of $2): eight hex digits.
reg_file_country() {
    # Backslashes through the environment: awk -v reads escapes, "\S" unlike in GNU awk and mawk.
    tr -d '\r' <"$1" | S="[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations\\$2]" \
        awk 'tolower($0) == tolower(ENVIRON["S"]) {on = 1; next} /^\[/ {on = 0} on && sub(/^"country"=dword:/, "") {print}'
}
dialing_location() {
    local ver=$1 country i
    case $ver in
        win98)
            # The start-up sets the location after its checks; regedit imports
            # on its own time.
            for ((i = 0; i < 80; i++)); do
                wine_reg_query "$LOCATIONS\\Location0" country >/dev/null && break
                sleep 0.25
            done
            country=$(reg_file_country "$KT/tel.reg" Location0)
            [[ $country =~ ^[0-9A-F]{8}$ ]] || fail "win98: tel.reg country: '$country' ($(tr '\r\n' '  ' <"$KT/tel.reg"))"
            [ "$(tr -d '\r' <"$TELEPHON")" = "$(printf '[Locations]\nCurrentLocation=0,0\nLocations=1,1\nLocation0=0,"Standardstandort","","","",%d,0,0,1,"",0,""\nInited=1' "0x$country")" ] ||
                fail "win98: telephon.ini: $(tr '\r\n' '  ' <"$TELEPHON")"
            [ "$(wine_reg_query "$LOCATIONS\\Location0" country)" = "$(printf '0x%x' "0x$country")" ] ||
                fail "win98: country not imported: $(wine_reg_query "$LOCATIONS\\Location0" country)"
            pass "win98: telephon.ini has the default location with country $((0x$country)); regedit imported it from tel.reg"
            ;;
        win2k)
            for ((i = 0; i < 80; i++)); do
                [ -n "$(reg_file_country "$KT/wp2000.reg" Location1)" ] && break
                sleep 0.25
            done
            country=$(reg_file_country "$KT/wp2000.reg" Location1)
            [[ $country =~ ^[0-9A-F]{8}$ ]] || fail "win2k: wp2000.reg country: '$country'"
            [ -e "$TELEPHON" ] && fail "win2k: telephon.ini written"
            wine_reg_query "$LOCATIONS\\Location1" country >/dev/null && fail "win2k: wp2000.reg imported"
            pass "win2k: wp2000.reg has country $((0x$country)) under Location1, not imported; telephon.ini untouched"
            ;;
    esac
}

for pair in win95:Win95 win98:Win98 winme:WinME nt40:WinNT win2k:Win2K winxp:WinXP; do
    ver=${pair%%:*} name=${pair#*:}
    E2E_VERSION=$ver e2e_reset; e2e_deploy
    rm -f "$TELEPHON"
    wine_reg_delete_key "$LOCATIONS"
    shipped_reg Location0 "$KT/tel.reg"
    shipped_reg Location1 "$KT/wp2000.reg"
    e2e_start
    e2e_wait_log "check for enough diskspace END" 30 || fail "$ver: start-up did not get through: $(e2e_log | tail -2)"
    e2e_log | grep -qx "detected OS: $name" || fail "$ver: $(e2e_log | grep 'detected OS')"
    case $name in
        WinNT | Win2K | WinXP) e2e_log | grep -qx "check if user is Admin START" || fail "$ver: no rights test" ;;
        *) e2e_log | grep -q "check if user is Admin" && fail "$ver: rights tested on the 9x family" ;;
    esac
    wine_reg_query 'HKLM\System\CurrentControlSet\Control' Admin >/dev/null && fail "$ver: Admin value left behind"
    dialing_location "$ver"
    wine_kill
    pass "$ver is $name"
done
rm -f "$TELEPHON"
wine_reg_delete_key "$LOCATIONS"
exit 0
