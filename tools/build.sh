#!/usr/bin/env bash
# Builds everything: the host unit tests (with sanitizers), the shipped 32-bit
# Windows binaries, and the build that runs under this host's Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-$(nproc)}
arch=$(tools/wine-arch.sh)

cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=ON >/dev/null
cmake --build build/host -j"$jobs"

for a in i686 $([ "$arch" = x86_64 ] && echo x86_64); do
    cmake -S . -B build/win-$a -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DMINGW_ARCH=$a \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build/win-$a -j"$jobs"
done
echo "built: build/host build/win-i686 (shipped)${arch:+ build/win-$arch (runs under Wine)}"
