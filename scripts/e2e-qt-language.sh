# Sourced by e2e-qt.sh, with its helpers and display: the language each
# environment gives, the program in English, and --lang ja on the same desk.
step "the usage's language from LANGUAGE, LC_ALL, LC_MESSAGES, LANG, the options file and --lang"
while IFS='|' read -r expected environment options arguments; do
    printf '%s' "$options" >"$app_dir/QuillastorTimer.ini"
    said=$(cd "$app_dir" && env $environment ./QuillastorTimer $arguments --help 2>"$out/lang.err" | head -n 1)
    [[ "$said" == "$expected"* ]] || fail "$environment $options $arguments: $said"
done <<'ROWS'
使い方|LANG=ja_JP.UTF-8||
Usage:|LANG=en_US.UTF-8||
使い方|LANG=en_US.UTF-8 LC_MESSAGES=ja_JP.UTF-8||
Usage:|LANG=ja_JP.UTF-8 LC_ALL=en_US.UTF-8||
使い方|LANG=en_US.UTF-8 LANGUAGE=ja||
Usage:|LANG=ja_JP.UTF-8 LANGUAGE=fr:ja||
Usage:|LANG=ja_JP.UTF-8|language=en|
Usage:|LANG=en_US.UTF-8|language=japanese|
ROWS
grep -q "language=japanese is not a value" "$out/lang.err" || fail "a bad language in the options file is not named: $(cat "$out/lang.err")"
rm "$app_dir/QuillastorTimer.ini"

step "an English desk: the menu and the set-time dialog in English, no Japanese Qt translation; --lang ja: Japanese"
while IFS='|' read -r arguments expected; do
    env_app=(LANG=en_US.UTF-8) && start_app $arguments && menu shift && sleep 0.5 && shot "30-menu${arguments:+-ja}"
    xdotool key Down Down Down Down Return && sleep 1.5 && shot "31-set-time${arguments:+-ja}"
    said="$(focused), Qt's Japanese: $(grep -q qtbase_ja "/proc/$app/maps" && echo yes || echo no)"
    xdotool key Escape && sleep 0.5 && exit_app
    [ "$said" = "$expected" ] || fail "${arguments:-English}: the set-time dialog is $said"
done <<'ROWS'
|Set Countdown Time, Qt's Japanese: no
--lang ja|カウントダウン時間を設定, Qt's Japanese: yes
ROWS
env_app=()
