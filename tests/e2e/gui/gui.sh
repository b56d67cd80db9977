# Helpers of the GUI tests: source it. On top of ../lib.sh: the window list,
# keys and clicks as a user gives them, screenshots, pixel comparisons.
E2E_DISPLAY=${E2E_DISPLAY:-:62}
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh"
GUI_BIN="$WIZ_BUILD/tests/e2e/gui"

# Places of the wizard's windows on the 1024 x 768 screen (left,top,right,bottom).
RECT_CENTRED="282,160,742,607"  # page 1 and the start-up messages: centred
RECT_MAIN="0,0,1024,768"        # the main window
RECT_PAGE="308,191,768,638"     # the cancel query and later messages: on the page area

# The visible top-level windows: title TAB class TAB rectangle TAB topmost|normal TAB owned|-.
# With "sync", once their threads are back in their message loops.
gui_windows() { "$WINE" "$GUI_BIN/winlist.exe" "$@" 2>/dev/null | tr -d '\r'; }

# A visible window "Wizard" at rectangle $1, or none ($2 = gone).
gui_window_at() {
    gui_windows | awk -F'\t' -v r="$1" -v gone="${2:-}" '$1 == "Wizard" && $3 == r {f = 1} END {exit gone ? f : !f}'
}

# Waits up to $2 seconds (default 30) for a visible window "Wizard" at rectangle $1.
gui_wait_window() { e2e_until "${2:-30}" gui_window_at "$1"; }

# Waits up to $2 seconds until no window "Wizard" is at rectangle $1.
gui_wait_gone() { e2e_until "${2:-20}" gui_window_at "$1" gone; }

gui_owned() { gui_windows | awk -F'\t' -v r="$1" '$1 == "Wizard" && $3 == r && $5 == "owned" {f = 1} END {exit !f}'; }
gui_topmost() { gui_windows | awk -F'\t' -v r="$1" '$1 == "Wizard" && $3 == r && $4 == "topmost" {f = 1} END {exit !f}'; }

# Keys go to the window under the pointer (no window manager): point at the
# middle of the screen first, where every window of the wizard lies.
gui_key() {
    gui_point 512 384
    xdotool key --delay 100 "$@"
}

gui_click() {
    gui_point "$1" "$2"
    xdotool click 1
}

# Moves the pointer to $1,$2 and waits until it is there; "mousemove --sync"
# to where the pointer already is waits 15 s for a motion that never comes.
gui_point() {
    [ "$(xdotool getmouselocation --shell | head -2 | tr -d '\n')" = "X=$1Y=$2" ] || xdotool mousemove --sync "$1" "$2"
}

# The screen's pixels (or those of the X window $GUI_SHOT_WINDOW) into file $1.
# ImageMagick in the C locale: under the Turkish one it misreads "miff".
gui_grab() { LC_ALL=C import -display "$DISPLAY" -window "${GUI_SHOT_WINDOW:-root}" "miff:$1" 2>/dev/null; }

# Screenshot $1 of the whole screen as it stands once the windows have done
# what they were given: their threads back in their message loops (winlist
# sync), then two looks at the screen 0.1 s apart alike, so what they had
# left to paint is painted. Fails when the screen is still changing after $2
# seconds (default 10).
gui_shot() {
    local raw="$SHOTS/$1.miff" end=$((SECONDS + ${2:-10}))
    # A window whose thread is held in a search answers no round trip; it
    # shows what it painted before (GUI_SHOT_SYNC=no).
    [ "${GUI_SHOT_SYNC:-yes}" = no ] || gui_windows sync >/dev/null
    gui_grab "$raw.0" || fail "no screenshot $1"
    while sleep 0.1 && gui_grab "$raw.1" && ! cmp -s "$raw.0" "$raw.1"; do
        mv -f "$raw.1" "$raw.0"
        [ "$SECONDS" -lt "$end" ] || fail "screenshot $1: the screen kept changing for ${2:-10} s"
    done
    LC_ALL=C convert "miff:$raw.1" "$SHOTS/$1.png" || fail "no screenshot $1"
    rm -f "$raw.0" "$raw.1"
}

