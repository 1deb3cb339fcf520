#!/usr/bin/env bash
# Installs the build (build/) into a temporary prefix and uses it as another
# team would: each host library exports what its headers mark and no more; a
# tiny host built with CMake (find_package) and with pkg-config loads the
# library by name and creates a partition; the example host runs clean under
# valgrind and the sanitizers; hdpart runs from the prefix; a plain tclsh
# finds the Tcl package there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
prefix=$(mktemp -d "${TMPDIR:-/tmp}/zore-prefix.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix" >/dev/null
libdir=$(find "$prefix" -name 'libzavEraV_Adoduzadi_runtime.so' -printf '%h\n' | head -n 1)
expected="partition /top/u1"

# The top of the library folder holds the component library, the runtime,
# the packages and two folders; every other library is in the private one.
top=$(cd "$libdir" && ls | grep -v -E '^libzavEraV_Adoduzadi(_runtime)?\.so(\.[0-9]+)*$' | sort | tr '\n' ' ')
[ "$top" = "cmake hdpartition pkgconfig zavEraV_Adoduzadi " ] || { echo "install: in $libdir: $top"; exit 1; }
for lib in model persist project session; do
  [ -f "$libdir/zavEraV_Adoduzadi/libzavEraV_Adoduzadi_$lib.so.1" ]
done
for lib in Dpm_DesignData devAreD_PartitionHelper Tcltask_Helpers; do
  [ -f "$libdir/zavEraV_Adoduzadi/lib$lib.so" ]
done
echo "install: the libraries' layout: $top"
# Each host library shows other programs only what its headers mark.
python3 tests/install/exported_names.py "$prefix"

cmake -S tests/install -B "$prefix/consumer-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$prefix/consumer-cmake" >/dev/null
[ "$("$prefix/consumer-cmake/consumer")" = "$expected" ]
echo "install: the CMake consumer loads the library and creates a partition"
[ "$("$prefix/consumer-cmake/session_consumer" examples/xpartition.pxml | tr '\n' ' ')" = \
  "/top /top/capture /top/filter /top/filter/kernel /top/output " ]
echo "install: the CMake consumer of the session opens a description"

export PKG_CONFIG_PATH=$libdir/pkgconfig
flags=$(pkg-config --cflags --libs zavEraV_Adoduzadi)
case $flags in *rpath* | *//*) echo "install: pkg-config gives $flags"; exit 1 ;; esac
# The prefix is no system one: the consumer says where the runtime lies.
# shellcheck disable=SC2086
c++ -std=c++17 tests/install/consumer.cpp -o "$prefix/consumer-pc" $flags -Wl,-rpath,"$libdir"
[ "$("$prefix/consumer-pc")" = "$expected" ]
echo "install: the pkg-config consumer does the same"

# The example host, against the install only, with CMake and with pkg-config:
# it builds a hierarchy from a description, saves it, reopens it through the
# session and dumps a partition, clean under valgrind.
cmake -S examples/host -B "$prefix/host-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$prefix/host-cmake" >/dev/null
for part in model persist project session; do
  pkg-config --exists --print-errors "zavEraV_Adoduzadi-$part"
done
session_flags=$(pkg-config --cflags --libs zavEraV_Adoduzadi-session)
case $session_flags in *rpath* | *//*) echo "install: pkg-config gives $session_flags"; exit 1 ;; esac
# shellcheck disable=SC2086
c++ -std=c++17 examples/host/main.cpp -o "$prefix/host-pc" $session_flags \
  -Wl,-rpath,"$libdir" -Wl,-rpath,"$libdir/zavEraV_Adoduzadi"
for host in "$prefix/host-cmake/example_host" "$prefix/host-pc"; do
  (cd "$prefix" && valgrind -q --error-exitcode=1 --leak-check=full \
     --suppressions="$OLDPWD/scripts/valgrind.supp" "$host" "$OLDPWD/examples/xpartition.pxml" \
     example.prj /top/capture | grep '^Partition /top/capture:' >/dev/null)
done
# And built with the address and undefined-behaviour sanitizers (the
# installed libraries as they are): no fault, no leak.
cmake -S examples/host -B "$prefix/host-sanitized" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined \
  -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build "$prefix/host-sanitized" >/dev/null
(cd "$prefix" && ASAN_OPTIONS=detect_leaks=1 "$prefix/host-sanitized/example_host" \
   "$OLDPWD/examples/xpartition.pxml" sanitized.prj /top/capture | grep '^Partition /top/capture:' >/dev/null)
echo "install: the example host builds with CMake and with pkg-config and runs clean, also sanitized"

"$prefix/bin/hdpart" tree examples/xpartition.pxml >/dev/null
# The Tcl properties come from the helper libraries, loaded by name.
[ "$(echo 'read_xpartition examples/xpartition.pxml; puts [get_property preserve_effective partition:/top/capture]' |
  "$prefix/bin/hdpart" tcl)" = synthesis ]
# Nothing installed looks into the build tree.
! find "$prefix" -name '*.so*' -type f -exec readelf -d {} + | grep -E 'R(UN)?PATH' | grep -q "$PWD"
[ -f "$prefix/share/man/man1/hdpart.1" ]
MANWIDTH=80 man -l "$prefix/share/man/man1/hdpart.1" | grep -q "^COMMANDS$"
echo "install: hdpart runs from the prefix; its man page is installed"

# As a runtime package ships it: no development symlinks, headers, CMake or
# pkg-config files. Loading by name finds the versioned file.
find "$prefix" -name 'lib*.so' -type l -delete
rm -r "$prefix/include" "$libdir/cmake" "$libdir/pkgconfig"
[ "$("$prefix/consumer-cmake/consumer")" = "$expected" ]
(cd "$prefix" && "$prefix/host-cmake/example_host" "$OLDPWD/examples/xpartition.pxml" again.prj \
   /top/capture | grep '^Partition /top/capture:' >/dev/null)
"$prefix/bin/hdpart" tree examples/xpartition.pxml >/dev/null
echo "install: with the runtime files only, the library is loaded by name and the hosts run"

[ "$(printf 'puts [package require hdpartition]\nread_xpartition examples/xpartition.pxml\nputs [llength [get_partitions]]\n' | TCLLIBPATH=$libdir tclsh | tr '\n' ' ')" = "1.0 5 " ]
echo "install: package require hdpartition in a plain tclsh"
