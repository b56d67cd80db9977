#!/usr/bin/env bash
# The wizard names each supported system and tests administrator rights only
# on the NT family.
. "$(dirname "$0")/lib.sh"
e2e_display
for pair in win95:Win95 win98:Win98 winme:WinME nt40:WinNT win2k:Win2K winxp:WinXP; do
    ver=${pair%%:*} name=${pair#*:}
    E2E_VERSION=$ver e2e_reset; e2e_deploy
    e2e_start
    e2e_wait_log "check for enough diskspace END" 30 || fail "$ver: start-up did not get through: $(e2e_log | tail -2)"
    e2e_log | grep -qx "detected OS: $name" || fail "$ver: $(e2e_log | grep 'detected OS')"
    case $name in
        WinNT | Win2K | WinXP) e2e_log | grep -qx "check if user is Admin START" || fail "$ver: no rights test" ;;
        *) e2e_log | grep -q "check if user is Admin" && fail "$ver: rights tested on the 9x family" ;;
    esac
    wine_reg_query 'HKLM\System\CurrentControlSet\Control' Admin >/dev/null && fail "$ver: Admin value left behind"
    wine_kill
    pass "$ver is $name"
done
exit 0
