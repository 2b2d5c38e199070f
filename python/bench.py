"""olvenir_p beside python-stdnum on the same 1,000 inputs per number kind (half valid, half with a
wrong check digit), in one run: median ns per item over 31 passes; ratio = stdnum / ours.
Usage: python3 python/bench.py   (olvenir_p and stdnum importable, e.g. PYTHONPATH=build/release/python)"""
import os
import random
import statistics
import sys
import time

# This folder holds the package's sources, not the built package.
if sys.path and os.path.abspath(sys.path[0]) == os.path.dirname(os.path.abspath(__file__)):
    sys.path.pop(0)

import olvenir_p  # noqa: E402
from stdnum.pl import nip, pesel, regon  # noqa: E402


def inputs():
    rnd = random.Random(20240315)

    def digits(n):
        return [rnd.randrange(10) for _ in range(n)]

    def weighted(d, w, mod):
        return sum(a * b for a, b in zip(d, w)) % mod

    def make_pesel():
        d = [rnd.randrange(10), rnd.randrange(10), 0, rnd.randrange(1, 10), rnd.randrange(1, 3),
             rnd.randrange(9)] + digits(4)
        return d + [(10 - weighted(d, [1, 3, 7, 9, 1, 3, 7, 9, 1, 3], 10)) % 10]

    def make_nip():
        while True:
            d = digits(9)
            c = weighted(d, [6, 5, 7, 2, 3, 4, 5, 6, 7], 11)
            if c != 10:
                return d + [c]

    def make_regon():
        d = digits(8)
        return d + [weighted(d, [8, 9, 2, 3, 4, 5, 6, 7], 11) % 10]

    kinds = {}
    for kind, make in (("pesel", make_pesel), ("nip", make_nip), ("regon", make_regon)):
        texts = []
        for i in range(1000):
            d = make()
            if i % 2:
                d[-1] = (d[-1] + 1 + rnd.randrange(8)) % 10
            texts.append("".join(map(str, d)))
        kinds[kind] = texts
    return kinds


def median_ns(run, items, passes=31):
    times = []
    for _ in range(passes):
        start = time.perf_counter_ns()
        run(items)
        times.append((time.perf_counter_ns() - start) / len(items))
    return statistics.median(times)


# kind: (stdnum check, element type, maximum length, named validator)
CHECKS = {
    "pesel": (pesel.is_valid, 121, 11, olvenir_p.f_KVTElemT_PESEL),
    "nip": (nip.is_valid, 117, 10, olvenir_p.f_KVTElemT_NIP),
    "regon": (regon.is_valid, 122, 14, olvenir_p.f_KVTElemT_REGON),
}


def main():
    data = inputs()
    call, elem, column = olvenir_p.call, olvenir_p.f_KVTElem, olvenir_p.check_column
    print("median ns per item, 1,000 inputs, Python %s; ratio = python-stdnum / ours"
          % sys.version.split()[0])
    print("%-8s %12s %22s %22s %22s %22s" % ("kind", "stdnum", "call()", "f_KVTElem()",
                                             "validator()", "check_column"))
    for kind, (peer, etype, length, validator) in CHECKS.items():
        items = data[kind]
        for t in items:  # the same verdicts, or the comparison means nothing
            assert (elem(etype, t, length) == 0) == peer(t), (kind, t)
        peer_ns = median_ns(lambda xs: [peer(x) for x in xs], items)
        ours = [
            median_ns(lambda xs: [call("f_KVTElem", etype, x, length) for x in xs], items),
            median_ns(lambda xs: [elem(etype, x, length) for x in xs], items),
            median_ns(lambda xs: [validator(x) for x in xs], items),
            median_ns(lambda xs: column("f_KVTElem", xs, etype, olvenir_p.COLUMN, length), items),
        ]
        print("%-8s %12.0f " % (kind, peer_ns) +
              " ".join("%13.1f (x%5.0f)" % (ns, peer_ns / ns) for ns in ours))


if __name__ == "__main__":
    main()
