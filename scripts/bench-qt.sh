#!/usr/bin/env bash
# Performance of the native program beside the yardsticks of bench/ (a minimal
# Qt 6 window that paints "0:03:00", and the same window counting down on a
# one-second QTimer), all built in this run and measured under one Xvfb
# without a window manager:
#   - exec to first mapped window and resident memory 3 s after start
#     (medians of RUNS starts),
#   - wake-ups (context switches a second, voluntary and involuntary, all
#     threads) and CPU over SECONDS_PER_STATE idle, counting down and during
#     the flashing alarm (its sound off, then on), each measured over the same seconds as the counting
#     yardstick; ROUNDS rounds of each, their medians reported (the load of a
#     shared machine makes single rounds jump by a tenth or more),
#   - display latency: how long after each second's change on the program's
#     own tick clock its new picture reaches the X server, over
#     LATENCY_SECONDS of counting (bench/paint_times.c, preloaded).
# With BASELINE=<git revision>, that revision's program is built as well and
# measured beside this one in every step. The Windows build is measured by
# scripts/bench-windows.sh. Results: build/qt/bench/results.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/bench-common.sh"
jobs=${JOBS:-2}
runs=${RUNS:-5}
seconds=${SECONDS_PER_STATE:-30}
rounds=${ROUNDS:-3}
latency_seconds=${LATENCY_SECONDS:-60}
build="$root/build/qt"
bench="$build/bench"
results="$bench/results.md"

build_program() {  # source dir, build dir, app dir
    cmake -S "$1" -B "$2" -G Ninja -DQUILLASTOR_QT=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$2" -j "$jobs" --target QuillastorTimer quillastor_qt_sound
    rm -rf "$3" && mkdir -p "$3"
    cp "$2/src/qt/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,Readme.txt,QuillastorTimer.png} "$3/"
}
build_program "$root" "$build" "$bench/app"
programs=(timer)
declare -A dir=([timer]="$bench/app")
if [ -n "${BASELINE:-}" ]; then
    build_program "$(baseline_sources "$root" "$BASELINE")" "$root/build/baseline/qt" "$bench/baseline"
    programs+=(baseline) dir[baseline]="$bench/baseline"
fi
cmake -S "$root/bench" -B "$bench/tools" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bench/tools" -j "$jobs"
probe="$bench/tools/map_probe"
reference="$bench/tools/reference_timer"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

n=81
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

echo "== start-up and memory ($runs runs each)"
declare -A start_ms start_rss
write_settings "${dir[timer]}/QuillastorTimer.dat" 180
read -r start_ms[reference] start_rss[reference] < <(startup_figures 0.3 "$reference")
for p in "${programs[@]}"; do
    write_settings "${dir[$p]}/QuillastorTimer.dat" 180
    read -r start_ms[$p] start_rss[$p] < <(cd "${dir[$p]}" && startup_figures 0.3 ./QuillastorTimer)
done

# Each program in its own place, so that a double-click finds it.
declare -A top=([timer]=100 [baseline]=200)
start_program() {  # name seconds sound -> pid in started[name]
    write_settings "${dir[$1]}/QuillastorTimer.dat" "$2" 100 "${top[$1]}" "$3"
    local out
    out=$(cd "${dir[$1]}" && "$probe" ./QuillastorTimer)
    started[$1]=${out%% *}
    pids+=("${started[$1]}")
}
start_counting() {  # name
    local win
    win=$(xdotool search --onlyvisible --pid "${started[$1]}" | head -1)
    double_click_window "$win"
}

echo "== wake-ups and CPU, $rounds rounds of $seconds s per state, beside the one-second yardstick"
declare -A started rounds_of figures
"$reference" 1000 &
yardstick=$!
pids+=("$yardstick")
for state in idle counting alarm sounding; do
    for round in $(seq "$rounds"); do
        measured=$(measure_state "$state" "$yardstick")
        i=0
        for p in yardstick "${programs[@]}"; do
            i=$((i + 1))
            rounds_of[$p,$state]+="$(sed -n "${i}p" <<<"$measured")"$'\n'
        done
        echo "$state, round $round:" $(paste -d' ' <(echo yardstick "${programs[@]}" | tr ' ' '\n') <(echo "$measured"))
    done
    for p in yardstick "${programs[@]}"; do
        figures[$p,$state]=$(for column in 1 2 3; do cut -d' ' -f"$column" <<<"${rounds_of[$p,$state]%$'\n'}" | median; done | xargs)
    done
done
stop "$yardstick"

