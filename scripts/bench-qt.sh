#!/usr/bin/env bash
# Performance of the native program, side by side with a minimal Qt 6
# frameless window painting "0:03:00" (bench/), both built in this run
# and measured under one Xvfb without a window manager:
#   - exec to first mapped window (median of RUNS starts),
#   - resident memory 3 s after start (median),
#   - CPU over SECONDS idle, counting down, and during the flashing alarm.
# With the Windows build present (build/win32/program), the same figures for
# it under Wine. Results: build/qt/bench/results.md.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
runs=${RUNS:-5}
seconds=${SECONDS_PER_STATE:-60}
build="$root/build/qt"
bench="$build/bench"
app="$bench/app"
results="$bench/results.md"
exe="$root/build/win32/program/QuillastorTimer.exe"

cmake -S "$root" -B "$build" -G Ninja -DQUILLASTOR_QT=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$jobs" --target QuillastorTimer
cmake -S "$root/bench" -B "$bench/tools" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$bench/tools" -j "$jobs"
probe="$bench/tools/map_probe"
reference="$bench/tools/reference_timer"

rm -rf "$app"
mkdir -p "$app"
cp "$build/src/qt/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,Readme.txt,QuillastorTimer.png} "$app/"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

n=81
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A settings file at (100, 100), 80 x 28, with the given duration in seconds.
write_settings() {  # path seconds
    python3 - "$1" "$2" <<'PY'
import struct, sys
path, seconds = sys.argv[1], int(sys.argv[2])
face = "ＭＳ Ｐゴシック".encode("cp932").ljust(32, b"\0")
font = struct.pack("<5i8B", -16, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0) + face
data = struct.pack("<5i", 100, 100, 180, 128, 0) + font
data += struct.pack("<IIiiii", 0x00FFFFFF, 0x00FF8080, 1, 1, 32, 1)
times = [180, 600, 3600]
data += struct.pack("<i", len(times)) + struct.pack("<3I", *times) + struct.pack("<ii", seconds, 1)
open(path, "wb").write(data)
PY
}

clk=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
cpu_percent() {  # pid seconds -> percent of one core
    local t0 t1
    t0=$(cpu_ticks "$1")
    sleep "$2"
    t1=$(cpu_ticks "$1")
    awk -v d=$((t1 - t0)) -v hz="$clk" -v s="$2" 'BEGIN {printf "%.2f", 100 * d / hz / s}'
}
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }
double_click_window() {  # window id
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    sleep 0.2
    xdotool click --repeat 2 --delay 120 1
}

start_timer() {  # -> pid; the program runs from $app as a portable copy
    local out
    out=$(cd "$app" && "$probe" ./QuillastorTimer 2>/dev/null)
    echo "${out%% *}"
}

startup_figures() {  # label command... -> "ms rss" medians
    local label=$1
    shift
    local times=() rss=() out pid
    for _ in $(seq "$runs"); do
        out=$("$probe" "$@" 2>/dev/null)
        pid=${out%% *}
        pids+=("$pid")
        times+=("${out##* }")
        sleep 3
        rss+=("$(rss_kb "$pid")")
        stop "$pid"
        sleep 0.3
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${rss[@]}" | median)"
}

echo "== start-up and memory ($runs runs each)"
write_settings "$app/QuillastorTimer.dat" 180
read -r ref_ms ref_rss < <(startup_figures reference "$reference")
read -r qt_ms qt_rss < <(cd "$app" && startup_figures timer ./QuillastorTimer)
echo "reference: ${ref_ms} ms, ${ref_rss} kB; timer: ${qt_ms} ms, ${qt_rss} kB"

echo "== CPU, $seconds s per state"
out=$("$probe" "$reference")
pid=${out%% *}; pids+=("$pid"); sleep 3
ref_idle=$(cpu_percent "$pid" "$seconds")
stop "$pid"

