# Sourced from e2e-windows.sh with its helpers, display and Wine server: the keys in the timer window,
# the start/stop hot key pressed in another program, and the MSAA object that a screen reader reads
# (role 41, static text).
probe() { wine "$root/build/win32/tests/win32/win32_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
reads() {  # value (a pattern)
    local said && for i in $(seq 15); do said=$(probe accessible) && [[ "$said" == "41|Quillastorカウントダウンタイマー|"$1 ]] && return 0; sleep 0.3; done
    fail "MSAA read '$said', not '$1'"
}
echo "11c. Keys: Space starts, R resets, Shift+F10 opens the menu on its first item, arrows move; MSAA reads the time"
chattr -i "$app" 2>/dev/null || chmod u+w "$app"
run && window "$BACK" keys && xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 1 sleep 1.2 mousemove 0 0
# Without a window manager the click activates the window in Wine but leaves X's focus where it was.
xdotool windowfocus "$(xdotool search --onlyvisible --class quillastortimer | head -1)" sleep 0.5
reads "残り *、停止中"
xdotool key space && reads "残り *、カウント中"
xdotool key r && reads "残り *、停止中"
xdotool key shift+F10 sleep 1 && shot keys-menu && xdotool key Down Return sleep 0.5 key r && reads "残り 10分、停止中"
kx=$X ky=$Y && xdotool key Right Right Right shift+Down sleep 0.5 && window "$BACK" keys-moved
[ "$X $Y" = "$((kx + 3)) $((ky + 10))" ] || fail "the arrows moved it from $kx,$ky to $X,$Y"

echo "11d. Ctrl+Alt+Shift+Space pressed in another program starts and stops the timer; MSAA events: those two"
(wine notepad >/dev/null 2>&1 &) && notepad=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --class notepad.exe)
xdotool sleep 1 windowfocus "$notepad" sleep 0.5 && [ "$(xdotool getwindowfocus)" = "$notepad" ] || fail "notepad has not the keyboard"
wine "$root/build/win32/tests/win32/win32_probe.exe" events 8 >"$work/events.txt" 2>/dev/null & listener=$!
for i in $(seq 30); do [ -s "$work/events.txt" ] && break; sleep 0.2; done
xdotool key ctrl+alt+shift+space && reads "残り 9分5?秒、カウント中"
xdotool key ctrl+alt+shift+space && reads "残り 9分5?秒、停止中" && wait "$listener"
# A screen reader is told of the start and the stop, and of nothing while it counts.
[ "$(tr -d '\r' <"$work/events.txt" | paste -sd ' ')" = "listening value value" ] || fail "told: $(cat "$work/events.txt")"
xdotool windowclose "$notepad" 2>/dev/null || true
menu Up Return && ended
