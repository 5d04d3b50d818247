"""Schemes from files and from code: what they hold, parameters by label, files
written, and bad input refused with the core's words."""
import pytest

import velmar
from conftest import cli


def test_the_demo_as_the_cli_describes_it(demo_path):
    demo = velmar.load(demo_path)
    elements = demo.elements
    assert [e.code for e in elements] == [33, 18, 25, 22, 27, 62, 60]
    lag = demo.element(4)
    assert lag.position == (20, 9)
    assert lag.names[0] == "Апериодическое звено"
    assert lag.label == "Lag"
    assert lag.parameters["K"] == 1.0
    assert demo["4:T"] == pytest.approx(0.2, abs=1e-12)
    assert demo.comment.startswith("Closed loop")
    assert demo.load_warning == ""


def test_parameters_by_label_and_their_refusals(demo_path):
    demo = velmar.load(demo_path)
    demo["4:K"] = 2.5
    demo.set("4:T", "2pi")
    assert demo["4:K"] == 2.5
    assert demo["4:T"] == pytest.approx(6.283185307179586, rel=1e-11)
    demo.mark("4:K")
    assert demo.element(4).marks == ("K",)
    assert demo.registered_name("4:K") == "K4"
    with pytest.raises(velmar.VelmarError, match=r'"K", "T"'):
        demo.set("4:Q", 1)  # the error names the labels element 4 has
    with pytest.raises(velmar.VelmarError, match="no element 99"):
        demo.set("99:K", 1)
    with pytest.raises(ValueError):
        demo.set("K", 1)


def test_saved_scheme_reads_back_as_the_cli_reads_it(demo_path, tmp_path):
    demo = velmar.load(demo_path)
    demo["4:K"] = 3
    demo.save(tmp_path / "copy.shm")
    code, out = cli("info", tmp_path / "copy.shm")
    assert code == 0
    assert "4: code 22 at (20,9) Апериодическое звено | K=3 |" in out
    assert "label 4: Lag" in out
    again = velmar.load(tmp_path / "copy.shm")
    assert again.to_bytes() == demo.to_bytes()


def test_bad_files_are_refused_and_nothing_is_written(tmp_path):
    with pytest.raises(velmar.VelmarError):
        velmar.load(tmp_path / "missing.shm")
    (tmp_path / "bad.shm").write_bytes(b"\x01\x02")
    with pytest.raises(velmar.VelmarError):
        velmar.load(tmp_path / "bad.shm")
    assert sorted(p.name for p in tmp_path.iterdir()) == ["bad.shm"]


def draw_demo():
    """The demo, drawn by code as a person draws it in the editor."""
    s = velmar.Scheme()
    step = s.add(33, 4, 9)
    node = s.add(18, 10, 10)
    pi = s.add(25, 14, 9, T=2)
    lag = s.add(22, 20, 9, K=1, T=0.2)
    integ = s.add(27, 26, 9)
    rec = s.add(62, 36, 9)
    analysis = s.add(60, 36, 14)
    s.wire(step, node)
    s.wire((8, 10), (35, 9), via=[(8, 6), (34, 6), (34, 9)])  # the set point, recorded
    s.wire(node, pi)
    s.wire(pi, lag)
    s.wire(lag, integ)
    s.wire(integ, rec)
    s.wire((31, 10), (10, 11), via=[(31, 15), (10, 15)])  # the feedback, up into the node
    s.wire((31, 15), analysis)
    for number, label in enumerate(["Setpoint", "Error", "PI regulator", "Lag", "Integrator", "Response",
                                    "Analysis"], start=1):
        s.set_label(number, label)
    s.comment = "Closed loop: step, PI regulator, plant (lag and integrator), unity feedback"
    return s


def test_a_scheme_built_by_code_equals_the_drawn_one(demo_path, tmp_path):
    built = draw_demo()
    assert built.check().ok
    assert built.to_bytes() == velmar.load(demo_path).to_bytes()
    built.save(tmp_path / "built.shm")
    assert (tmp_path / "built.shm").read_bytes() == demo_path.read_bytes()


def test_drawing_refuses_what_does_not_fit():
    s = velmar.Scheme()
    s.add(22, 10, 10)
    with pytest.raises(velmar.VelmarError, match="taken"):
        s.add(30, 11, 11)
    with pytest.raises(velmar.VelmarError, match="does not fit"):
        s.add(22, 89, 0)
    with pytest.raises(velmar.VelmarError, match="no element type"):
        s.add(3, 1, 1)
