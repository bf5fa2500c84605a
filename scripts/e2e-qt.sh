#!/usr/bin/env bash
# End-to-end run of the native program on a virtual display (Xvfb + openbox),
# driven with xdotool like a user: double-click starts (the underline bar
# appears), triple-click resets, drag moves, right-click + keys pick a preset,
# a one-second countdown raises the alarm (centred, on top, flashing), a click
# dismisses it, Exit writes the settings file and the next start comes back
# where the window was. Screenshots go to build/qt/e2e/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/qt"
out="$build/e2e"
app_dir="$out/app"
bin="$build/src/qt"

[ -x "$bin/QuillastorTimer" ] || { echo "e2e-qt: build the program first (scripts/test-qt.sh)"; exit 1; }
rm -rf "$out"
mkdir -p "$app_dir"
cp "$bin/QuillastorTimer" "$bin/libquillastor_qt_sound.so" "$bin/NotifySound.wav" "$bin/Readme.txt" "$app_dir/"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT

fail() { echo "e2e-qt: FAIL: $*"; exit 1; }
step() { echo "e2e-qt: $*"; }

# A free display number.
n=91
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
screen_w=1024
screen_h=768
Xvfb "$DISPLAY" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager is ready is never managed.
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

app_pid=""
start_app() {
    (cd "$app_dir" && exec ./QuillastorTimer >>"$out/program.log" 2>&1) &
    app_pid=$!
    pids+=("$app_pid")
    win=""
    for _ in $(seq 100); do
        win=$(xdotool search --onlyvisible --class QuillastorTimer 2>/dev/null | head -1 || true)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || fail "no window appeared"
    sleep 0.5
}

geometry() {  # sets X Y WIDTH HEIGHT of the timer window
    eval "$(xdotool getwindowgeometry --shell "$win")"
}
shot() { import -window root "$out/$1.png"; }
pixel() {  # file x y -> #RRGGBB
    convert "$out/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1
}
client_crop() {  # file -> the client area of the window as its own image
    convert "$out/$1.png" -crop "$((WIDTH - 8))x$((HEIGHT - 8))+$((X + 4))+$((Y + 4))" +repage "$out/$1-client.png"
}
underline() {  # file -> colour in the middle of the client area's bottom row
    geometry
    pixel "$1" $((X + WIDTH / 2)) $((Y + HEIGHT - 5))
}
same_image() { [ "$(compare -metric AE "$out/$1" "$out/$2" null: 2>&1 || true)" = "0" ]; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
centre() { geometry; cx=$((X + WIDTH / 2)); cy=$((Y + HEIGHT / 2)); }
click_at_centre() {  # count
    centre
    xdotool mousemove "$cx" "$cy"
    sleep 0.2
    xdotool click --repeat "$1" --delay 120 1
}

back="#8080FF"
inverse="#7F7F00"
white="#FFFFFF"

step "first start: centred, background band, white digits"
start_app
geometry
shot 01-start
[ "$X" -eq $(((screen_w - WIDTH) / 2)) ] && [ "$Y" -eq $(((screen_h - HEIGHT) / 2)) ] || fail "not centred: $X,$Y ${WIDTH}x$HEIGHT"
[ "$(pixel 01-start $((X + 1)) $((Y + 1)))" = "$back" ] || fail "band is not the background colour"
[ "$(underline 01-start)" = "$back" ] || fail "underline shown while idle"
client_crop 01-start
[ "$(convert "$out/01-start-client.png" -fill black +opaque "$white" -format '%[fx:mean>0]' info:)" = "1" ] ||
    fail "no white digits"

step "double-click starts: the underline bar appears"
click_at_centre 2
sleep 1.5
shot 02-running
[ "$(underline 02-running)" = "$white" ] || fail "no underline bar after double-click"

step "triple-click resets"
click_at_centre 3
sleep 1.2
shot 03-reset
[ "$(underline 03-reset)" = "$back" ] || fail "still running after triple-click"
client_crop 03-reset
same_image 01-start-client.png 03-reset-client.png || fail "reset does not show the full duration again"

step "drag moves the window"
centre
x0=$X
y0=$Y
xdotool mousemove "$cx" "$cy"
sleep 0.2
xdotool mousedown 1
for i in 1 2 3 4 5 6; do xdotool mousemove "$((cx + 10 * i))" "$((cy + 5 * i))"; sleep 0.05; done
xdotool mouseup 1
sleep 0.5
geometry
[ "$X" -eq $((x0 + 60)) ] && [ "$Y" -eq $((y0 + 30)) ] || fail "drag moved to $X,$Y, not $((x0 + 60)),$((y0 + 30))"
home_x=$X
home_y=$Y

step "right-click and keys pick the second preset (10 minutes, starts at once)"
centre
xdotool mousemove "$cx" "$cy"
sleep 0.2
xdotool click 3
sleep 0.8
shot 04-menu
xdotool key Down Down Return
sleep 1.2
shot 05-preset
[ "$(underline 05-preset)" = "$white" ] || fail "preset did not start"
click_at_centre 3
sleep 1.2
shot 06-preset-reset
client_crop 06-preset-reset
! same_image 01-start-client.png 06-preset-reset-client.png || fail "preset shows the old duration"

step "set-time dialog: one second, then the alarm"
centre
xdotool mousemove "$cx" "$cy"
sleep 0.2
xdotool click 3
sleep 0.8
xdotool key Down Down Down Down Return
sleep 1.0
shot 07-set-time-dialog
xdotool key Tab
sleep 0.2
xdotool type --delay 60 000001
sleep 0.3
shot 08-one-second
xdotool key Return
sleep 2.0
geometry
[ "$X" -eq $(((screen_w - WIDTH) / 2)) ] && [ "$Y" -eq $(((screen_h - HEIGHT) / 2)) ] || fail "alarm did not centre the window"
above || fail "alarm window is not on top"
seen_back=0
seen_inverse=0
for i in 1 2 3 4 5 6 7 8; do
    shot "09-alarm-$i"
    case "$(pixel "09-alarm-$i" $((X + 1)) $((Y + 1)))" in
        "$back") seen_back=1 ;;
        "$inverse") seen_inverse=1 ;;
    esac
    sleep 0.3
