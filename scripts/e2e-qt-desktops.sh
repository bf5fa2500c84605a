#!/usr/bin/env bash
# The native program on harder desks than e2e-qt.sh's, driven with xdotool
# (screenshots in build/qt/e2e-desktops/): two monitors with the primary on
# the right at scale 1 and 2, a second X screen, resizes and moves under
# load, no window manager, a stopped or restarted sound server, Wayland under
# weston. Arguments pick sections (default: all); QT_BIN runs another build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${QT_BIN:-$root/build/qt/src/qt}
out="$root/build/qt/e2e-desktops" app_dir="$root/build/qt/e2e-desktops/app"
rm -rf "$out" && mkdir -p "$app_dir" && chmod 700 "$out"
cp "$bin/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,Readme.txt} "$app_dir/"
dat="$app_dir/QuillastorTimer.dat"
export XDG_RUNTIME_DIR="$out/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -CONT "${pids[i]}" 2>/dev/null; kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap cleanup EXIT
fail() { echo "e2e-qt-desktops: FAIL: $*"; exit 1; }
step() { echo "e2e-qt-desktops: $*"; }
source "$root/scripts/x11-session.sh"
stop() { kill "$@" 2>/dev/null || true; wait "$@" 2>/dev/null || true; }

scale=1 env_app=() screen=""
launch() {  # [arguments]
    (cd "$app_dir" && exec env "${env_app[@]}" QT_SCALE_FACTOR=$scale ./QuillastorTimer "$@" >>"$out/program.log" 2>&1) &
}
start_app() {  # [arguments]
    launch "$@"
    app=$! pids+=($!)
    for _ in $(seq 200); do
        win=$(xdotool search --onlyvisible --class QuillastorTimer 2>/dev/null | head -1 || true)
        [ -n "$win" ] && sleep 0.5 && geometry && return
        sleep 0.1
    done
    fail "no window appeared"
}
# xdotool moves the pointer on the screen it is on, unless told another.
point() { xdotool mousemove ${screen:+--screen "$screen"} "$@"; }
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; }  # X Y WIDTH HEIGHT, device pixels
settled() {  # 'fields' expected: the window manager may lag on a busy machine
    for _ in $(seq 50); do geometry && [ "$(eval echo "$1")" = "$2" ] && return 0; sleep 0.1; done
    return 1
}
centre() { geometry; cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2)); point "$cx" "$cy"; sleep 0.2; }
clicks() { centre; xdotool click --repeat "$1" --delay 120 1; sleep 1.2; }
popups() { xdotool search --onlyvisible --class QuillastorTimer 2>/dev/null | wc -l; }
menu() {  # keys that pick an item, once the menu is up
    centre && xdotool click 3
    for _ in $(seq 30); do [ "$(popups)" -gt 1 ] && break; sleep 0.1; done
    [ "$(popups)" -gt 1 ] || fail "no menu at $cx,$cy"
    xdotool sleep 0.3 key "$@"
}
exit_app() {
    menu Up Return
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
    fail "program did not end on Exit"
}
press_drag() {  # x y dx dy: a left drag in six steps
    point "$1" "$2" sleep 0.3 mousedown 1 sleep 0.5
    for i in 1 2 3 4 5 6; do point $(($1 + $3 * i / 6)) $(($2 + $4 * i / 6)); sleep 0.1; done
    xdotool sleep 0.8 mouseup 1 sleep 0.5
    geometry
}
alarm_in_one_second() {
    menu Down Down Down Down Return sleep 1 key Tab
    xdotool type --delay 60 000001
    xdotool key Return sleep 2.5
}
put() { python3 -c 'import struct,sys; f=open(sys.argv[1],"r+b"); f.write(struct.pack("<4i",*map(int,sys.argv[2:])))' "$dat" "$@"; }
saved() { python3 -c 'import struct,sys; print(*struct.unpack_from("<4i",open(sys.argv[1],"rb").read(),0))' "$dat"; }
shot() { import -window root "$out/$1.png"; }
pixel() { convert "$out/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
# The last client row at mid width (the underline bar while running), and the band.
underline() { pixel "$1" $((X + WIDTH / 2)) $((Y + HEIGHT - 4 * scale - 1)); }
band() { pixel "$1" $((X + 1)) $((Y + 1)); }
flashing() {  # name: the band shows both colours over two seconds
    local seen="" && geometry
    for i in 1 2 3 4 5 6; do shot "$1-$i"; seen+=" $(band "$1-$i")"; sleep 0.35; done
    [[ "$seen" == *"$back"* && "$seen" == *"$inverse"* ]]
}
back="#8080FF" inverse="#7F7F00" white="#FFFFFF"

# A settings file of the current format, written by the program itself.
template() {
    x11_start 130
    start_app && exit_app
    cp "$dat" "$out/template.dat"
    stop "$wm" "$xvfb"
}
fresh() { cp "$out/template.dat" "$dat"; put "$@"; }

monitors() {  # scale
    scale=$1
    step "two monitors, primary on the right, scale $scale: clicks, drag, menu, alarm centre, on both"
    x11_start 131 -screen 0 3840x1080x24
    xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen >/dev/null
    xrandr --setmonitor '*RIGHT' 1920/508x1080/286+1920+0 none >/dev/null
    # Qt keeps each screen's origin in device pixels and scales the rest.
    for origin in 0 1920; do
        fresh $((origin + 100)) 100 $((origin + 180)) 130
        start_app
        [ "$X $Y" = "$((origin + 100 * scale)) $((100 * scale))" ] || fail "placed at $X,$Y"
        clicks 2
        shot "m$scale-$origin-running"
        [ "$(underline "m$scale-$origin-running")" = "$white" ] || fail "a double-click at $cx,$cy did not start"
        x0=$X y0=$Y
        centre && press_drag "$cx" "$cy" 60 30
        [ "$X $Y" = "$((x0 + 60)) $((y0 + 30))" ] || fail "a drag from $x0,$y0 went to $X,$Y"
        home="$X $Y"
        alarm_in_one_second
        geometry
        [ $((X + WIDTH / 2 - 2880)) -ge -1 ] && [ $((X + WIDTH / 2 - 2880)) -le 1 ] && [ $((Y + HEIGHT / 2 - 540)) -ge -1 ] &&
            [ $((Y + HEIGHT / 2 - 540)) -le 1 ] || fail "the alarm is at $X,$Y ${WIDTH}x$HEIGHT, not at the primary's centre"
        flashing "m$scale-$origin-alarm" || fail "the alarm does not flash"
        clicks 1 && geometry
        [ "$X $Y" = "$home" ] || fail "the alarm's click left the window at $X,$Y, not $home"
        exit_app
        [ "$(saved)" = "$((origin + 100 + 60 / scale)) $((100 + 30 / scale)) $((origin + 180 + 60 / scale)) $((130 + 30 / scale))" ] ||
            fail "saved $(saved)"
    done
    stop "$wm" "$xvfb"
    scale=1
}

second_screen() {
    step "the second X screen (DISPLAY=:N.1): a double-click starts, the menu opens"
    x11_start 133 -screen 0 800x600x24 -screen 1 1024x768x24
    local first=$DISPLAY
    export DISPLAY="$first.1"
    openbox >/dev/null 2>&1 & pids+=($!)
    local wm1=$!
    for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
    sleep 0.3
    fresh 300 300 380 330
    screen=1
    start_app
    clicks 2
    shot screen1
    [ "$(underline screen1)" = "$white" ] || fail "a double-click on screen 1 did not start"
    exit_app
    stop "$wm1" "$wm" "$xvfb"
    export DISPLAY=$first screen=""
}

edge_drags() {  # name: a window at (100, 100), 300 x 50: its bottom edge, the window, its right edge
    fresh 100 100 400 150
    start_app
    press_drag $((X + 150)) $((Y + HEIGHT - 2)) 0 60
    settled '$X $Y $WIDTH $HEIGHT' "100 100 300 110" || fail "$1: the bottom edge dragged 60 down left $X,$Y ${WIDTH}x$HEIGHT"
    press_drag $((X + 150)) $((Y + 50)) 40 20
    settled '$X $Y' "140 120" || fail "$1: a drag by 40,20 left the window at $X,$Y"
    # Past the opposite edge, the drag stops at a size that can still be grabbed.
    press_drag $((X + WIDTH - 2)) $((Y + 50)) -400 0
    settled '$X $WIDTH' "140 24" || fail "$1: the right edge dragged past the left left $X, $WIDTH wide"
    exit_app
}

under_load() {
    step "resizes and moves, four rounds, with the machine busy"
    x11_start 134
    local busy=()
    for _ in 1 2 3 4 5; do timeout 300 sh -c 'while :; do :; done' & busy+=($!) pids+=($!); done
    renice -n 5 -p "$wm" >/dev/null
    for round in 1 2 3 4; do edge_drags "round $round"; done
    stop "${busy[@]}" "$wm" "$xvfb"
}

no_window_manager() {
    step "no window manager: the program resizes from the border itself"
    local n=135
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    export DISPLAY=":$n"
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
    local x=$!
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    edge_drags "no window manager"
    stop "$x"
}

# A sound server without sound hardware, in the private runtime folder.
pa_start() {
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
        --load="module-native-protocol-unix" >>"$out/pulseaudio.log" 2>&1 &
    pa=$! pids+=($!)
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return; sleep 0.1; done
    fail "the sound server did not start"
}
playing() {  # the program's stream reaches the server within ten seconds
    for _ in $(seq 100); do [ -n "$(pactl list short sink-inputs 2>/dev/null)" ] && return 0; sleep 0.1; done
    return 1
}
ends_alarm() {  # name: a click puts the window back at 100,100, no longer flashing
    clicks 1 && geometry && shot "$1-a" && sleep 0.5 && shot "$1-b"
    [ "$X $Y $(band "$1-a") $(band "$1-b")" = "100 100 $back $back" ] || fail "$1: a click did not end the alarm"
}

sound_restarted() {
    step "the alarm plays again after the sound server restarts"
    x11_start 136 && pa_start
    fresh 100 100 180 130
    start_app 0:02
    playing || fail "the alarm does not play"
    stop "$pa" && pa_start
    playing || fail "the alarm stays silent after the sound server restarted"
    ends_alarm restarted
    exit_app
    stop "$pa" "$wm" "$xvfb"
}

sound_hung() {
    step "with the sound server stopped (kill -STOP), the alarm flashes, a click ends it, Exit ends the program"
    x11_start 136 && pa_start
    kill -STOP "$pa"
    fresh 100 100 180 130
    start_app 0:02
    sleep 3
    flashing hung || fail "the window does not flash with the sound server stopped"
    ends_alarm hung
    exit_app
    kill -CONT "$pa" && stop "$pa" "$wm" "$xvfb"
}

sound_missing() {
    step "without its sound file, the alarm rings the bell"
    x11_start 136
    mv "$app_dir/NotifySound.wav" "$out/"
    xkbevd -cfg <(echo "Bell() shell \"echo bell >> $out/bells\"") >/dev/null 2>&1 &
    local bells=$! && pids+=($!)
    fresh 100 100 180 130
    start_app 0:02
    sleep 3 && : >"$out/bells"
    for _ in $(seq 30); do [ -s "$out/bells" ] && break; sleep 0.1; done
    [ -s "$out/bells" ] || fail "no bell during an alarm without its sound file"
    ends_alarm bell
    exit_app
    mv "$out/NotifySound.wav" "$app_dir/"
    stop "$bells" "$wm" "$xvfb"
}

# Under weston the program's window is found on the screen by its colour.
wl_find() {  # sets X Y WIDTH HEIGHT from the background-coloured rectangle
    shot wl
    local box
    box=$(convert "$out/wl.png" -fill black +opaque "$back" -format '%@' info: 2>/dev/null)
    [[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -gt 20 ] || return 1
    WIDTH=${BASH_REMATCH[1]} HEIGHT=${BASH_REMATCH[2]} X=${BASH_REMATCH[3]} Y=${BASH_REMATCH[4]}
}
wl_start() {
    launch
    app=$! pids+=($!)
    for _ in $(seq 100); do wl_find && sleep 0.5 && wl_find && return; sleep 0.1; done
    fail "no window under weston"
}
wl_exit() {
    cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2))
    xdotool mousemove "$cx" "$cy" sleep 0.3 click 3
    for _ in $(seq 20); do  # the menu's white, beside the pointer, below or above it
        shot wl-menu
        [[ "$(pixel wl-menu $((cx + 150)) $((cy + 15))) $(pixel wl-menu $((cx + 150)) $((cy - 15)))" == *"$white"* ]] && break
        sleep 0.2
    done
    xdotool sleep 0.3 key Up sleep 0.3 key Return
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
    fail "program did not end on Exit under weston"
}

