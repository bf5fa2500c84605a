#!/usr/bin/env bash
# The portable core and the platform interfaces include no OS or toolkit
# header (only the C++ standard library and the project's own headers), and
# nothing from a backend (posix/, win32/, qt/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/src"
core=(timekeeping settings window countdown dialogs resources platform)

bad=$(grep -rnE '^\s*#\s*include\s*<' "${core[@]}" --include='*.h' --include='*.cpp' \
    | grep -vE '<(algorithm|array|cassert|cctype|cerrno|charconv|chrono|climits|cmath|cstddef|cstdint|cstdio|cstdlib|cstring|functional|initializer_list|iterator|limits|map|memory|numeric|optional|span|string|string_view|tuple|type_traits|utility|variant|vector)>' || true)
bad+=$(grep -rnE '^\s*#\s*include\s*"(posix|win32|qt)/' "${core[@]}" --include='*.h' --include='*.cpp' || true)
if [ -n "$bad" ]; then
    echo "The core includes headers outside the C++ standard library, or a backend's:"
    echo "$bad"
    exit 1
fi
echo "core includes: standard library, core and platform headers only"
