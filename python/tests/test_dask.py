"""The README's Dask recipe on a cluster of two worker processes gives, byte for byte, what
`quorlin convert` writes for the same files."""

import csv
import random
import subprocess

import pytest

dd = pytest.importorskip("dask.dataframe")
distributed = pytest.importorskip("distributed")

FILES = 4
ROWS = 400


def write_export(path, rng):
    """A file of orders as a database export gives them: days, times and free text, with values
    that do not convert, empty cells, and text that needs quoting."""
    with open(path, "w", newline="") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["id", "day", "time", "note"])
        for i in range(ROWS):
            day = rng.choice([str(rng.randint(-50000, 60000)), "", "tomorrow", " 21527 "])
            time = rng.choice([str(rng.randint(0, 86399)), str(rng.randint(86400, 200000)), "x"])
            note = rng.choice(["paid", "paid, in full", 'said "later"', "two\nlines", "", "NA"])
            writer.writerow([i, day, time, note])


def test_recipe_on_a_cluster_matches_quorlin_convert(tmp_path, quorlin_program):
    rng = random.Random(19)
    (tmp_path / "exports").mkdir()
    (tmp_path / "expected").mkdir()
    for n in range(FILES):
        source = tmp_path / "exports" / f"orders-{n}.csv"
        write_export(source, rng)
        subprocess.run(
            [quorlin_program, "convert", "--csv", "--header", "--dialect", "pick", "--quiet",
             "--field", "day=oconv:D4-", "--field", "time=oconv:MTS",
             "-o", str(tmp_path / "expected" / f"orders-{n}.csv"), str(source)],
            check=False,  # values that do not convert make its exit code 1
        )

    # The recipe, as the README gives it.
    def convert(frame):
        import quorlin  # each worker imports it too, which registers Series.mv

        return frame.assign(
            day=frame["day"].mv.oconv("D4-", dialect="pick"),
            time=frame["time"].mv.oconv("MTS", dialect="pick"),
        )

    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None) as cluster:
        with distributed.Client(cluster):
            frame = dd.read_csv(str(tmp_path / "exports" / "orders-*.csv"), dtype=str,
                                keep_default_na=False, blocksize=None)
            frame.map_partitions(convert).to_csv(str(tmp_path / "converted" / "orders-*.csv"),
                                                  index=False, lineterminator="\n")

    for n in range(FILES):
        expected = (tmp_path / "expected" / f"orders-{n}.csv").read_bytes()
        converted = (tmp_path / "converted" / f"orders-{n}.csv").read_bytes()
        assert expected.count(b"\n") > ROWS
        assert converted == expected, f"orders-{n}.csv differs"
