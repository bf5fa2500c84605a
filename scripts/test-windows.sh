#!/usr/bin/env bash
# Cross-compiles the core and its tests for Windows and runs them under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/win"

echo "== Windows build (MinGW-w64) and core tests under Wine"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$dir" -j "${JOBS:-2}"

export WINEPREFIX="$dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
(cd "$dir" && ctest --output-on-failure)
