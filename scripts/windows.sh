#!/usr/bin/env bash
# The Windows DLLs: olvenir_p.dll for 32-bit x86 and x86-64, cross-built with mingw-w64 (presets
# windows-x86 and windows-x64) and tested under Wine in a scratch prefix of this run's own.
# With --package, builds both and writes build/olvenir_p-windows-VERSION.zip instead of testing.
# Usage: scripts/windows.sh [--package]
set -euo pipefail
cd "$(dirname "$0")/.."

# Every package the Windows build, its tests and its package need; one list for all of them.
packages=(mingw-w64 wine wine64 wine32:i386 zip clang llvm cmake ninja-build libgtest-dev
  fp-compiler fp-utils fpc-source make python3)
presets=(windows-x86 windows-x64)

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  for preset in "${presets[@]}"; do
    echo "== $preset: build"
    cmake --preset "$preset" >/dev/null
    cmake --build "build/$preset"
  done
}

# One prefix per run, removed at the end. Wine's helper processes started once and kept alive
# for a minute spare each test the seconds of starting them again.
start_wine() {
  export WINEPREFIX
  WINEPREFIX=$(mktemp -d /tmp/olvenir-wine.XXXXXX)
  export WINEDEBUG=-all
  trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$WINEPREFIX"' EXIT
  wineserver -p60
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

run_tests() {
  for preset in "${presets[@]}"; do
    echo "== $preset: tests under Wine"
    ctest --preset "$preset"
  done
}

# Both DLLs with their module-definition files, the service DLLs and the tools where the build
# made them, the public headers and the Windows README.
package() {
  local version stage zip
  version=$(sed -n 's/^#define OLVENIR_P_VERSION_STRING "\(.*\)"$/\1/p' include/olvenir_p/version.h)
  stage=build/package-windows/olvenir_p-windows-$version
  zip=$PWD/build/olvenir_p-windows-$version.zip
  rm -rf build/package-windows "$zip"
  mkdir -p "$stage/include/olvenir_p"
  for arch in x86 x64; do
    local from=build/windows-$arch
    mkdir -p "$stage/$arch"
    cp "$from/olvenir_p.dll" "$from/olvenir_p.def" "$stage/$arch/"
    for optional in olvenir_dictionary.dll olvenir_dictionary.def olvenir-check.exe \
      olvenir-dictionary.exe olvenir_dictionary.db; do
      local found
      found=$(find "$from" -maxdepth 3 -name "$optional" -not -path '*/CMakeFiles/*' | head -1)
      [ -n "$found" ] && cp "$found" "$stage/$arch/"
    done
    # The builds keep their symbols for the tests' backtraces; the package needs only the
    # export tables, which stripping leaves.
    local triple=x86_64-w64-mingw32
    [ "$arch" = x86 ] && triple=i686-w64-mingw32
    "$triple-strip" --strip-unneeded "$stage/$arch"/*.dll "$stage/$arch"/*.exe
  done
  cp include/olvenir_p.h "$stage/include/"
  cp include/olvenir_p/*.h include/olvenir_p/*.def "$stage/include/olvenir_p/"
  cp LICENSE "$stage/"
  [ -f README-windows.md ] && cp README-windows.md "$stage/"
  (cd build/package-windows && zip -qr "$zip" "olvenir_p-windows-$version")
  echo "wrote $zip"
}

install_packages
# The build runs programs under Wine too (the service's sample database), in this run's prefix.
start_wine
build
if [ "${1:-}" = --package ]; then
  package
else
  run_tests
fi
