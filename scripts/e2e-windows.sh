#!/usr/bin/env bash
# End-to-end check of the packaged Windows program: unpacks the zip into a
# fresh folder, starts it in a fresh Wine prefix on a virtual display, and
# uses it with the mouse and keyboard (xdotool) as a person would. No window
# manager: under openbox the tool window received no clicks from xdotool,
# while bare Xvfb delivers them, and keys go to the window under the pointer. Every step is judged by the pixels of a screenshot; the
# screenshots stay in build/win32/e2e/shots.
#
#   scripts/e2e-windows.sh [QuillastorTimer-1.01-win64.zip]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build/win32"
zip="${1:-$dir/QuillastorTimer-1.01-win64.zip}"
work="$dir/e2e"
shots="$work/shots"
probe="$root/tests/win32/screen_probe.py"
source "$root/tests/win32/wine_session.sh"

BACK=128,128,255       # the first-run background
INVERTED=127,127,0     # the same, inverted in the alarm
WHITE=255,255,255

[ -f "$zip" ] || { echo "no package at $zip"; exit 1; }
rm -rf "$work"
mkdir -p "$work/app" "$shots"
python3 -m zipfile -e "$zip" "$work/app"
app="$work/app"

wine_use_prefix "$work/prefix"
echo "Creating a fresh Wine prefix"
wine_prepare_prefix

trap 'wineserver -k 2>/dev/null || true; display_stop' EXIT
FORCE_XVFB=1 NO_WINDOW_MANAGER=1 display_start 1024x768

echo 0 >"$work/step"
fail() {
    echo "FAIL: $*"
    import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}
shot() {  # shot NAME: saves the screen, prints the file
    local step file
    step=$(($(cat "$work/step") + 1))
    echo "$step" >"$work/step"
    file="$shots/$(printf %03d "$step")-$1.png"
    import -window root "$file"
    echo "$file"
}
box() { python3 "$probe" "$1" bbox "$2"; }          # x0 y0 x1 y1 count
share() { python3 "$probe" "$1" share "$2" "$3" "$4" "$5"; }
at_least() { python3 -c "import sys; sys.exit(0 if float('$1') >= float('$2') else 1)"; }
near() { [ $(( $1 > $2 ? $1 - $2 : $2 - $1 )) -le "$3" ]; }

# Waits until the window's background colour is on screen; sets X0 Y0 X1 Y1.
wait_window() {
    local colour="${1:-$BACK}" i b f
    for i in $(seq 1 60); do
        f="$(shot wait)"
        b=$(box "$f" "$colour")
        if [ "$b" != none ] && [ "$(echo "$b" | cut -d' ' -f5)" -gt 200 ]; then
            read -r X0 Y0 X1 Y1 _ <<<"$b"
            # While running the band hides the bottom rows: keep the idle height.
            BY=$((Y0 + IDLE_H))
            rm -f "$f"
            return 0
        fi
        sleep 0.5
    done
    fail "the timer window with colour $colour did not appear"
}
centre() { CX=$(((X0 + X1) / 2)); CY=$(((Y0 + Y1) / 2)); }
# The band: the bottom client row (the last background row when idle) white.
band_share() { share "$1" "$X0" "$X1" "$BY" "$WHITE"; }

start_program() {
    (cd "$app" && wine QuillastorTimer.exe "$@" >/dev/null 2>&1 &)
}

echo "1. First start: the window appears centred with 0:03:00"
t0=$(date +%s%N)
IDLE_H=0
start_program
wait_window
IDLE_H=$((Y1 - Y0)); BY=$Y1
t1=$(date +%s%N)
echo "   first paint seen after $(((t1 - t0) / 1000000)) ms"
first="$(shot first-start)"
w=$((X1 - X0)); h=$((Y1 - Y0))
near $(((X0 + X1) / 2)) 512 20 || fail "not centred horizontally: $X0..$X1"
near $(((Y0 + Y1) / 2)) 384 30 || fail "not centred vertically: $Y0..$Y1"
whites=$(python3 "$probe" "$first" count "$X0" "$Y0" "$X1" "$Y1" "$WHITE")
[ "$whites" -gt 30 ] || fail "no white digits in the window ($whites white pixels)"
idle_digest=$(python3 "$probe" "$first" digest "$X0" "$Y0" "$X1" "$Y1")
[ "$(share "$first" "$X0" "$X1" "$Y1" "$BACK")" = 1.000 ] || fail "a band while idle"
centre

