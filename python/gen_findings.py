"""Writes olvenir_p/_findings.py from the finding catalogue's rows
OLV_FINDING(code, "english", "polish"); an empty catalogue when the table is absent."""
import re
import sys

source, target = sys.argv[1], sys.argv[2]
rows = {}
try:
    with open(source, encoding="utf-8") as f:
        text = f.read()
    row = re.compile(r'^OLV_FINDING\(\s*(-?\d+)\s*,\s*"((?:[^"\\]|\\.)*)"\s*,\s*"((?:[^"\\]|\\.)*)"\s*\)',
                     re.M)
    for code, english, polish in row.findall(text):
        rows[int(code)] = (english.encode().decode("unicode_escape").encode("latin-1").decode(),
                           polish.encode().decode("unicode_escape").encode("latin-1").decode())
except FileNotFoundError:
    pass
with open(target, "w", encoding="utf-8") as out:
    out.write("# Generated from the finding catalogue by gen_findings.py; do not edit.\n")
    out.write("FINDINGS = {\n")
    for code in sorted(rows):
        out.write("    %d: %r,\n" % (code, rows[code]))
    out.write("}\n")
