#!/usr/bin/env bash
# Page 1 on a German Windows: the language comes from the first translation
# of the system's shell32.dll, so the prefix gets one with translation 0407
# for the wizard alone (an override for wizard.exe makes its reads see that
# file; every other program keeps the builtin shell). The page shows the texts
# of DE.dll; Esc ends the run at once with the clean-up done.
. "$(dirname "$0")/gui.sh"
e2e_display

SHELL32="$DRIVE_C/windows/system32/shell32.dll"
SAVED="$GUI_BIN/shell32.dll.saved"
OVERRIDE='HKCU\Software\Wine\AppDefaults\wizard.exe\DllOverrides'
restore_shell() {
    wine_kill
    [ -f "$SAVED" ] && mv -f "$SAVED" "$SHELL32"
    "$WINE" reg delete "$OVERRIDE" /f >/dev/null 2>&1
}
trap 'restore_shell; e2e_cleanup' EXIT

E2E_VERSION=winxp e2e_reset
e2e_deploy
: >"$KT/leftover.txt"
[ -f "$SAVED" ] || cp "$SHELL32" "$SAVED"
cp "$GUI_BIN/de_shell32.dll" "$SHELL32"
"$WINE" reg add "$OVERRIDE" /v shell32 /d native /f >/dev/null 2>&1
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
e2e_log | grep -qx "detected language id: 0407" || fail "not detected as German: $(e2e_log | grep 'language id')"
e2e_log | grep -qx "language file DE.DLLloaded." || fail "DE.dll not loaded: $(e2e_log | grep -i 'language file')"
gui_topmost "$RECT_CENTRED" || fail "page 1 is not topmost"
trigger_host=$(gui_trigger_host)
gui_shot page1-de
read -r left right < <(gui_text_margins page1-de 409x217+306+272)
gui_centred "$left" "$right" ||
    fail "page text not centred: margins $left and $right"

gui_key Escape
gui_expect_cleaned_up "$trigger_host" "Esc on page 1"
pass "Esc on page 1 ends the run with the clean-up done"

restore_shell
dll() { "$WINE" winepath -w "$BIN_DIR/$1" 2>/dev/null | tr -d '\r'; }
gui_reference page1-de-reference page1 "$(dll DE.dll)"
for region in 409x217+306+272 90x17+417+525 90x17+517+525; do
    d=$(gui_mask_diff page1-de page1-de-reference $region)
    [ "$d" -eq 0 ] || fail "page 1 differs from the texts of DE.dll in $region by $d pixels"
done
gui_reference page1-en-reference page1 "$(dll EN.dll)"
d=$(gui_mask_diff page1-de page1-en-reference 409x217+306+272)
[ "$d" -gt 0 ] || fail "the German page 1 looks like the English one"
pass "page 1 shows the texts of DE.dll when Windows is German"
exit 0
