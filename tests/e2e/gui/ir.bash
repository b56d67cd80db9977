# Helpers of the infrared walks and the matrix (ir_*.sh, matrix.sh): source
# after gui.sh. On top of cable.bash (phones, the serial-port map, the start
# with the modem-line shim, what the walk reads back): the system's infrared
# and modem-class keys, the infrared choice, the picture buttons as drawn, the
# infrared modem INF, and the end of Wine's restart of Windows.
. "$(dirname "${BASH_SOURCE[0]}")/cable.bash"

RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
MDMIRMDM="$DRIVE_C/windows/inf/mdmirmdm.inf"

# A pixel inside the face of Forward and of Cancel on the main window, where
# Finish does not lie: "X Y X-in-bitmap-120".
FORWARD_PIXEL="625 534 85"
CANCEL_PIXEL="450 534 10"

# The keys that the walks add stay out of the prefix: each walk starts from,
# and the test leaves, the registry as the prefix was made.
ir_cleanup() {
    cable_cleanup
    wine_restore_registry
}

# A fresh walk on Windows version $1 (win95 ... winxp), with the driver
# templates in kt and scenarios that let the installer finish at once.
ir_begin() {
    [ -n "${PORTS_DOSDEVICES:-}" ] && ports_end
    wine_restore_registry
    cable_begin "$1"
    trap ir_cleanup EXIT
    ir_kt
}

# What the walks add to the deployed kt: driver templates for every system, an
# installer that reports its end at once and ends at once in infrared mode.
ir_kt() {
    local t
    for t in mdmvlm2k mdmvlmxp mdmvlmnt mdmvlm9x; do
        printf '; %s\r\n[Ports]\r\nPort=COM4\r\n' "$t" >"$KT/$t.in_"
    done
    printf 'trigger 101\n' >"$KT/cm_32-0.scn"
    printf 'exit\n' >"$KT/cm_32-1.scn"
}

# Page 1 answered with Enter, as cable_page1 but without its screenshot (the
# matrix walks it seventeen times).
ir_page1() {
    gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
    TRIGGER_WIN=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p' | tail -1)
    TRIGGER_HOST=$(gui_trigger_host)
    gui_key Return
    gui_wait_window "$RECT_MAIN" 20 || fail "no main window after page 1"
}

ir_reg_add() { "$WINE" reg add "$@" /f >/dev/null 2>&1 || fail "reg add $*"; }

# The key that tells the running system has an infrared device.
ir_device() {
    case $E2E_VERSION in
        win2k | winxp) ir_reg_add 'HKLM\System\CurrentControlSet\Enum\Root\Legacy_IRDA' ;;
        *) ir_reg_add 'HKLM\Enum\INFRARED' ;;
    esac
}

# Modem-class key number $1 (0000 ...) of the running system with the value
# "DriverDesc" of type $2 (REG_SZ, REG_DWORD) and data $3.
ir_modem() {
    local base='HKLM\System\CurrentControlSet\Services\Class\Modem'
    case $E2E_VERSION in
        win2k | winxp) base='HKLM\SYSTEM\CurrentControlSet\Control\Class\{4D36E96D-E325-11CE-BFC1-08002BE10318}' ;;
    esac
    ir_reg_add "$base\\$1" /v DriverDesc /t "$2" /d "$3"
}

# The infrared modem INF of the system with the two model sections and one
# that must stay, and its precompiled form.
ir_mdmirmdm() {
    rm -f "$MDMIRMDM"
    printf '[Version]\r\nSignature="$CHICAGO$"\r\n\r\n[Valmor]\r\nGPRS=Modem1,IRDA\\Valmor\r\n\r\n' >"$MDMIRMDM"
    printf '[Standard]\r\nModem=Modem2,IRDA\\Standard\r\n\r\n[Manufacturer]\r\n%%Mfg%%=Models\r\n' >>"$MDMIRMDM"
    : >"${MDMIRMDM%.inf}.pnf"
}

# The section names of an INI file, blank-separated.
ir_sections() { tr -d '\r' <"$1" | sed -n 's/^\[\(.*\)\]$/\1/p' | tr '\n' ' '; }

ir_click_infrared() { cable_click 102 198; }
ir_forward() { gui_key Return; }

# The face of a picture button ($1 = FORWARD_PIXEL or CANCEL_PIXEL) is drawn
# in screenshot $2.
ir_button_shown() {
    local at
    read -ra at <<<"$1"
    [ "$(gui_pixel "$2" "${at[0]}" "${at[1]}")" = "$(convert "$WIZ_BUILD/wizard/resources/pictures/button.bmp" \
        -format "%[pixel:p{${at[2]},3}]" info:)" ]
}

# Waits up to $1 seconds for Forward to be drawn, and with $3 = alone for
# Cancel to be gone too; the last look is shot $2. (A window that waits for a
# program shows no button until the page after the wait is drawn.)
ir_wait_forward() { gui_shot_until "$2" "$1" ir_forward_drawn "$2" "${3:-}"; }
ir_forward_drawn() {
    ir_button_shown "$FORWARD_PIXEL" "$1" && ! { [ "$2" = alone ] && ir_button_shown "$CANCEL_PIXEL" "$1"; }
}

# Dark (text) pixels in region $2 (WxH+X+Y) of screenshot $1.
ir_text_pixels() {
    gui_mask "$1" "$2" "$1-mask"
    convert "$SHOTS/$1-mask.pbm" -format '%[fx:int(w*h*(1-mean)+0.5)]' info:
}

# Waits up to $1 seconds until no wineboot of this prefix runs: Wine carries
# out a request to restart Windows with wineboot, which ends every program of
# the session (a registry query too) before it starts those of the Run key.
ir_wait_wineboot() { e2e_until "$1" ir_no_wineboot; }
ir_no_wineboot() {
    local pid
    for pid in $(pgrep -f 'wineboot\.exe'); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 1
    done
    return 0
}
