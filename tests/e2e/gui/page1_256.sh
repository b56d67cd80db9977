#!/usr/bin/env bash
# Page 1 on a 256-colour display: an 8-bit PseudoColor screen, where the
# wizard realizes its palette and draws its pictures from their DIBs. Wine
# gets a colormap of its own there, so the window is captured through it.
# Wine shows only a few colours on such a screen whatever the palette, so
# this walk checks that the path runs and puts every picture in its place;
# the colours themselves are checked by resource_tests. Esc ends the run.
E2E_DISPLAY=:64 E2E_DEPTH=8
. "$(dirname "$0")/gui.sh"
e2e_display
xdpyinfo | grep -q "depth of root window: *8 planes" || fail "display $DISPLAY is not an 8-bit one"

X11='HKCU\Software\Wine\X11 Driver'
trap '"$WINE" reg delete "$X11" /v PrivateColorMap /f >/dev/null 2>&1; e2e_cleanup' EXIT
E2E_VERSION=winxp e2e_reset
"$WINE" reg add "$X11" /v PrivateColorMap /d Y /f >/dev/null 2>&1
e2e_deploy
: >"$KT/leftover.txt"
xdotool mousemove --sync 100 700
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
trigger_host=$(gui_trigger_host)
window=$(xdotool search --onlyvisible --name '^Wizard$' | head -1)
[ -n "$window" ] || fail "no window to capture"
GUI_SHOT_WINDOW=$window gui_shot page1-256
luma() { convert "$SHOTS/page1-256.png" -colorspace gray -format "%[fx:int(255*p{$1,$2})]" info:; }
# Window coordinates: the white header, the dark frame, the light body, the
# light Forward face, the black text of page 1.
[ "$(luma 300 20)" -gt 200 ] || fail "no white header: $(luma 300 20)"
[ "$(luma 0 200)" -lt 100 ] || fail "no dark frame: $(luma 0 200)"
[ "$(luma 30 300)" -gt 150 ] || fail "no light body: $(luma 30 300)"
[ "$(luma 240 350)" -gt 150 ] || fail "no Forward face: $(luma 240 350)"
dark=$(convert "$SHOTS/page1-256.png" -crop 409x217+24+112 -colorspace gray -threshold 40% -negate \
    -format "%[fx:int(mean*w*h)]" info:)
[ "$dark" -gt 200 ] || fail "no text on page 1 ($dark dark pixels)"
pass "page 1 on an 8-bit display: pictures and text in place"

gui_key Escape
gui_expect_cleaned_up "$trigger_host" "Esc on page 1"
pass "Esc on page 1 ends the run with the clean-up done"
exit 0
