# Sourced at the end of e2e-qt.sh, with its helpers and display: the portable
# copy with its settings out of reach.
config="$out/home/.config/QuillastorTimer"
lock() { chattr +i "$1" 2>/dev/null || chmod a-w "$1"; }
unlock() { chattr -i "$1" 2>/dev/null || true; chmod u+w "$1" 2>/dev/null || true; }
trap 'unlock "$app_dir"; unlock "$config"; cleanup' EXIT
message() {  # shot $1, then Return; its caption is the product name, not the program's
    w=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quillastor[^T]' | head -1) || fail "no message: $1"
    sleep 0.3 && import -window root "$out/$1.png" && xdotool windowactivate --sync "$w" key Return
    for _ in $(seq 50); do win=$(xdotool search --onlyvisible --class QuillastorTimer | head -1) && [ "$win" != "$w" ] && return; sleep 0.1; done
}

step "no file, a folder where nothing may be written, XDG_CONFIG_HOME=rel: in ~/.config/QuillastorTimer (0700), read back"
mkdir -p "$out/home" && rm "$dat" && lock "$app_dir"
launch=(env HOME="$out/home" XDG_CONFIG_HOME=rel ./QuillastorTimer) dat="$config/QuillastorTimer.dat"
start_app 1:40 && exit_app && start_app && exit_app
[ "$(stat -c %a "$config") $(saved | cut -d' ' -f5)" = "700 100" ] && [ ! -e "$app_dir/rel" ] || fail "100 s not kept in a 0700 $config"

step "a read-only configuration folder: Exit says so"
rm "$dat" && lock "$config"
start_app && menu Up Return && message read-only-config && sleep 1
! kill -0 "$app" 2>/dev/null && [ ! -e "$dat" ] || fail "still running, or written into a read-only folder"

step "a settings file its user may not read (as nobody when root): a message at start; Exit leaves it byte for byte"
unlock "$app_dir" && chmod 777 "$app_dir" && dat="$app_dir/QuillastorTimer.dat"
[ "$(id -u)" -eq 0 ] && launch=(runuser -u nobody -- "${launch[@]}") owner=nobody || owner=$(id -un)
for mode in 000 200; do  # 200: one the user may write but not read
    cp "$root/tests/data/settings_first_run.dat" "$dat" && cp "$dat" "$out/before.dat" && chown "$owner" "$dat" && chmod "$mode" "$dat"
    start_app && message "unreadable-$mode" && exit_app
    cmp "$dat" "$out/before.dat" || fail "mode $mode: the file changed"
done
launch=(./QuillastorTimer) && chmod 644 "$dat"  # the portable copy as before, for what follows
