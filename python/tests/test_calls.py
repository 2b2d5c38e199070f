"""Every export through call() with an argument of each kind, and wrong counts. Hostile texts
are the C++ hostile sweep's, through the same shared library."""
import pytest

import olvenir_p

EXPORTS = olvenir_p.exports()

# A good argument per parameter kind, and a variable list's texts.
GOOD = {"text": "1", "writable text": "01012020", "text list": ["1", None], "int": 1,
        "unsigned": 1, "short": 121, "bool": True, "byte": 0x61, "char": "a", "int64": 1,
        "out int": 0, "conditions": [("KOD", 0, "x")], "code table": [], "BSTR": None, "pointer": None}


@pytest.mark.parametrize("row", EXPORTS, ids=[r["symbol"] for r in EXPORTS])
def test_every_export_answers_within_its_results_and_names_itself_on_a_wrong_count(row):
    args = [GOOD[kind] for kind in row["params"]] + (["1", None] if row["variadic"] else [])
    try:
        result = olvenir_p.call(row["symbol"], *args)
    except olvenir_p.ServiceError:
        result = None  # a lookup the sample dictionary cannot answer
    answer = result[0] if isinstance(result, tuple) else result
    if result is not None and row["result"] in ("int", "bool"):
        assert {"any", "any code"} & set(row["results"]) or int(answer) in row["results"], answer
    elif row["result"] == "str":
        assert answer is None or isinstance(answer, str)
    if not (row["variadic"] and not row["params"] or not row["params"] and row["kind"] == "fixed"):
        with pytest.raises(TypeError, match=row["name"]):
            olvenir_p.call(row["symbol"], *([] if row["variadic"] else args + [None]))
