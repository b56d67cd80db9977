#!/usr/bin/env bash
# Builds the simulated phone and the modem-line shim into OUTDIR with the
# host's plain C compiler, without sanitizers (the shim is preloaded into
# Wine). ARCH is the Windows architecture of the Wine that the shim goes into:
# x86_64 (the default) or i686 (a 32-bit shim for the 32-bit Wine).
set -euo pipefail
out="${1:?usage: build.sh OUTDIR [x86_64|i686]}"
arch="${2:-x86_64}"
tools="$(cd "$(dirname "$0")/.." && pwd)"
cc="${HOST_CC:-cc}"
bits=()
[ "$arch" = i686 ] && bits=(-m32)
mkdir -p "$out"
"$cc" -O2 -Wall -Wextra -o "$out/simphone" "$tools/simphone/simphone.c"
"$cc" "${bits[@]}" -O2 -Wall -Wextra -shared -fPIC -o "$out/modemshim.so" "$tools/modemshim/modemshim.c" -ldl
