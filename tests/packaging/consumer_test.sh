#!/bin/sh
# Installs the built tree into a scratch prefix, then builds and runs a small
# consumer against it twice: with find_package(rvl) and with pkg-config.
#   consumer_test.sh <build dir> <consumer source dir> <scratch dir>
set -eu
build=$1 consumer=$2 scratch=$3
rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# CMake package.
cmake -S "$consumer" -B "$scratch/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/cmake" >/dev/null
"$scratch/cmake/consumer"

# pkg-config.
libdir=$(find "$prefix" -name rvl.pc -path '*pkgconfig*' -exec dirname {} \;)
flags=$(PKG_CONFIG_PATH=$libdir pkg-config --cflags --libs rvl)
cc -std=c99 -Wall -Werror -o "$scratch/consumer-pc" "$consumer/main.c" $flags -Wl,-rpath,"$libdir/.."
"$scratch/consumer-pc"
echo "consumer built and ran with find_package and with pkg-config"
