#!/usr/bin/env bash
# The Windows stage: cross-compiles everything with MinGW-w64, runs the core
# tests (the Windows build of them: its compiler, C runtime and code pages)
# and the backend tests under Wine on a virtual display, runs the end-to-end
# script on the packaged program and leaves the zip in build/win32.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/win32"
source "$root/scripts/wine-session.sh"

echo "== Windows build (MinGW-w64)"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$dir" -j "${JOBS:-2}"

wine_use_prefix "$dir/wineprefix"
wine_prepare_prefix

echo "== Core and backend tests under Wine"
trap 'wineserver -k 2>/dev/null || true; display_stop' EXIT
FORCE_XVFB=1 display_start
# One Wine server and its services for all the test programs, started here
# so that they hold none of ctest's output pipes: each test program then
# starts in a fraction of a second instead of about three.
wineserver -p
wineboot >/dev/null 2>&1
(cd "$dir" && ctest --output-on-failure)
wineserver -k || true
display_stop

echo "== Package"
(cd "$dir" && cpack -G ZIP >/dev/null)
zip="$dir/QuillastorTimer-1.01-win64.zip"
python3 -m zipfile -l "$zip" | tee "$dir/zip-contents.txt"
grep -q LICENSE.txt "$dir/zip-contents.txt" || { echo "no LICENSE.txt in the zip"; exit 1; }
echo "QuillastorTimer.exe: $(stat -c %s "$dir/program/QuillastorTimer.exe") bytes"

echo "== End-to-end under Wine"
"$root/scripts/e2e-windows.sh" "$zip"
