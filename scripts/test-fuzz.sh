#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time over the committed seeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-20}
dir="$root/build/fuzz"
targets=(settings_load_fuzz settings_apply_fuzz duration_label_fuzz command_line_fuzz forwarded_time_fuzz)

echo "== fuzzing (${seconds}s per target)"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DQUILLASTOR_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "${JOBS:-2}" --target "${targets[@]}"

for target in "${targets[@]}"; do
    case $target in
        settings_*) seeds="$root/fuzz/corpus/settings" ;;
        *) seeds="$root/fuzz/corpus/${target%_fuzz}" ;;
    esac
    work="$dir/corpus-$target"
    mkdir -p "$work"
    "$dir/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$dir/" \
        "$work" "$seeds" 2>"$dir/$target.log" || {
        tail -n 40 "$dir/$target.log"
        echo "fuzzer $target found a failure" >&2
        exit 1
    }
    grep -E 'stat::number_of_executed_units' "$dir/$target.log" | sed "s/^/$target: /"
done
