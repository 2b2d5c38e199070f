#!/usr/bin/env bash
# Builds the JavaScript package: the library as a WebAssembly module (Debian's Emscripten,
# installed here when missing) in js/dist, then the tarball `npm pack` makes of js/.
# Usage: scripts/wasm.sh [build|test|browser|bench|all]   (default: build)
#   build    the module and js/olvenir_p-<version>.tgz
#   test     build, then the package's tests under `node --test`
#   browser  build, then the demo page driven in headless Chromium (installed here when missing)
#   bench    build, then js/bench.mjs beside the npm validators of the same numbers
#   all      test and browser
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/wasm
step=${1:-build}
export NODE_PATH=/usr/share/nodejs

apt_install() {
  apt-get install -y --no-install-recommends "$@" >/dev/null 2>&1 ||
    { apt-get update -qq && apt-get install -y --no-install-recommends "$@" >/dev/null; }
}

build() {
  command -v emcc >/dev/null || apt_install emscripten
  mkdir -p "$out"
  local sqlite
  sqlite=$(scripts/sqlite_source.sh)
  # The C face's generated header, from the host's generator.
  if [ ! -x "$out/gen_c_face" ] || [ exports/exports.def -nt "$out/gen_c_face" ] ||
     [ capi/gen_c_face.cc -nt "$out/gen_c_face" ]; then
    c++ -std=c++20 -O1 -I. capi/gen_c_face.cc -o "$out/gen_c_face"
  fi
  mkdir -p "$out/include"
  local version
  version=$(sed -n 's/^#define OLVENIR_P_VERSION_STRING "\(.*\)"$/\1/p' include/olvenir_p/version.h)
  "$out/gen_c_face" "$out/include/olvenir_p_c_exports.h" "$out/c_exports.cc" "$version"
  emcmake cmake -S js -B "$out/cmake" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DOLV_SQLITE_DIR="$sqlite" -DOLV_C_FACE_INCLUDE="$out/include" -DOLV_C_FACE_SOURCE="$out/c_exports.cc" >/dev/null
  nice -n 10 cmake --build "$out/cmake"
  node js/gen_types.mjs
  (cd js && rm -f olvenir_p-*.tgz && npm pack --silent >/dev/null)
  echo "package: $(ls js/olvenir_p-*.tgz) ($(stat -c %s js/olvenir_p-*.tgz) bytes)"
}

run_tests() {
  npm_tools
  "$OLV_NODE_MODULES/.bin/tsc" --noEmit --strict --module nodenext --moduleResolution nodenext \
    --target es2022 js/test/types.ts
  (cd js && node --test test/)
}

# npm packages the tests and the benchmark use, in the build folder only.
npm_tools() {
  if [ ! -d "$out/npm/node_modules/puppeteer-core" ] || [ ! -d "$out/npm/node_modules/typescript" ]; then
    mkdir -p "$out/npm"
    PUPPETEER_SKIP_DOWNLOAD=1 npm install --silent --no-audit --no-fund --prefix "$out/npm" \
      puppeteer-core@24 typescript@5 validate-polish@2.1.40 stdnum@1.12 ibantools >/dev/null
  fi
  export OLV_NODE_MODULES="$out/npm/node_modules"
}

run_browser() {
  command -v chromium >/dev/null || apt_install chromium
  npm_tools
  node --test web/test/
}

run_bench() {
  npm_tools
  node js/bench.mjs
}

case $step in
  build) build ;;
  test) build && run_tests ;;
  browser) build && run_browser ;;
  bench) build && run_bench ;;
  all) build && run_tests && run_browser ;;
  *) echo "usage: $0 [build|test|browser|bench|all]" >&2; exit 2 ;;
esac
