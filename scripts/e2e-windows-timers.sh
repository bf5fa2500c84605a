# Sourced at the end of e2e-windows.sh, after e2e-windows-files.sh, with their
# helpers, display and Wine server: several timers, and a named one.
# "X Y W H" of each timer window, top to bottom; the pointer rests off them.
places() { xdotool mousemove 0 0 sleep 0.3 search --onlyvisible --class quillastortimer getwindowgeometry --shell %@ |
    awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 } /^HEIGHT=/ { print x, y, w, $2 }' | sort -n -k2 -k1; }
timers() { for i in $(seq 40); do [ "$(places | wc -l)" = "$1" ] && return 0; sleep 0.3; done; fail "not $1 timers: $(places)"; }
start() { (cd "$app" && wine QuillastorTimer.exe "${@:2}" >/dev/null 2>&1; echo $? >"$work/status-$1") & }
exits() { xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 3 sleep 1 key Up Return sleep 1; }
gone() { for i in $(seq 20); do [ -s "$work/status-$1" ] && return 0; sleep 0.3; done; fail "timer $1 did not end"; }
tea() { for w in $(xdotool search --onlyvisible --class quillastortimer); do
    [ "$(xdotool getwindowname "$w")" != "tea - Quillastorカウントダウンタイマー" ] || echo "$w"; done; }

echo "11. Two timers: the second opens 8 px below the first; Exit from each writes a file of its own"
chattr -i "$app" 2>/dev/null || chmod u+w "$app"
rm -rf "$app"/QuillastorTimer*.dat "${user_dat%/*}" "$work"/status-*
start a && timers 1 && start b && timers 2 && shot two-timers
read -r ax ay aw ah bx by bw bh <<<"$(places | tr "\n" " ")"
[ "$bx $by" = "$ax $((ay + ah + 8))" ] || fail "the second timer is at $bx,$by, not 8 px below the first"
xdotool mousemove $((bx + bw / 2)) $((by + bh / 2)) mousedown 1 sleep 0.1 mousemove_relative -- 200 0 sleep 0.3 mouseup 1
saved=$(places) && [ "$(sed -n 2p <<<"$saved")" = "$((bx + 200)) $by $bw $bh" ] || fail "dragged to $saved"
exits $ax $ay $aw $ah && exits $(sed -n 2p <<<"$saved") && gone a && gone b
[ "$(cd "$app" && echo *.dat)" = "QuillastorTimer-2.dat QuillastorTimer.dat" ] || fail "not two files: $(ls "$app")"

echo "12. Both again: each at its own place; a copy after taskkill /F takes the freed file"
start a && timers 1 && start b && timers 2
[ "$(places)" = "$saved" ] || fail "restarted at $(places), not $saved"
pid=$(wine wmic process get Name,ProcessId 2>/dev/null | iconv -f UTF-16 -t UTF-8 | awk '/QuillastorTimer/ { print $2; exit }')
wine taskkill /F /PID "$pid" >/dev/null 2>&1 && timers 1 || fail "taskkill /F /PID $pid"
start c && timers 2
[ "$(places)" = "$saved" ] || fail "the copy after the kill is at $(places), not at the freed file's place: $saved"

echo "13. --name tea 3, then --name tea 5: one tea window, titled, in front, 5 minutes; the second start ends with 0"
start tea --name tea 3 && timers 3 && t=$(tea) && [ -n "$t" ] || fail "no window titled with the name"
read -r x y w h < <(places) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1 sleep 0.5
(cd "$app" && timeout 20 wine QuillastorTimer.exe --name tea 5 >/dev/null 2>&1) || fail "the second tea ended with $?"
timers 3 && shot tea-forwarded && [ "$(tea)" = "$t" ] || fail "not one tea window"
[ "$(xdotool getwindowfocus)" = "$t" ] || fail "the tea timer did not come to the front"
eval "$(xdotool getwindowgeometry --shell "$t")" && exits "$X" "$Y" "$WIDTH" "$HEIGHT" && gone tea
[ "$(seconds "${dat%.dat}-tea.dat")" = 300 ] || fail "the tea timer saved $(seconds "${dat%.dat}-tea.dat") s, not 300"

echo "14. Two copies in folders that take no file (chattr +i), both running: two files in %LOCALAPPDATA%\\Quillastor, read from there; a fresh copy, beside itself"
while read -r x y w h; do exits "$x" "$y" "$w" "$h"; done <<<"$(places)" && timers 0
rm -rf "${user_dat%/*}" && trap 'chattr -i "$work"/p1 "$work"/p2 2>/dev/null; rm -rf "${user_dat%/*}"; wineserver -k 2>/dev/null || true; sound_stop; display_stop' EXIT
for p in p1 p2 p3; do mkdir -p "$work/$p" && cp "$app"/*.exe "$app"/*.wav "$work/$p"; done && chattr +i "$work/p1" "$work/p2"
app="$work/p1" start p1 10:00 && timers 1 && app="$work/p2" start p2 20:00 && timers 2 && shot copies
while read -r x y w h; do exits "$x" "$y" "$w" "$h"; done <<<"$(places)" && gone p1 && gone p2
for p in p1 p3; do rm -f "$work/status-$p" && app="$work/$p" start $p && timers 1 && exits $(places) && gone $p; done
[ "$(seconds "$user_dat") $(seconds "${user_dat%.dat}-2.dat") $(seconds "$work/p3/QuillastorTimer.dat")" = "600 1200 180" ] || fail "not 600, 1200, 180 s: $(ls "${user_dat%/*}" "$work/p3" | xargs)"
