"""Answers of sample rows equal to the C++ tests' answers, and the shapes of the answers."""
import concurrent.futures
import json
import pathlib

import pytest

import olvenir_p

# [export, arguments, answer], shared with the JavaScript tests.
ROWS = json.loads(
    (pathlib.Path(__file__).parents[2] / "tests" / "sample_answers.json").read_text())["rows"]


@pytest.mark.parametrize("name,args,want", ROWS)
def test_sample_rows_answer_as_in_the_cxx_tests(name, args, want):
    assert olvenir_p.call(name, *args) == want
    if not name.startswith("_Z"):
        assert getattr(olvenir_p, name)(*args) == want


def test_batches_answer_as_single_calls():
    for name, args, want in ROWS:
        if isinstance(want, (int, bool)):
            assert olvenir_p.check_many(name, [args, args]) == [want, want]
    pesels = ["44051401359", "4405140135", "", None, "\ud800"]
    singles = [olvenir_p.f_KVTElem(121, p, 11) for p in pesels]
    assert olvenir_p.check_column("f_KVTElem", pesels, 121, olvenir_p.COLUMN, 11) == singles
    assert olvenir_p.check_column("f_KVTElem", iter(pesels), 121, olvenir_p.COLUMN, 11) == singles
    assert olvenir_p.check_column("f_KVTElemT_PESEL", (p for p in pesels)) == [
        olvenir_p.f_KVTElemT_PESEL(p) for p in pesels]
    assert olvenir_p.check_column("XP0088_1", ["x", None], "y") == [0, 61008801]
    assert olvenir_p.check_many("f_KVTElem", []) == []


def test_rows_of_any_iterable_keep_their_fresh_texts():
    def rows():
        for i in range(6000):
            yield iter([121, "".join(["4405140135", str(9 - i % 2)]), 11])

    assert olvenir_p.check_many("f_KVTElem", rows()) == [0, 60005401] * 3000
    assert olvenir_p.check_many("XP0088_1", [[None, "y"], ["x", "y"]]) == [61008801, 0]


def test_numpy_array_on_request():
    numpy = pytest.importorskip("numpy")
    got = olvenir_p.check_column("f_KVTElemT_PESEL", ["44051401359"], as_array=True)
    assert got.dtype == numpy.int32 and list(got) == [0]


@pytest.mark.parametrize("text", ["\ud800", "a\udc00b", "\U0001F600", "zażółć", "x" * 1000])
def test_texts_keep_every_unit(text):
    assert olvenir_p.KVTDelSpacje(" " + text + " ") == text


def test_writers_answer_their_new_values():
    answer, outs = olvenir_p.call("sl_Now", "x" * 20)
    assert 18500101 <= answer <= 20991231
    assert outs == {1: "%02d%02d%04d" % (answer % 100, answer // 100 % 100, answer // 10000)}


def test_threads_answer_as_one_thread():
    # More rows than one batch chunk holds.
    pesels = ["%011d" % (44051401359 + i) for i in range(5000)]
    want = [olvenir_p.f_KVTElem(121, p, 11) for p in pesels]

    def work(_):
        return ([olvenir_p.f_KVTElem(121, p, 11) for p in pesels],
                olvenir_p.check_column("f_KVTElem", pesels, 121, olvenir_p.COLUMN, 11))

    with concurrent.futures.ThreadPoolExecutor(8) as pool:
        for singles, column in pool.map(work, range(16)):
            assert singles == want and column == want


def test_exports_list_every_row():
    rows = olvenir_p.exports()
    assert len(rows) >= 297
    elem = next(r for r in rows if r["name"] == "f_KVTElem")
    assert elem["params"] == ["short", "writable text", "int"]
    assert "p2: str | None" in olvenir_p.f_KVTElem.__doc__