echo "   hovering shows the four-line tooltip below the pointer"
xdotool mousemove $((CX - 5)) "$CY"; sleep 0.3; xdotool mousemove "$CX" "$CY"
sleep 2
tip=$(box "$(shot tooltip)" "$WHITE")
[ "$tip" != none ] && [ "$(echo "$tip" | cut -d' ' -f4)" -gt $((Y1 + 40)) ] || fail "no tooltip under the pointer"

echo "2. Double-click starts: the band appears"
xdotool mousemove "$CX" "$CY" click --repeat 2 --delay 80 1
sleep 1.5
running="$(shot running)"
at_least "$(band_share "$running")" 0.9 || fail "no band under the text while running"
sleep 1.2
later="$(shot running-later)"
[ "$(python3 "$probe" "$running" digest "$X0" "$Y0" "$X1" $((Y1 - 10)))" != \
  "$(python3 "$probe" "$later" digest "$X0" "$Y0" "$X1" $((Y1 - 10)))" ] || fail "the time does not change while running"

echo "3. Triple-click resets: no band, 0:03:00 again"
xdotool mousemove "$CX" "$CY" click --repeat 3 --delay 80 1
sleep 1.5
reset="$(shot reset)"
[ "$(python3 "$probe" "$reset" digest "$X0" "$Y0" "$X1" "$Y1")" = "$idle_digest" ] || fail "after the triple-click the window differs from the first start"

echo "4. Dragging moves the window"
xdotool mousemove "$CX" "$CY" mousedown 1
for i in $(seq 1 10); do xdotool mousemove_relative -- -15 -10; sleep 0.05; done
xdotool mouseup 1
sleep 0.8
ox=$X0; oy=$Y0
wait_window
moved="$(shot dragged)"
near $((X0 - ox)) -150 6 || fail "dragged by $((X0 - ox)) pixels across, expected -150"
near $((Y0 - oy)) -100 6 || fail "dragged by $((Y0 - oy)) pixels down, expected -100"
MX0=$X0; MY0=$Y0
centre

echo "5. Right-click opens the menu; the keyboard picks the first preset (3分)"
xdotool mousemove "$CX" "$CY" click 3
sleep 1
menu="$(shot menu)"
xdotool key Down Return
sleep 1.5
wait_window
preset="$(shot preset-running)"
at_least "$(band_share "$preset")" 0.9 || fail "choosing a preset did not start the countdown"

echo "6. A one-second countdown through the set-time dialog raises the alarm"
centre
xdotool mousemove "$CX" "$CY" click --repeat 2 --delay 80 1   # stop first
sleep 1
# The fourth item after the three presets: 時間設定...
xdotool mousemove "$CX" "$CY" click 3
sleep 1
xdotool key Down Down Down Down Return
sleep 1.5
dialog="$(shot set-time-dialog)"
# Tab to the time picker (Wine's selects no field until the first Right);
# minutes down to 00, seconds up to 01; Enter is OK.
xdotool key Tab Right Right Down Down Down Right Up
sleep 0.5
shot set-time-one-second >/dev/null
xdotool key Return
alarm_seen=0
normal_seen=0
for i in $(seq 1 16); do
    sleep 0.3
    s="$(shot alarm)"
    b=$(box "$s" "$INVERTED")
    if [ "$b" != none ] && [ "$(echo "$b" | cut -d' ' -f5)" -gt 200 ]; then
        alarm_seen=1
        read -r AX0 AY0 AX1 AY1 _ <<<"$b"
        alarm_shot="$s"
    elif [ "$alarm_seen" = 1 ] && [ "$(box "$s" "$BACK")" != none ]; then
        normal_seen=1
    fi
    [ "$alarm_seen" = 1 ] && [ "$normal_seen" = 1 ] && break
done
[ "$alarm_seen" = 1 ] || fail "the alarm's inverted colours never appeared"
[ "$normal_seen" = 1 ] || fail "the alarm did not flash back to the normal colours"
near $(((AX0 + AX1) / 2)) 512 20 || fail "the alarm window is not centred: $AX0..$AX1"
near $(((AY0 + AY1) / 2)) 384 30 || fail "the alarm window is not centred: $AY0..$AY1"
blacks=$(python3 "$probe" "$alarm_shot" count "$AX0" "$AY0" "$AX1" "$AY1" 0,0,0)
[ "$blacks" -gt 30 ] || fail "no black digits in the inverted phase"

