#!/bin/sh
# Runs the benchmarks once per processor variant this machine runs, each in a
# build pinned to that variant, beside OpenCV (and FFTW) when installed.
#   scripts/bench_variants.sh [benchmark filter]    e.g. 'Convert|Sum'
set -eu
cd "$(dirname "$0")/.."
filter=${1:-.}
jobs=$(nproc 2>/dev/null || echo 2)
generator=""
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
. scripts/variants.sh
for v in $variants; do
    cmake -S . -B "build-bench-$v" $generator -DCMAKE_BUILD_TYPE=Release -DRVL_VARIANT="$v" \
          -DRVL_BUILD_TESTS=OFF -DRVL_BUILD_EXAMPLES=OFF >/dev/null
    cmake --build "build-bench-$v" -j "$jobs" --target rvl_bench >/dev/null
    echo "== variant $v"
    "build-bench-$v/bench/rvl_bench" --benchmark_filter="$filter|memcpy" 2>/dev/null | sed -n '/^operation/,$p'
done
