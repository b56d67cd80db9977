# Shared helpers for the tests that run under Wine. Source it; it expects (and
# defaults) WINEPREFIX, WINE, WINESERVER, WIZ_SOURCE and WIZ_BUILD.
: "${WIZ_SOURCE:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
: "${WIZ_BUILD:=$WIZ_SOURCE/build/win64}"
: "${WINEPREFIX:=$WIZ_BUILD/wineprefix}"
: "${WINE:=/usr/lib/wine/wine64}"
: "${WINESERVER:=/usr/lib/wine/wineserver64}"
: "${WINEDEBUG:=-all}"
case "$WINE" in *wine64) : "${WINEARCH:=win64}" ;; *) : "${WINEARCH:=win32}" ;; esac
export WINEPREFIX WINE WINESERVER WINEDEBUG WINEARCH WIZ_SOURCE WIZ_BUILD
# No desktop integration, no crash dialogs, no menu entries.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mshtml=d;mscoree=d}"

DRIVE_C="$WINEPREFIX/drive_c"

# A host path as Wine sees it on drive Z:.
win_path() { local p; p=$(cd "$(dirname "$1")" && pwd)/$(basename "$1"); echo "Z:${p//\//\\}"; }

# Runs a Windows program (path on the host) in the prefix and returns its code.
wine_run() { "$WINE" "$@"; }

# Sets the Windows version the prefix reports: win95 win98 winme nt40 win2k winxp.
wine_set_version() {
    "$WINE" reg add 'HKCU\Software\Wine' /v Version /d "$1" /f >/dev/null 2>&1
}

# Waits until the prefix's wineserver has gone (every program has ended).
wine_wait() { "$WINESERVER" -w; }

# Ends everything still running in the prefix.
wine_kill() { "$WINESERVER" -k >/dev/null 2>&1 || true; }

# Registry as a host-side text: wine_reg_query 'HKLM\Software\X' name
wine_reg_query() {
    "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1==n {sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print; f=1} END {exit !f}'
}

wine_reg_delete_key() { "$WINE" reg delete "$1" /f >/dev/null 2>&1 || true; }

# Puts the registry back as the prefix had it when it was made.
wine_restore_registry() {
    wine_kill
    "$WINESERVER" -w 2>/dev/null || true
    cp "$WINEPREFIX"/.pristine/*.reg "$WINEPREFIX"/
}