write_settings "$app/QuillastorTimer.dat" 3600
out=$(cd "$app" && "$probe" ./QuillastorTimer)
pid=${out%% *}; pids+=("$pid"); sleep 3
qt_idle=$(cpu_percent "$pid" "$seconds")
win=$(xdotool search --onlyvisible --class QuillastorTimer | head -1)
double_click_window "$win"
sleep 2
qt_counting=$(cpu_percent "$pid" "$seconds")
stop "$pid"

write_settings "$app/QuillastorTimer.dat" 2
out=$(cd "$app" && "$probe" ./QuillastorTimer)
pid=${out%% *}; pids+=("$pid"); sleep 2
win=$(xdotool search --onlyvisible --class QuillastorTimer | head -1)
double_click_window "$win"
sleep 4
qt_alarm=$(cpu_percent "$pid" "$seconds")
stop "$pid"
echo "timer CPU: idle $qt_idle %, counting $qt_counting %, alarm $qt_alarm %; reference idle $ref_idle %"

size_qt=$(stat -c %s "$app/QuillastorTimer")
strip -o "$bench/QuillastorTimer.stripped" "$app/QuillastorTimer"
size_qt_stripped=$(stat -c %s "$bench/QuillastorTimer.stripped")

wine_rows=""
if [ -f "$exe" ] && command -v wine >/dev/null; then
    echo "== the Windows build under Wine"
    export WINEPREFIX="$bench/wineprefix" WINEDEBUG=-all
    wdir="$bench/wine-app"
    rm -rf "$wdir"
    mkdir -p "$wdir"
    cp "$(dirname "$exe")"/* "$wdir/"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # One start to warm the prefix, then the measured ones.
    write_settings "$wdir/QuillastorTimer.dat" 3600
    out=$(cd "$wdir" && "$probe" wine ./QuillastorTimer.exe)
    pid=${out%% *}; pids+=("$pid"); sleep 3; stop "$pid"; wineserver -w
    read -r wine_ms wine_rss < <(cd "$wdir" && startup_figures wine wine ./QuillastorTimer.exe)
    out=$(cd "$wdir" && "$probe" wine ./QuillastorTimer.exe)
    pid=${out%% *}; pids+=("$pid"); sleep 3
    wine_idle=$(cpu_percent "$pid" "$seconds")
    win=$(xdotool search --onlyvisible --class 'quillastortimer.exe' | head -1)
    double_click_window "$win"
    sleep 2
    wine_counting=$(cpu_percent "$pid" "$seconds")
    stop "$pid"
    wineserver -k || true
    size_exe=$(stat -c %s "$exe")
    wine_rows="| Windows build under Wine | ${wine_ms} ms | ${wine_rss} kB | ${wine_idle} % | ${wine_counting} % | not measured | ${size_exe} bytes |"
    echo "wine: ${wine_ms} ms, ${wine_rss} kB, idle $wine_idle %, counting $wine_counting %"
fi

{
    echo "| Program | exec to first mapped window (median of $runs) | RSS after 3 s (median) | CPU idle | CPU counting | CPU alarm | executable |"
    echo "|---|---|---|---|---|---|---|"
    echo "| reference Qt window | ${ref_ms} ms | ${ref_rss} kB | ${ref_idle} % | — | — | — |"
    echo "| QuillastorTimer (Qt) | ${qt_ms} ms | ${qt_rss} kB | ${qt_idle} % | ${qt_counting} % | ${qt_alarm} % | ${size_qt_stripped} bytes stripped (${size_qt} with debug info) |"
    [ -n "$wine_rows" ] && echo "$wine_rows"
    echo
    awk -v a="$qt_ms" -v b="$ref_ms" -v c="$qt_rss" -v d="$ref_rss" \
        'BEGIN {printf "Ratios to the reference: start-up %.2f, memory %.2f.\n", a / b, c / d}'
    echo "CPU is per cent of one core over $seconds s. Machine: $(nproc) cores, $(uname -r)."
} | tee "$results"
