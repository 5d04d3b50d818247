"""What a run gives back: every recorder's curves as numpy arrays, the messages, and
the step-response metrics of the core."""
from __future__ import annotations

import io
from dataclasses import dataclass, field

import numpy as np

from . import _core


@dataclass(frozen=True)
class Curve:
    t: np.ndarray  # the x of the points (time for a time recorder)
    y: np.ndarray
    legend: str
    kind: int = 0  # the graph kind the recorder hands the viewer

    def __repr__(self) -> str:
        span = f", t={self.t[0]:g}..{self.t[-1]:g}" if len(self.t) else ""
        return f"Curve({len(self.t)} points{span}, legend={self.legend!r})"


@dataclass
class Result:
    curves: dict  # (element, diagram) -> Curve, in element and diagram order
    messages: list  # every line the core said, "CAPTION: TEXT" for message boxes
    warnings: list
    outcome: str  # "completed", "failed" or "cancelled"
    step_level: float = 1.0  # the step the metrics measure against
    _said: dict = field(default_factory=dict, repr=False)

    @classmethod
    def from_core(cls, raw: dict) -> "Result":
        empty = np.empty(0)
        curves = {(c["element"], c["diagram"]): Curve(c.get("x", empty), c.get("y", empty), c["legend"], c["kind"])
                  for c in raw["curves"]}
        return cls(curves, list(raw["lines"]), list(raw["warnings"]), raw["outcome"], raw["step_level"], raw)

    def _measured(self) -> dict:
        """The metrics and last values the core measured with the run, by curve."""
        return {(c["element"], c["diagram"]): c for c in self._said.get("curves", [])}

    @property
    def ok(self) -> bool:
        return self.outcome == "completed"

    def metrics(self, element: int | None = None, diagram: int = 1) -> dict:
        """The step-response metrics of one curve, as velmar-cli metrics prints them:
        of diagram `diagram` of recorder `element` (default: the first recorder
        holding curves). Values are floats; a metric that has none says why
        ("not settled", "undefined", "diverging")."""
        if not self.ok:
            if any("Process is not stable" in line for line in self.messages):
                return {name: "diverging" for name in _core.metric_names()}
            raise _core.VelmarError("the run gave no curves: " + "; ".join(self.messages))
        if element is None:
            if not self.curves:
                raise _core.VelmarError("the scheme has no recorder")
            element = min(e for e, _ in self.curves)
        if (element, diagram) not in self.curves:
            raise _core.VelmarError(f"recorder {element} has no diagram {diagram}")
        measured = self._measured()[(element, diagram)]
        if "metrics" in measured:
            return dict(measured["metrics"])
        c = self.curves[(element, diagram)]
        return _core.metrics(c.t.tolist(), c.y.tolist(), self.step_level)

    def final_values(self) -> dict:
        """The last value of every curve."""
        return {key: c["final"] for key, c in self._measured().items()}

    def plot(self, ax=None):
        """Draws every curve with matplotlib (imported only here)."""
        if ax is None:
            import matplotlib.pyplot as plt

            _, ax = plt.subplots()
        for (element, diagram), c in self.curves.items():
            ax.plot(c.t, c.y, label=f"{element}:{diagram} {c.legend}".strip())
        ax.set_xlabel("t")
        if self.curves:
            ax.legend()
        ax.grid(True)
        return ax

    def _repr_png_(self):
        """The curves as a PNG, so a notebook shows them; nothing without matplotlib."""
        try:
            from matplotlib.figure import Figure
        except ImportError:
            return None
        figure = Figure(figsize=(6, 3.5))
        self.plot(figure.subplots())
        buffer = io.BytesIO()
        figure.savefig(buffer, format="png")
        return buffer.getvalue()
