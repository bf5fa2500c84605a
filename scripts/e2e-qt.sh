#!/usr/bin/env bash
# The native program under openbox on Xvfb, driven with xdotool (screenshots in <build>/e2e/): the
# portable copy's first start, start times and places (clicks, drags, the alarm and restarts under
# load are in e2e-qt-desktops.sh); with PACKAGE=file.deb, the package installed with apt-get.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QT_BUILD:-$root/build/qt}  # another build of the program: QT_BUILD=build/qt-asan
out="$build/e2e" app_dir="$build/e2e/app" bin="$build/src/qt"
rm -rf "$out" && mkdir -p "$app_dir"
cp "$bin/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,Readme.txt,Readme-en.txt} "$app_dir/"

me=e2e-qt dat="$app_dir/QuillastorTimer.dat" installed="" sudo=""
export XDG_RUNTIME_DIR="$out/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"  # the timers' locks and sockets
[ "$(id -u)" -ne 0 ] && sudo="sudo"
source "$root/scripts/e2e-qt-lib.sh"
uninstall() {
    cleanup
    [ -z "$installed" ] || $sudo apt-get remove -y -qq quillastor-timer >/dev/null
}
trap uninstall EXIT
source "$root/scripts/x11-session.sh"
x11_start 91

if [ -n "${PACKAGE:-}" ]; then
    step "package: apt-get installs it; its desktop file is valid and its icon where it points"
    $sudo apt-get install -y -qq "$(realpath "$PACKAGE")" >/dev/null && installed=1
    desktop-file-validate /usr/share/applications/quillastor-timer.desktop || fail "desktop-file-validate"
    icon=$(sed -n 's/^Icon=//p' /usr/share/applications/quillastor-timer.desktop)
    ls /usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null || fail "no icon $icon"
    step "installed, started from PATH: settings in XDG_CONFIG_HOME"
    mkdir -m 777 "$out/config"
    user=()
    [ "$(id -u)" -eq 0 ] && user=(runuser -u nobody --)  # root may write into /usr/bin
    launch=("${user[@]}" env XDG_CONFIG_HOME="$out/config" QuillastorTimer)
    start_app
    exit_app
    [ -f "$out/config/QuillastorTimer/QuillastorTimer.dat" ] && [ ! -e /usr/bin/QuillastorTimer.dat ] || fail "settings not in XDG_CONFIG_HOME"
    $sudo apt-get remove -y -qq quillastor-timer >/dev/null && installed=""
    ! command -v QuillastorTimer >/dev/null || fail "still installed after removal"
    step "package steps passed"
    exit 0
fi

step "first start: centred, a borderless tool window, background band, no sound library"
start_app
shot 01-start
grep -q libQt6Multimedia "/proc/$app/maps" && fail "the sound library loaded before the alarm"
[ "$X $Y" = "$(((1024 - WIDTH) / 2)) $(((768 - HEIGHT) / 2))" ] || fail "not centred: $X,$Y"
xprop -id "$win" _NET_WM_WINDOW_TYPE | grep -q UTILITY || fail "not a tool window"
# openbox sets the extents a moment after it manages the window.
for _ in $(seq 20); do xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' && break; sleep 0.1; done
xprop -id "$win" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' || fail "framed: $(xprop -id "$win" _NET_FRAME_EXTENTS 2>&1)"
[ "$(band 01-start) $(underline 01-start)" = "$back $back" ] || fail "band or idle client not in the background colour"

step "a double-click on the sizing band and the window manager's close change nothing"
xdotool mousemove $((X + 1)) $((Y + HEIGHT / 2)) click --repeat 2 --delay 120 1 sleep 1 key alt+F4 sleep 1
shot 02-band
[ "$(xdotool getactivewindow) $(underline 02-band)" = "$win $back" ] || fail "the band started it or Alt+F4 closed it"

step "the left button held through the menu (right click, Escape): its moves do not drag the window"
centre && at="$X $Y" && xdotool mousedown 1 sleep 0.2 click 3 sleep 1 key Escape sleep 0.5 && for _ in 1 2 3; do xdotool mousemove_relative 12 6 sleep 0.1; done && xdotool mouseup 1 sleep 0.5
geometry && [ "$X $Y" = "$at" ] || fail "the window followed the pointer after the menu, to $X,$Y"
exit_app

step "a place over a panel's strip is kept: it is on the monitor, if outside the work area"
xmessage -geometry 1024x30+0+738 panel >/dev/null 2>&1 & pids+=($!)
sleep 1 && xprop -id "$(xdotool search --class Xmessage | head -1)" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT 0,0,0,30
put 100 740 179 768 && start_app && exit_app
[ "$X" = 100 ] && [ $((Y + HEIGHT)) -gt 738 ] || fail "a place over the panel came back at $X,$Y"

step "started with abc: no window, status 2, settings untouched"
cp "$dat" "$out/before.dat"
status=0
(cd "$app_dir" && exec ./QuillastorTimer abc >"$out/abc.out" 2>"$out/abc.err") || status=$?
[ "$status" = 2 ] && grep -q abc "$out/abc.err" && [ ! -s "$out/abc.out" ] || fail "abc: status $status"
[ -z "$(xdotool search --class QuillastorTimer 2>/dev/null)" ] && cmp -s "$dat" "$out/before.dat" ||
    fail "abc showed a window or changed the settings"
source "$root/scripts/e2e-qt-timers.sh"
source "$root/scripts/e2e-qt-language.sh"
source "$root/scripts/e2e-qt-files.sh"
source "$root/scripts/e2e-qt-session.sh"
step "all steps passed; screenshots in $out"
