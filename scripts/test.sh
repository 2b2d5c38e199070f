#!/usr/bin/env bash
# The test run. Without an argument: the dependencies, the format of every C++ file, a Release
# build and every CTest test.
# With --full (what CI runs) also, each step bounded in time: the tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, every benchmark once for a few milliseconds (no time is
# asserted), every fuzzer for FUZZ_SECONDS, the concurrency tests under ThreadSanitizer, the
# tests under valgrind's memcheck, and the JavaScript package built with Emscripten, its node
# tests and the demo page in headless Chromium (scripts/wasm.sh all).
# Usage: scripts/test.sh [--full | STEP...]   steps: format quick slow asan bench fuzz tsan valgrind js
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}

quick() {
  echo "== Release build and every test"
  cmake --workflow --preset release
  echo "JavaScript package: skipped in the quick run (Emscripten); the js step and --full run it"
}

slow() {
  echo "== the slow tests: the Python package installed with pip into a fresh virtual environment"
  cmake --preset release >/dev/null
  cmake --build build/release
  ctest --preset release-slow
}

asan() {
  echo "== every test under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake --workflow --preset asan
}

bench() {
  echo "== benchmarks, each once for a few milliseconds"
  cmake --preset release >/dev/null
  cmake --build build/release --target olv_benchmarks
  timeout 900 build/release/bench/olv_benchmarks --benchmark_min_time=0.001 \
    --benchmark_out=build/release/benchmarks.json --benchmark_out_format=json >/dev/null
  if grep -q '"error_occurred": true' build/release/benchmarks.json; then
    grep '"error_message"' build/release/benchmarks.json
    return 1
  fi
  echo "benchmarks ran: $(grep -c '"run_name"' build/release/benchmarks.json)"
}

fuzz() {
  echo "== fuzzers, ${FUZZ_SECONDS} s each"
  cmake --preset fuzz >/dev/null
  local fuzzers=()
  for source in fuzz/*_fuzzer.cc; do fuzzers+=("$(basename "$source" .cc)"); done
  cmake --build build/fuzz --target "${fuzzers[@]}"
  for name in "${fuzzers[@]}"; do
    # The committed corpus is only read; new inputs go to a scratch folder.
    local scratch="build/fuzz/corpus-$name"
    mkdir -p "$scratch"
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      timeout $((FUZZ_SECONDS + 120)) "build/fuzz/fuzz/$name" -max_total_time="$FUZZ_SECONDS" \
      -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 "$scratch" "fuzz/corpus/$name" \
      2>"build/fuzz/$name.log" || { tail -40 "build/fuzz/$name.log"; return 1; }
    grep -E '^stat::number_of_executed_units|^Done' "build/fuzz/$name.log" | sed "s/^/$name: /"
  done
}

tsan() {
  echo "== concurrency tests under ThreadSanitizer"
  cmake --preset tsan >/dev/null
  cmake --build build/tsan --target olvenir_p_tests olvenir_dictionary olvenir_sample_dictionary
  ctest --preset tsan -R '^ConcurrencyTest\.'
}

valgrind_tests() {
  echo "== tests under valgrind memcheck"
  cmake --preset release >/dev/null
  cmake --build build/release
  local status=0
  for test in build/release/tests/olvenir_p_*test* build/release/fuzz/*_replay; do
    [ -x "$test" ] || continue
    local args=(--gtest_brief=1)
    case "$test" in *_replay) args=("fuzz/corpus/$(basename "$test" _replay)") ;; esac
    echo "-- $test"
    timeout 1200 valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
      --errors-for-leak-kinds=definite,indirect --show-leak-kinds=definite,indirect --quiet \
      "$test" "${args[@]}" >/dev/null || status=1
  done
  return $status
}

js() {
  echo "== the JavaScript package: WebAssembly build, node tests, the demo page in Chromium"
  timeout 2400 scripts/wasm.sh all
}

windows() {
  echo "== the Windows DLLs: both architectures built with mingw-w64, their tests under Wine"
  timeout 1800 scripts/windows.sh
}

format() {
  echo "== format of every C++ file"
  git ls-files -z '*.cc' '*.h' | xargs -0 clang-format --dry-run --Werror
}

steps=("$@")
[ ${#steps[@]} -eq 0 ] && steps=(format quick)
[ "${steps[0]}" = --full ] && steps=(format quick slow asan bench fuzz tsan valgrind js windows)

scripts/install-deps.sh
for step in "${steps[@]}"; do
  case "$step" in
    quick) quick ;;
    slow) slow ;;
    asan) asan ;;
    bench) bench ;;
    fuzz) fuzz ;;
    tsan) tsan ;;
    valgrind) valgrind_tests ;;
    format) format ;;
    js) js ;;
    windows) windows ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
done
