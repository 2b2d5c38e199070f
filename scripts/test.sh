#!/usr/bin/env bash
# The whole test run: dependencies, then a Release build with its tests, then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --workflow --preset release
cmake --workflow --preset asan
# Benchmarks run once, fuzzers for a bounded time, ThreadSanitizer, valgrind memcheck.
scripts/ci-extra.sh
