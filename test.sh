#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test layer: host unit tests
# under ASan/UBSan, Windows-side tests under Wine, end-to-end tests of the real
# wizard.exe on a virtual X server. Each step's time is printed as it ends.
set -euo pipefail
cd "$(dirname "$0")"
start=$SECONDS
took() { echo "== $1: $((SECONDS - start)) s"; start=$SECONDS; }
tools/install-deps.sh
took "set-up"
tools/build.sh
took "build"
arch=$(tools/wine-arch.sh)

status=0
echo "== host unit tests"
ctest --test-dir build/host --output-on-failure -j"$(nproc)" || status=1
took "host unit tests"
echo "== fuzzers, a short run each (libFuzzer, clang)"
JOBS=$(nproc) tools/fuzz.sh 30000 || status=1
took "fuzzers"
echo "== Windows tests and end-to-end tests under Wine ($arch)"
# Two lanes of Wine tests (tests/CMakeLists.txt), one test of each at a time.
ctest --test-dir build/win-$arch --output-on-failure --timeout 900 -j2 || status=1
took "Windows and end-to-end tests"
exit $status
