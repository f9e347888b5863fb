#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each one.
#   scripts/fuzz.sh            a short run with a fixed seed (part of make test)
#   scripts/fuzz.sh 600        ten minutes per target, random seed
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-}
bash scripts/install-deps.sh clang libclang-rt-dev
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz
mkdir -p build-fuzz/corpus/first_line build-fuzz/corpus/picture
if [ -z "$seconds" ]; then
    args=(-seed=1 -max_total_time=10)
else
    args=(-max_total_time="$seconds")
fi
for target in first_line picture; do
    echo "== fuzz_$target ${args[*]}"
    build-fuzz/fuzz_$target "${args[@]}" -max_len=4096 -rss_limit_mb=2048 \
        build-fuzz/corpus/$target tests/fuzz/seeds/$target 2>&1 | tail -n 3
done
