#!/usr/bin/env bash
# Measures under Wine how long one search of ktmodem.dll takes in each
# situation of its time-per-port table, against simulated phones, and prints
# each time beside the expected one. Not a test: it only reports.
#   tools/bench-probe.sh [BUILD_DIR]   (default build/win-$(tools/wine-arch.sh))
# Needs a built BUILD_DIR (ktmodem.dll, probecall.exe); makes its own prefix
# BUILD_DIR/bench-prefix. RUNS (default 3) searches per row, median reported.
set -uo pipefail
src="$(cd "$(dirname "$0")/.." && pwd)"
arch=$("$src/tools/wine-arch.sh")
build="$(cd "${1:-$src/build/win-$arch}" && pwd)"
runs=${RUNS:-3}
if [ "$arch" = x86_64 ]; then
    export WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64 WINEARCH=win64
else
    export WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32 WINEARCH=win32
fi
export WINEPREFIX="$build/bench-prefix" WIZ_SOURCE="$src" WIZ_BUILD="$build"
. "$src/tests/lib/wine.sh"
. "$src/tools/simphone/ports.sh"

dll="$build/ktmodem/ktmodem.dll"
probecall="$build/tests/win/serial/probecall.exe"
tools="$build/serial-tools"
for f in "$dll" "$probecall"; do
    [ -f "$f" ] || { echo "bench-probe: $f missing; build $build first" >&2; exit 1; }
done
[ -x "$tools/simphone" ] && [ -f "$tools/modemshim.so" ] || "$src/tools/simphone/build.sh" "$tools" "$arch"
if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
    echo "making the prefix $WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1
    wine_wait
fi

trap ports_end EXIT
ports_begin "$tools" "$build/bench-run"
dllw="$(win_path "$dll")"

# Prints the median time in ms of $runs searches and the port the last one
# found; the arguments go to probecall after the library.
measure() {
    local times=() i out result=
    for i in $(seq "$runs"); do
        out=$(ports_wine "$probecall" "$dllw" "$@" 2>/dev/null | tr -d '\r')
        times+=("$(echo "$out" | awk '$1 == "result" {print $4}')")
        result=$(echo "$out" | awk '$1 == "result" {print $2}')
    done
    printf '%s\n' "${times[@]}" | sort -n | awk -v r="$result" '{a[NR] = $1} END {print a[int((NR + 1) / 2)], r}'
}

row() {  # name expected_ms "measured_ms port"
    set -- "$1" "$2" ${3}
    awk -v n="$1" -v e="$2" -v m="$3" -v p="$4" 'BEGIN {
        if (e == 0) printf "%-34s %10s %10.1f %8s   (port %s)\n", n, "immediate", m, "-", p
        else if (e ~ /^</) printf "%-34s %10s %10.1f %8s   (port %s)\n", n, e, m, "-", p
        else printf "%-34s %10.1f %10.1f %8.3f   (port %s)\n", n, e, m, m / e, p
    }'
}

echo "one search (preferred port 1, then 2 to 9), readTimeout 10 ms, median of $runs; $arch Wine"
printf '%-34s %10s %10s %8s\n' "situation" "expected" "measured" "ratio"

# Port absent: nothing is mapped, nine ports cannot be opened.
row "port absent (9 ports)" 0 "$(measure 1)"

# CTS never on: 2000 ms, plus at most one 10 ms sleep.
ports_phone 1
row "CTS never on (COM1)" 2000 "$(MODEMSHIM_CTS_OFF="$PORTS_DOSDEVICES/com1" measure 1)"
ports_clear

# CTS on, nothing received: readTimeout x 513.
ports_phone 1 --silent
row "CTS on, silent (COM1)" 5130 "$(measure 1)"
ports_clear

# A reply 200 ms after the command: the read ends readTimeout after its last byte.
ports_phone 1 --delay 200
row "reply after 200 ms (COM1)" 210 "$(measure 1)"
ports_clear

# A phone that echoes the command at once and answers 5, 30, 100 and 1000 ms
# later: the reply is read on after the echo, and ends readTimeout after its
# last byte.
for pause in 5 30 100 1000; do
    ports_phone 1 --echo --delay $pause
    row "reply $pause ms after its echo (COM1)" $((pause + 10)) "$(measure 1)"
    ports_clear
done

# A loopback plug, the echo and nothing more: given up 1.5 s after the echo.
ports_phone 1 --loopback
row "loopback plug (COM1)" 1500 "$(measure 1)"
ports_clear

# A modem set to ATV0 that answers ATI9 with the numeric ERROR "4": left at
# once, as a reply that comes whole.
ports_phone 1 --numeric
row "numeric ERROR \"4\" (COM1)" 10 "$(measure 1)"
ports_clear

# The phone on COM1 answering at once.
ports_phone 1
row "phone on COM1 answering at once" "<100" "$(measure 1)"
ports_clear

# A whole search on a machine with USB-serial ports: COM1 on board with nothing
# attached (CTS off), COM3 a modem that does not know ATI9 ("ERROR"), COM12 a
# loopback plug, COM15 the phone. The list the wizard passes for COM1-9 alone,
# then with COM12 and COM15.
ports_phone 1
ports_phone 3 --reply '\r\nERROR\r\n'
ports_phone 12 --loopback
ports_phone 15 --reply '\r\nVALMOR GPRS Z72\r\n\r\nOK\r\n'
export MODEMSHIM_CTS_OFF="$PORTS_DOSDEVICES/com1"
row "search COM1-9 (\"1\")" 2020 "$(measure 1)"
row "search COM1-9,12,15" 3530 "$(measure 1,2,3,4,5,6,7,8,9,12,15)"
unset MODEMSHIM_CTS_OFF
ports_clear
