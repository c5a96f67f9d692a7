"""Starts PROGRAM, checks its window, runs AutoStart to its end and checks the counts.

Usage: installed-program.py PROGRAM, on a display with the accessibility bus up.
VANDREL_RUN_SECONDS bounds the automatic run (default 120; an emulated
program needs more). Exits non-zero on the first difference.
"""
import os
import subprocess
import sys
import time

import pyatspi

# From the source tree the package was built from: no build is needed, and
# nothing is written there.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests",
                                "support"))
from atspi_reading import check, children, wait_for, window as main_window  # noqa: E402

CAPTION = "Vandrel\u3000\u00a9 2026 The Vandrel developers"


def x_window_caption():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Vandrel"],
                           capture_output=True, text=True, check=False)
    if found.returncode != 0:
        return None
    window = found.stdout.split()[0]
    name = subprocess.run(["xprop", "-id", window, "-notype", "_NET_WM_NAME"],
                          capture_output=True, text=True, check=True).stdout
    # _NET_WM_NAME = "caption"
    return name.split(" = ", 1)[1].strip().strip('"')


def while_running(program, find):
    """`find`, but the test fails at once when `program` has ended, rather
    than waiting out its time for a window that cannot come."""
    def found():
        if program.poll() is not None:
            sys.exit(f"the program ended with status {program.returncode}")
        return find()
    return found


def main():
    run_seconds = float(os.environ.get("VANDREL_RUN_SECONDS", "120"))
    program = subprocess.Popen([sys.argv[1]])
    try:
        started = time.monotonic()
        check("caption of the mapped X window",
              wait_for(while_running(program, x_window_caption), "the mapped window",
                       run_seconds), CAPTION)
        print(f"     window shown after {time.monotonic() - started:.1f} s")
        window = wait_for(while_running(program, lambda: main_window("Vandrel")),
                          "the main window over AT-SPI", run_seconds)
        check("window name over AT-SPI", window.name, CAPTION)
        labels = children(window, pyatspi.ROLE_LABEL)
        check("label count", len(labels), 13)
        trials, hits, ratio = labels[2], labels[3], labels[5]
        check("Label3 before the run", trials.name, "0")

        buttons = {b.name: b for b in children(window, pyatspi.ROLE_PUSH_BUTTON)}
        started = time.monotonic()
        buttons["AutoStart"].queryAction().doAction(0)
        wait_for(while_running(program, lambda: trials.name == "1000" or None),
                 "Label3 at 1000", run_seconds)
        print(f"     the run of 1000 draws took {time.monotonic() - started:.1f} s")
        check("Label3 after the run", trials.name, "1000")
        hit_count = int(hits.name)
        if not 0 <= hit_count <= 1000:
            sys.exit(f"Label4 {hits.name!r} is not a count of 1000 draws")
        check("Label6 is Label4 / 1000", ratio.name, f"{hit_count / 1000:.7f}")
        # 1000 draws with p = 16/52 give 308 hits, with a standard deviation
        # of 15; 6 of them either side would fail once in 10^9 runs.
        if not 308 - 90 <= hit_count <= 308 + 90:
            sys.exit(f"{hit_count} hits in 1000 draws: the draws are not fair")
        print(f"ok   hits: {hit_count}")
        check("AutoStart after the run", buttons["AutoStart"].getState().contains(
            pyatspi.STATE_ENABLED), False)
        check("Init after the run", buttons["Init"].getState().contains(
            pyatspi.STATE_ENABLED), True)
    finally:
        program.kill()
        program.wait()


main()
