#!/usr/bin/env bash
# Builds QuillastorTimer.exe with the MinGW-w64 cross compiler and starts it
# under Wine. With no display it runs on a virtual one (Xvfb), saves a
# screenshot after a few seconds and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/win32"
source "$root/scripts/wine-session.sh"

cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$dir" -j "${JOBS:-1}" --target QuillastorTimer

wine_use_prefix "$dir/wineprefix"
wine_prepare_prefix

trap display_stop EXIT
display_start
cd "$dir/program"
if [ -z "$VIRTUAL_DISPLAY" ]; then
    exec wine QuillastorTimer.exe "$@"
fi

echo "No display: running on the virtual display $VIRTUAL_DISPLAY (Xvfb)."
wine QuillastorTimer.exe "$@" &
pid=$!
sleep "${SHOT_AFTER:-6}"
shot="$root/build/run-windows.png"
import -window root "$shot"
echo "Screenshot: $shot"
wineserver -k 2>/dev/null || true
wait "$pid" 2>/dev/null || true
