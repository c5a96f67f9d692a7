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

CAPTION = "Vandrel\u3000\u00a9 2026 The Vandrel developers"


def wait_for(find, what, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"not within {seconds} s: {what}")


def check(what, actual, expected):
    if actual != expected:
        sys.exit(f"{what}: {actual!r}, expected {expected!r}")
    print(f"ok   {what}: {actual!r}")


def main_window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Vandrel":
            for win in app:
                if win is not None and win.name.startswith("Vandrel"):
                    return win
    return None


def children(node, role):
    return [child for child in node if child is not None and child.getRole() == role]


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


def main():
    run_seconds = float(os.environ.get("VANDREL_RUN_SECONDS", "120"))
    program = subprocess.Popen([sys.argv[1]])
    try:
        started = time.monotonic()
        check("caption of the mapped X window",
              wait_for(x_window_caption, "the mapped window", run_seconds), CAPTION)
        print(f"     window shown after {time.monotonic() - started:.1f} s")
        window = wait_for(main_window, "the main window over AT-SPI", run_seconds)
        check("window name over AT-SPI", window.name, CAPTION)
        labels = children(window, pyatspi.ROLE_LABEL)
        check("label count", len(labels), 13)
        trials, hits, ratio = labels[2], labels[3], labels[5]
        check("Label3 before the run", trials.name, "0")

        buttons = {b.name: b for b in children(window, pyatspi.ROLE_PUSH_BUTTON)}
        started = time.monotonic()
        buttons["AutoStart"].queryAction().doAction(0)
        wait_for(lambda: trials.name == "1000", "Label3 at 1000", run_seconds)
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