echo "7. A click dismisses the alarm; the window goes back"
xdotool mousemove $(((AX0 + AX1) / 2)) $(((AY0 + AY1) / 2)) click 1
sleep 1.5
wait_window
shot dismissed >/dev/null
near "$X0" "$MX0" 3 && near "$Y0" "$MY0" 3 || fail "after the alarm the window is at $X0,$Y0, not $MX0,$MY0"
[ "$(box "$(shot no-flash)" "$INVERTED")" = none ] || fail "still flashing after the click"

echo "8. Exit from the menu writes the settings file"
centre
xdotool mousemove "$CX" "$CY" click 3
sleep 1
xdotool key Up Return
for i in $(seq 1 20); do
    [ -f "$app/QuillastorTimer.dat" ] && break
    sleep 0.3
done
[ -f "$app/QuillastorTimer.dat" ] || fail "no QuillastorTimer.dat after Exit"
size=$(stat -c %s "$app/QuillastorTimer.dat")
[ "$size" = 128 ] || fail "QuillastorTimer.dat has $size bytes, expected 128"
gone=0
for i in $(seq 1 10); do
    sleep 0.5
    if [ "$(box "$(shot after-exit)" "$BACK")" = none ]; then gone=1; break; fi
done
[ "$gone" = 1 ] || fail "the window is still shown after Exit ($(pgrep -c -f QuillastorTimer.exe || true) processes)"

echo "9. The second start restores the position"
start_program
wait_window
shot second-start >/dev/null
near "$X0" "$MX0" 3 && near "$Y0" "$MY0" 3 || fail "second start at $X0,$Y0, not $MX0,$MY0"
centre
xdotool mousemove "$CX" "$CY" click 3
sleep 1
xdotool key Up Return
sleep 1

echo "10. A log-off saves too: drag, end the session, read the file"
stored() { python3 -c "import struct,sys; print(struct.unpack_from('<i', open(sys.argv[1], 'rb').read(), int(sys.argv[2]))[0])" "$app/QuillastorTimer.dat" "$1"; }
left=$(stored 0); top=$(stored 4)
start_program
wait_window
centre
xdotool mousemove "$CX" "$CY" mousedown 1
for i in $(seq 1 5); do xdotool mousemove_relative -- 8 6; sleep 0.05; done
xdotool mouseup 1
sleep 0.8
wineboot --end-session
saved=0
for i in $(seq 1 20); do
    if [ "$(stored 0)" = $((left + 40)) ] && [ "$(stored 4)" = $((top + 30)) ]; then saved=1; break; fi
    sleep 0.3
done
[ "$saved" = 1 ] || fail "after the log-off the file holds $(stored 0),$(stored 4), expected $((left + 40)),$((top + 30))"

echo "11. A refused argument: a message, exit status 2, no window, the file untouched"
sleep 1
cp "$app/QuillastorTimer.dat" "$work/saved.dat"
(set +e; cd "$app"; wine QuillastorTimer.exe abc >"$work/out.txt" 2>&1; echo $? >"$work/status") &
for i in $(seq 30); do xdotool search --name Quillastor >/dev/null 2>&1 && break; sleep 0.3; done
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name Quillastor | head -1)")"
[ "$(box "$(shot refused)" "$BACK")" = none ] || fail "a timer window next to the message"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 sleep 0.3 key Return  # a click gives it the keys
for i in $(seq 20); do [ -s "$work/status" ] && break; sleep 0.3; done
[ "$(cat "$work/status")" = 2 ] || fail "exit status $(cat "$work/status" 2>/dev/null), not 2"
grep -q "「abc」は時間として読めません。" "$work/out.txt" || fail "the message is not printed"
cmp -s "$app/QuillastorTimer.dat" "$work/saved.dat" || fail "the settings file changed"

echo "12. A start time: 1:30 starts at once; Exit stores 90 seconds"
start_program 1:30
wait_window
at_least "$(band_share "$(shot started-1-30)")" 0.9 || fail "1:30 did not start the countdown"
centre
xdotool mousemove "$CX" "$CY" click 3
sleep 1
xdotool key Up Return
n=$(od -An -t d4 -j 104 -N 4 "$app/QuillastorTimer.dat")
for i in $(seq 20); do
    seconds=$(od -An -t d4 -j $((108 + 4 * n)) -N 4 "$app/QuillastorTimer.dat")
    [ $((seconds)) = 90 ] && break
    sleep 0.3
done
[ $((seconds)) = 90 ] || fail "the settings file holds $((seconds)) seconds, not 90"

echo "End-to-end: all steps passed (screenshots in $shots)"
