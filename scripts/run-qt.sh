#!/usr/bin/env bash
# Builds the native program and starts it. Without a display it runs on a
# virtual one (Xvfb with openbox) and saves a screenshot to
# build/qt/screenshot.png after a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
dir="$root/build/qt"

cmake -S "$root" -B "$dir" -G Ninja -DQUILLASTOR_QT=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$jobs" --target QuillastorTimer
bin="$dir/src/qt"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    cd "$bin"
    exec ./QuillastorTimer "$@"
fi

echo "No display: starting the timer on a virtual display (Xvfb)."
n=99
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager is ready is never managed (nor shown).
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
(cd "$bin" && exec ./QuillastorTimer "$@") &
pids+=($!)
sleep 4
import -window root "$dir/screenshot.png"
echo "Screenshot of the running timer: $dir/screenshot.png"
