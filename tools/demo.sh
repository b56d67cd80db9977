#!/usr/bin/env bash
# The wizard in a demo prefix (see run.sh). VER picks the Windows version the
# prefix reports (win95 win98 winme nt40 win2k winxp; default winxp).
set -uo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-arch.sh)
user_display=${DISPLAY:-}
export WIZ_BUILD=$PWD/build/win-$arch
export WINEPREFIX=$PWD/build/demo/prefix
if [ "$arch" = x86_64 ]; then export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64; fi
. tests/e2e/lib.sh
SHOTS=$PWD/build/demo
mkdir -p "$SHOTS"

if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "making the demo prefix ..."
    tests/lib/make-prefix.sh >/dev/null
fi
wine_set_version "${VER:-winxp}"

headless=yes
if [ -n "$user_display" ] && xdpyinfo -display "$user_display" >/dev/null 2>&1; then
    export DISPLAY=$user_display
    headless=no
else
    e2e_display
fi

e2e_reset
e2e_deploy
echo "wizard deployed to $KT"
e2e_start
if [ "$headless" = no ]; then
    echo "the wizard runs on $DISPLAY; the log is $LOG"
    wait "$WIZARD_PID"
    exit 0
fi

sleep 6
n=1
e2e_shot "demo-$n"
for key in Return Return Return Return; do
    kill -0 "$WIZARD_PID" 2>/dev/null || break
    xdotool key "$key"
    sleep 4
    n=$((n + 1))
    e2e_shot "demo-$n"
done
echo "log:"; e2e_log | sed 's/^/  /'
echo "screenshots: $SHOTS/demo-*.png"
exit 0
