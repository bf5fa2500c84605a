#!/usr/bin/env bash
# The Qt stage of the test command: builds the native program into build/qt,
# runs its QTest tests on the offscreen platform, the end-to-end runs on
# virtual displays, then builds the .deb and runs it installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
dir="$root/build/qt"

echo "== Qt program and its tests"
cmake -S "$root" -B "$dir" -G Ninja -DQUILLASTOR_QT=ON -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "$jobs" --target QuillastorTimer quillastor_qt_sound qt_backend_test qt_dialogs_test
# The tests live under the program's folder, so ctest runs them from there.
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir/tests/qt" --output-on-failure

echo "== Qt end-to-end run"
"$root/scripts/e2e-qt.sh"
echo "== Qt end-to-end run on harder desks"
"$root/scripts/e2e-qt-desktops.sh"

echo "== the .deb, installed"
rm -f "$dir"/quillastor-timer_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
# What Debian's checker says is shown, not enforced: the package has no
# copyright file and no real maintainer address yet.
lintian --no-tag-display-limit "$dir"/quillastor-timer_*.deb || true
PACKAGE=$(ls "$dir"/quillastor-timer_*.deb) "$root/scripts/e2e-qt.sh"
