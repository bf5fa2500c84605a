#!/usr/bin/env bash
# The Qt stage of the test command: builds the native program into build/qt,
# runs its QTest tests on the offscreen platform, the end-to-end runs on
# virtual displays, then builds the .deb, checks it and runs it installed.
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
echo "== Qt end-to-end run from the keyboard, with a screen reader's view over AT-SPI"
"$root/scripts/e2e-qt-keys.sh"
echo "== Qt end-to-end run of the alarm's desktop notification"
"$root/scripts/e2e-qt-notify.sh"

echo "== Qt end-to-end run of the program built with AddressSanitizer and UndefinedBehaviorSanitizer"
# Its lock, socket and window code are backend code the sanitized core tests never reach.
asan="$root/build/qt-asan"
cmake -S "$root" -B "$asan" -G Ninja -DQUILLASTOR_QT=ON -DQUILLASTOR_SANITIZE=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$asan" -j "$jobs" --target QuillastorTimer quillastor_qt_sound
# Qt and fontconfig keep caches until the process ends: leaks are not what this run looks for.
QT_BUILD="$asan" ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 "$root/scripts/e2e-qt.sh"
if grep -E -A20 'ERROR: AddressSanitizer|runtime error:' "$asan/e2e/program.log"; then echo "sanitizer: errors above"; exit 1; fi

echo "== the .deb: Debian's checks, hardening, software-centre entry; then installed"
rm -f "$dir"/quillastor-timer_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/quillastor-timer_*.deb)
# Every error fails but the maintainer's address, which waits for a real contact.
{ lintian --tag-display-limit 0 -I "$deb" || true; } | tee "$dir/lintian.txt"
if grep '^E:' "$dir/lintian.txt" | grep -v ': bogus-mail-host'; then echo "lintian: errors above"; exit 1; fi
rm -rf "$dir/deb-root" && dpkg-deb -x "$deb" "$dir/deb-root"
hardening-check --nocfprotection "$dir/deb-root/usr/bin/QuillastorTimer"
appstreamcli validate --no-net "$dir"/deb-root/usr/share/metainfo/*.metainfo.xml
PACKAGE="$deb" "$root/scripts/e2e-qt.sh"
