"""Parameter studies over many runs: sweeps, Monte-Carlo spreads and D-decomposition
maps, on this machine's cores (client=None) or on the workers of a Dask cluster
(a dask.distributed.Client).

The scheme travels to the workers as its file bytes and each task loads its own copy.
The values are cut into chunks (many values per task), the results come back in the
order of the values whatever the number of workers, and a value that fails is reported
in its row without sinking the study."""
from __future__ import annotations

import math
import os
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass, field

import numpy as np

from . import _core
from .result import Result
from .scheme import Scheme, parameter_value, run_answers, split_name


@dataclass
class Row:
    value: object  # the swept value as the parameter stores it, or a dict of them
    ok: bool
    error: str = ""  # why the value gave no result
    messages: list = field(default_factory=list)
    metrics: dict = field(default_factory=dict)  # (element, diagram) -> the curve's step metrics
    final: dict = field(default_factory=dict)  # (element, diagram) -> the curve's last value
    curves: dict | None = None  # (element, diagram) -> Curve, when asked for


class Table(list):
    """One Row per value, in the order of the values."""

    def column(self, what: str, curve: tuple[int, int], metric: str | None = None) -> np.ndarray:
        """A column as an array: "final" (the curve's last value) or "metrics" with a
        metric's name; NaN where a value failed or the metric has no number."""
        out = []
        for row in self:
            cell = row.final.get(curve) if what == "final" else row.metrics.get(curve, {}).get(metric)
            out.append(cell if isinstance(cell, float) else math.nan)
        return np.array(out)


def _workers(client) -> int:
    if client is None:
        return os.cpu_count() or 1
    return max(1, len(client.scheduler_info().get("workers", {})) or 1)


def _chunks(items: list, client, chunk_size: int | None) -> list[list]:
    size = chunk_size or max(1, math.ceil(len(items) / (4 * _workers(client))))
    return [items[i:i + size] for i in range(0, len(items), size)]


def _map(task, chunks: list, client) -> list:
    """The task over every chunk, the results flattened in chunk order."""
    if client is None:
        with ThreadPoolExecutor(max_workers=_workers(None)) as pool:  # the core releases the GIL
            results = list(pool.map(task, chunks))
    else:
        results = client.gather(client.map(task, chunks, pure=False))
    return [row for rows in results for row in rows]


def _row(sets: dict, raw: dict, want_curves: bool) -> Row:
    if raw["error"]:
        return Row(dict(sets), False, raw["error"])
    value = raw["stored"][0] if len(sets) == 1 else dict(zip(sets, raw["stored"]))
    result = Result.from_core(raw)
    if not result.ok:
        errors = [m for m in result.messages if m.startswith("Ошибка: ")]
        return Row(value, False, errors[-1] if errors else result.outcome, result.messages)
    metrics = {key: result.metrics(*key) for key in result.curves}
    return Row(value, True, "", result.messages, metrics, result.final_values(),
               dict(result.curves) if want_curves else None)


def _run_chunk(job) -> list[Row]:
    """Every value of the chunk on a fresh copy of the scheme, in one call of the core
    that shares the values out among `threads` threads."""
    state, settings, chunk, want_curves, threads = job
    scheme = Scheme.from_bytes(*state)
    values = [[(*split_name(name), parameter_value(name, v)) for name, v in sets.items()] for sets in chunk]
    answers = run_answers(settings["time"], settings["step"], settings["eps"])
    raws = scheme._core.run_values(values, answers, settings["variable"], True, want_curves, threads)
    return [_row(sets, raw, want_curves) for sets, raw in zip(chunk, raws)]


def _study(scheme: Scheme, value_sets: list[dict], settings: dict, client, chunk_size, curves: bool) -> Table:
    state = scheme.to_bytes()
    if client is None:  # one call of the core on every core here, as velmar-cli runs a sweep
        return Table(_run_chunk((state, settings, value_sets, curves, _workers(None))))
    jobs = [(state, settings, chunk, curves, 1) for chunk in _chunks(value_sets, client, chunk_size)]
    return Table(_map(_run_chunk, jobs, client))


def _settings(time, step, eps, variable) -> dict:
    return {"time": time, "step": step, "eps": eps, "variable": variable}


