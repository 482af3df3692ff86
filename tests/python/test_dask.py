"""The module on an existing engine: dask.dataframe.read_csv(...)
.map_partitions(anglewise.solve_frame) on a local distributed cluster of
two worker processes answers a million rows as anglewise-cli batch does,
byte for byte once written."""
import os

import dask.dataframe
import pytest
from dask.distributed import Client, LocalCluster

import anglewise
from conftest import mixed_rows


@pytest.fixture(scope="module")
def rows_file(tmp_path_factory):
    count = int(os.environ.get("ANGLEWISE_DASK_ROWS", "1000000"))
    path = tmp_path_factory.mktemp("rows") / "rows.csv"
    path.write_text(mixed_rows(count))
    return path


def test_a_cluster_of_two_workers_answers_as_batch(cli, rows_file):
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                      dashboard_address=None) as cluster, Client(cluster):
        # Eight partitions or so, whatever the rows.
        frame = dask.dataframe.read_csv(rows_file, dtype=str, keep_default_na=False,
                                        blocksize=max(1 << 16, rows_file.stat().st_size // 8))
        assert frame.npartitions > 1
        meta = anglewise.solve_frame(frame.head(2, compute=True)).iloc[:0]
        answered = frame.map_partitions(anglewise.solve_frame, meta=meta).compute()
    expected = cli("batch", str(rows_file)).stdout.decode()
    written = answered.to_csv(index=False, lineterminator="\r\n")
    assert written.count("\r\n") == expected.count("\r\n")
    assert written == expected
