#!/usr/bin/env bash
# The native program on harder desks than e2e-qt.sh's (screenshots in build/qt/e2e-desktops/), in
# sections named by the arguments (default: all); QT_BIN runs another build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
me=e2e-qt-desktops out="$root/build/qt/e2e-desktops" app_dir="$root/build/qt/e2e-desktops/app"
rm -rf "$out" && mkdir -p "$app_dir" && dat="$app_dir/QuillastorTimer.dat"
cp "${QT_BIN:-$root/build/qt/src/qt}/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,Readme.txt} "$app_dir/"
export XDG_RUNTIME_DIR="$out/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$root/scripts/e2e-qt-lib.sh"
source "$root/scripts/x11-session.sh"
trap cleanup EXIT
fresh() { cp "$out/template.dat" "$dat" && put "$@"; }
ends_alarm() {  # name: a click puts the window back at 100,100, no longer flashing
    clicks 1 && shot "$1-a" && sleep 0.5 && shot "$1-b" && [ "$X $Y $(band "$1-a") $(band "$1-b")" = "100 100 $back $back" ]; }

monitors() {  # scale: Qt keeps each screen's origin in device pixels and scales the rest
    step "DISPLAY=:N.1, two monitors, the primary on the right, scale $1: clicks, drag, menu, alarm, saving"
    x11_start 131 -screen 0 800x600x24 -screen 1 3840x1080x24 && local first=$DISPLAY && export DISPLAY="$DISPLAY.1" screen=1 scale=$1
    openbox >/dev/null 2>&1 & pids+=($!) && local wm1=$!
    for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break || sleep 0.1; done
    xrandr --setmonitor LEFT 1920/508x1080/286+0+0 screen >/dev/null && xrandr --setmonitor '*RIGHT' 1920/508x1080/286+1920+0 none >/dev/null
    for origin in 0 1920; do
        fresh $((origin + 100)) 100 $((origin + 180)) 130 && start_app
        clicks 2 && shot "m$scale-$origin" && [ "$(underline "m$scale-$origin")" = "$white" ] || fail "a double-click did not start"
        local home="$((X + 60)) $((Y + 30))" && drag 60 30 && [ "$X $Y" = "$home" ] || fail "a drag went to $X,$Y, not $home"
        ! grep -q qtbase_ja "/proc/$app/maps" && menu Down Down Down Down Return sleep 1 key Tab &&  # the set-time dialog
            grep -q qtbase_ja "/proc/$app/maps" || fail "Qt's translation loaded before the first dialog, or not by it"
        xdotool type --delay 60 000001 && xdotool key Return sleep 2.5 && geometry
        [ $(((X + WIDTH / 2 - 2880) / 2)) = 0 ] && [ $(((Y + HEIGHT / 2 - 540) / 2)) = 0 ] && above ||
            fail "the alarm is at $X,$Y ${WIDTH}x$HEIGHT, not on top at the primary's centre"
        flashing "m$scale-$origin-alarm" || fail "the alarm does not flash"
        clicks 1 && geometry && [ "$X $Y" = "$home" ] && ! above || fail "the alarm's click left the window at $X,$Y, or on top"
        exit_app
        local left=$((origin + 100 + 60 / scale)) top=$((100 + 30 / scale))
        [ "$(stat -c %s "$dat") $(saved)" = "128 $left $top $((left + 80)) $((top + 30)) 1" ] || fail "saved $(stat -c %s "$dat") bytes: $(saved)"
    done
    stop "$wm1" "$wm" "$xvfb"
    export DISPLAY=$first screen="" scale=1
}

edge_drags() {  # name: a window at (100, 100), 300 x 50: its bottom edge, the window, its right edge
    fresh 100 100 400 150 && start_app && press_drag $((X + 150)) $((Y + HEIGHT - 2)) 0 60
    settled '$X $Y $WIDTH $HEIGHT' "100 100 300 110" || fail "$1: the bottom edge dragged 60 down left $X,$Y ${WIDTH}x$HEIGHT"
    press_drag $((X + 150)) $((Y + 50)) 40 20
    settled '$X $Y' "140 120" || fail "$1: a drag by 40,20 left the window at $X,$Y"
    press_drag $((X + WIDTH - 2)) $((Y + 50)) -400 0  # past the left edge: it stops where it can still be grabbed
    settled '$X $WIDTH' "140 24" || fail "$1: the right edge dragged past the left left $X, $WIDTH wide"
    exit_app && [[ "$(saved)" == "140 120 164 230 "* ]] || fail "$1: saved $(saved)"
}

border_drags() {
    step "border drags and moves: with no window manager, then four rounds with the machine busy"
    x11_start 134 && stop "$wm" && edge_drags "no window manager" && stop "$xvfb"
    x11_start 134 && renice -n 5 -p "$wm" >/dev/null && local busy=()
    for _ in 1 2 3 4 5; do timeout 300 sh -c 'while :; do :; done' & busy+=($!) pids+=($!); done
    for round in 1 2 3 4; do edge_drags "round $round"; done && stop "${busy[@]}" "$wm" "$xvfb"
}

