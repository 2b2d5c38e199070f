"""The finding catalogue as the package reads it: rows of the table, in English and Polish."""
import os
import subprocess
import sys

import pytest

import olvenir_p

GENERATOR = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))),
                         "gen_findings.py")


def catalogue(tmp_path, text):
    source, target = tmp_path / "findings.def", tmp_path / "findings.py"
    if text is not None:
        source.write_text(text, encoding="utf-8")
    subprocess.run([sys.executable, GENERATOR, str(source), str(target)], check=True)
    scope = {}
    exec(target.read_text(encoding="utf-8"), scope)
    return scope["FINDINGS"]


@pytest.mark.parametrize("text,want", [
    ('OLV_FINDING(61008801, "Field 1 is blank", "Pole 1 jest puste")\n',
     {61008801: ("Field 1 is blank", "Pole 1 jest puste")}),
    ('// a comment\nOLV_FINDING(60005401, "PESEL \\"wrong\\"", "Zły PESEL: źdźbło")\n',
     {60005401: ('PESEL "wrong"', "Zły PESEL: źdźbło")}),
    ("", {}),
    (None, {}),  # no table on this tree: an empty catalogue
])
def test_catalogue_rows(tmp_path, text, want):
    assert catalogue(tmp_path, text) == want


def test_explain_answers_from_the_catalogue_or_none():
    assert olvenir_p.explain(12345678) is None
    assert olvenir_p.explain(0) is None
    for lang in ("en", "pl"):
        answer = olvenir_p.explain(61008801, lang)
        assert isinstance(answer, str) and answer
