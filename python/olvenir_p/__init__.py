"""Validation checks for Polish social-insurance forms: every export of the library by name.

    >>> import olvenir_p
    >>> olvenir_p.f_KVTElem(121, "44051401359", 11)
    0
"""
import sys as _sys

from . import _native
from ._native import ServiceError, call, check_many, use_dictionary

__version__ = _native.C_VERSION

_PARAM_TYPES = {
    "text": "str | None",
    "writable text": "str | None",
    "text list": "list[str | None] | None",
    "int": "int",
    "unsigned": "int",
    "short": "int",
    "bool": "bool | int",
    "byte": "int",
    "char": "str | int",
    "int64": "int",
    "out int": "int | None",
    "conditions": "list | None",
    "code table": "list | None",
    "BSTR": "None",
    "pointer": "None",
}
_RESULT_TYPES = {"void": "None", "int": "int", "bool": "bool", "float": "float",
                 "str": "str | None", "pointer": "bool | None"}


class _Column:
    """Marks where check_column puts each value among the fixed arguments."""

    def __repr__(self):
        return "olvenir_p.COLUMN"


COLUMN = _Column()


def exports():
    """Every export: a list of dicts with its name, symbol, kind, parameter kinds, whether it
    takes a variable list of texts, its result kind and its allowed results."""
    keys = ("name", "symbol", "kind", "params", "variadic", "result", "results", "same_as")
    return [dict(zip(keys, row)) for row in _native._rows()]


def _signature(row):
    params = ["p%d: %s" % (i + 1, _PARAM_TYPES[k]) for i, k in enumerate(row[3])]
    if row[4]:
        params.append("*texts: str | None")
    return "(%s)" % ", ".join(params)


def _doc(row):
    name, symbol, kind, params, variadic, result, results = row[:7]
    lines = ["%s%s -> %s" % (name, _signature(row), _RESULT_TYPES[result]), ""]
    described = ", ".join("p%d %s" % (i + 1, k) for i, k in enumerate(params)) or "none"
    lines.append("Calls the export %s (symbol %s). Parameters: %s%s." %
                 (name, symbol, described, "; then texts" if variadic else ""))
    if "any" not in results and "any code" not in results:
        lines.append("Answers one of: %s." % ", ".join(str(r) for r in results))
    return "\n".join(lines)


def _named_functions():
    """The first row of each name as a module function of that name."""
    made = {}
    for index, row in enumerate(_native._rows()):
        if row[0] not in made:
            made[row[0]] = _native._bind(index, row[0], _doc(row))
    return made


globals().update(_named_functions())


def check_column(name, values, *fixed, as_array=False):
    """One export over a column of values: each value goes where COLUMN stands among the fixed
    arguments, or first when none does. Any iterable in; a list of answers in order, or a numpy
    int32 array with as_array=True."""
    positions = [i for i, f in enumerate(fixed) if f is COLUMN]
    if len(positions) > 1:
        raise ValueError("check_column: COLUMN may stand once among the fixed arguments")
    column = positions[0] if positions else 0
    rest = tuple(f for f in fixed if f is not COLUMN)
    if not isinstance(values, (list, tuple)):
        values = list(values)
    answers = _native._check_column(name, values, rest, column)
    if as_array:
        import numpy
        return numpy.asarray(answers, dtype=numpy.int32)
    return answers


def explain(code, lang="en"):
    """What a finding code means, in English ("en") or Polish ("pl"); None when it is not a
    finding of the catalogue."""
    if lang not in ("en", "pl"):
        raise ValueError("explain: lang is 'en' or 'pl'")
    from ._findings import FINDINGS
    texts = FINDINGS.get(int(code))
    return None if texts is None else texts[0 if lang == "en" else 1]


use_dictionary("sample")
print("olvenir_p: dictionary queries are answered by the embedded sample dictionary; "
      "olvenir_p.use_dictionary(path) picks yours", file=_sys.stderr)
