#!/bin/sh
# Builds and runs every test:
#   1. the optimised build with every processor variant, each exported
#      function bound at load to the widest one this processor runs (this
#      build also compares every variant with the baseline, byte for byte);
#   2. the optimised tests again with the library pinned to each narrower
#      variant this processor runs (the same programs, loading a librvli
#      built from the same objects with that variant in every slot);
#   3. a build with AddressSanitizer and UndefinedBehaviorSanitizer, pinned
#      to the widest variant this processor runs.
#   scripts/check.sh            (from the top of the source tree)
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
generator=""
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"

# The variants this processor runs, narrowest first.
. scripts/variants.sh
echo "== processor variants this machine runs: $variants"

echo "== optimised build, every variant chosen at load: build/"
cmake -S . -B build $generator -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The same test programs against the library pinned to each narrower
# variant (built beside the main one from the same objects).
for v in $variants; do
    [ "$v" = "$widest" ] && continue
    pinned="$PWD/build/pinned/$v"
    echo "== optimised tests, library pinned to $v: $pinned/"
    LD_LIBRARY_PATH="$pinned" ldd build/tests/rvl_tests | grep -q "$pinned/librvli" ||
        { echo "the tests do not load $pinned/librvli"; exit 1; }
    LD_LIBRARY_PATH="$pinned" ctest --test-dir build --output-on-failure -j "$jobs"
done

echo "== sanitizer build (address, undefined), pinned to $widest: build-sanitize/"
cmake -S . -B build-sanitize $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRVL_SANITIZE=ON -DRVL_VARIANT="$widest" \
      -DRVL_BUILD_BENCH=OFF -DRVL_BUILD_EXAMPLES=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== all tests passed in every build"
