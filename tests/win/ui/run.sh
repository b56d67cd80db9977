#!/usr/bin/env bash
# Runs a toolkit test on its own virtual screen (:61, or $UI_DISPLAY; plus
# $WIZ_DISPLAY_OFFSET).
#   run.sh gtest EXE   the test program, which posts its own input
#   run.sh demo EXE    the demo form, driven with real mouse and keys; the
#                      screenshots go to $WIZ_BUILD/screenshots/ui_demo_*.png
set -uo pipefail
. "$WIZ_SOURCE/tests/lib/wine.sh"
. "$WIZ_SOURCE/tests/lib/x11.sh"
mode="$1"
exe="$2"
display=$((${UI_DISPLAY:-61} + ${WIZ_DISPLAY_OFFSET:-0}))
x11_start "$display" || exit 1
work="$(mktemp -d)"
cleanup() {
    wine_kill
    x11_stop "$display"
    rm -rf "$work"
}
trap cleanup EXIT

if [ "$mode" = gtest ]; then
    "$WINE" "$exe"
    rc=$?
    wine_wait
    exit $rc
fi

shots="$WIZ_BUILD/screenshots"
mkdir -p "$shots"
events="$work/events.txt"
failures=0

# Waits up to $2 seconds (default 10) for an event line.
expect_event() {
    local line="$1" limit="${2:-10}" i
    for ((i = 0; i < limit * 10; i++)); do
        if [ -f "$events" ] && tr -d '\r' <"$events" | grep -qxF -- "$line"; then
            echo "ok: $line"
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: no event '$line'" >&2
    failures=$((failures + 1))
    return 1
}

# The demo form's client area starts at screen 100,80.
at() { echo $((100 + $1)) $((80 + $2)); }

(cd "$work" && exec "$WINE" "$exe" events.txt) >"$work/demo.out" 2>&1 &
demo=$!
expect_event ready 60 || { cat "$work/demo.out" >&2; exit 1; }
x11_wait_window UiDemo 10 >/dev/null || failures=$((failures + 1))
# The form repaints its tick count ten times a second: the shots are taken
# as soon as what they show has been reported.
x11_screenshot "$shots/ui_demo_start.png"

# Hover: onto the background, then onto the picture button (lit), then off again.
x11_move $(at 300 120)
x11_move $(at 230 342)
expect_event "hover Ok 230,342"
x11_screenshot "$shots/ui_demo_hover.png"
x11_move $(at 300 120)
expect_event "unhover Ok"

# Clicks on windowless controls: the image above its caption, then the caption.
x11_click $(at 230 342)
expect_event "click Ok"
x11_click $(at 230 355)
expect_event "click lblOk"
# Right click with Shift on the invisible image in the corner.
xdotool keydown shift
x11_click $(at 5 5) 3
xdotool keyup shift
expect_event "debug down 2 1"
# A list entry: the list takes the focus, Enter and Esc still reach the
# off-screen default and cancel buttons.
x11_click $(at 60 168)
expect_event "list COM1"
x11_key Return
expect_event default
x11_key Escape
expect_event cancel
expect_event "tick 3"

# Alt+F4 asks the form with the user's close reason.
x11_key alt+F4
expect_event "queryunload 0"
expect_event unload
expect_event end 10
for ((i = 0; i < 100; i++)); do kill -0 "$demo" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$demo" 2>/dev/null; then
    echo "FAIL: the demo did not end" >&2
    failures=$((failures + 1))
fi

# The label wrapped over several lines; the measuring gave a width.
tr -d '\r' <"$events" >"$work/events.lf"
events="$work/events.lf"
height=$(sed -n 's/^label height //p' "$events")
[ "${height:-0}" -gt 20 ] && echo "ok: label height $height" || { echo "FAIL: label height '$height'" >&2; failures=$((failures + 1)); }
grep -E '^measure [1-9][0-9]*$' "$events" >/dev/null && echo "ok: $(grep '^measure' "$events")" || { echo "FAIL: measure" >&2; failures=$((failures + 1)); }
echo "events:"
sed 's/^/  /' "$events"
[ "$failures" -eq 0 ]
