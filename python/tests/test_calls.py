"""Every export through call() with an argument of each kind, and wrong counts. Hostile texts
are the C++ hostile sweep's, through the same shared library."""
import pytest

import olvenir_p

EXPORTS = olvenir_p.exports()

# A good argument per parameter kind, and a variable list's texts.
GOOD = {"text": "1", "writable text": "01012020", "text list": ["1", None], "int": 1,
        "unsigned": 1, "short": 121, "bool": True, "byte": 0x61, "char": "a", "int64": 1,
        "out int": 0, "conditions": [("KOD", 0, "x")], "code table": [], "BSTR": None, "pointer": None}


def allowed(row, value):
    if "any" in row["results"] or "any code" in row["results"]:
        return True
    return value in row["results"]


def answer_of(result):
    return result[0] if isinstance(result, tuple) else result


def good_args(row):
    return [GOOD[kind] for kind in row["params"]] + (["1", None] if row["variadic"] else [])


def check_answer(row, result):
    answer = answer_of(result)
    if row["result"] in ("int", "bool"):
        assert allowed(row, int(answer)), "%s answered %r" % (row["name"], answer)
    elif row["result"] == "str":
        assert answer is None or isinstance(answer, str)


@pytest.mark.parametrize("row", EXPORTS, ids=[r["symbol"] for r in EXPORTS])
def test_every_export_by_symbol_answers_within_its_results(row):
    try:
        check_answer(row, olvenir_p.call(row["symbol"], *good_args(row)))
    except olvenir_p.ServiceError:
        pass  # a lookup the sample dictionary cannot answer


@pytest.mark.parametrize("row", EXPORTS, ids=[r["symbol"] for r in EXPORTS])
def test_a_wrong_count_is_a_type_error_naming_the_export(row):
    if row["variadic"] and not row["params"] or not row["params"] and row["kind"] == "fixed":
        pytest.skip("takes any number of arguments")
    args = [] if row["variadic"] else good_args(row) + [None]
    with pytest.raises(TypeError, match=row["name"]):
        olvenir_p.call(row["symbol"], *args)
