# Shared by the Qt scripts (source it): x11_start [first display number
# [Xvfb screen arguments]] starts Xvfb on a free display with openbox on it,
# exports DISPLAY, and adds both processes to the caller's `pids` array (Xvfb
# also in `xvfb`, openbox in `wm`). It returns once openbox manages new
# windows: a window mapped before that is never managed. Now and then openbox
# dies while it starts; it is started again.
x11_start() {
    local n=${1:-91} try
    local screens=("${@:2}")
    [ ${#screens[@]} -gt 0 ] || screens=(-screen 0 1024x768x24)
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    export DISPLAY=":$n"
    Xvfb "$DISPLAY" "${screens[@]}" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$! pids+=($!)
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    for try in 1 2 3; do
        openbox >/dev/null 2>&1 &
        wm=$!
        for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
        sleep 0.3
        kill -0 "$wm" 2>/dev/null && break
    done
    pids+=($wm)
}
