# Shared by the Windows scripts (source it): a private Wine prefix that
# renders Japanese, and a virtual display.
#
#   wine_use_prefix DIR      export the Wine variables for the prefix DIR
#   wine_prepare_prefix      create it once: Japanese UI fonts, no window manager
#   display_start [WxH]      start Xvfb when there is no $DISPLAY (or always,
#                            with FORCE_XVFB=1), and openbox unless
#                            NO_WINDOW_MANAGER=1; sets VIRTUAL_DISPLAY
#   display_stop             stop what display_start started

wine_use_prefix() {
    export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Wine takes its code pages from LANG; without a Japanese locale the
    # dialog font falls back to a face with no Japanese glyphs.
    export LANG=ja_JP.UTF-8
}

wine_prepare_prefix() {
    [ -f "$WINEPREFIX/.quillastor-prefix" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # regedit reads UTF-16, which keeps the Japanese face names intact.
    # Managed=N: with no window manager on the display, Wine must not wait
    # for one (it waits two seconds for each window that closes).
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
    XVFB_PID=$!
    export DISPLAY=":$n"
    for i in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    if [ "${NO_WINDOW_MANAGER:-0}" != 1 ]; then
        openbox >/dev/null 2>&1 &
        OPENBOX_PID=$!
        # A window mapped before the window manager is ready is never managed.
        for i in $(seq 1 50); do
            xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
            sleep 0.1
        done
    fi
    VIRTUAL_DISPLAY=":$n"
}

display_stop() {
    [ -n "${OPENBOX_PID:-}" ] && kill "$OPENBOX_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    OPENBOX_PID="" XVFB_PID=""
    return 0
}
