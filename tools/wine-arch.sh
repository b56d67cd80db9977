#!/usr/bin/env bash
# Prints the Windows architecture whose builds this host can run under Wine at
# full speed: i686 where the kernel executes 32-bit code itself, else x86_64
# (the same sources built for 64-bit Windows, run by the 64-bit Wine).
if [ -n "${WIZ_WINE_ARCH:-}" ]; then echo "$WIZ_WINE_ARCH"; exit 0; fi
emulated=no
for f in /proc/sys/fs/binfmt_misc/*i386*; do
    [ -e "$f" ] && grep -q '^enabled' "$f" && emulated=yes
done
if [ "$emulated" = no ] && [ -x /usr/lib/wine/wine ] && timeout 20 /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo i686
else
    echo x86_64
fi
