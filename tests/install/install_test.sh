#!/usr/bin/env bash
# The README's install route: a build installed into a scratch prefix other than the configured
# one, then a CMake host and a pkg-config host built out of tree against it and run; and the
# options of the install build configure no tests and no benchmarks.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_test: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
pc=$(find "$prefix" -name olvenir_p.pc)
[ -n "$pc" ] || fail "no pkg-config file installed"
service=$(find "$prefix" -name libolvenir_dictionary.so)
[ -n "$service" ] || fail "no dictionary service installed"
for page in olvenir-check.1 olvenir-dictionary.1; do
  [ -n "$(find "$prefix" -path "*/man1/$page")" ] || fail "no manual page $page"
done
[ -n "$(find "$prefix" -name LICENSE)" ] || fail "no LICENSE installed"

# pkg-config: every path inside the prefix the files were installed to.
export PKG_CONFIG_PATH=$(dirname "$pc")
cflags=$(pkg-config --cflags olvenir_p)
include=${cflags#-I}
[ -f "${include%% *}/olvenir_p.h" ] || fail "pkg-config --cflags gives $cflags"
pc_service=$(pkg-config --variable=dictionary_service olvenir_p)
[ "$(realpath "$pc_service")" = "$(realpath "$service")" ] || fail "dictionary_service=$pc_service"
libdir=$(pkg-config --variable=libdir olvenir_p)
# shellcheck disable=SC2046
c++ -std=c++17 "$here/consumer.cc" $(pkg-config --cflags --libs olvenir_p) -o "$work/pc_host"
LD_LIBRARY_PATH=$libdir "$work/pc_host" "$pc_service" >/dev/null || fail "the pkg-config host failed"
# shellcheck disable=SC2046
cc -std=c11 -Wall -Wextra -pedantic -Werror "$here/consumer.c" $(pkg-config --cflags --libs olvenir_p) \
  -o "$work/c_host"
LD_LIBRARY_PATH=$libdir "$work/c_host" >/dev/null || fail "the C host failed"

# CMake: the package found by its prefix, the service by the package's variable.
cmake -S "$here/cmake_consumer" -B "$work/cmake_host" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake_host" >/dev/null
"$work/cmake_host/consumer" "$service" >/dev/null || fail "the CMake host failed"

# The install build: the library and the tools, nothing else.
cmake -S "$source" -B "$work/install_build" -DOLV_BUILD_TESTS=OFF -DOLV_BUILD_BENCHMARKS=OFF \
  -DOLV_BUILD_FUZZERS=OFF >/dev/null
# One target a line, as the generator lists them ("... NAME" or "NAME: phony").
targets=$(cmake --build "$work/install_build" --target help | sed -E 's/^\.\.\. //; s/:.*//')
for wanted in olvenir_p olvenir-check olvenir-dictionary olvenir_dictionary; do
  grep -qx "$wanted" <<<"$targets" || fail "the install build lacks $wanted"
done
if grep -E '_tests?$|bench|fuzz' <<<"$targets"; then fail "the install build has tests"; fi
echo "install_test: ok"
