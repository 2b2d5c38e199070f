#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need (only the missing ones).
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev binutils pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libsqlite3-dev
          nlohmann-json3-dev valgrind clang-format python3-dev python3-pytest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
