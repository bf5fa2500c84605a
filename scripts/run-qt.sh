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
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
source "$root/scripts/x11-session.sh"
x11_start 99
(cd "$bin" && exec ./QuillastorTimer "$@") &
pids+=($!)
sleep 4
import -window root "$dir/screenshot.png"
echo "Screenshot of the running timer: $dir/screenshot.png"
