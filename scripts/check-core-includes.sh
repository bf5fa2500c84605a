#!/usr/bin/env bash
# The portable core includes no OS or toolkit header: only the C++ standard
# library and the project's own headers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bad=$(grep -rnE '^\s*#\s*include\s*<' src --include='*.h' --include='*.cpp' \
        --exclude-dir=win32 --exclude-dir=posix --exclude-dir=qt \
    | grep -vE '<(algorithm|array|cassert|cctype|cerrno|charconv|chrono|climits|cmath|cstddef|cstdint|cstdio|cstdlib|cstring|functional|initializer_list|iterator|limits|map|memory|numeric|optional|span|string|string_view|tuple|type_traits|utility|variant|vector)>' || true)
if [ -n "$bad" ]; then
    echo "The core includes headers outside the C++ standard library:"
    echo "$bad"
    exit 1
fi
echo "core includes: standard library and project headers only"
