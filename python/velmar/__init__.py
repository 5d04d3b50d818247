"""Velmar from Python: schemes loaded from files or built by code, runs whose curves
come back as numpy arrays, transfer functions, the analysis methods, and parameter
studies on this machine's cores or on a Dask cluster.

    >>> import velmar
    >>> demo = velmar.load("data/Schemes/demo.shm")
    >>> result = demo.run(time=10, step=0.01)
    >>> result.curves[(6, 2)].y[-1]
"""
from ._core import VelmarError
from .result import Curve, Result
from .scheme import Element, Scheme, load
from .studies import ddecomposition, monte_carlo, sweep

__all__ = ["VelmarError", "Curve", "Result", "Element", "Scheme", "load", "sweep", "monte_carlo", "ddecomposition"]
