#!/usr/bin/env bash
# Performance of the Windows program under Wine beside the Win32 yardstick of
# bench/ (a minimal window counting an hour down on the old 100 ms SetTimer),
# both built in this run and run at the same time under one Wine server on
# one Xvfb without a window manager:
#   - exec to first mapped window and resident memory 3 s after start
#     (medians of RUNS starts, Wine's start included, warm prefix),
#   - CPU and wake-ups (context switches a second, voluntary and involuntary,
#     all threads) of each process over SECONDS_PER_STATE idle, counting down
#     and during the flashing alarm (its sound off, then on), each over the
#     same seconds as the yardstick. The Wine server's own work is in neither
#     figure.
# With BASELINE=<git revision>, that revision's program is built as well and
# measured beside this one. Results: build/win32/bench/results.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/bench-common.sh"
source "$root/scripts/wine-session.sh"
jobs=${JOBS:-2}
runs=${RUNS:-5}
seconds=${SECONDS_PER_STATE:-30}
bench="$root/build/win32/bench"
results="$bench/results.md"
toolchain="$root/cmake/mingw-w64-x86_64.cmake"

build_program() {  # source dir, build dir, app dir
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$2" -j "$jobs" --target QuillastorTimer
    rm -rf "$3" && mkdir -p "$3"
    cp "$2/program/"* "$3/"
}
build_program "$root" "$root/build/win32" "$bench/app"
programs=(timer)
declare -A dir=([timer]="$bench/app")
if [ -n "${BASELINE:-}" ]; then
    build_program "$(baseline_sources "$root" "$BASELINE")" "$root/build/baseline/win32" "$bench/baseline"
    programs+=(baseline) dir[baseline]="$bench/baseline"
fi
yardstick_exe="$bench/reference_timer_win32.exe"
x86_64-w64-mingw32-g++ -std=c++20 -O2 -municode -mwindows -static -o "$yardstick_exe" "$root/bench/reference_timer_win32.cpp"
cmake -S "$root/bench" -B "$root/build/qt/bench/tools" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/qt/bench/tools" -j "$jobs" --target map_probe
probe="$root/build/qt/bench/tools/map_probe"

wine_use_prefix "$bench/wineprefix"
FORCE_XVFB=1 display_start
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    display_stop
    wait 2>/dev/null || true
}
trap cleanup EXIT
wine_prepare_prefix
wineserver -p
wineboot >/dev/null 2>&1

echo "== start-up and memory ($runs runs each, after one start to warm the prefix)"
declare -A start_ms start_rss
for p in "${programs[@]}"; do
    write_settings "${dir[$p]}/QuillastorTimer.dat" 180
    out=$(cd "${dir[$p]}" && "$probe" wine ./QuillastorTimer.exe)
    pids+=("${out%% *}") && sleep 3 && stop "${out%% *}"
    read -r start_ms[$p] start_rss[$p] < <(cd "${dir[$p]}" && startup_figures 0.5 wine ./QuillastorTimer.exe)
done

declare -A top=([timer]=100 [baseline]=200) started figures
start_program() {  # name seconds sound
    write_settings "${dir[$1]}/QuillastorTimer.dat" "$2" 100 "${top[$1]}" "$3"
    local out
    out=$(cd "${dir[$1]}" && "$probe" wine ./QuillastorTimer.exe)
    started[$1]=${out%% *}
    pids+=("${started[$1]}")
}
start_counting() {  # name: the window at its place, found by its position
    local win x y
    for win in $(xdotool search --onlyvisible --class 'quillastortimer.exe'); do
        eval "$(xdotool getwindowgeometry --shell "$win")"
        [ "$Y" = "${top[$1]}" ] && double_click_window "$win" && return
    done
    echo "no window for $1" >&2
}

echo "== CPU and wake-ups, $seconds s per state, beside the Win32 yardstick"
out=$("$probe" wine "$yardstick_exe")
yardstick=${out%% *}
pids+=("$yardstick")
for state in idle counting alarm sounding; do
    measured=$(measure_state "$state" "$yardstick")
    i=0
    for p in yardstick "${programs[@]}"; do
        i=$((i + 1))
        figures[$p,$state]=$(sed -n "${i}p" <<<"$measured")
    done
    echo "$state: yardstick ${figures[yardstick,$state]}; $(for p in "${programs[@]}"; do echo -n "$p ${figures[$p,$state]}; "; done)"
done

cpu_ratio() { awk -v a="$(cut -d' ' -f2 <<<"$1")" -v b="$(cut -d' ' -f2 <<<"$2")" 'BEGIN {printf "%.2f", a / b}'; }
{
    echo "CPU (per cent of one core) and wake-ups (context switches a second, all threads; in brackets"
    echo "the involuntary ones) under Wine, $seconds s per state:"
    echo
    echo "| Program | exec to first mapped window (median of $runs) | RSS after 3 s | idle | counting down | alarm | alarm with its sound on |"
    echo "|---|---|---|---|---|---|---|"
    row() {  # label name start-up
        local state cells=""
        for state in idle counting alarm sounding; do
            read -r w c n <<<"${figures[$2,$state]}"
            cells+="| $c %, $w /s ($n) "
        done
        echo "| $1 | $3 $cells|"
    }
    row "yardstick: 100 ms SetTimer" yardstick "— | —"
    row "QuillastorTimer.exe ($(stat -c %s "${dir[timer]}/QuillastorTimer.exe") bytes)" timer "${start_ms[timer]} ms | ${start_rss[timer]} kB"
    [ -n "${BASELINE:-}" ] && row "baseline ${BASELINE}" baseline "${start_ms[baseline]} ms | ${start_rss[baseline]} kB"
    echo
    echo "CPU while counting down against the yardstick over the same seconds: $(cpu_ratio "${figures[timer,counting]}" "${figures[yardstick,counting]}")×."
    echo "Machine: $(nproc) cores, $(uname -r), $(wine --version), load average $(cut -d' ' -f1-3 /proc/loadavg) at the end."
} | tee "$results"
