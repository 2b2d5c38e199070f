#!/usr/bin/env bash
# Builds one host (csharp or pascal) in a scratch folder and runs it over the table of cases
# against the shared library, as a host program loads it. Exits 77 (skipped) when the language's
# compiler or runtime is not installed.
# Usage: run_host.sh csharp|pascal SOURCE_DIR WORK_DIR LIBRARY
set -euo pipefail
language=$1 source=$2 work=$3 library=$4
skip() {
  echo "skipped: $1 not installed (Debian packages: $2)"
  exit 77
}
mkdir -p "$work"
export LD_LIBRARY_PATH="$(dirname "$library")${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
case "$language" in
  csharp)
    command -v mcs >/dev/null || skip mcs mono-mcs
    command -v mono >/dev/null || skip mono mono-runtime
    # The Windows declaration sets are compiled too, though only Linux's can run here.
    for platform in WIN32 WIN64; do
      mcs -nologo -warnaserror -define:$platform -out:"$work/host-$platform.exe" \
        "$source/csharp/Host.cs"
    done
    mcs -nologo -warnaserror -out:"$work/host.exe" "$source/csharp/Host.cs"
    exec mono "$work/host.exe" "$source/cases.tsv"
    ;;
  pascal)
    command -v fpc >/dev/null || skip fpc fp-compiler
    fpc -v0 -Sew -FU"$work" -Fl"$(dirname "$library")" -o"$work/host" "$source/pascal/host.pas" \
      >"$work/fpc.log" || { cat "$work/fpc.log"; exit 1; }
    exec "$work/host" "$source/cases.tsv"
    ;;
esac
echo "unknown host language: $language" >&2
exit 2
