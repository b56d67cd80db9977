#!/usr/bin/env bash
# Runs serial_tests.exe under Wine once per test suite, with the COM ports of
# that suite's layout as simulated phones on pseudo-terminals and every other
# port absent; cleans up phones, links and the Wine session on any exit.
#   run.sh SERIAL_TESTS_EXE KTMODEM_DLL TOOLS_DIR
set -uo pipefail
. "$WIZ_SOURCE/tests/lib/wine.sh"
. "$WIZ_SOURCE/tools/simphone/ports.sh"
exe=$1
dll=$2
tools=$3

trap ports_end EXIT
ports_begin "$tools" "$(dirname "$exe")/run"
export KTMODEM_DLL="$(win_path "$dll")" SERIAL_LOGS="$(win_path "$PORTS_WORK/logs")"

status=0
suite() {
    echo "== $1"
    local out="$PORTS_WORK/$1.out"
    ports_wine "$exe" --gtest_filter="$1.*" 2>&1 | tr -d '\r' | tee "$out"
    if [ "${PIPESTATUS[0]}" != 0 ] || ! grep -q '^\[  PASSED  \] [1-9]' "$out"; then status=1; fi
    ports_clear
}

ports_phone 1
suite PhoneOnCom1

ports_phone 2 --reply '\r\nOK\r\n'
ports_phone 4 --echo
ports_phone 12 --lower-ok
suite PhoneOnCom4

ports_phone 1
MODEMSHIM_CTS_OFF="$PORTS_DOSDEVICES/com1" suite CtsOff

ports_phone 1 --silent
ports_phone 2 --one-byte
suite Silent

ports_phone 1 --echo --delay 5
ports_phone 2 --echo --delay 30
ports_phone 3 --echo --delay 100
ports_phone 5 --loopback
suite EchoFirst

exit $status
