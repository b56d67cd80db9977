#!/usr/bin/env bash
# Builds everything: the host unit tests (with sanitizers), the shipped 32-bit
# Windows binaries, and the build that runs under this host's Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
arch=$(tools/wine-arch.sh)
# ccache, where installed, with paths taken relative to the checkout, so that
# rebuilds and other checkouts of the tree reuse the objects.
launcher=()
if command -v ccache >/dev/null; then
    l="env;CCACHE_BASEDIR=$PWD;CCACHE_NOHASHDIR=1;ccache"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER="$l" -DCMAKE_CXX_COMPILER_LAUNCHER="$l")
fi

cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON "${launcher[@]}" >/dev/null
cmake --build build/host -j"$jobs"

for a in i686 $([ "$arch" = x86_64 ] && echo x86_64); do
    cmake -S . -B build/win-$a -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DMINGW_ARCH=$a \
        -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
    cmake --build build/win-$a -j"$jobs"
done
echo "built: build/host build/win-i686 (shipped)${arch:+ build/win-$arch (runs under Wine)}"
