#!/usr/bin/env bash
# Core library and its tests: plain build, then ASan+UBSan build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}

for flavour in host asan; do
    dir="$root/build/$flavour"
    extra=()
    [ "$flavour" = asan ] && extra=(-DQUILLASTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    [ "$flavour" = host ] && extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    echo "== core tests ($flavour)"
    cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >/dev/null
    cmake --build "$dir" -j "$jobs" --target core_tests
    (cd "$dir" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
done
