#!/usr/bin/env bash
# The wizard on Windows of other languages, one walk per row: the system
# locale, code page and shell32 of that language (tests/lib/lang.sh), the
# cable path with no phone through page 1, page 2 (each option clicked),
# page 4 (automatic search), message 104, and the port list of page 5. Each
# page is read back by OCR with the language's data: the words of its texts
# must be there, in their script (a caption drawn in the wrong character set
# reads as other letters), and no text may reach a label's edge, where it
# would be cut; right to left (the catalogue's @direction) every place is
# mirrored and texts stand against the right edge. LANG_WALKS="RU:winxp ..." runs some rows only; the libraries'
# catalogues are read from LANG_CATALOGUES (default wizard/resources/lang).
. "$(dirname "$0")/gui.sh"
. "$(dirname "$0")/cable.bash"
. "$WIZ_SOURCE/tests/lib/lang.sh"
e2e_display

WALKS=${LANG_WALKS:-RU:winxp RU:win98 PL:winxp EL:winxp TR:win98 JA:winxp ZH:winxp ZH_TW:winxp ZH_HK:winxp KO:winxp FR:win98
    TH:winxp HE:winxp HE:win98 AR:winxp}
CATALOGUES=${LANG_CATALOGUES:-$WIZ_SOURCE/wizard/resources/lang}
SUBST='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'

# The walks' fonts go when they end, so that the other tests keep theirs.
lang_walks_end() {
    lang_end
    "$WINE" reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /f >/dev/null 2>&1
    for cs in 128 134 136 129 222 177 178; do "$WINE" reg delete "$SUBST" /v "Arial,$cs" /f >/dev/null 2>&1; done
    cable_cleanup
}

