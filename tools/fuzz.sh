#!/usr/bin/env bash
# Runs the fuzzers of tests/host/fuzz under libFuzzer with ASan and UBSan.
#   tools/fuzz.sh [RUNS] [NAME...]   RUNS executions each (default 10000000),
#                                    every fuzzer unless NAMEs are given
# Builds BUILD (default build/host-fuzz) with clang (JOBS, default 2). New
# inputs collect in BUILD/corpus/NAME; MERGE=1 afterwards folds the ones that
# add coverage into the checked-in corpus tests/host/fuzz/corpus/NAME.
# Fails when a fuzzer finds a crash, a leak or a sanitizer report; the input
# that found it is left as BUILD/crash-* (or leak-*, timeout-*, oom-*).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
shift || true
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(Placeholder Probe Number Exchange Timers Values Template)
build=${BUILD:-build/host-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON -DFUZZ=ON >/dev/null
targets=()
for n in "${names[@]}"; do targets+=("fuzz_${n,,}"); done
cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]}" >/dev/null
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32}
status=0
for n in "${names[@]}"; do
    exe=$build/tests/host/fuzz/fuzz_${n,,}
    seeds=tests/host/fuzz/corpus/$n
    found=$build/corpus/$n
    mkdir -p "$found"
    if [ "${MERGE:-0}" = 1 ]; then
        "$exe" -merge=1 "$seeds" "$found" 2>&1 | grep -E '^MERGE-OUTER: [0-9]+ new files' || true
        continue
    fi
    echo "== $n: $runs executions"
    log=$build/fuzz-$n.log
    if "$exe" -runs="$runs" -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix="$build/" \
        "$found" "$seeds" >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units|^Done' "$log" || true
    else
        echo "fuzz_${n,,} failed; the last lines of $log:"
        tail -n 30 "$log"
        status=1
    fi
done
exit $status
