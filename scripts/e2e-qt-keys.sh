#!/usr/bin/env bash
# The native program from the keyboard, under openbox on Xvfb (screenshots in build/qt/e2e-keys/): the
# window's keys, the global hot keys pressed while another window has the keyboard, and what a screen
# reader reads and is told over AT-SPI, on a private session bus.
set -euo pipefail
[ -n "${IN_SESSION_BUS:-}" ] || exec env IN_SESSION_BUS=1 dbus-run-session -- "$0" "$@"
root=$(cd "$(dirname "$0")/.." && pwd)
me=e2e-qt-keys out="$root/build/qt/e2e-keys" app_dir="$root/build/qt/e2e-keys/app"
rm -rf "$out" && mkdir -p "$app_dir" && dat="$app_dir/QuillastorTimer.dat"
cp "${QT_BIN:-$root/build/qt/src/qt}/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav} "$app_dir/"
export XDG_RUNTIME_DIR="$out/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$root/scripts/e2e-qt-lib.sh"
source "$root/scripts/x11-session.sh"
trap cleanup EXIT
x11_start 151
unset NO_AT_BRIDGE
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & pids+=($!)
env_app=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
probe() { "$root/scripts/e2e-atspi-probe.py" "$@" 2>>"$out/probe.err"; }
reads() {  # value (a pattern): what the reader reads, a moment after the key
    local said && for _ in $(seq 20); do said=$(probe read) && [[ "$said" == "label|Quillastorカウントダウンタイマー|"$1 ]] && return 0; sleep 0.1; done
    fail "the reader read '$said', not '$1'"
}
listen() { probe events "$1" >"$out/$2.txt" & listener=$! && for _ in $(seq 50); do [ -s "$out/$2.txt" ] && return; sleep 0.1; done; }

step "the keys: a label named for the product; Space starts, R resets; the reader is told of each, not each second"
start_app && xdotool click 1 sleep 1  # the window has the keyboard
reads "残り 3分、停止中"
listen 8 counting && xdotool key space && sleep 5 && shot k1-running && xdotool key r && wait "$listener" && shot k1-reset
[ "$(underline k1-running) $(underline k1-reset)" = "$white $back" ] || fail "Space did not start, or R did not reset"
# Told twice over 5 s of counting: at the start and at the reset.
[ "$(grep -c '^object:property-change:accessible-value|' "$out/counting.txt")" = 2 ] && [ "$(wc -l <"$out/counting.txt")" = 3 ] ||
    fail "the reader was told: $(cat "$out/counting.txt")"
reads "残り 3分、停止中"

step "Shift+F10: the menu at the window's top-left (the client area's), its first item selected (Down, Return picks the second; it starts at once)"
at="$X $Y" && xdotool key shift+F10 && sleep 1 && shot k2-menu
menu_win=$(xdotool search --onlyvisible --class QuillastorTimer | grep -vx "$win" | head -1)
read -r mx my < <(xdotool getwindowgeometry --shell "$menu_win" | grep -E '^[XY]=' | cut -d= -f2 | xargs)
inset=$((mx - X))  # the client area's corner, inside the sizing band
[ "$inset" = $((my - Y)) ] && [ "$inset" -ge 0 ] && [ "$inset" -le 8 ] || fail "the menu is at $mx,$my, the window at $at"
xdotool key Down Return && sleep 0.5 && xdotool key r && reads "残り 10分、停止中"

step "arrows move the window by 1 px, with Shift 10 px; Exit saves the place"
xdotool key Right Right Right shift+Down && sleep 0.5 && geometry
[ "$X $Y" = "$(($(cut -d' ' -f1 <<<"$at") + 3)) $(($(cut -d' ' -f2 <<<"$at") + 10))" ] || fail "the arrows moved it to $X,$Y"
moved="$X $Y" && exit_app
[ "$(saved | cut -d' ' -f1-2)" = "$moved" ] || fail "Exit saved $(saved), not $moved"

step "the hot keys with another window focused: Ctrl+Alt+Shift+Space starts and stops, Ctrl+Alt+Shift+T brings it forward"
start_app
xmessage -geometry +0+0 elsewhere >/dev/null 2>&1 & pids+=($!)
for _ in $(seq 50); do other=$(xdotool search --onlyvisible --class Xmessage 2>/dev/null | head -1) && [ -n "$other" ] && break || sleep 0.1; done
xdotool windowactivate --sync "$other" && sleep 0.5
xdotool key ctrl+alt+shift+space && reads "残り 9分5?秒、カウント中"
[ "$(xdotool getactivewindow)" = "$other" ] || fail "the start/stop key took the keyboard"
xdotool key ctrl+alt+shift+space && reads "残り 9分5?秒、停止中"
xdotool key ctrl+alt+shift+t && sleep 0.5 && shot k3-forward
[ "$(xdotool getactivewindow)" = "$win" ] || fail "the show key did not bring the timer forward"
exit_app

step "at zero the reader is told the time is up"
start_app 0:03 && listen 6 zero && wait "$listener"
grep -q "accessible-value|時間です。" "$out/zero.txt" || fail "no word at zero: $(cat "$out/zero.txt")"
clicks 1 && exit_app
step "all steps passed; screenshots in $out"
