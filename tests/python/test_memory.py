"""solve_frame over a million rows holds little beyond the frames: its
peak memory above the input frame stays within a quarter more than the
output frame it returns (the rows pass through C++ as text, not objects)."""
import subprocess
import sys
import textwrap

MEASURE = textwrap.dedent("""
    import io, resource, sys
    sys.path.insert(0, sys.argv[1])
    import pandas, anglewise
    from conftest import mixed_rows
    frame = pandas.read_csv(io.StringIO(mixed_rows(int(sys.argv[2]))), dtype=str,
                            keep_default_na=False)
    def peak():
        return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss * 1024
    def current():
        with open("/proc/self/statm") as statm:
            return int(statm.read().split()[1]) * resource.getpagesize()
    before = current()
    out = anglewise.solve_frame(frame, jobs=2)
    grown = max(peak(), current()) - before
    print(grown, int(out.memory_usage(deep=True).sum()), len(out))
""")


def test_a_million_rows_hold_no_more_than_the_frames(tmp_path):
    here = __file__.rsplit("/", 1)[0]
    run = subprocess.run([sys.executable, "-c", MEASURE, here, "1000000"], capture_output=True,
                         text=True, check=True)
    grown, output_frame, rows = (int(word) for word in run.stdout.split())
    assert rows == 1000000
    assert grown <= output_frame * 1.25, (grown, output_frame)
