#!/usr/bin/env bash
# The wizard in a demo prefix (see run.sh), set up for the cable path: a
# simulated phone on COM3 (COM1 present too), and stand-ins for the companion
# programs whose installer reports progress and status texts. VER picks the
# Windows version the prefix reports (win95 win98 winme nt40 win2k winxp;
# default winxp); DEMO_BUILD and DEMO_PREFIX name another build and prefix.
# WIZARD_LANG (a name of tests/lib/lang.tsv: RU, JA, ZH_TW, ...) makes it a
# Windows of that language: its system locale and code page, its shell32
# version, its language library beside the wizard.
#
# On a reachable display you walk the wizard yourself. Without one it runs on
# a virtual screen, walks to Finish (automatic search, installer, Finish) and
# saves a screenshot of every page in build/demo/.
set -uo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-arch.sh)
user_display=${DISPLAY:-}
export WIZ_BUILD=${DEMO_BUILD:-$PWD/build/win-$arch}
export WINEPREFIX=${DEMO_PREFIX:-$PWD/build/demo/prefix}
if [ "$arch" = x86_64 ]; then
    export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
else
    export WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
fi
E2E_DISPLAY=${DEMO_DISPLAY:-:63}
. tests/e2e/gui/gui.sh
. tests/e2e/gui/cable.bash
. tests/lib/lang.sh
SHOTS=$(dirname "$WINEPREFIX")
mkdir -p "$SHOTS"
rm -f "$SHOTS"/demo-*.png

if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "making the demo prefix ..."
    tests/lib/make-prefix.sh >/dev/null
fi
lang_fonts
lang_end
if [ -n "${WIZARD_LANG:-}" ]; then
    lang_begin "$WIZARD_LANG" "${VER:-winxp}" || exit 1
    [ -f "$BIN_DIR/$LANG_LIB.dll" ] || echo "no $LANG_LIB.dll built: the wizard will speak English" >&2
    # A right-to-left library mirrors the page: the options' texts lie left of them.
    grep -q -x '@direction rtl' "wizard/resources/lang/$LANG_CATALOGUE.txt" && CABLE_RTL=1
fi

headless=yes
if [ -n "$user_display" ] && xdpyinfo -display "$user_display" >/dev/null 2>&1; then
    export DISPLAY=$user_display
    headless=no
    # A desktop's window manager takes the windows; the virtual screen has
    # none to wait for (tests/lib/make-prefix.sh).
    "$WINE" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
else
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    e2e_display
fi

cable_begin "${VER:-winxp}"
[ -n "${WIZARD_LANG:-}" ] && cp "$BIN_DIR/$LANG_LIB.dll" "$KT/" 2>/dev/null
cable_port_map 1 3
cable_phone 3
for t in mdmvlm2k mdmvlmxp mdmvlmnt mdmvlm9x; do
    printf '; modem driver template (%s)\r\n[Strings]\r\nPort="COM4"\r\n' "$t" >"$KT/$t.in_"
done
# The installer: 0 to 100 %, a status text at each step, then finished.
for i in $(seq 0 10); do
    printf 'trigger %d\ntext %d\nsleep 1500\n' $((i * 10)) $((2100 + i))
done >"$KT/cm_32-0.scn"
echo "trigger 101" >>"$KT/cm_32-0.scn"
echo "wizard deployed to $KT; phone on COM3"
cable_start

if [ "$headless" = no ]; then
    echo "the wizard runs on $DISPLAY; the log is $LOG"
    wait "$WIZARD_PID"
    exit 0
fi

# The walk, a screenshot of each page.
step() { e2e_wait_log "$1" "${2:-20}" || fail "the demo stopped before \"$1\": $(e2e_log | tail -3)"; }
cable_page1 demo-1-welcome
step "IRDA detected: False"
gui_shot demo-2-connection
gui_key Return
step "user choice automatic or manuel COM-Selection"
cable_click_automatic demo-3-port-choice
gui_shot demo-3-port-search
gui_key Return
step "Modem detected on port: COM3" 30
step "writing init data END"
gui_shot demo-4-installation
gui_key Return
step "starting systemcheck and modeminstallation"
cable_wait_line "$TRIGGER_HOST" 20 "trigger=50" || fail "the installer reported no progress"
gui_shot demo-5-installing
step "systemcheck and modeminstallation ready" 30
gui_shot demo-6-finish
gui_key Return
step "final reboot of the system"
e2e_wait_end 30
echo "log:"
e2e_log | sed 's/^/  /'
echo "programs the wizard started:"
sed 's/^/  /' "$COMPANIONS_LOG"
echo "screenshots:"
ls "$SHOTS"/demo-*.png | sed 's/^/  /'
exit 0
