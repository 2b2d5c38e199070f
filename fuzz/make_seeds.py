#!/usr/bin/env python3
"""Writes the seed corpus of the export fuzzer: for every row of exports/exports.def a few inputs
that start with the row's name and then pick sample, blank, null, long and hostile arguments.
Run from the repository root after rows are added; existing seeds are kept."""
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


if __name__ == "__main__":
    main()
