# Helpers for GUI tests on a virtual X screen. Source it, then:
#   x11_start 61            start Xvfb on :61 (1024x768x24), wait until it answers, export DISPLAY
#   x11_stop 61             stop the Xvfb started by x11_start
#   x11_screenshot out.png  the whole root window as a PNG
#   x11_click X Y [BUTTON]  move to screen X,Y and click (1 left, 3 right)
#   x11_move X Y            move the mouse pointer
#   x11_key KEY...          press keys, e.g. Return, Escape, alt+F4, shift+Tab
#   x11_key_down KEY / x11_key_up KEY
#   x11_wait_window TITLE [SECONDS]   wait until a window with that exact title exists; prints its id
# Every helper acts on $DISPLAY.
# With no window manager the X keyboard focus follows the pointer, and Wine
# gives borderless popups no focus of their own: move the pointer over the
# target window (x11_move) before x11_key.

X11_GEOMETRY="${X11_GEOMETRY:-1024x768x24}"

x11_start() {
    local n="$1" i
    local pidfile="/tmp/.x11sh-$n.pid"
    if [ -e "/tmp/.X$n-lock" ]; then
        # A server from an earlier run of ours may still hold the display.
        if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then
            kill "$(cat "$pidfile")" 2>/dev/null
            for i in $(seq 50); do kill -0 "$(cat "$pidfile")" 2>/dev/null || break; sleep 0.1; done
        fi
        if [ -e "/tmp/.X$n-lock" ] && ! kill -0 "$(cat "/tmp/.X$n-lock" 2>/dev/null | tr -d ' ')" 2>/dev/null; then
            rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
        fi
    fi
    Xvfb ":$n" -screen 0 "$X11_GEOMETRY" -nolisten tcp -ac >/tmp/.x11sh-$n.log 2>&1 &
    echo $! >"$pidfile"
    export DISPLAY=":$n"
    for i in $(seq 100); do
        if xdpyinfo -display ":$n" >/dev/null 2>&1; then return 0; fi
        kill -0 "$(cat "$pidfile")" 2>/dev/null || break
        sleep 0.1
    done
    echo "x11_start: Xvfb on :$n did not answer" >&2
    cat /tmp/.x11sh-$n.log >&2
    return 1
}

x11_stop() {
    local n="$1" pid i
    local pidfile="/tmp/.x11sh-$n.pid"
    [ -f "$pidfile" ] || return 0
    pid="$(cat "$pidfile")"
    kill "$pid" 2>/dev/null
    for i in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
    rm -f "$pidfile"
    return 0
}

x11_screenshot() { import -window root "$1"; }

x11_move() { xdotool mousemove --sync "$1" "$2"; }

x11_click() {
    xdotool mousemove --sync "$1" "$2"
    xdotool click "${3:-1}"
}

x11_key() { xdotool key --delay 50 "$@"; }
x11_key_down() { xdotool keydown "$1"; }
x11_key_up() { xdotool keyup "$1"; }

x11_wait_window() {
    local title="$1" seconds="${2:-20}" i id
    for i in $(seq $((seconds * 10))); do
        id="$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1)"
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "x11_wait_window: no window titled '$title' after ${seconds}s" >&2
    return 1
}