weston_start() {
    x11_start 137
    weston --backend=x11-backend.so --socket=wayland-qd --width=1024 --height=768 >>"$out/weston.log" 2>&1 &
    compositor=$! pids+=($!)
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-qd" ] && break; sleep 0.1; done
    sleep 1
    # Weston places the window itself; the program cannot learn where.
    env_app=(WAYLAND_DISPLAY=wayland-qd QT_QPA_PLATFORM=wayland)
}
weston_stop() { env_app=() && stop "$compositor" "$wm" "$xvfb"; }

wayland_exit() {
    step "Wayland (weston): Exit keeps the loaded place"
    weston_start
    fresh 300 200 380 230
    wl_start
    wl_exit
    [ "$(saved)" = "300 200 380 230" ] || fail "Exit on Wayland saved $(saved), not the loaded place"
    weston_stop
}

wayland_drag() {
    step "Wayland (weston): a click then a drag moves the window and does not start the countdown"
    weston_start
    fresh 300 200 380 230
    wl_start
    cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2)) x0=$X
    xdotool mousemove "$cx" "$cy" sleep 0.3 click 1 sleep 0.15 mousedown 1
    for i in 1 2 3 4 5 6; do xdotool mousemove $((cx + 20 * i)) $((cy + 10 * i)); sleep 0.05; done
    xdotool mouseup 1 sleep 1.5
    wl_find || fail "the window is gone after a drag"
    [ "$X" != "$x0" ] || fail "weston did not move the window"
    # Left of the pointer, which stays over the window.
    [ "$(pixel wl $((X + 8)) $((Y + HEIGHT - 5)))" != "$white" ] || fail "a click then a drag started the countdown"
    wl_exit
    weston_stop
}

wayland_fallback() {
    step "a stale DISPLAY in a Wayland session: the program runs on Wayland"
    weston_start
    env_app=(-u QT_QPA_PLATFORM DISPLAY=:9999 WAYLAND_DISPLAY=wayland-qd)
    wl_start
    wl_exit
    weston_stop
}

sections=("$@")
[ ${#sections[@]} -gt 0 ] || sections=(monitors second_screen under_load no_window_manager sound_restarted sound_hung sound_missing
    wayland_exit wayland_drag wayland_fallback)
template
for section in "${sections[@]}"; do
    case $section in
    monitors) monitors 1 && monitors 2 ;;
    *) "$section" ;;
    esac
done
step "all steps passed; screenshots in $out"
