# Shared by the bench scripts (source it): settings files, counters summed
# over all threads of a process, medians, a double-click on a window, and the
# tree of an earlier revision to measure beside this one.

# A settings file for a window at (x, y), 80 x 28, with the given duration in
# seconds; underline on and, unless told otherwise, the alarm sound, as shipped.
write_settings() {  # path seconds [x y [sound]]
    python3 - "$1" "$2" "${3:-100}" "${4:-100}" "${5:-1}" <<'PY'
import struct, sys
path, seconds, x, y, sound = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5])
face = "ＭＳ Ｐゴシック".encode("cp932").ljust(32, b"\0")
font = struct.pack("<5i8B", -16, 0, 0, 0, 700, 0, 0, 0, 1, 0, 0, 0, 0) + face
data = struct.pack("<5i", x, y, x + 80, y + 28, 0) + font
data += struct.pack("<IIiiii", 0x00FFFFFF, 0x00FF8080, 1, 1, 32, sound)
times = [180, 600, 3600]
data += struct.pack("<i", len(times)) + struct.pack("<3I", *times) + struct.pack("<ii", seconds, 1)
open(path, "wb").write(data)
PY
}

# Context switches (voluntary and involuntary; involuntary alone) and CPU
# time in ns, summed over the process's threads.
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {s += $2} END {print s + 0}'; }
involuntary() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^nonvoluntary_ctxt_switches/ {s += $2} END {print s + 0}'; }
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{s += $1} END {printf "%.0f\n", s}'; }

# Measures processes over one and the same interval; one line per process:
# "<context switches a second> <CPU in per cent of one core> <involuntary
# switches a second>". Involuntary ones come from the machine's load: other
# programs taking the core.
measure() {  # seconds pid...
    local seconds=$1 pid
    shift
    local -a w0 c0 i0
    for pid in "$@"; do w0+=("$(switches "$pid")") c0+=("$(cpu_ns "$pid")") i0+=("$(involuntary "$pid")"); done
    sleep "$seconds"
    local i=0
    for pid in "$@"; do
        awk -v w="$(($(switches "$pid") - w0[i]))" -v c="$(($(cpu_ns "$pid") - c0[i]))" \
            -v n="$(($(involuntary "$pid") - i0[i]))" -v s="$seconds" \
            'BEGIN {printf "%.2f %.3f %.2f\n", w / s, 100 * c / 1e9 / s, n / s}'
        i=$((i + 1))
    done
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
stop() { kill "$1" 2>/dev/null || true; wait "$1" 2>/dev/null || true; }

# The pointer then leaves for a corner, as a user's would: a resting pointer
# would keep the tooltip's own timers running.
double_click_window() {  # window id [clicks]
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
    sleep 0.2
    xdotool click --repeat "${2:-2}" --delay 120 1 sleep 0.2 mousemove 1000 740
}

# The sources of an earlier revision (BASELINE), unpacked under build/.
baseline_sources() {  # root revision -> directory
    local dir="$1/build/baseline/src"
    rm -rf "$dir" && mkdir -p "$dir"
    git -C "$1" archive "$2" | tar -x -C "$dir"
    echo "$dir"
}

# Start-up time and memory of a program: medians over $runs starts, each
# process left `settle` seconds after its memory is read.
startup_figures() {  # settle command... -> "ms rss"
    local settle=$1 times=() rss=() out pid
    shift
    for _ in $(seq "$runs"); do
        out=$("$probe" "$@" 2>/dev/null)
        pid=${out%% *}
        pids+=("$pid")
        times+=("${out##* }")
        sleep 3
        rss+=("$(rss_kb "$pid")")
        stop "$pid"
        sleep "$settle"
    done
    echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${rss[@]}" | median)"
}

# One measurement of a state beside the yardstick: every program started
# (idle; counting from a double-click; the alarm of a two-second duration,
# with the alarm sound off, or on in "sounding"), measured, stopped. Prints
# measure's lines, the yardstick's first.
measure_state() {  # state yardstick-pid
    local duration=3600 sound=1 p
    [ "$1" = alarm ] && duration=2 sound=0
    [ "$1" = sounding ] && duration=2
    for p in "${programs[@]}"; do start_program "$p" "$duration" "$sound"; done
    sleep 2
    if [ "$1" != idle ]; then
        for p in "${programs[@]}"; do start_counting "$p"; done
        sleep 4
    fi
    measure "$seconds" "$2" $(for p in "${programs[@]}"; do echo "${started[$p]}"; done)
    for p in "${programs[@]}"; do stop "${started[$p]}"; done
}
