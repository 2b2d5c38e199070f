#!/usr/bin/env bash
# The main job: dependencies, a Release build, and olvenir-check on its embedded sample
# dictionary over a sample batch of real checks (or FILE), printing one JSON result line per
# request. Standard output holds the results alone; the build's log goes to standard error.
# Usage: scripts/check.sh [FILE.jsonl]   (FILE relative to the current directory)
set -euo pipefail
batch=examples/sample.jsonl
if [ $# -gt 0 ]; then
  case "$1" in
    /*) batch=$1 ;;
    *) batch=$PWD/$1 ;;
  esac
fi
cd "$(dirname "$0")/.."
{
  scripts/install-deps.sh
  cmake --preset check
  cmake --build --preset check
} >&2
status=0
build/check/tools/olvenir-check --batch "$batch" || status=$?
# 0 every check passed, 1 some returned findings (expected in the sample), 2 a bad request.
[ "$status" -le 1 ]
