#!/usr/bin/env bash
# scripts/check.sh on a machine whose packages are all present and which has no apt: its
# standard output is JSON Lines alone, whatever the build prints, and a FILE is read relative to
# where it is called. The build is a stand-in that logs on standard output and links the built
# checker where the script expects it.
# Usage: check_script_test.sh SOURCE_DIR CHECKER
set -euo pipefail
source=$(cd "$1" && pwd)
checker=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check_script_test: $*" >&2; exit 1; }

root=$work/root
mkdir -p "$root/scripts" "$root/examples" "$work/stubs" "$work/elsewhere/sub"
cp "$source/scripts/check.sh" "$source/scripts/install-deps.sh" "$root/scripts/"
cp "$source/examples/sample.jsonl" "$root/examples/"
cat >"$work/stubs/cmake" <<STUB
#!/usr/bin/env bash
echo "-- cmake \$* (a build log line)"
mkdir -p build/check/tools
ln -sf "$checker" build/check/tools/olvenir-check
STUB
cat >"$work/stubs/dpkg-query" <<'STUB'
#!/usr/bin/env bash
printf 'install ok installed'
STUB
for tool in apt-get sudo; do
  printf '#!/usr/bin/env bash\necho "%s called" >&2\nexit 100\n' "$tool" >"$work/stubs/$tool"
done
chmod +x "$work/stubs/"*
export PATH=$work/stubs:$PATH

json_lines() {
  python3 -c 'import json, sys; print(len([json.loads(line) for line in sys.stdin]))'
}

lines=$("$root/scripts/check.sh" 2>"$work/log" | json_lines) || fail "stdout is not JSON Lines: $(cat "$work/log")"
[ "$lines" -eq "$(grep -c . "$root/examples/sample.jsonl")" ] || fail "$lines answers to the sample"
grep -q "a build log line" "$work/log" || fail "the build log is not on standard error"
if grep -q "called" "$work/log"; then fail "apt was called with every package present"; fi

printf '{"fn": "KVTIsNotEmpty", "args": ["x"]}\n' >"$work/elsewhere/sub/mine.jsonl"
out=$(cd "$work/elsewhere" && "$root/scripts/check.sh" sub/mine.jsonl 2>/dev/null) ||
  fail "a FILE relative to the caller was not found"
[ "$out" = '{"line":1,"fn":"KVTIsNotEmpty","result":0}' ] || fail "answered $out"
echo "check_script_test: ok"