# The windows have taken the keys and clicks given before: two round trips
# through their message loops, the second after input that the first may
# have overtaken. For what must change nothing, where there is nothing to
# wait for.
gui_taken() { gui_windows sync >/dev/null && gui_windows sync >/dev/null; }

# Screenshots $1 until the command $3... succeeds on it, for up to $2 seconds;
# fails with the last one kept.
gui_shot_until() { e2e_until "$2" gui_shot_checked "$1" "${@:3}"; }
gui_shot_checked() { gui_shot "$1" && "${@:2}"; }

# The colour of one pixel of a screenshot, as ImageMagick names it.
gui_pixel() { convert "$SHOTS/$1.png" -format "%[pixel:p{$2,$3}]" info:; }

# Pixel $2,$3 of screenshot $1 is dark (an option face's centre when chosen).
gui_dark() { [ "$(LC_ALL=C convert "$SHOTS/$1.png" -format "%[fx:p{$2,$3}.intensity < 0.25]" info:)" = 1 ]; }

# Text pixels of a region (WxH+X+Y) of a screenshot as a black and white mask:
# only the dark cores of the glyphs, so that smoothed edges over different
# backgrounds do not count.
gui_mask() {
    convert "$SHOTS/$1.png" -crop "$2" +repage -colorspace Gray -threshold 25% "$SHOTS/$3.pbm"
}

# Number of pixels in which the text masks of region $3 of shots $1 and $2
# differ; fails when the region of $1 holds no text at all.
gui_mask_diff() {
    # Named after the test's own shots: the other lane's test writes masks too.
    gui_mask "$1" "$3" "$1-mask"
    gui_mask "$2" "$3" "$2-mask"
    local dark
    dark=$(convert "$SHOTS/$1-mask.pbm" -format '%[fx:int(w*h*(1-mean)+0.5)]' info:)
    [ "$dark" -gt 0 ] || { echo "no text in $1 at $3" >&2; echo 999999; return; }
    compare -metric AE "$SHOTS/$1-mask.pbm" "$SHOTS/$2-mask.pbm" null: 2>&1 | awk '{print int($1)}'
}

# Left and right margins of the text in region $2 of shot $1: "left right".
gui_text_margins() {
    local w
    w=${2%%x*}
    convert "$SHOTS/$1.png" -crop "$2" +repage -colorspace Gray -threshold 50% -trim \
        -format "%X %w" info: | tr -d '+' | awk -v W="$w" '{print $1, W - $1 - $2}'
}

# Margins equal but for the side bearings of the glyphs at the line ends (a
# left-aligned text would leave one margin near 0 and the other wide).
gui_centred() { [ -n "$1" ] && [ -n "$2" ] && [ $(($1 - $2)) -ge -4 ] && [ $(($1 - $2)) -le 4 ]; }

# Draws the reference texts (textref.exe MODE ARGS) and photographs them as $1.
gui_reference() {
    local shot=$1
    shift
    wine_kill
    "$WINE" "$GUI_BIN/textref.exe" "$@" >/dev/null 2>&1 &
    gui_wait_window_titled textref 30 || fail "no reference window"
    gui_shot "$shot"
    wine_kill
}

gui_window_titled() { gui_windows | awk -F'\t' -v t="$1" '$1 == t {f = 1} END {exit !f}'; }
gui_wait_window_titled() { e2e_until "${2:-30}" gui_window_titled "$1"; }

# The exchange file of this run, as a host path ("" before it is logged).
gui_trigger_host() {
    local trigger
    trigger=$(e2e_log | sed -n 's/^tempfile: \(.*\) created\.$/\1/p' | tail -1)
    [ -n "$trigger" ] && "$WINE" winepath -u "$trigger" 2>/dev/null | tr -d '\r'
}

# The end of a run: the process is gone, the exchange file and kt's files too.
gui_expect_cleaned_up() {
    local trigger_host=$1 what=$2
    e2e_wait_end 30 || fail "$what: the wizard still runs"
    [ -n "$trigger_host" ] || fail "$what: no exchange file logged"
    [ -e "$trigger_host" ] && fail "$what: exchange file $trigger_host left behind"
    [ -e "$KT/leftover.txt" ] && fail "$what: kt directory not cleaned"
    return 0
}
