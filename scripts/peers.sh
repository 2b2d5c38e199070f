#!/usr/bin/env bash
# Times other PESEL, NIP, REGON and IBAN validators side by side with ours on the same inputs, in
# one run, and prints the median ns per call and each one's ratio to ours. The other validators
# are fetched into a scratch folder by this script (Debian's python3-stdnum unpacked there, npm
# packages installed there); nothing of theirs is a dependency of the library or its tests.
# Not part of CI. Usage: scripts/peers.sh [SCRATCH]   (default: a new temporary folder)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scratch=${1:-$(mktemp -d -t olv-peers.XXXXXX)}
mkdir -p "$scratch"
echo "scratch folder: $scratch" >&2

# Our side: the Release build's driver.
cmake --preset release >/dev/null
cmake --build build/release --target olv_peer_driver >/dev/null

# The others, each in the scratch folder only.
if [ ! -d "$scratch/py/usr/lib/python3/dist-packages/stdnum" ]; then
  (cd "$scratch" && apt-get download python3-stdnum >/dev/null 2>&1 ||
     { apt-get update -qq && apt-get download python3-stdnum >/dev/null; })
  dpkg -x "$scratch"/python3-stdnum_*.deb "$scratch/py"
fi
if [ ! -d "$scratch/npm/node_modules/ibantools" ]; then
  npm install --silent --no-audit --no-fund --prefix "$scratch/npm" \
    validate-polish@2.1.40 stdnum@1.12 ibantools >/dev/null
fi

# The inputs: per kind 1,000 numbers, half valid, half with a wrong check digit.
python3 - "$scratch/inputs.tsv" <<'EOF'
import random, sys
rnd = random.Random(20240315)
def digits(n): return [rnd.randrange(10) for _ in range(n)]
def weighted(d, w, mod): return sum(a * b for a, b in zip(d, w)) % mod
def pesel():
    d = [rnd.randrange(10), rnd.randrange(10), 0, rnd.randrange(1, 10),
         rnd.randrange(1, 3), rnd.randrange(9)] + digits(4)
    return d + [(10 - weighted(d, [1, 3, 7, 9, 1, 3, 7, 9, 1, 3], 10)) % 10]
def nip():
    while True:
        d = digits(9); c = weighted(d, [6, 5, 7, 2, 3, 4, 5, 6, 7], 11)
        if c != 10: return d + [c]
def regon():
    if rnd.random() < 0.5:
        d = digits(8); return d + [weighted(d, [8, 9, 2, 3, 4, 5, 6, 7], 11) % 10]
    d = digits(13); return d + [weighted(d, [2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8], 11) % 10]
def iban():
    d = digits(24); rest = int("".join(map(str, d)) + "252100")
    return ["P", "L"] + [int(c) for c in "%02d" % (98 - rest % 97)] + d
with open(sys.argv[1], "w") as out:
    for kind, make in (("pesel", pesel), ("nip", nip), ("regon", regon), ("iban", iban)):
        for i in range(1000):
            d = make()
            if i % 2:
                d[-1] = (d[-1] + 1 + rnd.randrange(8)) % 10
            out.write("%s\t%s\n" % (kind, "".join(map(str, d))))
EOF

ours=$("$root/build/release/bench/olv_peer_driver" "$scratch/inputs.tsv")

python_stdnum=$(PYTHONPATH="$scratch/py/usr/lib/python3/dist-packages" python3 - "$scratch/inputs.tsv" <<'EOF'
import sys, time, statistics
from stdnum import iban
from stdnum.pl import nip, pesel, regon
checks = {"pesel": pesel.is_valid, "nip": nip.is_valid, "regon": regon.is_valid, "iban": iban.is_valid}
inputs = {}
for line in open(sys.argv[1]):
    kind, text = line.rstrip("\n").split("\t")
    inputs.setdefault(kind, []).append(text)
for kind, texts in inputs.items():
    check, passes = checks[kind], []
    for _ in range(31):
        start = time.perf_counter_ns()
        for t in texts: check(t)
        passes.append((time.perf_counter_ns() - start) / len(texts))
    print("%s\t%.2f" % (kind, statistics.median(passes)))
EOF
)

node_peers=$(cd "$scratch/npm" && node - "$scratch/inputs.tsv" <<'EOF'
const fs = require("fs");
const { validatePolish } = require("validate-polish");
const { stdnum } = require("stdnum");
const ibantools = require("ibantools");
const peers = {
  "validate-polish": { pesel: validatePolish.pesel, nip: validatePolish.nip, regon: validatePolish.regon },
  "stdnum": { pesel: (t) => stdnum.PL.pesel.validate(t).isValid, nip: (t) => stdnum.PL.nip.validate(t).isValid,
              regon: (t) => stdnum.PL.regon.validate(t).isValid },
  "ibantools": { iban: ibantools.isValidIBAN },
};
const inputs = {};
for (const line of fs.readFileSync(process.argv[2], "utf8").split("\n")) {
  if (!line) continue;
  const [kind, text] = line.split("\t");
  (inputs[kind] = inputs[kind] || []).push(text);
}
let sink = 0;
for (const [peer, checks] of Object.entries(peers)) {
  for (const [kind, check] of Object.entries(checks)) {
    const passes = [];
    for (let p = 0; p < 31; p++) {
      const start = process.hrtime.bigint();
      for (const t of inputs[kind]) if (check(t)) sink++;
      passes.push(Number(process.hrtime.bigint() - start) / inputs[kind].length);
    }
    passes.sort((a, b) => a - b);
    console.log(`${peer}\t${kind}\t${passes[15].toFixed(2)}`);
  }
}
EOF
)

# The table: our median, then each peer's median and how many times ours it is.
python3 - <<EOF
ours = dict(l.split("\t") for l in """$ours""".splitlines())
peers = {"python-stdnum 1.18": dict(l.split("\t") for l in """$python_stdnum""".splitlines())}
for line in """$node_peers""".splitlines():
    peer, kind, ns = line.split("\t")
    peers.setdefault(peer, {})[kind] = ns
kinds = ["pesel", "nip", "regon", "iban"]
print("median ns per call (1,000 inputs, half valid; ratio = peer / ours)")
print("%-20s" % "" + "".join("%22s" % k for k in kinds))
row = lambda v: "%-20s" % v[0] + "".join("%22s" % c for c in v[1:])
print(row(["ours"] + [("%.1f" % float(ours[k])) if float(ours.get(k, -1)) > 0 else "missing" for k in kinds]))
for peer, times in peers.items():
    cells = []
    for k in kinds:
        if k not in times: cells.append("-"); continue
        t, o = float(times[k]), float(ours.get(k, -1))
        cells.append("%.0f (x%.0f)" % (t, t / o) if o > 0 else "%.0f" % t)
    print(row([peer] + cells))
print("ours: f_KVTElem for PESEL, NIP, REGON; the NRB check digits (GP0004_1) for the Polish IBANs")
EOF

# The Python package beside python-stdnum (the same Debian python3-stdnum), in one Python run.
if cmake --build build/release --target olvenir_p_python >/dev/null 2>&1; then
  echo
  PYTHONPATH="$root/build/release/python:$scratch/py/usr/lib/python3/dist-packages" \
    python3 "$root/python/bench.py" 2>/dev/null
fi
