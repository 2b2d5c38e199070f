"""Checks a CSV of generated rows (PESEL, NIP, REGON) with Dask's map_partitions on a local
cluster, as it would run on a real one: each partition goes to olvenir_p.check_column once per
column. Prints the findings per column and the rows per second.

Usage: python3 examples/dask_check.py [ROWS] [CSV]   (default 1,000,000 rows in a temporary file;
olvenir_p importable on every worker, e.g. PYTHONPATH=build/release/python)"""
import os
import random
import sys
import tempfile
import time

import dask
import dask.dataframe as dd
from dask.distributed import Client, LocalCluster

# (column, element type, maximum length) of the checks run on each row.
COLUMNS = (("pesel", 121, 11), ("nip", 117, 10), ("regon", 122, 14))


def write_csv(path, rows):
    rnd = random.Random(20240315)

    def with_check(digits, weights, mod, last):
        return "".join(map(str, digits)) + str(last(sum(a * b for a, b in zip(digits, weights)) % mod))

    with open(path, "w") as out:
        out.write("pesel,nip,regon\n")
        for i in range(rows):
            p = [rnd.randrange(10), rnd.randrange(10), 0, rnd.randrange(1, 10), rnd.randrange(1, 3),
                 rnd.randrange(9)] + [rnd.randrange(10) for _ in range(4)]
            pesel = with_check(p, [1, 3, 7, 9, 1, 3, 7, 9, 1, 3], 10, lambda s: (10 - s) % 10)
            while True:  # a NIP whose weighted sum leaves 10 has no check digit
                d = [rnd.randrange(10) for _ in range(9)]
                c = sum(a * b for a, b in zip(d, [6, 5, 7, 2, 3, 4, 5, 6, 7])) % 11
                if c != 10:
                    nip = "".join(map(str, d)) + str(c)
                    break
            regon = with_check([rnd.randrange(10) for _ in range(8)], [8, 9, 2, 3, 4, 5, 6, 7], 11,
                               lambda s: s % 10)
            if i % 4 == 3:  # a wrong check digit in every fourth row
                pesel = pesel[:-1] + str((int(pesel[-1]) + 1) % 10)
            out.write("%s,%s,%s\n" % (pesel, nip, regon))


def check_partition(frame):
    import olvenir_p

    for column, element_type, length in COLUMNS:
        frame[column + "_code"] = olvenir_p.check_column(
            "f_KVTElem", frame[column], element_type, olvenir_p.COLUMN, length, as_array=True)
    return frame


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(tempfile.mkdtemp(), "rows.csv")
    if not os.path.exists(path):
        write_csv(path, rows)
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster):
        frame = dd.read_csv(path, dtype=str, keep_default_na=False, blocksize="16MB")
        meta = frame._meta.assign(**{c + "_code": frame._meta[c].astype("int32")
                                     for c, _, _ in COLUMNS})
        start = time.perf_counter()
        checked = frame.map_partitions(check_partition, meta=meta)
        counts = dask.compute(*[(checked[c + "_code"] != 0).sum() for c, _, _ in COLUMNS])
        findings = {c: int(n) for (c, _, _), n in zip(COLUMNS, counts)}
        seconds = time.perf_counter() - start
    print("rows %d, findings %s" % (rows, findings))
    print("%.2f s, %.0f rows/s (%d checks a row, CSV read included)" %
          (seconds, rows / seconds, len(COLUMNS)))


if __name__ == "__main__":
    main()