sound() {
    step "the alarm sound: back after the server restarts; stopped server: flashing, a click ends it; no file: the bell"
    x11_start 136
    pa_start() {  # a sound server without sound hardware
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-native-protocol-unix --load=module-null-sink >/dev/null 2>&1 & pa=$! pids+=($!)
        for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return || sleep 0.1; done
    }
    playing() { for _ in $(seq 100); do [ -n "$(pactl list short sink-inputs)" ] && return 0; sleep 0.1; done; return 1; }
    pa_start && fresh 100 100 180 130 && start_app 0:02 && playing || fail "the alarm does not play"
    stop "$pa" && pa_start && playing || fail "the alarm stays silent after the sound server restarted"
    ends_alarm restarted && exit_app && kill -STOP "$pa" || fail "the alarm goes on after a click"
    fresh 100 100 180 130 && start_app 0:02 && sleep 3 && flashing hung || fail "no flashing with the sound server stopped"
    ends_alarm hung && exit_app && kill -CONT "$pa" && mv "$app_dir/NotifySound.wav" "$out/" || fail "the alarm goes on after a click"
    xkbevd -cfg <(echo "Bell() shell \"echo bell >> $out/bells\"") >/dev/null 2>&1 & pids+=($!) && local bells=$!
    fresh 100 100 180 130 && start_app 0:02 && sleep 3 && : >"$out/bells"
    for _ in $(seq 30); do [ -s "$out/bells" ] && break || sleep 0.1; done && [ -s "$out/bells" ] || fail "no bell without a sound file"
    ends_alarm bell && exit_app && mv "$out/NotifySound.wav" "$app_dir/" || fail "the alarm goes on after a click"
    stop "$bells" "$pa" "$wm" "$xvfb"
}

wayland() {
    step "Wayland (weston): Exit keeps the loaded place, a click then a drag does not start, a stale DISPLAY falls back"
    x11_start 137
    weston --backend=x11-backend.so --socket=wayland-qd --width=1024 --height=768 >/dev/null 2>&1 & pids+=($!) && local compositor=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-qd" ] && break; sleep 0.1; done
    wl_find() {  # weston places the window itself: it is found on the screen by its colour
        import -window root "$out/wl.png"
        [[ "$(convert "$out/wl.png" -fill black +opaque "$back" -format '%@' info: 2>/dev/null)" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] &&
            [ "${BASH_REMATCH[1]}" -gt 20 ] || return 1
        WIDTH=${BASH_REMATCH[1]} HEIGHT=${BASH_REMATCH[2]} X=${BASH_REMATCH[3]} Y=${BASH_REMATCH[4]} cx=$((X + 40)) cy=$((Y + 15))
    }
    wl_start() { run_app && for _ in $(seq 100); do wl_find && sleep 0.5 && wl_find && return; sleep 0.1; done; fail "no window under weston"; }
    wl_exit() { for _ in 1 2 3; do xdotool mousemove "$cx" "$cy" sleep 0.3 click 3 sleep 1.5 key Up sleep 0.3 key Return && ended && return; done; false; }
    env_app=(WAYLAND_DISPLAY=wayland-qd QT_QPA_PLATFORM=wayland)
    fresh 300 200 380 230 && wl_start && wl_exit && [[ "$(saved)" == "300 200 380 230 "* ]] || fail "Exit on Wayland saved $(saved)"
    wl_start && local x0=$X && xdotool mousemove "$cx" "$cy" sleep 0.3 click 1 sleep 0.15 mousedown 1  # a click, then a drag
    for i in 1 2 3 4 5 6; do xdotool mousemove $((cx + 20 * i)) $((cy + 10 * i)) sleep 0.05; done && xdotool mouseup 1 sleep 1.5
    wl_find && [ "$X" != "$x0" ] || fail "weston did not move the window"
    [ "$(pixel wl $((X + 8)) $((Y + HEIGHT - 5)))" != "$white" ] || fail "a click then a drag started it"  # left of the pointer
    wl_exit || fail "program did not end on Exit under weston"
    env_app=(-u QT_QPA_PLATFORM DISPLAY=:9999 WAYLAND_DISPLAY=wayland-qd) && wl_start && wl_exit || fail "no Wayland fallback"
    env_app=() && stop "$compositor" "$wm" "$xvfb"
}

x11_start 130 && start_app && exit_app && cp "$dat" "$out/template.dat" && stop "$wm" "$xvfb"  # the current format
[ $# -gt 0 ] || set -- "monitors 1" "monitors 2" border_drags sound wayland
for section in "$@"; do $section; done
step "all steps passed; screenshots in $out"
