# A Windows of another language in a Wine prefix: source it after wine.sh.
# The languages are the rows of lang.tsv beside this file.
LANG_TSV="$(dirname "${BASH_SOURCE[0]}")/lang.tsv"
LANG_SHELL32="$DRIVE_C/windows/system32/shell32.dll"
LANG_OVERRIDE='HKCU\Software\Wine\AppDefaults\wizard.exe\DllOverrides'
LANG_X11='HKCU\Software\Wine\X11 Driver'

# The names of all rows, blank-separated.
lang_names() { awk -F'\t' '!/^#/ && NF {printf "%s%s", sep, $1; sep = " "}' "$LANG_TSV"; }

# Sets LANG_NAME, LANG_LIB, LANG_ID, LANG_ACP, LANG_LOCALE, LANG_OCR and
# LANG_CATALOGUE of
# row $1; fails for a name that is not in the table.
lang_row() {
    local row
    row=$(awk -F'\t' -v n="$1" '$1 == n' "$LANG_TSV")
    [ -n "$row" ] || return 1
    IFS=$'\t' read -r LANG_NAME LANG_LIB LANG_ID LANG_ACP LANG_LOCALE LANG_OCR LANG_CATALOGUE <<<"$row"
}

# Fonts as Windows' font mapper picks them. The wizard asks for "Arial" with
# the character set of the language: Arial itself serves the Latin, Greek and
# Cyrillic sets, and for the East Asian sets, which Arial lacks, Windows takes
# the system font of that script (MS Gothic, SimSun, MingLiU, Gulim). Here
# Liberation Sans (Arial's metrics, Latin, Greek and Cyrillic) stands for
# Arial, Noto Sans CJK for the East Asian fonts and Loma for Thai (Tahoma);
# Arial's Hebrew and Arabic sets (Latin in the same face) are DejaVu Sans's.
lang_fonts() {
    local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' cs face
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
    for cs in "128 JP" "134 SC" "136 TC" "129 KR"; do
        face="Noto Sans CJK ${cs#* }"
        "$WINE" reg add "$subst" /v "Arial,${cs% *}" /d "$face,${cs% *}" /f >/dev/null 2>&1
    done
    "$WINE" reg add "$subst" /v "Arial,222" /d "Loma,222" /f >/dev/null 2>&1
    for cs in 177 178; do "$WINE" reg add "$subst" /v "Arial,$cs" /d "DejaVu Sans,$cs" /f >/dev/null 2>&1; done
}

# The system code page of Windows version $1 in shell32's first translation:
# Unicode on the NT family, the ANSI code page on 9x.
lang_shell_codepage() {
    case $1 in
        win95 | win98 | winme) echo "$LANG_ACP" ;;
        *) echo 1200 ;;
    esac
}

# Makes the prefix a Windows of row $1 for programs started from now on:
# LC_ALL gives Wine the system locale and ANSI code page (the wineserver
# restarts with it), and the wizard reads the version of the row's stand-in
# shell32.dll (built as shell32/shell32-NAME-CP.dll) for Windows version $2.
# An override for wizard.exe alone makes its reads see that file; every
# other program keeps the builtin shell. lang_end puts it back.
lang_begin() {
    lang_row "$1" || { echo "no language $1 in $LANG_TSV" >&2; return 1; }
    local stand_in
    stand_in="$WIZ_BUILD/tests/e2e/gui/shell32/shell32-$LANG_NAME-$(lang_shell_codepage "$2").dll"
    [ -f "$stand_in" ] || { echo "no $stand_in" >&2; return 1; }
    wine_kill
    # The encoding goes before a modifier: sr_RS.UTF-8@latin.
    export LC_ALL="${LANG_LOCALE%%@*}.UTF-8${LANG_LOCALE#"${LANG_LOCALE%%@*}"}"
    [ -f "$LANG_SHELL32.saved" ] || cp "$LANG_SHELL32" "$LANG_SHELL32.saved"
    cp "$stand_in" "$LANG_SHELL32"
    "$WINE" reg add "$LANG_OVERRIDE" /v shell32 /d native /f >/dev/null 2>&1
    # Wine's X driver faults in Xlib's Thai input method on a key: none there,
    # as on a Windows without an IME.
    case $LANG_LOCALE in th_*) "$WINE" reg add "$LANG_X11" /v UseXIM /d N /f >/dev/null 2>&1 ;; esac
}

lang_end() {
    wine_kill
    [ -f "$LANG_SHELL32.saved" ] && mv -f "$LANG_SHELL32.saved" "$LANG_SHELL32"
    "$WINE" reg delete "$LANG_OVERRIDE" /f >/dev/null 2>&1
    "$WINE" reg delete "$LANG_X11" /v UseXIM /f >/dev/null 2>&1
    unset LC_ALL
    return 0
}
