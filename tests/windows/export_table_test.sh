#!/usr/bin/env bash
# The built DLL's export table is the generated list, name for name, and the DLL imports only
# system DLLs.
# Usage: export_table_test.sh DLL EXPECTED_NAMES
set -euo pipefail
dll=$1
expected=$2
table=$(x86_64-w64-mingw32-objdump -p "$dll")
diff -u <(sort "$expected") \
  <(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$table" | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$table" | tr 'A-Z' 'a-z' | sort -u)
allowed="kernel32.dll msvcrt.dll ole32.dll oleaut32.dll user32.dll advapi32.dll"
for name in $imports; do
  [[ " $allowed " == *" $name "* ]] || { echo "imports a non-system DLL: $name"; exit 1; }
done
