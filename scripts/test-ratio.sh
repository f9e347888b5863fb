#!/usr/bin/env bash
# Non-blank lines of C++, CMake and shell in tests/ against those in the rest of
# the project (src/, artwork/, bench/, scripts/, cmake/ and the top CMake files),
# and their ratio. The project keeps the tests at a quarter to a third of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
    find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.cmake' \
        -o -name 'CMakeLists.txt' \) -print0 | xargs -0 cat | grep -cv '^[[:space:]]*$'
}

tests=$(count tests)
code=$(($(count src artwork bench scripts cmake) + $(count . -maxdepth 1)))
echo "tests: $tests lines; code: $code lines; ratio $(awk -v t="$tests" -v c="$code" \
    'BEGIN { printf "%.2f", t / c }')"
