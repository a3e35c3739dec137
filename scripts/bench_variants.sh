#!/bin/sh
# Runs the benchmarks once per processor variant this machine runs, beside
# OpenCV (and FFTW) when installed: the default build's benchmark program
# loads, through LD_LIBRARY_PATH, the library pinned to each variant that the
# build links from the same objects (build/pinned/<variant>/).
#   scripts/bench_variants.sh [benchmark filter]    e.g. 'Convert|Sum'
set -eu
cd "$(dirname "$0")/.."
filter=${1:-.}
jobs=$(nproc 2>/dev/null || echo 2)
generator=""
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"
. scripts/variants.sh
cmake -S . -B build $generator -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$jobs" >/dev/null
for v in $variants; do
    pinned="$PWD/build/pinned/$v"
    LD_LIBRARY_PATH="$pinned" ldd build/bench/rvl_bench | grep -q "$pinned/librvli" ||
        { echo "the benchmarks do not load $pinned/librvli"; exit 1; }
    echo "== variant $v"
    LD_LIBRARY_PATH="$pinned" build/bench/rvl_bench --benchmark_filter="$filter|memcpy" 2>/dev/null | sed -n '/^operation/,$p'
done