echo "== display latency over $latency_seconds s of counting"
latency() {  # log, lines before the start -> "median worst count" in ms
    python3 - "$1" "$2" <<'PY'
import statistics, sys
lines = open(sys.argv[1]).read().split("\n")[int(sys.argv[2]):]
events = [(kind, int(us)) for kind, us in (line.split() for line in lines if line)]
# The first read of the tick clock after the click is the start of the count;
# the first picture after it shows the start, each later one a new second.
start_ms = next(us for kind, us in events if kind == "t") // 1000
paints = [us / 1000 for kind, us in events if kind == "p"][1:]
late = []
for at in paints:
    # Second k+1 shows from elapsed 1001 + 1000 k ms: the extra second ends.
    k = int((at - start_ms - 1001) // 1000)
    late.append(at - (start_ms + 1001 + 1000 * k))
print(f"{statistics.median(late):.1f} {max(late):.1f} {len(late)}")
PY
}
declare -A late
for p in "${programs[@]}"; do
    log="$bench/$p-paint-times.log"
    : >"$log"
    write_settings "${dir[$p]}/QuillastorTimer.dat" 3600 100 "${top[$p]}"
    (cd "${dir[$p]}" && PAINT_TIMES_LOG="$log" LD_PRELOAD="$bench/tools/libpaint_times.so" exec ./QuillastorTimer) &
    started[$p]=$! && pids+=($!)
done
sleep 3
declare -A offset
for p in "${programs[@]}"; do
    # A click first gives it the keyboard, which reads the clock too; the
    # count starts at the double-click a second later.
    win=$(xdotool search --onlyvisible --pid "${started[$p]}" | head -1) && double_click_window "$win" 1 && sleep 1
    offset[$p]=$(wc -l <"$bench/$p-paint-times.log")
    start_counting "$p"
done
sleep "$latency_seconds"
for p in "${programs[@]}"; do
    stop "${started[$p]}"
    late[$p]=$(latency "$bench/$p-paint-times.log" "${offset[$p]}")
    echo "$p: median, worst, changes: ${late[$p]}"
done

size_qt=$(stat -c %s "${dir[timer]}/QuillastorTimer")
strip -o "$bench/QuillastorTimer.stripped" "${dir[timer]}/QuillastorTimer"
size_qt_stripped=$(stat -c %s "$bench/QuillastorTimer.stripped")

# Per round against the yardstick over the same seconds: the median and each.
ratios() {  # name state -> "median× (each round)"
    local each
    each=$(paste -d' ' <(echo "${rounds_of[$1,$2]%$'\n'}") <(echo "${rounds_of[yardstick,$2]%$'\n'}") |
        awk '{printf "%.2f\n", $1 / $4}')
    echo "$(median <<<"$each")× (rounds: $(echo $each | sed 's/ /, /g'))"
}
{
    echo "| Program | exec to first mapped window (median of $runs) | RSS after 3 s (median) | executable |"
    echo "|---|---|---|---|"
    echo "| reference Qt window | ${start_ms[reference]} ms | ${start_rss[reference]} kB | — |"
    echo "| QuillastorTimer (Qt) | ${start_ms[timer]} ms | ${start_rss[timer]} kB | ${size_qt_stripped} bytes stripped (${size_qt} with debug info) |"
    [ -n "${BASELINE:-}" ] && echo "| baseline ${BASELINE} | ${start_ms[baseline]} ms | ${start_rss[baseline]} kB | — |"
    echo
    echo "Wake-ups (context switches a second, all threads; in brackets the involuntary ones) and CPU"
    echo "(per cent of one core), medians of $rounds rounds of $seconds s per state:"
    echo
    echo "| Program | idle | counting down | alarm | alarm with its sound on | display latency (median / worst of n) |"
    echo "|---|---|---|---|---|---|"
    row() {  # label name
        local state cells=""
        for state in idle counting alarm sounding; do
            read -r w c n <<<"${figures[$2,$state]}"
            cells+="| $w /s ($n), $c % "
        done
        echo "| $1 $cells| $3 |"
    }
    row "yardstick: repaint on a one-second QTimer" yardstick "—"
    read -r m w k <<<"${late[timer]}"
    row "QuillastorTimer (Qt)" timer "$m / $w ms of $k"
    if [ -n "${BASELINE:-}" ]; then
        read -r m w k <<<"${late[baseline]}"
        row "baseline ${BASELINE}" baseline "$m / $w ms of $k"
    fi
    echo
    echo "Wake-ups against the yardstick over the same seconds, median of the rounds:" \
        "counting $(ratios timer counting), alarm $(ratios timer alarm), alarm with its sound on $(ratios timer sounding)."
    awk -v a="${start_ms[timer]}" -v b="${start_ms[reference]}" -v c="${start_rss[timer]}" -v d="${start_rss[reference]}" \
        'BEGIN {printf "Start-up %.2f×, memory %.2f× the reference window.\n", a / b, c / d}'
    echo "Machine: $(nproc) cores, $(uname -r), load average $(cut -d' ' -f1-3 /proc/loadavg) at the end."
} | tee "$results"
