#!/usr/bin/python3
"""Memory at start, in one run: the resident set of the real program once its
main window is on the screen (splash over, the window drawn and settled),
against a bare Qt main window (anglewise_bare_window) and against the least
a window like ours can be (anglewise_bare_window --least: the main window's
size, a menu bar, a label, a field and a button), on a private Xvfb with
openbox. Each is started five times, by turns; the medians and the ratios
are printed, with the libraries the program has mapped.

Usage: bench/start_memory.py BUILD_DIR
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
WITH_DESKTOP = os.path.join(HERE, "..", "tests", "desktop", "with_desktop.sh")
STARTS = 5


def visible_window(pid, title):
    out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name",
                          f"^{title}$"], capture_output=True, text=True).stdout
    return out.split()


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def libraries(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return {os.path.basename(line.split()[-1]) for line in maps if ".so" in line}


def settled_start(command, title, home):
    """The resident set after the window shows and a second passes."""
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home)
    process = subprocess.Popen(command, env=env, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 30
        while not visible_window(process.pid, title):
            if time.monotonic() > deadline:
                raise RuntimeError(f"{command[0]} never showed its window")
            time.sleep(0.05)
        time.sleep(1)
        return resident_kb(process.pid), libraries(process.pid)
    finally:
        process.terminate()
        process.wait()


def measure(build):
    program = os.path.join(build, "anglewise")
    bare = os.path.join(build, "bench", "anglewise_bare_window")
    ours, bare_runs, least_runs, mapped = [], [], [], set()
    with tempfile.TemporaryDirectory() as home:
        for _ in range(STARTS):
            kb, mapped = settled_start([program], "Anglewise", home)
            ours.append(kb)
            bare_runs.append(settled_start([bare], "Bare", home)[0])
            least_runs.append(settled_start([bare, "--least"], "Bare", home)[0])
    ours_mb, bare_mb, least_mb = (statistics.median(runs) / 1000
                                  for runs in (ours, bare_runs, least_runs))
    print(f"anglewise after start       {ours_mb:6.1f} MB  (runs: {ours})")
    print(f"bare Qt main window         {bare_mb:6.1f} MB  (runs: {bare_runs})")
    print(f"least window like ours      {least_mb:6.1f} MB  (runs: {least_runs})")
    print(f"anglewise over bare         {ours_mb / bare_mb:6.2f}")
    print(f"least window over bare      {least_mb / bare_mb:6.2f}")
    print(f"anglewise over least window {ours_mb / least_mb:6.2f}")
    print(f"libraries mapped ({len(mapped)}): {' '.join(sorted(mapped))}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    if not os.environ.get("START_MEMORY_ON_DISPLAY"):  # once, on a display of its own
        os.environ["START_MEMORY_ON_DISPLAY"] = "1"
        os.execv(WITH_DESKTOP, [WITH_DESKTOP, sys.executable, os.path.abspath(__file__),
                                os.path.abspath(sys.argv[1])])
    measure(sys.argv[1])
