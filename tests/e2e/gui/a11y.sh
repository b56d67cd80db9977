#!/usr/bin/env bash
# Windows XP through a screen reader's ears: a client in another process
# (a11yclient.exe) hears the wizard's events and reads its objects over pages
# 1, 2, 4, message 104, page 5 and the cancel query, driven by keys and by
# accDoDefaultAction; the transcript is heard.txt ("== step" before what each
# step made heard). Focus marks are set to show always. Then the pages again
# and page 3 in High Contrast (wizard_hc.exe), photographed as a11y-hc-*.png.
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
e2e_display

HEARD="$SHOTS/heard.txt"
COLORS='HKCU\Control Panel\Colors'
# The listener writes the transcript alone: notes, dumps and what the default
# actions return go through it, in their turn among the events.
client() { "$WINE" "$GUI_BIN/a11yclient.exe" "$@" >/dev/null 2>&1; }
note() { client note "$*"; }
# What steps $1 (a|b: either) made heard holds a line with $2.
part() { awk -v t="$1" 'BEGIN {n = split(t, w, "|"); for (i = 1; i <= n; i++) want[w[i]] = 1}
    /^== / {on = substr($0, 4) in want; next} on' "$HEARD"; }
heard() { part "$1" | grep -qF -- "$2" || fail "$1: not heard: $2"; }
# A step waits until it has made heard its last event, $1, within 10 s: the
# next step's events are then its own. Only the latest step of its name counts.
latest_holds() {
    awk -v t="== $1" '$0 == t {part = ""; on = 1; next} /^== / {on = 0} on {part = part $0 "\n"} END {printf "%s", part}' \
        "$HEARD" | grep -qF -- "$2"
}
hear() { e2e_until 10 latest_holds "$2" "$1" || fail "$2: not heard within 10 s: $1"; }
key() { local last=$1; shift; note "key $*" && gui_key "$@" && hear "$last" "key $*"; }
act() { note "accDoDefaultAction $1" && client do "$1" && hear "$2" "accDoDefaultAction $1"; }
dump() { note "$1" && client dump; }
# The client has hooked the events ($1 listeners started so far).
listening() { [ "$(grep -cx listening "$HEARD")" -ge "$1" ]; }
# The focus-mark setting and the colours go back with the rest of the registry.
restore() {
    cable_cleanup
    wine_restore_registry
}

cable_begin winxp
trap restore EXIT
cable_port_map 1 2 12
"$WINE" reg add 'HKLM\System\CurrentControlSet\Enum\Root\Legacy_IRDA' /f >/dev/null 2>&1 || fail "reg add" # infrared
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY /d 3000028012000000 /f >/dev/null 2>&1
: >"$HEARD"
"$WINE" "$GUI_BIN/a11yclient.exe" listen "$(win_path "$HEARD")" >/dev/null 2>&1 &
e2e_until 20 listening 1 || fail "the client did not start listening"
note "page 1 opens"
cable_start
gui_wait_window "$RECT_CENTRED" 40 || fail "page 1 did not appear: $(e2e_log | tail -3)"
# The mark inside Next at once: dots in its left edge, where the face is light.
next_dots() {
    convert "$SHOTS/$1.png" -crop 1x12+518+526 +repage -colorspace Gray -threshold 50% -negate \
        -format '%[fx:int(w*h*mean+0.5)]' info:
}
next_marked() { [ "$(next_dots "$1")" -gt 3 ]; }
gui_shot_until a11y-page1 10 next_marked a11y-page1 ||
    fail "no focus mark on page 1's Next before a key ($(next_dots a11y-page1) dots)"
hear 'event FOCUS push button "Next"' "page 1 opens"
dump "page 1"
key 'event FOCUS push button "Cancel"' Tab
cable='radio button "With a data cable (serial COM port)"'
infrared='radio button "By infrared (IrDA)"'
key "event FOCUS $cable" Return
e2e_wait_log "IRDA detected: True" 10 || fail "page 2 not reached: $(e2e_log | tail -3)"
dump "page 2"
key "event FOCUS $infrared" Down
key "event FOCUS $cable" Up
key 'event FOCUS push button "Cancel"' Tab
key 'event FOCUS push button "Next"' Tab
key "event FOCUS $cable" Tab
act "By infrared (IrDA)" "event FOCUS $infrared"
key "event FOCUS $cable" Up
act "Next" 'event STATECHANGE push button "Next"'
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached: $(e2e_log | tail -3)"
dump "page 4"
key 'event FOCUS radio button "Search for the phone automatically"' Up
key 'event FOCUS push button "Try again"' Return
gui_wait_window "$RECT_PAGE" 30 || fail "no message 104: $(e2e_log | tail -3)"
dump "message 104"
key 'event FOCUS push button "Cancel"' Tab
prompt='"Please select the COM port your phone is connected to, then click "Next"."'
key "event FOCUS list $prompt" Escape
e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached: $(e2e_log | tail -3)"
dump "page 5"
key 'event STATECHANGE push button "Next"' Down
dump "page 5 after Down"
key 'event FOCUS push button "Back"' Escape
gui_wait_window "$RECT_PAGE" 10 || fail "no cancel query: $(gui_windows)"
dump "cancel query"
key "event FOCUS list $prompt" Return

heard "page 1 opens" 'event DIALOGSTART'
heard "page 1 opens|page 1" 'event FOCUS push button "Next" [focused,default,focusable] action "Press" @514,520,96,23'
heard "key Tab" 'event FOCUS push button "Cancel" [focused,focusable] action "Press" @414,520,96,23'
pass "page 1: a dialog of text, Cancel and Next (default, focused, marked at once); Tab is heard"

heard "key Return|page 2" "event FOCUS $cable [focused,checked,focusable] action \"Check\" @338,338,379,16"
heard "page 2" 'radio button "By infrared (IrDA)" [focusable] action "Check"'
# The caret where the focus is marked: around the text, one pixel wider.
heard "page 2" 'caret @356,338,'
heard "key Down" 'event STATECHANGE radio button "By infrared (IrDA)" [focused,checked,focusable]'
heard "key Down" 'event FOCUS radio button "By infrared (IrDA)"'
heard "accDoDefaultAction By infrared (IrDA)" 'event FOCUS radio button "By infrared (IrDA)" [focused,checked'
pass "page 2: heading, options as radio buttons, buttons; arrows, Tab and Check heard; the caret on the focus"

heard "accDoDefaultAction Next|page 4" 'event FOCUS radio button "Let me choose the port from a list" [focused,checked'
heard "key Return|message 104" 'event FOCUS push button "Try again" [focused,default,focusable]'
heard "message 104" 'static text "Your phone could not be found on any serial port. Please check'
heard "key Escape" 'event DIALOGEND'
pass "Next's default action opens page 4; message 104 is a dialog of its text, Try again and Cancel"

heard "key Escape|page 5" "event FOCUS list $prompt [focused,focusable]"
heard "page 5" '    list item "COM2" [focusable,selectable]'
heard "page 5" '    list item "COM12" [focusable,selectable]'
heard "key Down|page 5 after Down" 'event SHOW push button "Next"'
heard "page 5 after Down" '    list item "COM1" [selected,focused,focusable,selectable]'
heard "cancel query" 'push button "Back" [focused,default,focusable] action "Press"'
heard "key Return" "event FOCUS list $prompt"
pass "page 5: the list named by its prompt with its ports, Next once one is chosen; the cancel query and back"

# High Contrast: a black scheme as Windows' High Contrast Black has it.
ports_end
wine_kill
cable_begin winxp
trap restore EXIT
cable_port_map 1 2
cp "$GUI_BIN/wizard_hc.exe" "$KT/wizard.exe"
printf 'trigger 40\ntext 2100\nsleep 4000\ntrigger 60\ntext 2103\nsleep 4000\ntext error\nsleep 60000\n' \
    >"$KT/cm_32-0.scn"
for c in Window=0 WindowText=255 ButtonFace=0 ButtonText=255 GrayText=0,255,0 Hilight=128,0,128 HilightText=255 \
    ButtonHilight=255 ButtonLight=192 ButtonShadow=128 ButtonDkShadow=255; do
    v=${c#*=}
    [[ $v == *,* ]] || v=$v,$v,$v
    "$WINE" reg add "$COLORS" /v "${c%%=*}" /d "${v//,/ }" /f >/dev/null 2>&1
done
"$WINE" "$GUI_BIN/a11yclient.exe" listen "$(win_path "$HEARD")" >/dev/null 2>&1 &
e2e_until 20 listening 2 || fail "the client did not start listening again"
note "High Contrast: pages 1, 2, 4, message 104, pages 5 and 3"
cable_start
cable_page1 a11y-hc-page1
e2e_wait_log "IRDA detected: True" 10 || fail "page 2 not reached in High Contrast"
gui_shot a11y-hc-page2
gui_key Return
e2e_wait_log "user choice automatic or manuel COM-Selection" 10 || fail "page 4 not reached in High Contrast"
gui_key Up Return
gui_wait_window "$RECT_PAGE" 30 || fail "no message 104 in High Contrast"
gui_shot a11y-hc-message-104
gui_key Escape
e2e_wait_log "user choice manuel COM-Port" 10 || fail "page 5 not reached in High Contrast"
gui_key Down Return
e2e_wait_log "writing init data END" 10 || fail "page 3 not reached in High Contrast"
gui_shot a11y-hc-page3
note "the installer runs"
gui_key Return
cable_wait_line "$TRIGGER_HOST" 20 "trigger=40" || fail "the installer reported nothing"
# The bar in the scheme's highlight colour (GetSysColor, which the host tests' fake cannot show).
bar_highlit() { [ "$(gui_pixel a11y-hc-page3-progress $((PAGE_X + 40)) $((PAGE_Y + 340)))" = "srgb(128,0,128)" ]; }
gui_shot_until a11y-hc-page3-progress 10 bar_highlit || fail "the bar is not in the highlight colour"
gui_wait_window "$RECT_PAGE" 20 || fail "no message 101"
hear 'event FOCUS push button "OK"' "the installer runs"
dump "message 101"
pass "High Contrast: pages 2 and 3 and message 104 photographed, the bar in the scheme's highlight colour"
heard "the installer runs" 'event VALUECHANGE progress bar "" [read only] value "60 %"'
heard "the installer runs" 'event NAMECHANGE static text "Copying files..." [read only]'
heard "the installer runs|message 101" 'event ALERT alert "Wizard"'
heard "message 101" 'push button "OK" [focused,default,focusable] action "Press"'
pass "the installer's progress and status are heard, its error as an alert"
exit 0
