# Sourced from e2e-qt.sh: several timers at once, each with its own settings
# file and place; a named timer that a second start hands its time to.
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

step "two timers: the second opens right below the first; each Exit writes its own file"
rm -f "$app_dir"/QuillastorTimer-*.dat && put 300 200 379 228
seen=() && newest && first=$win one=$app one_at="$X $Y $WIDTH $HEIGHT" && seen+=("$win")
newest && second=$win two=$app && seen+=("$win")
[ "$X $Y" = "$(cut -d' ' -f1 <<<"$one_at") $(($(cut -d' ' -f2 <<<"$one_at") + $(cut -d' ' -f4 <<<"$one_at")))" ] ||
    fail "the second timer is at $X,$Y, not below the first at $one_at"
drag 150 0 && quit "$second" "$two" && quit "$first" "$one"
[ "$(stored QuillastorTimer.dat)" = "$one_at" ] && [ -f "$app_dir/QuillastorTimer-2.dat" ] || fail "not two files"

step "both again, each at its own place; one killed with SIGKILL, its file taken by the next start"
seen=() && newest && first=$win one=$app && seen+=("$win") && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer.dat)" ] || fail "first at $X,$Y"
newest && second=$win two=$app && seen=("$second") && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer-2.dat)" ] || fail "second at $X,$Y"
kill -KILL "$one" && shown 1
newest && [ "$X $Y $WIDTH $HEIGHT" = "$(stored QuillastorTimer.dat)" ] || fail "the copy did not take the freed file: $X,$Y"
quit "$win" "$app" && quit "$second" "$two"

step "--name tea 3, then --name tea 5: one tea window, now at 0:05:00; the second start ends with 0"
seen=() && newest --name tea 3 && tea=$win && seen+=("$win")
[ "$(xprop -id "$tea" _NET_WM_NAME | cut -d'"' -f2)" = "tea - Quillastorカウントダウンタイマー" ] || fail "tea's title"
status=0 && (cd "$app_dir" && exec ./QuillastorTimer --name tea 5 >>"$out/program.log" 2>&1) || status=$?
sleep 1 && [ "$status" = 0 ] && [ "$(timers)" = "$tea" ] || fail "second tea start: status $status, timers $(timers)"
quit "$tea" "$app"
dat="$app_dir/QuillastorTimer-tea.dat" && [[ "$(saved)" == *" 300" ]] || fail "tea saved $(saved)"
dat="$app_dir/QuillastorTimer.dat"
