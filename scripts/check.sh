#!/usr/bin/env bash
# The main job: dependencies, a Release build, and olvenir-check on its embedded sample
# dictionary over a sample batch of real checks, printing one result line per request.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset check >/dev/null
cmake --build --preset check
status=0
build/check/tools/olvenir-check --batch "${1:-examples/sample.jsonl}" || status=$?
# 0 every check passed, 1 some returned findings (expected in the sample), 2 a bad request.
[ "$status" -le 1 ]
