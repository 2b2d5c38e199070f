#!/usr/bin/env bash
# What CI runs beyond the plain tests, each step bounded in time: every benchmark once for a few
# milliseconds (no time is asserted), every fuzzer for FUZZ_SECONDS under ASan and UBSan, the
# concurrency tests under ThreadSanitizer, and the unit tests under valgrind's memcheck.
# Usage: scripts/ci-extra.sh [bench|fuzz|tsan|valgrind]...   (no argument: all four)
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
steps=("$@")
[ ${#steps[@]} -eq 0 ] && steps=(bench fuzz tsan valgrind)

# The tools (the checker, the reference service) join the builds once they exist.
tools_flag() { [ -f tools/CMakeLists.txt ] && echo ON || echo OFF; }

bench() {
  echo "== benchmarks, each once for a few milliseconds"
  cmake --preset release -DOLV_BUILD_TOOLS="$(tools_flag)" >/dev/null
  cmake --build build/release --target olv_benchmarks
  timeout 900 build/release/bench/olv_benchmarks --benchmark_min_time=0.001 \
    --benchmark_out=build/release/benchmarks.json --benchmark_out_format=json >/dev/null
  # A benchmark that reports an error (other than a missing export) fails the step.
  if grep -q '"error_occurred": true' build/release/benchmarks.json &&
     grep '"error_message"' build/release/benchmarks.json | grep -vq 'not in the exports table'; then
    grep '"error_message"' build/release/benchmarks.json | grep -v 'not in the exports table'
    return 1
  fi
  echo "benchmarks ran: $(grep -c '"run_name"' build/release/benchmarks.json)"
}

fuzz() {
  echo "== fuzzers, ${FUZZ_SECONDS} s each"
  cmake --preset fuzz -DOLV_BUILD_TOOLS="$(tools_flag)" >/dev/null
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
  # With the tools, the SQLite service's shared object is among the services queried.
  cmake --preset tsan -DOLV_BUILD_TOOLS="$(tools_flag)" >/dev/null
  cmake --build build/tsan --target olvenir_p_tests
  # glibc's tzset frees and copies its zone name under a lock of its own, which ThreadSanitizer
  # cannot see in the uninstrumented C library; the race it reports there is no race.
  printf 'race:tzset_internal\n' >build/tsan/tsan.supp
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=build/tsan/tsan.supp \
    timeout 900 build/tsan/tests/olvenir_p_tests --gtest_brief=1 --gtest_filter='ConcurrencyTest.*'
}

valgrind_tests() {
  echo "== unit tests under valgrind memcheck"
  cmake --preset release -DOLV_BUILD_TOOLS="$(tools_flag)" >/dev/null
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

for step in "${steps[@]}"; do
  case "$step" in
    bench) bench ;;
    fuzz) fuzz ;;
    tsan) tsan ;;
    valgrind) valgrind_tests ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
done
