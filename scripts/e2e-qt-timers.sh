# Sourced from e2e-qt.sh: several timers at once, each with its own settings
# file and place; a named timer that a second start hands its time to;
# another user who would take their names or steer them.
timers() {  # the timer windows shown, by their window role
    for w in $(xdotool search --onlyvisible --class QuillastorTimer 2>/dev/null); do
        xprop -id "$w" WM_WINDOW_ROLE 2>/dev/null | grep -q '"quillastor-timer"' && echo "$w"
    done
}
shown() { for _ in $(seq 100); do [ "$(timers | wc -l)" = "$1" ] && return 0; sleep 0.1; done; fail "$(timers | wc -l) timers shown, not $1"; }
newest() { run_app "$@" && shown $(($(timers | wc -l) + 1)) && win=$(timers | grep -vxF "$(printf '%s\n' "${seen[@]}")") && geometry; }
stored() { python3 -c 'import struct,sys; l,t,r,b=struct.unpack_from("<4i",open(sys.argv[1],"rb").read()); print(l,t,r-l,b-t)' "$app_dir/$1"; }
quit() {  # window, process: Exit from its own menu
    win=$1 app=$2 && centre && xdotool click 3 && sleep 1 && xdotool key Up Return && ended || fail "$2 did not end on Exit"
}

step "two timers: the second opens 8 px below the first; each Exit writes its own file"
rm -f "$app_dir"/QuillastorTimer-*.dat && put 300 200 379 228
seen=() && newest && first=$win one=$app one_at="$X $Y $WIDTH $HEIGHT" && seen+=("$win")
newest && second=$win two=$app && seen+=("$win") && shot two-timers
[ "$X $Y" = "$(cut -d' ' -f1 <<<"$one_at") $(($(cut -d' ' -f2 <<<"$one_at") + $(cut -d' ' -f4 <<<"$one_at") + 8))" ] ||
    fail "the second timer is at $X,$Y, not below the first at $one_at"
drag 150 0 && quit "$second" "$two" && quit "$first" "$one"
[ "$(stored QuillastorTimer.dat)" = "$one_at" ] && [ -f "$app_dir/QuillastorTimer-2.dat" ] || fail "not two files"

step "both again, each at its own place; one killed with SIGKILL, its file taken by the next start"
seen=() && newest && first=$win one=$app && seen+=("$win") && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer.dat)" ] || fail "first at $X,$Y"
newest && second=$win two=$app && seen=("$second") && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer-2.dat)" ] || fail "second at $X,$Y"
kill -KILL "$one" && shown 1
newest && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer.dat)" ] || fail "the copy did not take the freed file: $X,$Y"
quit "$win" "$app" && quit "$second" "$two"

[ "$(id -u)" -eq 0 ] || { step "skipped: another user and chattr +i need root"; return; }
step "nobody squats the old socket names and the runtime folder, then sends a time: the timer and tea keep their files and times; --name tea 5 hands 5:00 to tea and ends with 0"
squat="$out/squat" && mkdir -m 1777 "$squat" && rm -f "$app_dir"/QuillastorTimer-*.dat
runuser -u nobody -- python3 - "$(id -u)" "$app_dir" "$XDG_RUNTIME_DIR" "$squat" <<'PY' & pids+=($!)
import hashlib, os, socket, sys, time
uid, app, run, squat = sys.argv[1:]
tag = lambda name: hashlib.sha256((app + "/" + name).encode()).hexdigest()[:32]
old = lambda name: "\0quillastor-timer-%s-%s" % (uid, tag(name))  # the abstract names timers listened on
names = ["QuillastorTimer.dat", "QuillastorTimer-tea.dat"] + ["QuillastorTimer-%d.dat" % n for n in range(2, 100)]
held = [socket.socket(socket.AF_UNIX) for _ in names]; [(s.bind(old(n)), s.listen()) for s, n in zip(held, names)]
os.makedirs(squat + "/runtime-root/quillastor-timer", 0o777)  # Qt's runtime folder where XDG_RUNTIME_DIR is unset
open(squat + "/bound", "w").close()
while not os.path.exists(squat + "/send"): time.sleep(0.1)
for path in [old(n) for n in names] + ["%s/quillastor-timer/%s.sock" % (run, tag(n)) for n in names]:
    try: c = socket.socket(socket.AF_UNIX); c.settimeout(1); c.connect(path); c.sendall(b"QuillastorTimer/1 duration 1\n")
    except OSError: pass
open(squat + "/sent", "w").close()
PY
for _ in $(seq 100); do [ -e "$squat/bound" ] && break; sleep 0.1; done
seen=() && newest 25:00 && main=$win one=$app && seen+=("$win") && newest --name tea 3 && tea=$win && seen+=("$win")
[ "$(xprop -id "$tea" _NET_WM_NAME | cut -d'"' -f2)" = "tea - Quillastorカウントダウンタイマー" ] || fail "tea's title"
status=0 && (cd "$app_dir" && exec ./QuillastorTimer --name tea 5 >>"$out/program.log" 2>&1) || status=$?
sleep 1 && [ "$status" = 0 ] && [ "$(timers | wc -l)" = 2 ] || fail "second tea start: status $status, timers $(timers)"
touch "$squat/send" && for _ in $(seq 100); do [ -e "$squat/sent" ] && break; sleep 0.1; done
quit "$tea" "$app" && quit "$main" "$one"
[ "$(saved | cut -d' ' -f5)" = 1500 ] && [ ! -e "$app_dir/QuillastorTimer-2.dat" ] || fail "the main file holds $(saved), or a -2 was made"
dat="$app_dir/QuillastorTimer-tea.dat" && [[ "$(saved)" == *" 300" ]] || fail "tea saved $(saved)"
dat="$app_dir/QuillastorTimer.dat" && for env in "-u XDG_RUNTIME_DIR TMPDIR=$squat" "XDG_RUNTIME_DIR=$squat/runtime-root"; do
    env_app=($env) && seen=() && newest 10:00 && quit "$win" "$app"  # Qt's runtime folder, then ours, squatted
done
env_app=() && [ "$(saved | cut -d' ' -f5)" = 600 ] || fail "without its runtime folder, the timer saved $(saved)"
[ "$(grep -c "no private runtime folder" "$out/program.log")" = 2 ] || fail "a squatted runtime folder was used without a word"

step "two copies in two folders that take no file (chattr +i), both running: two windows, two files, both kept"
copies="$out/copies" && trap 'chattr -i "$copies"/p* 2>/dev/null; cleanup' EXIT
for p in p1 p2; do mkdir -p "$copies/$p" && cp "$app_dir"/{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav} "$copies/$p" && chattr +i "$copies/$p"; done
env_app=(XDG_CONFIG_HOME="$copies") && seen=() && home=$app_dir
app_dir="$copies/p1" newest 10:00 && first=$win one=$app && seen+=("$win") && app_dir="$copies/p2" newest 20:00
quit "$win" "$app" && quit "$first" "$one" && env_app=() app_dir=$home
for f in QuillastorTimer:600 QuillastorTimer-2:1200; do dat="$copies/QuillastorTimer/${f%:*}.dat" && [ "$(saved | cut -d' ' -f5)" = "${f#*:}" ] || fail "not ${f#*:} s in ${f%:*}.dat"; done
chattr -i "$copies"/p* && dat="$app_dir/QuillastorTimer.dat"
