#!/usr/bin/env bash
# The Windows stage: cross-compiles everything with MinGW-w64, runs the core
# tests and the integration tests under Wine on a virtual display, runs the
# end-to-end script on the packaged program and leaves the zip in build/win32.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/win32"
source "$root/tests/win32/wine_session.sh"

echo "== Windows build (MinGW-w64)"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$dir" -j "${JOBS:-2}"

wine_use_prefix "$dir/wineprefix"
wine_prepare_prefix

echo "== Core and integration tests under Wine"
# The integration tests place windows themselves: no window manager, which
# would move them on mapping.
trap display_stop EXIT
FORCE_XVFB=1 NO_WINDOW_MANAGER=1 display_start
(cd "$dir" && ctest --output-on-failure)
display_stop
wineserver -w

echo "== Package"
(cd "$dir" && cpack -G ZIP >/dev/null)
zip="$dir/QuillastorTimer-1.01-win64.zip"
python3 -m zipfile -l "$zip"
echo "QuillastorTimer.exe: $(stat -c %s "$dir/program/QuillastorTimer.exe") bytes"

echo "== End-to-end under Wine"
"$root/scripts/e2e-windows.sh" "$zip"
