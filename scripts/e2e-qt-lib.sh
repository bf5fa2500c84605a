# The Qt driven runs' steps (source it once `me`, `out`, `app_dir`, `dat` are set): `launch` is the
# command, `env_app` extra environment, `scale` Qt's scale factor, `screen` the pointer's X screen.
# `focused` names the window that has the keyboard.
pids=() launch=(./QuillastorTimer) env_app=() scale=1 screen=""
export LANG=ja_JP.UTF-8 && unset LANGUAGE LC_ALL LC_MESSAGES  # a Japanese desk, unless a step says otherwise
cleanup() {  # the processes started, last first; a stopped one is woken to end
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -CONT "${pids[i]}" 2>/dev/null && kill "${pids[i]}" 2>/dev/null || true; done; wait 2>/dev/null || true
}
fail() { echo "$me: FAIL: $*"; import -window root "$out/failure.png" 2>/dev/null; exit 1; }
step() { echo "$me: $*"; }
stop() { kill "$@" 2>/dev/null || true; wait "$@" 2>/dev/null || true; }

run_app() {  # [arguments], in the background
    (cd "$app_dir" && exec env "${env_app[@]}" QT_SCALE_FACTOR=$scale "${launch[@]}" "$@" >>"$out/program.log" 2>&1) & app=$! pids+=($!)
}
start_app() {  # [arguments]
    run_app "$@"
    for _ in $(seq 200); do
        win=$(xdotool search --onlyvisible --class QuillastorTimer 2>/dev/null | head -1 || true)
        [ -n "$win" ] && sleep 0.3 && geometry && return || sleep 0.1
    done; fail "no window appeared"
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; }  # X Y WIDTH HEIGHT, device pixels
point() { xdotool mousemove ${screen:+--screen "$screen"} "$@"; }
centre() { geometry; cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2)); point "$cx" "$cy"; sleep 0.2; }
clicks() { centre; xdotool click --repeat "$1" --delay 120 1; sleep 1.2; }
menu() {  # keys that pick an item, once the menu is up
    centre && xdotool click 3 && for _ in $(seq 30); do [ "$(xdotool search --onlyvisible --class QuillastorTimer | wc -l)" -gt 1 ] && break || sleep 0.1; done
    xdotool sleep 0.2 key "$@"
}
focused() { xdotool getwindowfocus getwindowname 2>/dev/null; }
ended() { for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
exit_app() { menu Up Return && ended || fail "program did not end on Exit"; }
press_drag() {  # x y dx dy: a left drag in six steps, held a moment at each end as a hand does
    point "$1" "$2" sleep 0.3 mousedown 1 sleep 0.5
    for i in 1 2 3 4 5 6; do point $(($1 + $3 * i / 6)) $(($2 + $4 * i / 6)); sleep 0.05; done
    xdotool sleep 0.8 mouseup 1 sleep 0.5 && geometry
}
drag() { centre && press_drag "$cx" "$cy" "$@"; }  # dx dy
settled() {  # 'fields' expected: the window manager may lag on a busy machine
    for _ in $(seq 50); do geometry && [ "$(eval echo "$1")" = "$2" ] && return 0 || sleep 0.1; done; return 1
}
put() { python3 -c 'import struct,sys; f=open(sys.argv[1],"r+b"); f.write(struct.pack("<4i",*map(int,sys.argv[2:])))' "$dat" "$@"; }
saved() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); n=struct.unpack_from("<i",d,104)[0]; print(*struct.unpack_from("<4i",d,0), struct.unpack_from("<i",d,108+4*n)[0])' "$dat"; }
shot() { import -window root "$out/$1.png"; geometry; }
pixel() { convert "$out/$1.png" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
underline() { pixel "$1" $((X + WIDTH / 2)) $((Y + HEIGHT - 4 * scale - 1)); }  # mid bottom row of the client area
band() { pixel "$1" $((X + 1)) $((Y + 1)); }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
flashing() {  # name: the band shows both colours within two seconds
    local seen="" && for i in 1 2 3 4 5 6; do shot "$1-$i"; seen+=" $(band "$1-$i")"; sleep 0.3; done
    [[ "$seen" == *"$back"* && "$seen" == *"$inverse"* ]]
}
back="#8080FF" inverse="#7F7F00" white="#FFFFFF"
