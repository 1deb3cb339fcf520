#!/usr/bin/env bash
# Installs the build (build/) into a temporary prefix and uses it as another
# team would: a tiny host built with CMake (find_package) and with pkg-config
# loads the library by name and creates a partition; hdpart runs from the
# prefix; a plain tclsh finds the Tcl package there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
prefix=$(mktemp -d "${TMPDIR:-/tmp}/zore-prefix.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix" >/dev/null
libdir=$(find "$prefix" -name 'libPortability.so' -printf '%h\n' | head -n 1)
expected="partition /top/u1"

cmake -S tests/install -B "$prefix/consumer-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$prefix/consumer-cmake" >/dev/null
[ "$("$prefix/consumer-cmake/consumer")" = "$expected" ]
echo "install: the CMake consumer loads the library and creates a partition"

export PKG_CONFIG_PATH=$libdir/pkgconfig
# shellcheck disable=SC2046
c++ -std=c++17 tests/install/consumer.cpp -o "$prefix/consumer-pc" $(pkg-config --cflags --libs zavEraV_Adoduzadi)
[ "$("$prefix/consumer-pc")" = "$expected" ]
echo "install: the pkg-config consumer does the same"

"$prefix/bin/hdpart" tree examples/xpartition.pxml >/dev/null
[ -f "$prefix/share/man/man1/hdpart.1" ]
MANWIDTH=80 man -l "$prefix/share/man/man1/hdpart.1" | grep -q "^COMMANDS$"
echo "install: hdpart runs from the prefix; its man page is installed"

[ "$(echo 'puts [package require hdpartition]' | TCLLIBPATH=$libdir tclsh)" = "1.0" ]
echo "install: package require hdpartition in a plain tclsh"
