# Sourced at the end of e2e-qt.sh: the font and colour dialogs confirmed
# unchanged; SIGTERM, SIGHUP and the display's end save and end the program.
font() { python3 -c 'import struct,sys; print("lfHeight %d, lfWeight %d" % struct.unpack_from("<i12xi", open(sys.argv[1], "rb").read(), 20))' "$dat"; }

step "the font dialog, then the colour dialog, confirmed unchanged: the font keeps its height and weight"
before=$(font)
start_app
menu Up Up Up Right Down Down Return
for dialog in 20-font 21-colour; do  # Enter, once the dialog is up
    for _ in $(seq 50); do [ "$(xdotool search --onlyvisible --class QuillastorTimer | wc -l)" -gt 1 ] && break; sleep 0.1; done
    xdotool sleep 0.5 && shot "$dialog-dialog" && xdotool key Return sleep 0.5
done
exit_app
[ "$(font)" = "$before" ] || fail "OK in the font dialog changed $before to $(font)"

# Last: the display's end ends the session. Qt then calls exit(), status 1.
for end in SIGTERM:2:600:0 SIGHUP:3:3600:0 display:1:180:1; do
    IFS=: read -r name preset seconds expected <<<"$end"
    step "preset $preset chosen, then the $name: the program saves $seconds s and ends"
    start_app
    menu $(printf 'Down %.0s' $(seq "$preset")) Return
    sleep 0.5
    if [ "$name" = display ]; then kill "${pids[0]}"; else kill -"${name#SIG}" "$app"; fi  # pids[0]: Xvfb
    for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    status=0 && wait "$app" || status=$?
    [ "$status" = "$expected" ] && [ "$(saved | awk '{ print $5 }')" = "$seconds" ] ||
        fail "after the $name: exit status $status, saved $(saved)"
done
