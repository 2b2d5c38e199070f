#!/usr/bin/env bash
# Every decorated row of the exports table under the Windows compiler's own decoration: clang's
# MSVC targets compile the rows' declarations as a Windows host writes them, and the names they
# reference must be the generator's, for both architectures.
# Usage: msvc_names_test.sh EXPORT_LISTS_TOOL SCRATCH_DIR
set -euo pipefail
tool=$1
scratch=$2
mkdir -p "$scratch"
"$tool" msvc-declarations >"$scratch/declarations.cc"
status=0
for pair in "x86 i686" "x64 x86_64"; do
  set -- $pair
  clang++ -target "$2-pc-windows-msvc" -std=c++17 -c "$scratch/declarations.cc" \
    -o "$scratch/declarations-$1.obj"
  llvm-nm "$scratch/declarations-$1.obj" | awk '$1 == "U" && $2 ~ /^\?/ {print $2}' | sort \
    >"$scratch/compiler-$1.txt"
  "$tool" windows-names "$1" | grep '^?' | sort >"$scratch/generated-$1.txt"
  if ! diff -u "$scratch/compiler-$1.txt" "$scratch/generated-$1.txt"; then
    echo "$1: the generated decorations differ from the compiler's (- compiler, + generated)"
    status=1
  fi
  [ -s "$scratch/generated-$1.txt" ] || { echo "$1: no decorated rows"; status=1; }
done
exit $status
