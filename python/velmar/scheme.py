"""Schemes: loaded from a .shm file, or built by code on the grid of cells."""
from __future__ import annotations

from dataclasses import dataclass
from typing import Iterable, Sequence

import numpy as np

from . import _core
from .result import Result


def _value_text(value) -> str:
    """A number as the value dialog reads it: the shortest text that gives the float
    back (so 0.1 is read as the dialog reads "0.1"), or a text such as "2pi" as it is."""
    return value if isinstance(value, str) else repr(float(value))


def run_answers(time=None, step=None, eps=None, **answers) -> dict:
    """The run dialog's rows as texts, by label."""
    rows = {k: _value_text(v) for k, v in answers.items()}
    for label, value in (("Time", time), ("Step", step), ("Eps", eps)):
        if value is not None:
            rows[label] = _value_text(value)
    return rows


def parameter_value(name: str, value) -> float:
    """A value for parameter `name`, read as the value dialog reads its text."""
    parsed = _core.parse_value(_value_text(value))
    if parsed is None:
        raise ValueError(f"{name}: {value!r} is not a number")
    return parsed


def split_name(name: str) -> tuple[int, str]:
    """"3:K" as (3, "K"): an element number and a dialog label."""
    number, sep, label = name.partition(":")
    if not sep or not number.strip().isdigit() or int(number) < 1:
        raise ValueError(f"expected ELEMENT:LABEL, such as '3:K', not {name!r}")
    return int(number), label


@dataclass(frozen=True)
class Element:
    """One element as the scheme holds it; a snapshot (read `scheme.elements` again
    after a change)."""

    number: int
    code: int
    names: tuple[str, str]  # the Russian and the Romanian name
    position: tuple[int, int]  # the top-left cell (column, row)
    parameters: dict[str, float]  # dialog label -> value
    marks: tuple[str, ...]  # the labels whose Mark is set
    label: str  # its caption in the labels file


