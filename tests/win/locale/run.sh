#!/usr/bin/env bash
# Runs the locale test program under the prefix's default locale ("default")
# or under a German one ("de"), generated into the build directory from the
# host's locale sources; without them the German run is skipped (77).
set -uo pipefail
. "$WIZ_SOURCE/tests/lib/wine.sh"
exe="$1"
mode="$2"
if [ "$mode" = de ]; then
    locales="$WIZ_BUILD/tests/win/locale/locales"
    if [ ! -d "$locales/de_DE.UTF-8" ]; then
        mkdir -p "$locales"
        localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" >/dev/null 2>&1 || rm -rf "$locales/de_DE.UTF-8"
    fi
    if [ ! -d "$locales/de_DE.UTF-8" ]; then
        echo "no German locale on this host: skipped"
        exit 77
    fi
    export LOCPATH="$locales"
    export LC_ALL=de_DE.UTF-8 WIZ_LOCALE=de
fi
"$WINE" "$exe"
rc=$?
wine_wait
exit $rc
