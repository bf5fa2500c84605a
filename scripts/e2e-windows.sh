#!/usr/bin/env bash
# The one driven run of the packaged Windows program under Wine, with xdotool,
# judged by screenshots (kept in build/win32/e2e). Usage: scripts/e2e-windows.sh [zip]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work="$root/build/win32/e2e" app="$root/build/win32/e2e/app" dat="$root/build/win32/e2e/app/QuillastorTimer.dat"
source "$root/scripts/wine-session.sh"
BACK=128,128,255 INVERTED=127,127,0 WHITE=255,255,255 BLACK=0,0,0

chattr -i "$app" 2>/dev/null || true
rm -rf "$work" && mkdir -p "$app"
python3 -m zipfile -e "${1:-$root/build/win32/QuillastorTimer-1.01-win64.zip}" "$app"
wine_use_prefix "$root/build/win32/wineprefix"
wine_prepare_prefix
trap 'chattr -i "$app" 2>/dev/null || true; chmod u+w "$app"; wineserver -k 2>/dev/null || true; sound_stop; display_stop' EXIT
FORCE_XVFB=1 display_start 1024x768
wineserver -p && wineboot >/dev/null 2>&1  # one server and its services for every start

fail() { echo "FAIL: $*"; import -window root "$work/failure.png"; exit 1; }
shot() { SHOT="$work/$1.png"; import -window root "$SHOT"; }
near() { [ $(($1 > $2 ? $1 - $2 : $2 - $1)) -le "$3" ]; }
# The box "W H X Y" of a colour ("1 1 -1 -1": none) in the shot or a region of it.
box() { convert "$SHOT" -crop "${2:-1024x768+0+0}" +repage -fill black +opaque "rgb($1)" -trim -format '%w %h %X %Y\n' info: 2>/dev/null; }
count() { convert "$SHOT" -crop "$2" +repage -format %c histogram:info:- | awk -v c="($1)" 'index($0, c) { s += $1 } END { print s + 0 }'; }
# Waits for the window in a colour; X Y W H: its client area, H as when idle (the band hides rows).
window() {
    for i in $(seq 40); do
        shot "$2"
        read -r W H X Y < <(box "$1")
        [ "$W" -gt 20 ] && X=${X#+} Y=${Y#+} H=${IDLE_H:-$H} && return 0
        sleep 0.3
    done
    fail "no window in rgb($1)"
}
band() { [ "$(count "$WHITE" "${W}x1+$X+$((Y + H - 1))")" = "$W" ]; }  # the bottom client row
run() { rm -f "$work/status"; (set +e; cd "${DIR:-$app}"; wine "${EXE:-QuillastorTimer.exe}" "$@" >"$work/out.txt" 2>&1; echo $? >"$work/status") & }
ended() { for i in $(seq 20); do [ -s "$work/status" ] && return 0; sleep 0.3; done; fail "the program did not end"; }
menu() { xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 3 sleep 1 key "$@"; }

echo "1. First start: centred, white digits in the middle, no band"
run
window "$BACK" first
IDLE_H=$H
near $((X + W / 2)) 512 20 && near $((Y + H / 2)) 384 30 || fail "not centred: ${W}x$H+$X+$Y"
read -r tw _ tx _ < <(box "$WHITE" "${W}x$H+$X+$Y")
[ "$tw" -gt 20 ] && near $((${tx#+} + tw / 2)) $((W / 2)) 3 || fail "no digits in the middle"
band && fail "a band while idle"

echo "2. A double-click starts the countdown: the band"
xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click --repeat 2 --delay 80 1 sleep 1.5
window "$BACK" running
band || fail "no band while running"

echo "3. A click, then a drag: the window moves, the countdown keeps running; keys close nothing"
xdotool click 1 sleep 0.1 mousedown 1
for i in $(seq 10); do xdotool mousemove_relative -- -15 -10 sleep 0.05; done
xdotool mouseup 1 sleep 1
ox=$X oy=$Y
window "$BACK" dragged
near $((X - ox)) -150 6 && near $((Y - oy)) -100 6 || fail "dragged by $((X - ox)),$((Y - oy)), not -150,-100"
band || fail "the click before the drag toggled the countdown"
MX=$X MY=$Y
xdotool key Return Escape alt+F4 sleep 1.5
[ -s "$work/status" ] && fail "Enter, Escape or Alt+F4 closed the window"

echo "4. Menu, set-time dialog: one second; the alarm centres and flashes"
# 時間設定... follows the 3 presets. Wine's picker selects no field before the first Right.
menu Down Down Down Down Return sleep 1.5 key Tab Right Right Down Down Down Right Up sleep 0.5 key Return
window "$INVERTED" alarm
[ "$(count "$BLACK" "${W}x$H+$X+$Y")" -gt 30 ] || fail "no black digits in the inverted phase"

echo "5. A click ends the alarm: the window goes back"
xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 1 sleep 1
window "$BACK" dismissed
near "$X" "$MX" 3 && near "$Y" "$MY" 3 || fail "after the alarm at $X,$Y, not $MX,$MY"

echo "6. A log-off saves the settings: 128 bytes, the dialog's face in code page 932"
wineboot --end-session
ended
[ "$(stat -c %s "$dat")" = 128 ] || fail "QuillastorTimer.dat has $(stat -c %s "$dat") bytes, not 128"
cmp -s <(dd if="$dat" bs=1 skip=48 count=16 2>/dev/null) <(printf 'ＭＳ Ｐゴシック\0' | iconv -f UTF-8 -t CP932) || fail "not the dialog's face"
cp "$dat" "$work/saved.dat"

echo "7. A refused argument: a message, exit status 2, no timer window, the file untouched"
run abc
eval "$(timeout 10 xdotool search --sync --limit 1 --name Quillastor getwindowgeometry --shell %1)"
shot refused
[ "$(box "$BACK")" = "1 1 -1 -1" ] || fail "a timer window beside the message"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 sleep 0.3 key Return  # a click gives it the keys
ended
[ "$(cat "$work/status")" = 2 ] || fail "exit status $(cat "$work/status"), not 2"
grep -q "「abc」は時間として読めません。" "$work/out.txt" || fail "the message is not printed: $(cat "$work/out.txt")"
cmp -s "$dat" "$work/saved.dat" || fail "the settings file changed"
source "$root/scripts/e2e-windows-font.sh"

echo "8. Restart with 1:30 where no file may be added: in place, running; Exit saves 90 s"
chattr +i "$app" 2>/dev/null || chmod a-w "$app"
run 1:30
window "$BACK" started-1-30
near "$X" "$MX" 3 && near "$Y" "$MY" 3 || fail "restarted at $X,$Y, not $MX,$MY"
band || fail "1:30 did not start the countdown"
menu Up Return
ended
# countdownSeconds: the int32 after the N registered times that follow offset 104.
seconds=$(($(od -An -t d4 -j $((108 + 4 * $(od -An -t d4 -j 104 -N 4 "$dat"))) -N 4 "$dat")))
[ "$seconds" = 90 ] || fail "the settings file holds $seconds seconds, not 90"

echo "9. From a folder deeper than PlaySound's names reach: the chime sounds; a drag of the edge leaves a client area"
d=$(printf 'd%.0s' $(seq 150)) && deep="$work/$d/$d" && mkdir -p "$deep" && cp "$app"/*.wav "$app"/*.exe "$deep"
sound_start "$work/xdg" && DIR=$work EXE=$deep/QuillastorTimer.exe run 0:01
window "$INVERTED" deep-alarm
for i in $(seq 21); do [ -n "$(pactl list short sink-inputs)" ] && break; [ "$i" = 21 ] && fail "no sound"; sleep 0.3; done
xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 1 sleep 1 && window "$BACK" deep-dismissed
xdotool mousemove $((X + W + 1)) $((Y + H / 2)) mousedown 1  # the right edge, dragged past the left one
for i in $(seq 8); do xdotool mousemove_relative -- $((-(W + 40) / 8)) 0 sleep 0.05; done
xdotool mouseup 1 mousemove 0 0 sleep 0.5 && shot shrunk && read -r w h X Y < <(box "$BACK")
[ "$w" -ge 16 ] && [ "$h" = "$H" ] || fail "the drag of the edge left a client area of ${w}x$h"
X=${X#+} Y=${Y#+} W=$w && menu Up Return && ended

source "$root/scripts/e2e-windows-files.sh"
source "$root/scripts/e2e-windows-language.sh"
source "$root/scripts/e2e-windows-keys.sh"
source "$root/scripts/e2e-windows-timers.sh"
echo "End-to-end: all steps passed (screenshots in $work)"
