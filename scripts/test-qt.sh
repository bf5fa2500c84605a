#!/usr/bin/env bash
# The Qt stage of the test command: builds the native program into build/qt,
# runs its QTest tests on the offscreen platform, then the end-to-end run on
# a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
dir="$root/build/qt"

echo "== Qt program and its tests"
cmake -S "$root" -B "$dir" -G Ninja -DQUILLASTOR_QT=ON -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$jobs" --target QuillastorTimer qt_geometry_font_test qt_window_test qt_dialogs_test
# The tests live under the program's folder, so ctest runs them from there.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir/tests/qt" --output-on-failure

echo "== Qt end-to-end run"
"$root/scripts/e2e-qt.sh"
