#!/usr/bin/env bash
# The release figures in one report (not a test):
#   1. the probe's time table, each time as a ratio to the expected one
#      (tools/bench-probe.sh against simulated phones under Wine);
#   2. the time from start to the wizard's first window against the smallest
#      Win32 program under the same Wine, as a ratio (median of RUNS starts);
#   3. the sizes of the shipped files.
# Usage: tools/bench.sh [WINE_BUILD_DIR [SHIPPED_BUILD_DIR]]
#   defaults build/win-$(tools/wine-arch.sh) and build/win-i686; both built.
set -uo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$src/build/win-$("$src/tools/wine-arch.sh")}" && pwd)"
shipped="$(cd "${2:-$src/build/win-i686}" && pwd)"
# The Wine that runs the build is the one of the architecture it was made for.
arch=$(sed -n 's/^MINGW_ARCH:STRING=//p' "$build/CMakeCache.txt")
export WIZ_WINE_ARCH=$arch
runs=${RUNS:-5}

echo "== 1. probe time table ($arch Wine)"
"$src/tools/bench-probe.sh" "$build"

echo
echo "== 2. start to first window ($arch Wine, median of $runs)"
if [ "$arch" = x86_64 ]; then
    export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64
    cc=x86_64-w64-mingw32-gcc
else
    export WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 WINEARCH=win32
    cc=i686-w64-mingw32-gcc
fi
export WINEPREFIX="$build/bench-prefix" WIZ_SOURCE="$src" WIZ_BUILD="$build" E2E_DISPLAY=${BENCH_DISPLAY:-:64}
. "$src/tests/e2e/lib.sh"
e2e_display
if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    "$WINE" wineboot -i >/dev/null 2>&1
    wine_wait
fi
minimal="$build/bench-minimal.exe"
"$cc" -O2 -mwindows -o "$minimal" "$src/tools/bench/minimal.c" || exit 1

# Milliseconds from the start of "$@" until a viewable X window titled $title;
# the program is ended then. The wineserver is warm before every start.
first_window() {
    local title=$1 start now pid
    shift
    "$WINE" cmd /c exit >/dev/null 2>&1
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 3000); do
        if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
            now=$(date +%s%N)
            echo $(((now - start) / 1000000))
            kill "$pid" 2>/dev/null
            wait "$pid" 2>/dev/null
            return 0
        fi
        sleep 0.01
    done
    kill "$pid" 2>/dev/null
    echo "no window \"$title\"" >&2
    return 1
}

median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

minimal_times=() wizard_times=()
for _ in $(seq "$runs"); do
    e2e_reset
    e2e_deploy
    first_window Minimal "$WINE" "$minimal" >/dev/null  # the first GUI program also starts Wine's desktop
    minimal_times+=("$(first_window Minimal "$WINE" "$minimal")")
    wizard_times+=("$(cd "$KT" && first_window Wizard "$WINE" "$KT/wizard.exe")")
    wine_kill
done
m=$(printf '%s\n' "${minimal_times[@]}" | median)
w=$(printf '%s\n' "${wizard_times[@]}" | median)
printf '%-28s %8s ms   (%s)\n' "minimal Win32 program" "$m" "${minimal_times[*]}"
printf '%-28s %8s ms   (%s)\n' "wizard.exe to page 1" "$w" "${wizard_times[*]}"
awk -v w="$w" -v m="$m" 'BEGIN {printf "%-28s %8.2f\n", "ratio wizard / minimal", w / m}'
e2e_cleanup

echo
echo "== 3. shipped files ($shipped)"
for f in wizard/wizard.exe ktmodem/ktmodem.dll $(sed 's|.*|wizard/&.dll|' "$shipped/wizard/languages.txt"); do
    [ -f "$shipped/$f" ] && printf '%-22s %9d bytes\n' "$(basename "$f")" "$(stat -c %s "$shipped/$f")"
done
awk -v s="$(stat -c %s "$shipped/wizard/wizard.exe")" \
    'BEGIN {printf "%-22s %9.2f of the 1 MiB limit\n", "wizard.exe", s / 1048576}'