# Region WxH+X+Y $1 of the page area (page 1's: $2 = page1) on screen, mirrored when RTL.
at() {
    local w h x y left=$PAGE_X top=$PAGE_Y
    IFS='x+' read -r w h x y <<<"$1"
    [ "${2:-}" = page1 ] && left=282 top=160
    [ -n "$RTL" ] && x=$((460 - x - w))
    echo "${w}x$h+$((left + x))+$((top + y))"
}
at_x() { local r; r=$(at "1x1+$1+0"); r=${r#*+}; echo "${r%+*}"; }
# On screen (1024 x 768): the page text label of the main window and of the
# message dialog over it, and of page 1; the caption labels of the buttons.
places() {
    MAIN_TEXT=$(at 409x217+30+112) PAGE1_TEXT=$(at 409x217+24+112 page1)
    MAIN_BUTTONS="$(at 96x18+132+344) $(at 96x18+232+345)"
    PAGE1_BUTTONS="$(at 96x18+132+365 page1) $(at 96x18+232+365 page1)"
    MESSAGE_BUTTONS="$(at 96x18+129+344) $(at 96x18+235+345)"
}

catalogue() {
    [ -f "$CATALOGUES/$LANG_CATALOGUE.txt" ] || fail "$LANG_NAME: no $CATALOGUES/$LANG_CATALOGUE.txt"
    echo "$CATALOGUES/$LANG_CATALOGUE.txt"
}

# The image tools run in the C locale: ImageMagick misreads its own names
# under the Turkish one (the dotless i).

# Reads region $2 of shot $1 with OCR (enlarged, black on white) and checks
# that it holds the words of ids $3; $4 = line reads it as one line (button
# captions, cut above the frame's lower edge).
read_back() {
    local shot=$1 region=$2 ids=$3 psm=6 out status black=55%
    [ "${4:-}" = line ] && psm=7
    # Two readings: black on white suits the alphabets, grey the ideographs
    # of 9 points.
    [ "$LANG_OCR" = ara ] && black=70%  # bolder for Arabic's thin strokes
    LC_ALL=C convert "$SHOTS/$shot.png" -crop "$region" +repage -colorspace Gray -resize 300% \
        -write "$SHOTS/$shot-ocr-grey.png" -threshold $black "$SHOTS/$shot-ocr.png"
    # The grey reading is asked for only where black on white found too few
    # words: the words are judged on both, and a reading that passes alone
    # passes with more.
    : >"$SHOTS/$shot-ocr.txt"
    for variant in ocr ocr-grey; do
        OMP_THREAD_LIMIT=1 tesseract "$SHOTS/$shot-$variant.png" - -l "$LANG_OCR" --psm $psm 2>/dev/null \
            >>"$SHOTS/$shot-ocr.txt" || fail "$shot: tesseract failed"
        out=$(python3 "$WIZ_SOURCE/tests/e2e/gui/ocr_words.py" "$(catalogue)" "$ids" "$SHOTS/$shot-ocr.txt" 2>&1)
        status=$?
        [ $status -eq 0 ] && break
    done
    # Tesseract reads the bold 9-point ideographs of a button caption only
    # now and then: there the reading is noted, not required.
    if [ $status -ne 0 ] && [ "$psm" = 7 ] && [[ $LANG_OCR =~ ^(jpn|kor|chi_) ]]; then
        READ="$READ $shot:$ids=unread:$(head -1 <<<"$out")"
        return
    fi
    [[ $out =~ ^[0-9]+/[0-9]+$ ]] ||
        fail "$shot ($region, ids $ids): $out; OCR read: $(tr '\n' ' ' <"$SHOTS/$shot-ocr.txt")"
    READ="$READ $shot:$ids=$out"
}

# Fails when the ink of region $2 of shot $1 (a label) reaches the label's
# right or bottom edge, or with $3 = both the left one too: a text that does
# not fit is cut there. With $3 = button the caption of a picture button:
# left and right only, 3 pixels in (the button's frame lies under them).
# Right to left the left edge, and ink within 4 pixels of the right one.
inside() {
    local shot=$1 region=$2 in=0 w h x y box
    IFS='x+' read -r w h x y <<<"$region"
    [ "${3:-}" = button ] && in=3
    w=$((w - 2 * in)) x=$((x + in))
    box=$(LC_ALL=C convert "$SHOTS/$shot.png" -crop "${w}x$h+$x+$y" +repage -colorspace Gray -threshold 25% -negate \
        -format '%@' info:)
    case $box in 0x0*) return 0 ;; esac
    awk -v b="$box" -v w="$w" -v h="$h" -v both="${3:-}" -v rtl="$RTL" 'BEGIN {
        split(b, a, /[x+]/)
        if (rtl && both == "") exit !(a[3] > 0 && a[4] + a[2] < h && a[3] + a[1] >= w - 4)
        exit !(a[3] + a[1] < w && (both == "button" || a[4] + a[2] < h) && (both == "" || a[3] > 0))
    }' || fail "$shot: the text in $region is cut (ink at $box of ${w}x$h+$x+$y)"
}

# The centres (y) of the option buttons on a page shot: in the column where
# they stand, runs of at least 10 rows not of the page's blue that hold a
# light pixel (their insides; the text's dark glyphs hold none).
radios() {
    LC_ALL=C convert "$SHOTS/$1.png" -crop "$(at 1x260+34+100)" +repage -depth 8 txt:- |
        awk -F'[(),:]' -v top=$((PAGE_Y + 100)) 'NR > 1 {
            y = $2 + 0
            if ($6 - $4 < 40) {
                if (!run) { start = y; light = 0 }
                run++
                if ($4 >= 180 && $5 >= 180 && $6 >= 180) light = 1
            } else {
                if (run >= 10 && light) print top + start + int(run / 2)
                run = 0
            }
        }'
}

# The face of the option at row $2 of shot $1 is the chosen one (dark at its centre).
chosen() { gui_dark "$1" "$(at_x 37)" "$2"; }

