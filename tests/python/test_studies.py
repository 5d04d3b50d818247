"""The studies on this machine's cores and on a two-worker Dask cluster: the same rows
in the same order, the same numbers as velmar-cli's sweep, failures kept in their rows."""
import numpy as np
import pytest

import velmar
from conftest import cli, csv_curves

distributed = pytest.importorskip("distributed")


@pytest.fixture(scope="module")
def client():
    cluster = distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True, dashboard_address=None)
    with distributed.Client(cluster) as c:
        yield c
    cluster.close()


def test_a_sweep_equals_the_cli_sweep(demo_path):
    code, out = cli("run", demo_path, "--sweep", "4:K=0.5:2:0.5", "--answer", "Time=3")
    assert code == 0
    expected = csv_curves(out, sweep=True)
    table = velmar.sweep(velmar.load(demo_path), "4:K", [0.5, 1.0, 1.5, 2.0], curves=True, time=3)
    assert [row.value for row in table] == [0.5, 1.0, 1.5, 2.0]
    for row in table:
        assert row.ok
        for (element, diagram), curve in row.curves.items():
            xs, ys = expected[(row.value, element, diagram)]
            np.testing.assert_array_equal(curve.t[: len(xs)], xs)
            np.testing.assert_array_equal(curve.y[: len(ys)], ys)
            assert row.final[(element, diagram)] == curve.y[-1]


def test_a_failed_value_stays_in_its_row(demo_path):
    table = velmar.sweep(velmar.load(demo_path), "4:T", [0.2, -0.5, 0.4], time=20)
    assert [row.ok for row in table] == [True, False, True]
    assert "Process is not stable" in table[1].error
    finals = table.column("final", (6, 2))
    assert np.isnan(finals[1]) and finals[0] == pytest.approx(1, abs=0.01)


def test_studies_on_a_cluster_equal_those_on_this_machine(demo_path, client):
    demo = velmar.load(demo_path)
    values = np.linspace(0.5, 2, 9)
    here = velmar.sweep(demo, "4:K", values, time=3, chunk_size=2)
    there = velmar.sweep(demo, "4:K", values, time=3, chunk_size=2, client=client)
    assert [(r.value, r.ok, r.metrics, r.final) for r in here] == [(r.value, r.ok, r.metrics, r.final) for r in there]

    spread = {"4:K": (1.0, 0.1), "4:T": (0.2, 0.02)}
    a = velmar.monte_carlo(demo, spread, 12, seed=7)
    b = velmar.monte_carlo(demo, spread, 12, seed=7, client=client)
    assert [r.value for r in a.rows] == [r.value for r in b.rows]
    assert a.summary == b.summary
    mean, sd, count = a.summary[(6, 2)]["peak"]
    assert count == 12 and 1 < mean < 1.5 and sd > 0


def test_a_ddecomposition_map_tiled_over_workers(client):
    plane = velmar.load(velmar_data("stability_plane.shm"))
    x, y = ("3:K", 0.5, 10, 6), ("4:T", 0.1, 3, 7)
    local = velmar.ddecomposition(plane, 6, x, y, entry=1)
    remote = velmar.ddecomposition(plane, 6, x, y, entry=1, client=client)
    assert local.counts.shape == (8, 7)
    np.testing.assert_array_equal(local.counts, remote.counts)
    np.testing.assert_array_equal(local.y, remote.y)
    assert local.counts[0, 0] == 0  # a small gain with a short lag is stable
    assert local.counts.max() > 0


def velmar_data(name):
    from conftest import DATA

    return DATA / "Schemes" / name
