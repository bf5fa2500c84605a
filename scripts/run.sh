#!/usr/bin/env bash
# Builds the timer and starts it: the native Qt program on Linux, or, with
# --windows, the Windows program under Wine. Without a display it runs on a
# virtual one (Xvfb) and saves a screenshot. Other arguments go to the timer
# (a start time such as 25 or --at 15:30).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
if [ "${1:-}" = "--windows" ]; then
    shift
    exec "$root/scripts/run-windows.sh" "$@"
fi
exec "$root/scripts/run-qt.sh" "$@"