trap lang_walks_end EXIT
lang_fonts
READ=""
for walk in $WALKS; do
    name=${walk%%:*} ver=${walk#*:}
    lang_begin "$name" "$ver" || fail "no Windows of language $name"
    shot=lang-$name-$ver
    RTL=$(grep -s -x '@direction rtl' "$(catalogue)")
    places
    cable_begin "$ver"
    trap lang_walks_end EXIT
    [ -f "$BIN_DIR/$LANG_LIB.dll" ] || fail "$name: $LANG_LIB.dll was not built"
    cp "$BIN_DIR/$LANG_LIB.dll" "$KT/"
    cable_port_map 1 2
    cable_start

    # Page 1.
    gui_wait_window "$RECT_CENTRED" 40 || fail "$name $ver: page 1 did not appear: $(e2e_log | tail -3)"
    e2e_log | grep -qx "detected language id: $LANG_ID" ||
        fail "$name $ver: language id $(e2e_log | grep 'language id')"
    e2e_log | grep -qx "language file $LANG_LIB.DLLloaded." ||
        fail "$name $ver: $LANG_LIB.dll not loaded: $(e2e_log | grep -i 'language file')"
    TRIGGER_HOST=$(gui_trigger_host)
    gui_shot "$shot-1"
    gui_key Return
    gui_wait_window "$RECT_MAIN" 20 || fail "$name $ver: no main window after page 1"
    read_back "$shot-1" "$PAGE1_TEXT" 2000
    read_back "$shot-1" "$(at 200x16+132+365 page1)" 1,2 line
    inside "$shot-1" "$PAGE1_TEXT" both
    for b in $PAGE1_BUTTONS; do inside "$shot-1" "$b" button; done

    # Page 2: each option clicked, the cable last.
    e2e_wait_log "IRDA detected: False" 10 || fail "$name $ver: page 2 not reached: $(e2e_log | tail -3)"
    gui_shot "$shot-2"
    mapfile -t ys < <(radios "$shot-2")
    [ "${#ys[@]}" -eq 2 ] || fail "$name $ver: page 2 shows ${#ys[@]} options, not 2"
    gui_click "$(at_x 37)" "${ys[1]}" # no infrared here: the option is disabled
    gui_shot "$shot-2-infrared"
    gui_click "$(at_x 37)" "${ys[0]}"
    gui_shot "$shot-2-cable"
    read_back "$shot-2-cable" "$MAIN_TEXT" 2010,2011,2012
    inside "$shot-2-cable" "$MAIN_TEXT"
    gui_key Return

    # Page 4: the automatic search.
    e2e_wait_log "user choice automatic or manuel COM-Selection" 10 ||
        fail "$name $ver: page 4 not reached: $(e2e_log | tail -3)"
    gui_shot "$shot-4"
    mapfile -t ys < <(radios "$shot-4")
    [ "${#ys[@]}" -eq 2 ] || fail "$name $ver: page 4 shows ${#ys[@]} options, not 2"
    gui_click "$(at_x 37)" "${ys[0]}"
    gui_shot_until "$shot-4" 5 chosen "$shot-4" "${ys[0]}" || fail "$name $ver: the automatic search not chosen"
    read_back "$shot-4" "$MAIN_TEXT" 2020,2021,2022
    read_back "$shot-4" "$(at 200x16+132+344)" 1,2 line
    inside "$shot-4" "$MAIN_TEXT"
    for b in $MAIN_BUTTONS; do inside "$shot-4" "$b" button; done
    gui_key Return

    # Message 104: no phone on any port.
    e2e_wait_log "Modem detected on port: COM0" 30 || fail "$name $ver: no failed search: $(e2e_log | tail -3)"
    gui_wait_window "$RECT_PAGE" 10 || fail "$name $ver: no message 104"
    gui_shot "$shot-104"
    read_back "$shot-104" "$MAIN_TEXT" 104
    read_back "$shot-104" "$(at 202x16+129+344)" 8,2 line
    inside "$shot-104" "$MAIN_TEXT" both
    for b in $MESSAGE_BUTTONS; do inside "$shot-104" "$b" button; done
    gui_click "$(at_x 283)" $((PAGE_Y + 351))  # Cancel

    # Page 5: the port list.
    e2e_wait_log "user choice manuel COM-Port" 10 || fail "$name $ver: page 5 not reached: $(e2e_log | tail -3)"
    gui_shot "$shot-5"
    read_back "$shot-5" "$MAIN_TEXT" 2030
    inside "$shot-5" "$MAIN_TEXT"
    ports_end
    pass "$name on $ver: $LANG_LIB.dll, pages 1, 2, 4, message 104 and page 5 read back in their script"
done
echo "words read back (found/total):"
printf '  %s\n' $READ
exit 0
