#!/usr/bin/env bash
# Runs one Windows test program in the run's prefix.
set -uo pipefail
. "$(dirname "$0")/wine.sh"
exe="$1"; shift
"$WINE" "$exe" "$@"
rc=$?
wine_wait
exit $rc
