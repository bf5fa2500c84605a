#!/usr/bin/env bash
# Everything CI checks: installs what is missing, then runs every test stage.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh"
"$root/scripts/check-core-includes.sh"
"$root/scripts/test-core.sh"
"$root/scripts/test-fuzz.sh"
"$root/scripts/test-windows.sh"
"$root/scripts/test-qt.sh"
echo "All test stages passed."
