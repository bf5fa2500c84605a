# Sourced at the end of e2e-windows.sh, with its helpers, display and Wine
# server: the settings file out of reach.
user_dat=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local)/Quillastor/QuillastorTimer.dat
trap 'touch "$work/release"; chattr -i "$app" 2>/dev/null || true; chmod u+w "$app"; rm -rf "${user_dat%/*}"
      wineserver -k 2>/dev/null || true; display_stop' EXIT
seconds() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); print(struct.unpack_from("<i",d,108+4*struct.unpack_from("<i",d,104)[0])[0])' "$1"; }

echo "10. The file held by a program that shares nothing at start: a message names it; Exit leaves the file as it was"
chattr -i "$app" 2>/dev/null || chmod u+w "$app"
cp "$root/tests/data/settings_first_run.dat" "$dat" && cp "$dat" "$work/before.dat"
(cd "$app" && wine "$root/build/win32/tests/win32/hold_file.exe" QuillastorTimer.dat "$(winepath -w "$work/release")" >"$work/held.txt" 2>/dev/null) &
for i in $(seq 30); do grep -qs held "$work/held.txt" && break; sleep 0.3; done
run
box=$(timeout 10 xdotool search --sync --limit 1 --name '^Quillastor.') || fail "no message"
eval "$(xdotool getwindowgeometry --shell "$box")"
shot held-message
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1 sleep 0.3 key Return
window "$BACK" after-message
touch "$work/release" && sleep 1  # as a scanner lets go before the user chooses Exit
menu Up Return && ended
cmp -s "$dat" "$work/before.dat" || fail "the file changed"
