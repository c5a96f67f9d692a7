#!/usr/bin/env python3
"""Orca, the screen reader, beside the program, driven by the keyboard alone.

On the X server of its own that it runs on, starts a window manager, then, on a
private accessibility bus, Orca and the program. Orca writes what it speaks to
its debug file as "SPEECH OUTPUT: '...'" lines, with no speech device needed; each step
presses keys and waits for the words Orca must speak. The debug file is a
terminal, so that Orca writes each line as it goes rather than in blocks, and
its lines are copied into a file of the test's own.

Usage: orca_speaks.py PROGRAM WITH_ATSPI
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

STEP_LIMIT = 60  # seconds a step may take on a loaded machine

# (what is done, keys, words Orca must speak afterwards)
STEPS = [
    ("the program starts", [], r"Shuffle push button"),
    ("Shuffle", ["space"], r"The cards are being shuffled"),
    ("Draw", ["space"], r"Drew the .+ of .+\. [01] of 1 cards are multiples of 3; ratio "),
    ("AutoStart, run to its end", ["Tab", "Tab", "space"],
     r"The automatic run has ended\. \d+ of 1000 cards are multiples of 3; ratio 0\.\d{7}\."),
    ("Graph display", ["Tab", "space"],
     r"The ratio of cards that are multiples of 3, from 0\.00 at the bottom .* "
     r"Draws plotted: 1000\. The latest ratio is 0\.\d{7}\."),
    ("Close the graph", ["Tab", "space"], r"Graph display push button"),
    ("Init", ["shift+Tab", "space"], r"The counts are reset to 0\."),
    ("AutoStart, then AutoStop at once", ["shift+Tab", "space", "space"],
     r"The automatic run was stopped\. \d+ of \d+ cards are multiples of 3; ratio 0\.\d{7}\."),
    ("Help", ["Tab", "Tab", "space"], r"Close push button"),
    ("Tab into the help text", ["Tab"], r"Help text"),
    ("Down", ["Down"], r"Problem"),
    ("Down", ["Down"], r"There is a set of playing cards"),
]


def spoken(debug_file):
    try:
        with open(debug_file, encoding="utf-8", errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'(?: ?\{|$)", f.read(), re.M)
    except FileNotFoundError:
        return []


def wait_for(debug_file, since, pattern, limit):
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        said = spoken(debug_file)
        for line in said[since:]:
            if re.search(pattern, line):
                return len(said)
        time.sleep(0.2)
    return None


def copy_terminal(master, debug_file):
    with open(debug_file, "ab") as out:
        while True:
            try:
                chunk = os.read(master, 65536)
            except OSError:
                return
            if not chunk:
                return
            out.write(chunk)
            out.flush()


def inner(program, debug_file):
    master, terminal = os.openpty()
    tty.setraw(terminal)
    threading.Thread(target=copy_terminal, args=(master, debug_file), daemon=True).start()
    orca = subprocess.Popen(["orca", "--debug-file=" + os.ttyname(terminal)],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    app = None
    try:
        if wait_for(debug_file, 0, r"Screen reader on", STEP_LIMIT) is None:
            print("FAIL: Orca did not start")
            return 1
        app = subprocess.Popen([program], cwd=os.path.dirname(program),
                               env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
        heard = len(spoken(debug_file))
        for what, keys, pattern in STEPS:
            for key in keys:
                subprocess.run(["xdotool", "key", key], check=True)
                time.sleep(0.05)
            found = wait_for(debug_file, heard, pattern, STEP_LIMIT)
            if found is None:
                print("FAIL: after %s Orca did not say /%s/" % (what, pattern))
                print("Orca said:\n  " + "\n  ".join(spoken(debug_file)[heard:]))
                return 1
            print("ok: %s" % what)
            heard = found
        print("Orca said:\n  " + "\n  ".join(spoken(debug_file)))
        return 0
    finally:
        for process in (app, orca):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--inner":
        return inner(sys.argv[2], sys.argv[3])
    program, with_atspi = os.path.abspath(sys.argv[1]), sys.argv[2]
    for tool in ("orca", "openbox", "xdotool"):
        if subprocess.run(["which", tool], stdout=subprocess.DEVNULL).returncode != 0:
            print("FAIL: %s is not installed" % tool)  # a missing reader is a failure, not a skip
            return 1
    with tempfile.TemporaryDirectory(prefix="vandrel-orca-") as home:
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home,
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"),
                   # No speech device: Orca finds no speech server at once, rather
                   # than waiting on one it starts, and still logs what it speaks.
                   SPEECHD_ADDRESS="unix_socket:" + os.path.join(home, "no-speech"),
                   SPEECHD_CMD="/bin/false")
        env.pop("QT_QPA_PLATFORM", None)
        os.chmod(home, 0o700)
        window_manager = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
        try:
            return subprocess.run(
                [with_atspi, sys.executable, os.path.abspath(__file__), "--inner", program,
                 os.path.join(home, "orca.debug")], env=env).returncode
        finally:
            window_manager.send_signal(signal.SIGTERM)
            window_manager.wait()


if __name__ == "__main__":
    sys.exit(main())
