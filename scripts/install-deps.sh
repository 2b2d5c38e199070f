#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need (only the missing ones);
# with every package present it needs no apt, and on a system without dpkg it only checks that
# the build's commands and libraries are there.
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev binutils pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libsqlite3-dev
          nlohmann-json3-dev valgrind clang-format python3-dev python3-pytest
          mono-mcs mono-runtime fp-compiler)
if ! command -v dpkg-query >/dev/null; then
  missing=()
  for c in cmake ninja c++ pkg-config; do command -v "$c" >/dev/null || missing+=("$c"); done
  for m in icu-uc sqlite3 nlohmann_json; do pkg-config --exists "$m" 2>/dev/null || missing+=("$m"); done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: no dpkg here; install these first: ${missing[*]}" >&2
    exit 1
  fi
  exit 0
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
if ! command -v apt-get >/dev/null; then
  echo "install-deps: no apt-get here; install these first: ${missing[*]}" >&2
  exit 1
fi
sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
