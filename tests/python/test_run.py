"""Runs, transfer functions and analyses from Python against velmar-cli on the same
scheme: the same numbers to the last bit."""
import numpy as np
import pytest

import velmar
from conftest import cli, csv_curves


@pytest.mark.parametrize("variable", [False, True])
def test_a_run_equals_the_cli_run(demo_path, variable):
    extra = ["--variable"] if variable else []
    code, out = cli("run", demo_path, "--answer", "Time=5", *extra)
    assert code == 0
    expected = csv_curves(out)
    result = velmar.load(demo_path).run(time=5, variable=variable)
    assert result.ok
    assert sorted(result.curves) == sorted(expected)
    for key, (xs, ys) in expected.items():
        curve = result.curves[key]
        np.testing.assert_array_equal(curve.t[: len(xs)], xs)
        np.testing.assert_array_equal(curve.y[: len(ys)], ys)
        assert len(curve.t) in (len(xs), len(xs) + 1)  # the viewer leaves out the last point


def test_metrics_equal_the_cli_metrics(demo_path):
    code, out = cli("metrics", demo_path, "--diagram", "2")
    assert code == 0
    printed = dict(line[len("metric: "):].split(" = ") for line in out.splitlines())
    metrics = velmar.load(demo_path).run().metrics(diagram=2)
    assert set(metrics) == set(printed)
    for name, value in metrics.items():
        assert (repr(value) if isinstance(value, float) else value) == printed[name] or \
            float(printed[name]) == value


def test_the_transfer_function_equals_the_cli_tf(demo_path):
    code, out = cli("tf", demo_path, "--block", "7", "--answer", "Entry=1")
    assert code == 0
    coefficients = {"a": {}, "b": {}}
    for line in out.splitlines():
        if line.startswith("tf: "):
            name, value = line[4:].split("=")
            letter, power = name.split()
            coefficients[letter][int(power)] = float(value)
    num, den = velmar.load(demo_path).tf(7, entry=1)
    for letter, poly in (("a", num), ("b", den)):
        ascending = poly[::-1]
        assert len(ascending) == len(coefficients[letter])
        for power, value in coefficients[letter].items():
            assert ascending[power] == pytest.approx(value, abs=5e-6)
    lti = velmar.load(demo_path).lti(7, entry=1)
    np.testing.assert_allclose(lti.den, den / den[0])


def test_an_analysis_gives_its_results_as_values(demo_path):
    said = velmar.load(demo_path).analyze(7, 52, {"Entry": 1, "w(end)": 2, "step": 0.5})
    assert not [m for m in said["messages"] if m[0] == "Ошибка"]
    (graph,) = said["graphs"]
    curve = graph["curves"][0]
    assert len(curve["x"]) == len(curve["y"]) > 2
    code, out = cli("analyze", demo_path, "--block", "7", "--method", "52", "--answer", "Entry=1",
                    "--answer", "w(end)=2", "--answer", "step=0.5")
    assert code == 0
    assert [line for line in said["lines"]] == [line for line in out.splitlines() if not line.startswith("element,")]


def test_a_scheme_that_does_not_compile_raises_with_the_fault_cells():
    s = velmar.Scheme()
    step = s.add(33, 4, 9)
    s.add(22, 20, 9)
    s.wire(step, (12, 10))  # a wire ending in an arrow at nothing
    check = s.check()
    assert not check
    assert check.faults
    assert check.messages == [" Внимание! Ошибка в схеме "]
    with pytest.raises(velmar.VelmarError, match="Внимание! Ошибка в схеме"):
        s.run()


def test_an_algebraic_loop_is_named():
    s = velmar.Scheme()
    step = s.add(33, 5, 10)
    node = s.add(18, 12, 11)
    gain = s.add(30, 16, 10)
    rec = s.add(62, 26, 10)
    s.wire(step, node)
    s.wire(node, gain)
    s.wire(gain, rec)
    s.wire((22, 11), (12, 12), via=[(22, 15), (12, 15)])
    check = s.check()
    assert check.ok
    assert len(check.warnings) == 1 and "Algebraic loop" in check.warnings[0]
    assert s.run(time=0.05).warnings == check.warnings


def test_results_plot_and_show_in_a_notebook(demo_path):
    pytest.importorskip("matplotlib")
    result = velmar.load(demo_path).run(time=1)
    png = result._repr_png_()
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
