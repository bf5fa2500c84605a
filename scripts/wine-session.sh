# Shared by the Windows scripts (source it): wine_use_prefix DIR and
# wine_prepare_prefix give a private Wine prefix that renders Japanese;
# display_start [WxH] starts Xvfb when there is no $DISPLAY (always with
# FORCE_XVFB=1) and sets VIRTUAL_DISPLAY; display_stop stops it. No window
# manager: under openbox the tool window received no clicks from xdotool.
# sound_start DIR starts a sound server with a null sink for the programs
# started after it (`pactl list short sink-inputs`: what plays); sound_stop.

wine_use_prefix() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine takes its code pages from LANG; without a Japanese locale the
    # dialog font falls back to a face with no Japanese glyphs.
    export LANG=ja_JP.UTF-8
}

wine_prepare_prefix() {
    [ -f "$WINEPREFIX/.quillastor-prefix" ] && return 0
    wineboot -i >/dev/null 2>&1 || true
    # Managed=N: with no window manager, Wine waits two seconds for one on
    # every window that closes. regedit reads UTF-16: Japanese face names.
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
        printf '"Managed"="N"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        local face
        for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "ＭＳ ゴシック" "MS Gothic" "MS Shell Dlg" "MS Shell Dlg 2"; do
            printf '"%s"="IPAPGothic"\r\n' "$face"
        done
    } | iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/setup.reg"
    wine regedit /S "$WINEPREFIX/setup.reg" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.quillastor-prefix"
}

display_start() {
    VIRTUAL_DISPLAY=""
    if [ -n "${DISPLAY:-}" ] && [ "${FORCE_XVFB:-0}" != 1 ]; then return 0; fi
    local n=$((90 + RANDOM % 400)) i
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    # -br: a black root that is repainted, so a closed window leaves no trace.
    Xvfb ":$n" -screen 0 "${1:-1024x768}x24" -br -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$! DISPLAY=":$n" VIRTUAL_DISPLAY=":$n"
    export DISPLAY
    for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

display_stop() {
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
}

sound_start() {
    export XDG_RUNTIME_DIR="$1" && mkdir -p -m 700 "$1"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-null-sink --load=module-native-protocol-unix \
        >/dev/null 2>&1 &
    SOUND_PID=$!
    local i
    for i in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
}

sound_stop() {
    [ -n "${SOUND_PID:-}" ] && kill "$SOUND_PID" 2>/dev/null
    SOUND_PID=""
}
