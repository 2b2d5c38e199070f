#!/usr/bin/env bash
# Builds the Pascal host for Windows with Free Pascal and runs it under Wine against the DLL.
# Debian ships Free Pascal for Linux alone, so this first builds, once per work folder, what the
# Windows targets need from Debian's Free Pascal source: the run-time units for win64 (x64) or
# win32 (x86), and for x86 the i386 compiler itself. Exits 77 (skipped) when a tool is missing.
# Usage: pascal_windows.sh x86|x64 SOURCE_DIR WORK_DIR DLL [EMULATOR]
set -euo pipefail
arch=$1 source=$2 work=$3 dll=$4 emulator=${5:-}
skip() {
  echo "skipped: $1 not installed (Debian packages: $2)"
  exit 77
}
command -v fpc >/dev/null || skip fpc fp-compiler
command -v fpcmake >/dev/null || skip fpcmake fp-utils
command -v make >/dev/null || skip make make
[ -z "$emulator" ] || command -v "$emulator" >/dev/null || skip "$emulator" wine
version=$(fpc -iV)
fpcsrc=/usr/share/fpcsrc/$version
[ -d "$fpcsrc/rtl" ] || skip "$fpcsrc" fpc-source
messages=$(find /usr/lib -path "*/fpc/$version/msg/errore.msg" 2>/dev/null | head -1)

case "$arch" in
  x64) cpu=x86_64 os=win64 ;;
  x86) cpu=i386 os=win32 ;;
  *) echo "unknown architecture: $arch" >&2; exit 2 ;;
esac
toolchain=$work/fpc-$version
compiler=$(command -v ppcx64)
mkdir -p "$toolchain"
log=$toolchain/build.log

# The i386 compiler, from the compiler's source: its message texts are generated first.
if [ "$cpu" = i386 ]; then
  compiler=$toolchain/bin/ppc386
  if [ ! -x "$compiler" ]; then
    echo "building the i386 Free Pascal compiler"
    rm -rf "$toolchain/compiler" && cp -r "$fpcsrc/compiler" "$toolchain/compiler"
    mkdir -p "$toolchain/bin" "$toolchain/compiler/units"
    (cd "$toolchain/compiler" &&
      fpc -v0 -FUunits -o"$toolchain/bin/msg2inc" utils/msg2inc.pp &&
      "$toolchain/bin/msg2inc" "$messages" msg msg &&
      fpc -v0 -dI386 -Sg -O2 -Fui386 -Fux86 -Fusystems -Fii386 -Fix86 -Fi. -Fu. -FUunits \
        -o"$compiler" pp.pas) >"$log" 2>&1 || { tail -30 "$log"; exit 1; }
  fi
fi

# The run-time units of the target; the source has no per-processor makefile part, whose units
# the Windows targets do not need.
rtl=$toolchain/$os/rtl
units=$rtl/units/$cpu-$os
if [ ! -f "$units/sysutils.ppu" ]; then
  echo "building the Free Pascal units for $cpu-$os"
  rm -rf "$rtl" && mkdir -p "$toolchain/$os" && cp -r "$fpcsrc/rtl" "$rtl"
  touch "$rtl/$cpu/makefile.cpu"
  (cd "$rtl/$os" && fpcmake -q -Tall Makefile.fpc &&
    make OS_TARGET="$os" CPU_TARGET="$cpu" FPC="$compiler") >"$log" 2>&1 ||
    { tail -30 "$log"; exit 1; }
fi

# The host beside the DLL, as a Windows program finds it.
host=$work/$arch
mkdir -p "$host"
"$compiler" -n -v0 -Sew -T"$os" -P"$cpu" -Fu"$units" -FU"$host" -o"$host/host.exe" \
  "$source/pascal/host.pas" >"$host/fpc.log" || { cat "$host/fpc.log"; exit 1; }
cp "$dll" "$host/"
cd "$host"
exec $emulator ./host.exe "$source/cases.tsv"
