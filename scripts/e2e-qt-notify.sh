#!/usr/bin/env bash
# The alarm's desktop notification, on a private session bus with a fake notification server
# (tests/qt/fake_notification_server.py) that records each call; screenshots in build/qt/e2e-notify/.
# Its buttons drive the window; with no server, or a stopped one, the alarm and Exit are as before.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
me=e2e-qt-notify out="$root/build/qt/e2e-notify" app_dir="$root/build/qt/e2e-notify/app"
rm -rf "$out" && mkdir -p "$app_dir" && dat="$app_dir/QuillastorTimer.dat"
cp "${QT_BIN:-$root/build/qt/src/qt}/"{QuillastorTimer,libquillastor_qt_sound.so,NotifySound.wav,QuillastorTimer.png} "$app_dir/"
export XDG_RUNTIME_DIR="$out/run" && mkdir -m 700 "$XDG_RUNTIME_DIR"
source "$root/scripts/e2e-qt-lib.sh"
source "$root/scripts/x11-session.sh"
trap cleanup EXIT
log="$out/calls.log" && : >"$log"

# A bus of our own that starts no service, so "no server" means none.
cat >"$out/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:path=$XDG_RUNTIME_DIR/test-bus</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$out/bus.conf" --nofork >/dev/null 2>&1 & pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/test-bus"
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/test-bus" ] && break || sleep 0.1; done
server_start() {
    /usr/bin/python3 "$root/tests/qt/fake_notification_server.py" "$log" "$@" >"$out/server.out" 2>&1 & server=$! pids+=($!)
    for _ in $(seq 50); do grep -q ready "$out/server.out" && return || sleep 0.1; done; fail "the fake server did not start"
}
press() { dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.freedesktop.Notifications.Press "string:$1" >/dev/null && sleep 1; }
calls() { grep -c "\"$1\"" "$log" || true; }
until_calls() { for _ in $(seq 50); do [ "$(calls "$1")" -ge "$2" ] && return || sleep 0.1; done; fail "$2 $1 expected, $(calls "$1") came"; }
quiet() { shot "$1-a" && sleep 0.5 && shot "$1-b" && [ "$X $Y $(band "$1-a") $(band "$1-b")" = "100 100 $back $back" ]; }  # no alarm, at its place
running() { [ "$(underline "$1-b")" = "$white" ]; }
exit_in_2s() {  # Exit from the menu: the program saves and ends within 2 s
    menu Up && local t0=$(date +%s%N) && xdotool key Return && ended && local ms=$((($(date +%s%N) - t0) / 1000000))
    [ "$ms" -le 2000 ] && [[ "$(saved)" == "100 100 180 130 2" ]] || fail "$1: Exit took $ms ms, saved $(saved)"
}

x11_start 140 && start_app && exit_app && cp "$dat" "$out/template.dat" && put 100 100 180 130

step "a 2 s alarm posts one notification; a forged ActionInvoked from another sender changes nothing"
server_start && start_app 0:02 && until_calls Notify 1 && flashing alarm1 || fail "no flashing alarm with the notification"
dbus-send --session --type=signal /org/freedesktop/Notifications org.freedesktop.Notifications.ActionInvoked uint32:1 string:stop
sleep 1 && flashing forged || fail "an ActionInvoked from another sender ended the alarm"
step "+1 min: the alarm ends and it runs on past the 2 s it was set to"
press one-minute-more && sleep 3 && quiet plus && running plus && [ "$(calls Notify)" = 1 ] || fail "+1 min did not count on"
step "reset, started again: Restart ends the alarm and counts the 2 s again, to a second alarm"
clicks 3 && sleep 0.5 && clicks 2 && until_calls Notify 2 && press restart && quiet restart && running restart || fail "Restart"
until_calls Notify 3 && flashing alarm3 || fail "no alarm after the restarted 2 s"
step "Stop ends the alarm and it stays stopped; a click on the next alarm closes its notification"
press stop && quiet stop && ! running stop || fail "Stop did not stop"
closes=$(calls CloseNotification) && clicks 2 && until_calls Notify 4 && sleep 1 && clicks 1 && until_calls CloseNotification $((closes + 1))
[[ "$(grep CloseNotification "$log" | tail -1)" == *'"args": [4]}' ]] || fail "the click did not close the 4th notification"
exit_in_2s "with the server"
grep '"Notify"' "$log" | head -1 >"$out/notify.json" && cat "$out/notify.json"
python3 - "$out/notify.json" <<'PY' || fail "Notify's arguments"
import json, sys
app, replaces, icon, title, body, actions, hints, timeout, _ = json.load(open(sys.argv[1]))["args"]
assert (title, body) == ("Quillastorカウントダウンタイマー", "時間です（2秒）"), (title, body)
assert actions == ["stop", "停止", "one-minute-more", "+1分", "restart", "再スタート", "default", ""], actions
assert hints["urgency"] == 2 and hints["suppress-sound"] is True and icon.startswith("file://") and icon.endswith(".png"), (hints, icon)
PY
step "the session ends (SIGTERM) during an alarm: its notification is withdrawn"
closes=$(calls CloseNotification) && start_app 0:02 && until_calls Notify 5 && kill -TERM "$app" && ended &&
    until_calls CloseNotification $((closes + 1)) || fail "the notification outlived the program"
stop "$server"

step "a server without buttons: the notification comes without actions"
: >"$log" && server_start --no-actions && start_app 0:02 && until_calls Notify 1 && grep -q '"Notify".*\[\], {' "$log" || fail "actions sent to a server without them"
clicks 1 && exit_in_2s "no buttons" && stop "$server"

for case in none stopped; do
    step "notification server $case: the alarm flashes, a click ends it, Exit saves within 2 s"
    [ "$case" = stopped ] && server_start && kill -STOP "$server"
    start_app 0:02 && sleep 2.5 && flashing "$case" || fail "no flashing with the server $case"
    clicks 1 && quiet "$case-ended" || fail "a click did not end the alarm with the server $case"
    exit_in_2s "server $case"
done
step "all steps passed; screenshots in $out"
