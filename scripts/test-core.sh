#!/usr/bin/env bash
# Core libraries and their tests: plain build, then ASan+UBSan build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}

for flavour in host asan; do
    dir="$root/build/$flavour"
    extra=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
    [ "$flavour" = asan ] && extra=(-DQUILLASTOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    echo "== core tests ($flavour)"
    cmake -S "$root" -B "$dir" -G Ninja "${extra[@]}" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
done
