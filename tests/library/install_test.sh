#!/usr/bin/env bash
# Installs the library in a fresh prefix and builds an outside host against it
# through the CMake package and pkg-config. Usage: install_test.sh BUILD_DIR CXX
set -euo pipefail
build="$1" compiler="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" > /dev/null
libdir="$(dirname "$(find "$work/prefix" -name 'libzr_universaltypes.so*' | head -n 1)")"
export LD_LIBRARY_PATH="$libdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"

cmake -S "$here/outside_host" -B "$work/cmake-host" -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_CXX_COMPILER="$compiler" > /dev/null
cmake --build "$work/cmake-host" > /dev/null
"$work/cmake-host/outside_host"

export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
"$compiler" -std=c++20 "$here/outside_host/outside_host.cpp" $(pkg-config --cflags --libs universaltypes) \
  -o "$work/pkg-config-host"
"$work/pkg-config-host"
echo "2 passed, 0 failed"