class Scheme:
    """A scheme with its labels and comment. `Scheme()` is an empty grid to draw on."""

    def __init__(self, core: _core.SchemeCore | None = None):
        self._core = core if core is not None else _core.SchemeCore()

    # --- files and bytes ---
    def save(self, path) -> None:
        """Writes the .shm and its .sdf labels file, replacing both together."""
        self._core.save(str(path))

    def to_bytes(self) -> tuple[bytes, str, str]:
        """The scheme file's bytes, the labels file's text and the functions file's
        text (the user functions' expressions)."""
        return self._core.bytes(), self._core.labels(), self._core.functions()

    @classmethod
    def from_bytes(cls, data: bytes, labels: str = "", functions: str = "") -> "Scheme":
        return cls(_core.SchemeCore.from_bytes(data, labels, functions))

    def __getstate__(self):
        return self.to_bytes()

    def __setstate__(self, state):
        self._core = _core.SchemeCore.from_bytes(*state)

    @property
    def load_warning(self) -> str:
        """What a scheme file that ended early left at its defaults; empty when whole."""
        return self._core.load_warning()

    @property
    def comment(self) -> str:
        return self._core.comment()

    @comment.setter
    def comment(self, text: str) -> None:
        self._core.set_comment(text)

    # --- elements and parameters ---
    @property
    def elements(self) -> list[Element]:
        return [
            Element(e["number"], e["code"], tuple(e["names"]), tuple(e["position"]), dict(e["parameters"]),
                    tuple(e["marks"]), e["label"])
            for e in self._core.elements()
        ]

    def element(self, number: int) -> Element:
        for e in self.elements:
            if e.number == number:
                return e
        raise _core.VelmarError(f"the scheme has no element {number}")

    def set(self, name: str, value) -> None:
        """Gives element E's parameter labelled LABEL ("E:LABEL") a value, as typed
        into the parameter grid (velmar-cli run --set)."""
        number, label = split_name(name)
        self._core.set(number, label, parameter_value(name, value))

    def __getitem__(self, name: str) -> float:
        return self._core.get(*split_name(name))

    def __setitem__(self, name: str, value) -> None:
        self.set(name, value)

    def mark(self, name: str, on: bool = True) -> None:
        """Ticks (or clears) the "Mark" of a parameter: the parameters the
        optimisation, the D-decomposition and the sweeps of the analysis vary."""
        number, label = split_name(name)
        self._core.mark(number, label, on)

    def registered_name(self, name: str) -> str:
        """The name a marked parameter is registered under ("3:K" is "K3")."""
        return self._core.registered_name(*split_name(name))

    def set_label(self, number: int, text: str) -> None:
        self._core.set_label(number, text)

    # --- drawing ---
    def add(self, code: int, col: int, row: int, **params) -> Element:
        """Puts a block (a 3 x 3 square, top-left cell (col, row)) or a node down and
        gives it parameters by dialog label; keyword names stand for labels (use
        `scheme.set` for labels that are not identifiers)."""
        self._core.add(code, col, row)
        number = self._number_at(col, row)
        for label, value in params.items():
            self.set(f"{number}:{label}", value)
        return self.element(self._number_at(col, row))

    def _number_at(self, col: int, row: int) -> int:
        for e in self._core.elements():
            if tuple(e["position"]) == (col, row):
                return e["number"]
        raise _core.VelmarError(f"no element at ({col}, {row})")

    def wire(self, a: Element | tuple[int, int], b: Element | tuple[int, int],
             via: Iterable[tuple[int, int]] = ()) -> None:
        """Draws a wire of line pieces from the output of `a` to an arrow into `b`.
        An element stands for the cell beside its right side (for `a`) or beside its
        left side (for `b`), on its middle row; a (col, row) cell is taken as it is
        (a branch off a wire already drawn, or the cell of the arrow). `via` lists the
        corners in between; consecutive points share a row or a column."""
        start = self._end(a, 0)
        end = self._end(b, 1)
        self._core.wire([start, *[tuple(p) for p in via], end])

    def _end(self, end, which: int) -> tuple[int, int]:
        if isinstance(end, Element):
            number = self._number_at(*end.position)
            return tuple(self._core.wire_ends(number, number)[which])
        return tuple(end)

    def cell(self, col: int, row: int) -> int:
        return self._core.cell(col, row)

    def check(self) -> "Check":
        """Compiles a copy of the scheme: the fault cells in the core's words (empty
        when it compiles) and the warnings (algebraic loops)."""
        c = self._core.check()
        return Check(c["ok"], [tuple(x) for x in c["faults"]], [m for _, m in c["messages"]], list(c["warnings"]))

    # --- computing ---
    def run(self, time=None, step=None, eps=None, variable: bool = False, *, metrics: bool = False,
            points: bool = True, **answers) -> Result:
        """One time run (constant step, or variable with `variable=True`); values left
        out keep the run dialog's defaults. Raises VelmarError when the scheme does not
        compile; a run that fails comes back with its messages and no curves. With
        `metrics` the core measures every curve's step metrics in the same call; without
        `points` the curves keep only their last value (what a study keeps)."""
        raw = self._core.run(run_answers(time, step, eps, **answers), variable, metrics, points)
        unused = [a for a in raw["unused_answers"] if a not in ("Step", "Eps")]
        if unused:
            raise ValueError(f"no dialog of the run asks {', '.join(unused)}")
        return Result.from_core(raw)

    def tf(self, block: int, entry: int | None = None) -> tuple[np.ndarray, np.ndarray]:
        """W(s) = A(s)/B(s) between the entry element (the block's own Entry when not
        given) and analysis block `block`: numerator and denominator, highest power
        first (scipy's order)."""
        a, b = self._core.tf(block, entry)
        return a[::-1].copy(), b[::-1].copy()

    def lti(self, block: int, entry: int | None = None):
        from scipy import signal

        return signal.TransferFunction(*self.tf(block, entry))

    def analyze(self, block: int, method, answers: dict | None = None, marks: Sequence[str] = (), **more) -> dict:
        """Runs an analysis method on analysis block `block` as velmar-cli analyze
        does: `method` is a chooser code or one of the names routh, mikhailov, nyquist,
        ddecomp, harmonic, popov; dialog rows are answered by label from `answers`
        (and keywords). Returns what the method said: lines, messages, graphs (curves
        as arrays), tables and D-decomposition maps."""
        if isinstance(method, str) and method not in _core.method_names():
            raise ValueError(f"unknown method {method!r}")
        rows = {k: _value_text(v) for k, v in {**(answers or {}), **more}.items()}
        return self._core.analyze(block, method if isinstance(method, str) else int(method), rows,
                                  [split_name(m) for m in marks])


@dataclass(frozen=True)
class Check:
    ok: bool
    faults: list  # the fault cells (column, row)
    messages: list  # what the compilation said (" Внимание! Ошибка в схеме ")
    warnings: list  # the algebraic loops it found

    def __bool__(self) -> bool:
        return self.ok


def load(path) -> Scheme:
    """Reads a .shm scheme file with its .sdf labels file. Raises VelmarError with the
    core's message when the file cannot be read."""
    return Scheme(_core.SchemeCore.load(str(path)))
