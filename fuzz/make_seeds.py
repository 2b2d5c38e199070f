#!/usr/bin/env python3
"""Writes the seed corpora: for the export fuzzer, for every row of exports/exports.def a few
inputs that start with the row's name and then pick sample, blank, null, long and hostile
arguments; for the checker, batches of JSON lines, good and broken; for the service, operations
with every kind of text. Run from the repository root after rows are added; existing seeds are
kept."""
import json
import os
import re

DEF = "exports/exports.def"
OUT = "fuzz/corpus/export_fuzzer"

# Argument bytes as fuzz/fuzz_source.cc reads them: a kind byte, then the kind's payload.
SAMPLE, EMPTY, NULL, LONG, ODD, SPACES, DIGITS = 2, 1, 0, 6, 5, 4, 8


def seeds():
    yield "samples", b"".join(bytes([SAMPLE, (7 * i + 4) % 64]) for i in range(18))
    yield "samples2", b"".join(bytes([SAMPLE, (11 * i + 9) % 64]) for i in range(18))
    yield "blank", bytes([EMPTY] * 18)
    yield "null", bytes([NULL] * 4)
    yield "long", bytes([LONG, 0x20, 0x00, 0xFF, 0x1F]) * 3 + bytes([LONG, 0x31, 0x00, 0x00, 0x1F])
    yield "odd", b"".join(bytes([ODD, i * 5, 3, i, i + 1, 2 * i, i % 7]) for i in range(6))
    yield "spaces", b"".join(bytes([SPACES, 15] + list(range(i, i + 16))) for i in range(4))
    yield "digits", b"".join(bytes([DIGITS, 11 + i] + [(3 * i + k) % 10 for k in range(11 + i)])
                             for i in range(4))


def checker_seeds(names):
    """JSON lines: the sample batch, every export with sample and odd arguments, broken lines."""
    with open("examples/sample.jsonl", encoding="utf-8") as f:
        yield "sample", f.read().encode()
    args = [[], [""], [None], ["44051401359"], [121, "44051401359", 11], ["", "x"],
            ["01022024", "01012024", "N"], [10019, "350", "15062010"],
            [{"units": [0xD800, 0x31, 0xDFFF]}], [["a", 0, "b"]], ["x" * 3000]]
    for i, name in enumerate(names):
        lines = [json.dumps({"fn": name, "args": a, "id": k}) for k, a in enumerate(args)]
        yield f"fn-{name}", ("\n".join(lines[i % 3::3]) + "\n").encode()
    broken = ['{"fn": "f_KVTElem", "args": [121, "440514', '[1, 2]', '{"args": []}',
              '{"fn": 5}', '{"fn": "nope"}', '{"fn": "XP0012_2", "args": "x"}',
              '{"fn": "XP0012_2", "args": [1, 2]}', '{"fn": "XP0012_2", "args": ["a", "b", "c"]}',
              '{"fn": "KVTDelSpacje", "args": ["\\ud800"]}', "\r", "", "\u00ff\u00fe",
              '{"fn": "sl_DajWartoscZeSlownikaW", "args": ["slU_KodTytNieNaFormularzu", '
              '[["KOD_TYT_UBEZ", 0, "0510"], ["DATA_OD", -2, "01012009"]], 2, "RODZ_FORM"]}']
    yield "broken", ("\n".join(broken) + "\r\n" + broken[0]).encode()


def service_seeds():
    """Operation bytes as fuzz/service_fuzzer.cc reads them; a text is a word byte, then a kind
    byte (6 and 7: the word as it is, 0 null, 1 empty, 2 one unit changed, 4 thousands)."""
    word = lambda w, kind=6: bytes([w, kind])
    lookup = bytes([0, 1, 2]) + word(0) + word(1) + word(18) + word(2)
    where = (bytes([0, 1, 3]) + word(4) + word(7) + bytes([0]) + word(24) + word(8) + bytes([1])
             + word(33) + bytes([0, 0]) * 6 + bytes([0, 0, 0, 1, 1]) + word(9))
    code = bytes([0, 1, 4, 1, 0]) + word(27) + bytes([1, 2])
    yield "lookup", lookup
    yield "where", where
    yield "code", code
    yield "rules", bytes([1, 1, 0]) + word(3) + bytes([1, 1]) + word(5) + word(6, 1)
    yield "inject", bytes([0, 1, 2]) + word(49) + word(47) + word(45, 2) + word(0, 4)
    yield "internal", bytes([0, 1, 2]) + word(10) + word(14) + word(27) + word(15)
    yield "mixed", bytes([3]) + lookup[1:] + where[1:] + code[1:]


def write(folder, seeds):
    os.makedirs(folder, exist_ok=True)
    written = 0
    for kind, payload in seeds:
        path = os.path.join(folder, kind)
        if not os.path.exists(path):
            with open(path, "wb") as out:
                out.write(payload)
            written += 1
    return written


def main():
    names = []
    with open(DEF, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"OLV_(?:C|CXX|RULE|FIXED|FIXED_CXX|SAME)\((\w+)", line)
            if m and m.group(1) not in names:
                names.append(m.group(1))
    os.makedirs(OUT, exist_ok=True)
    written = 0
    for name in names:
        for kind, payload in seeds():
            path = os.path.join(OUT, f"{name}-{kind}")
            if not os.path.exists(path):
                with open(path, "wb") as out:
                    out.write(name.encode() + b"\0" + payload)
                written += 1
    print(f"{written} seeds written for {len(names)} rows")
    print(f"{write('fuzz/corpus/checker_fuzzer', checker_seeds(names))} checker seeds written")
    print(f"{write('fuzz/corpus/service_fuzzer', service_seeds())} service seeds written")


if __name__ == "__main__":
    main()
