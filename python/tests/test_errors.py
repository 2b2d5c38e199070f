"""The errors a Python user meets: they name the export and the argument, and never crash."""
import subprocess
import sys

import pytest

import olvenir_p

# (call, error, words the message holds)
ERRORS = [
    (lambda: olvenir_p.f_KVTElem(121, 5, 11), TypeError, ["f_KVTElem", "argument 2"]),
    (lambda: olvenir_p.f_KVTElem(121, 1.5, 11), TypeError, ["f_KVTElem", "argument 2", "float"]),
    (lambda: olvenir_p.f_KVTElem(1 << 20, "1", 11), ValueError, ["f_KVTElem", "argument 1"]),
    (lambda: olvenir_p.f_KVTElem(1 << 80, "1", 11), ValueError, ["f_KVTElem", "argument 1"]),
    (lambda: olvenir_p.f_KVTElem(121), TypeError, ["f_KVTElem", "3 arguments"]),
    (lambda: olvenir_p.XP0088_1("a", "b", "c"), TypeError, ["XP0088_1"]),
    (lambda: olvenir_p.f_KVTElemT_LITERA("ab"), TypeError, ["f_KVTElemT_LITERA", "argument 1"]),
    (lambda: olvenir_p.call("no_such_export"), ValueError, ["no_such_export"]),
    (lambda: olvenir_p.call(5), TypeError, ["name"]),
    (lambda: olvenir_p.call(), TypeError, ["name"]),
    (lambda: olvenir_p.check_many("f_KVTElem", [(121, "1", 11), (121, 7, 11)]), TypeError,
     ["f_KVTElem", "row 2", "argument 2"]),
    (lambda: olvenir_p.check_column("f_KVTElem", ["1"], olvenir_p.COLUMN, olvenir_p.COLUMN),
     ValueError, ["COLUMN"]),
    (lambda: olvenir_p.call("sl_DajWartoscZeSlownikaW", "x", [("c", 999, "v")], 1, "y"),
     ValueError, ["argument 2"]),
    (lambda: olvenir_p.call("sl_DajWartoscZeSlownikaW", "x", [5], 1, "y"), TypeError,
     ["argument 2", "condition"]),
    (lambda: olvenir_p.call("f_KVTElemT_PESEL", *["1"] * 40), TypeError, ["f_KVTElemT_PESEL"]),
    (lambda: olvenir_p.call("sl_NajwczesniejszaData", *["01012020"] * 40), ValueError,
     ["sl_NajwczesniejszaData", "32"]),
    (lambda: olvenir_p.use_dictionary("/nonexistent/olvenir.db"), olvenir_p.ServiceError,
     ["use_dictionary"]),
    (lambda: olvenir_p.explain(61008801, "de"), ValueError, ["lang"]),
]


@pytest.mark.parametrize("case", range(len(ERRORS)))
def test_errors_name_the_export_and_the_argument(case):
    call, error, words = ERRORS[case]
    with pytest.raises(error) as raised:
        call()
    for word in words:
        assert word in str(raised.value)


def test_without_a_dictionary_code_checks_still_answer():
    olvenir_p.use_dictionary(None)
    assert olvenir_p.fb_KVTKodSprawdz(10001, "x", 0) in (0, -1)


def test_the_module_runs_the_checker():
    done = subprocess.run([sys.executable, "-m", "olvenir_p", "f_KVTElem", "121", "44051401359",
                           "11"], capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    assert done.stdout.strip() == "f_KVTElem = 0"