done
[ $seen_back = 1 ] && [ $seen_inverse = 1 ] || fail "alarm does not flash"

step "a click dismisses the alarm"
click_at_centre 1
sleep 1.2
geometry
[ "$X" -eq "$home_x" ] && [ "$Y" -eq "$home_y" ] || fail "window not back at $home_x,$home_y after the alarm"
above && fail "window still on top after the alarm"
shot 10-dismissed
sleep 1.0
shot 11-still
[ "$(pixel 10-dismissed $((X + 1)) $((Y + 1)))" = "$back" ] && [ "$(pixel 11-still $((X + 1)) $((Y + 1)))" = "$back" ] ||
    fail "still flashing after the alarm"

step "Exit from the menu writes the settings file"
centre
xdotool mousemove "$cx" "$cy"
sleep 0.2
xdotool click 3
sleep 0.8
xdotool key Up Return
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "program did not end on Exit"
dat="$app_dir/QuillastorTimer.dat"
[ -f "$dat" ] || fail "no settings file"
[ "$(stat -c %s "$dat")" -eq 128 ] || fail "settings file is $(stat -c %s "$dat") bytes, not 128"
read -r left top seconds < <(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); print(*struct.unpack_from("<ii",d,0), struct.unpack_from("<i",d,120)[0])' "$dat")
[ "$left" -eq "$home_x" ] && [ "$top" -eq "$home_y" ] || fail "saved corner $left,$top, not $home_x,$home_y"
[ "$seconds" -eq 1 ] || fail "saved duration $seconds, not 1"

step "second start restores the place"
start_app
geometry
shot 12-restart
[ "$X" -eq "$home_x" ] && [ "$Y" -eq "$home_y" ] || fail "restarted at $X,$Y, not $home_x,$home_y"
echo "e2e-qt: all steps passed; screenshots in $out"
