#!/usr/bin/env bash
# Page 1 in English: centred on the screen, topmost, with the texts of EN.dll
# centred in its text area; its picture buttons light up under the mouse;
# Enter goes forward to the main window, whose Cancel asks first: Enter on the
# query returns, Esc on it ends the run with the clean-up done.
. "$(dirname "$0")/gui.sh"
e2e_display

E2E_VERSION=winxp e2e_reset
e2e_deploy
: >"$KT/leftover.txt"
xdotool mousemove --sync 100 700
e2e_start
gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
gui_topmost "$RECT_CENTRED" || fail "page 1 is not topmost: $(gui_windows)"
e2e_log | grep -qx "language file EN.DLLloaded." || fail "EN.dll not loaded: $(e2e_log | grep -i language)"
trigger_host=$(gui_trigger_host)
gui_shot page1

# The version text in Wine's own "MS Sans Serif" (Liberation Sans draws it 1
# px wider), right-aligned inside the frame of the panel's last column, 741:
# from x 677 to 740.
read -r first last < <(convert "$SHOTS/page1.png" -crop 100x16+642+164 +repage -depth 8 txt:- |
    awk -F'[,:]' '/\(96,104,120/ { x = $1 + 642; if (!f || x < f) f = x; if (x > l) l = x } END { print f + 0, l + 0 }')
[ "$first $last" = "677 740" ] || fail "the version text lies from x $first to $last"

# The text of page 1 is centred in its area (24,112 409 x 217 on the window at 282,160).
read -r left right < <(gui_text_margins page1 409x217+306+272)
gui_centred "$left" "$right" ||
    fail "page text not centred: margins $left and $right"
pass "page 1 is topmost with its text centred (margins $left, $right), the version in MS Sans Serif"

# Hover: Forward (232,360 on the window) lights while the mouse is over it.
gui_shot hover-before
before=$(gui_pixel hover-before 524 523)
face_is() { [ "$(gui_pixel "$1" 524 523)" "$2" "$before" ]; }
xdotool mousemove --sync 562 531
gui_shot_until hover-lit 5 face_is hover-lit != || fail "Forward did not light up ($(gui_pixel hover-lit 524 523))"
xdotool mousemove --sync 100 700
gui_shot_until hover-left 5 face_is hover-left = ||
    fail "Forward not restored after leaving ($(gui_pixel hover-left 524 523), was $before)"
lit=$(gui_pixel hover-lit 524 523) after=$(gui_pixel hover-left 524 523)
pictures="$WIZ_BUILD/wizard/resources/pictures"
if [ -f "$pictures/button_lit.bmp" ]; then
    [ "$lit" = "$(convert "$pictures/button_lit.bmp" -format '%[pixel:p{10,3}]' info:)" ] ||
        fail "the lit face is not bitmap 121 ($lit)"
    [ "$before" = "$(convert "$pictures/button.bmp" -format '%[pixel:p{10,3}]' info:)" ] ||
        fail "the normal face is not bitmap 120 ($before)"
fi
pass "hovering Forward lights it ($lit) and leaving restores it ($after)"

# Enter: forward to the main window, page 1 gone.
gui_key Return
gui_wait_window "$RECT_MAIN" 20 || fail "no main window after Enter: $(gui_windows)"
gui_wait_gone "$RECT_CENTRED" 10 || fail "page 1 still shown after Enter"
gui_topmost "$RECT_MAIN" || fail "main window not topmost"
e2e_wait_log "user choice IRDA or COM" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
e2e_log | grep -qx "frmain after topmost" || fail "no 'frmain after topmost' in the log"
gui_shot page2
pass "Enter on page 1 goes forward to the main window"

# Cancel asks over the page area; Enter on the query returns to the page.
gui_key Escape
gui_wait_window "$RECT_PAGE" 10 || fail "no cancel query: $(gui_windows)"
gui_topmost "$RECT_PAGE" || fail "cancel query not topmost"
gui_shot cancel-query
gui_key Return
gui_wait_gone "$RECT_PAGE" 10 || fail "Enter did not close the cancel query"
gui_windows sync >/dev/null # the wizard took its Enter and answers: it did not end
kill -0 "$WIZARD_PID" 2>/dev/null || fail "Back on the cancel query ended the run"
gui_windows | grep -q "$RECT_MAIN" || fail "the main window went with the query"
pass "Enter on the cancel query returns to the wizard"

gui_key Escape
gui_wait_window "$RECT_PAGE" 10 || fail "no cancel query the second time"
gui_key Escape
gui_expect_cleaned_up "$trigger_host" "Esc on the cancel query"
# The language library was released before kt was emptied: only the program
# itself, in use to its end, stays.
left=$(find "$KT" -mindepth 1 -printf '%f\n' | grep -vxi 'wizard\.exe' | tr '\n' ' ')
[ -z "$left" ] || fail "Esc on the cancel query: left in kt: $left"
pass "Esc on the cancel query ends the run with the clean-up done, kt emptied but for wizard.exe"

# The texts are those of EN.dll, drawn as the reference draws them.
gui_reference page1-reference page1 "$("$WINE" winepath -w "$BIN_DIR/EN.dll" 2>/dev/null | tr -d '\r')"
for region in 409x217+306+272 90x17+417+525 90x17+517+525; do
    d=$(gui_mask_diff page1 page1-reference $region)
    [ "$d" -eq 0 ] || fail "page 1 differs from the texts of EN.dll in $region by $d pixels"
done
pass "page 1 shows the texts of EN.dll"
exit 0
