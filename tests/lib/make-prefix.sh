#!/usr/bin/env bash
# Makes the Wine prefix of this test run, afresh each time.
set -euo pipefail
. "$(dirname "$0")/wine.sh"
wine_kill
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$WINE" wineboot -i >/dev/null 2>&1 || true
wine_wait
test -d "$DRIVE_C/windows" || { echo "no prefix at $WINEPREFIX" >&2; exit 1; }
# Windows 2000 and XP come with focus marks and underlined letters hidden
# until the keyboard is used (SPI_GETKEYBOARDCUES FALSE: bit 0x20 of the
# mask clear); Wine's own default shows them.
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 1000028012000000 /f >/dev/null 2>&1
# The test screens have no window manager. Wine hands a window that was
# activated to one, and on hiding it waits up to 2 s for the manager's answer
# (wait_for_withdrawn_state): after page 1, a dialog, the cancel query the
# wizard's thread stood still for 2 s, which no Windows does. Unmanaged, the
# windows behave as on Windows and the keys still go to the one under the
# pointer.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# reg hands the value to the wineserver, which writes user.reg when it ends.
wine_wait
# "MS Sans Serif" as Windows draws it: Wine's bitmap font (fonts-wine), which
# Debian's Wine does not load by itself; not its Thai, Hebrew and Arabic files,
# which lack those letters (a TrueType face stands in, as on those Windows).
for f in sserife sserifee sserifeg sserifer sserifet ssee1257; do
    cp "/usr/share/wine/fonts/$f.fon" "$DRIVE_C/windows/Fonts/" || { echo "no $f.fon: install fonts-wine" >&2; exit 1; }
done
# Keep a pristine copy of the registry files so tests can go back to it.
mkdir -p "$WINEPREFIX/.pristine"
cp "$WINEPREFIX"/*.reg "$WINEPREFIX/.pristine/"
echo "prefix ready: $WINEPREFIX ($WINEARCH)"
