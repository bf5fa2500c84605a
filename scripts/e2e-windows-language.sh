# Sourced by e2e-windows.sh after e2e-windows-files.sh, with their helpers,
# display and Wine server, no timer running: Wine's Windows language follows
# LANG as a desk's display language would; the program speaks it.
probe() { wine "$root/build/win32/tests/win32/win32_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

echo "11a. Wine reports the UI language of LANG: 0411 under ja_JP.UTF-8, 0409 under en_US.UTF-8"
[ "$(LANG=ja_JP.UTF-8 probe ui-language) $(LANG=en_US.UTF-8 probe ui-language)" = "0411 0409" ] ||
    fail "the UI language is not LANG's: is the locale generated? $(locale -a | tr '\n' ' ')"

echo "11b. On an English desk the menu and the set-time dialog's controls are English; --lang ja: Japanese"
while IFS='|' read -r arguments expected; do
    export LANG=en_US.UTF-8 && run $arguments && window "$BACK" "en-start${arguments:+-ja}"
    menu shift && shot "en-menu${arguments:+-ja}" && xdotool key Down Down Down Down Return sleep 1.5
    shot "en-set-time${arguments:+-ja}" && texts=$(probe texts | sed 3d | paste -sd '|')  # not the picker's time
    xdotool key Escape sleep 0.5 && menu Up Return && ended && export LANG=ja_JP.UTF-8
    [ "$texts" = "$expected" ] || fail "${arguments:-English}: the set-time dialog shows $texts"
done <<'ROWS'
|Set Countdown Time|Count down to a time of day|OK|Cancel|
--lang ja|カウントダウン時間を設定|指定した時刻までの時間を設定|OK|ｷｬﾝｾﾙ|
ROWS