def sweep(scheme: Scheme, name: str, values, *, client=None, chunk_size: int | None = None, curves: bool = False,
          time=None, step=None, eps=None, variable: bool = False) -> Table:
    """Runs the scheme once per value of parameter `name` ("3:K"); the same numbers as
    `velmar-cli run --sweep` for the same values. Each row holds the step metrics and
    the last value of every recorder curve, and the curves with `curves=True`."""
    return _study(scheme, [{name: v} for v in values], _settings(time, step, eps, variable), client, chunk_size,
                  curves)


@dataclass
class Spread:
    rows: Table  # one per sample; row.value holds the sample's parameter values
    summary: dict  # (element, diagram) -> metric -> (mean, standard deviation, samples with a value)


def monte_carlo(scheme: Scheme, spread: dict, n: int, seed: int, *, client=None, chunk_size: int | None = None,
                time=None, step=None, eps=None, variable: bool = False) -> Spread:
    """Runs n samples of the parameters, each drawn from a normal distribution
    {"3:K": (mean, sd), ...}. The samples are drawn here, from `seed`, before any
    work is shared out, so the result is the same whatever the number of workers."""
    rng = np.random.default_rng(seed)
    draws = {name: rng.normal(mean, sd, n) for name, (mean, sd) in spread.items()}
    samples = [{name: float(draws[name][i]) for name in spread} for i in range(n)]
    rows = _study(scheme, samples, _settings(time, step, eps, variable), client, chunk_size, False)
    summary: dict = {}
    for row in rows:
        for curve, metrics in row.metrics.items():
            for metric, value in metrics.items():
                if isinstance(value, float):
                    summary.setdefault(curve, {}).setdefault(metric, []).append(value)
    return Spread(rows, {curve: {m: (float(np.mean(v)), float(np.std(v)), len(v)) for m, v in ms.items()}
                         for curve, ms in summary.items()})


@dataclass
class DMap:
    x_name: str
    y_name: str
    x: np.ndarray  # the grid's X values, nx + 1
    y: np.ndarray  # its Y values, ny + 1
    counts: np.ndarray  # [ny + 1, nx + 1]: right roots at each point, UNDETERMINED where the table stops
    UNDETERMINED = -1


def _scan_tiles(jobs) -> list:
    maps = []
    for state, block, marks, answers in jobs:
        said = Scheme.from_bytes(*state).analyze(block, "ddecomp", answers, marks)
        if not said["maps"]:
            errors = [text for _, text in said["messages"]]
            raise _core.VelmarError("; ".join(errors) or "the D-decomposition gave no map")
        maps.append(said["maps"][0])
    return maps


def ddecomposition(scheme: Scheme, block: int, x: tuple, y: tuple, *, client=None, entry: int | None = None,
                   tiles: int | None = None) -> DMap:
    """The map of right-root counts of the characteristic polynomial over a grid of two
    parameters, x = ("3:K", begin, end, nx) and y = ("4:T", begin, end, ny) (nx and ny
    cells: one point more on each axis), as the D-decomposition scans it. The rows of
    Y are cut into tiles, each scanned by one task; the tiles are the same whatever
    runs them, so the map is too."""
    (xn, xb, xe, nx), (yn, yb, ye, ny) = x, y
    if nx < 1 or ny < 1 or int(nx) != nx or int(ny) != ny:
        raise ValueError("nx and ny must be whole numbers from 1")
    xr, yr = scheme.registered_name(xn), scheme.registered_name(yn)
    rows = ny + 1
    count = max(1, min(tiles or 4 * _workers(client), rows // 2))
    bounds = [round(k * rows / count) for k in range(count + 1)]
    dy = (ye - yb) / ny
    base = {"Entry": entry} if entry is not None else {}
    state = scheme.to_bytes()
    jobs = []
    for k in range(count):
        j0, j1 = bounds[k], bounds[k + 1] - 1
        answers = {**base, f"{xr}(begin)": xb, f"{xr}(end)": xe, f"{yr}(begin)": yb + j0 * dy,
                   f"{yr}(end)": yb + j1 * dy, "Num. of X": nx, "Num. of Y": j1 - j0}
        jobs.append((state, block, [xn, yn], answers))
    maps = _map(_scan_tiles, [[j] for j in jobs], client)
    if maps and maps[0]["x_name"] != xr:
        raise _core.VelmarError(f"the scan takes {maps[0]['x_name']} as X: give it as x")
    return DMap(xr, yr, maps[0]["x"], np.concatenate([m["y"] for m in maps]),
                np.concatenate([m["counts"] for m in maps], axis=0))
