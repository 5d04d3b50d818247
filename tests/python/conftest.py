"""Shared fixtures of the velmar module's tests: the shipped schemes, velmar-cli to
compare with, and a folder of each test's own."""
import os
import subprocess
from pathlib import Path

import pytest

DATA = Path(os.environ.get("VELMAR_DATA_DIR", Path(__file__).resolve().parents[2] / "data"))
CLI = os.environ.get("VELMAR_CLI", "velmar-cli")


@pytest.fixture
def demo_path():
    return DATA / "Schemes" / "demo.shm"


def cli(*args, cwd=None):
    """velmar-cli with the arguments: (exit code, standard output)."""
    done = subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, cwd=cwd)
    return done.returncode, done.stdout


def csv_curves(text, sweep=False):
    """velmar-cli's curve CSV as {(sweep?, element, diagram): (x list, y list)}."""
    curves = {}
    for line in text.splitlines()[1:]:
        cells = line.split(",")
        head = cells[:-3]
        key = (float(head[0]), int(head[1]), int(head[2])) if sweep else (int(head[0]), int(head[1]))
        xs, ys = curves.setdefault(key, ([], []))
        xs.append(float(cells[-2]))
        ys.append(float(cells[-1]))
    return curves
