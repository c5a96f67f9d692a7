#!/usr/bin/env python3
"""Orca, the screen reader, beside the program, driven by the keyboard alone.

Run by with-atspi on an X server of its own. Orca writes what it speaks to its
debug file, a terminal so that each line comes at once rather than in blocks,
as "SPEECH OUTPUT: '...'" lines; each step presses keys and waits for the words
Orca must speak. A missing reader or tool fails the test: it is never skipped.
"""
import os
import re
import select
import subprocess
import sys
import tempfile
import time
import tty

# Cards drawn, the noun agreeing with the count: "1 card", "0 cards", "12 cards".
CARDS = r"(?:1 card|(?!1 )\d+ cards)"

# (what is done, keys, words Orca must speak afterwards)
STEPS = [
    ("the program starts", [], r"Shuffle push button"),
    ("Shuffle", ["space"], r"The cards are being shuffled"),
    ("Draw", ["space"],
     r"Drew the .+ of .+\. (1 of 1 card is a multiple|0 of 1 card are multiples) of 3; ratio "),
    ("AutoStart, run to its end", ["Tab", "Tab", "space"],
     r"The automatic run has ended\. \d+ of 1000 cards are multiples of 3; ratio 0\.\d{7}\."),
    ("Graph display", ["Tab", "space"],
     r"The ratio of cards that are multiples of 3, from 0\.00 at the bottom .* "
     r"Draws plotted: 1000\. The latest ratio is 0\.\d{7}\."),
    ("Close the graph", ["Tab", "space"], r"Graph display push button"),
    ("Init", ["shift+Tab", "space"], r"The counts are reset to 0\."),
    ("AutoStart, then AutoStop at once", ["shift+Tab", "space", "space"],
     r"The automatic run was stopped\. (1 of %s is a multiple|(?!1 )\d+ of %s are multiples) of 3; "
     r"ratio [01]\.\d{7}\." % (CARDS, CARDS)),
    ("Help", ["Tab", "Tab", "space"], r"Close push button"),
    ("Tab into the help text", ["Tab"], r"Help text"),
    ("Down", ["Down"], r"Problem"),
    ("Down", ["Down"], r"There is a set of playing cards"),
]


def main():
    program = os.path.abspath(sys.argv[1])
    master, terminal = os.openpty()
    tty.setraw(terminal)
    debug = b""

    def said(wait=0.0):
        nonlocal debug
        while select.select([master], [], [], wait)[0]:
            debug += os.read(master, 65536)
            wait = 0.0
        return re.findall(r"SPEECH OUTPUT: '(.*?)'(?: ?\{|$)", debug.decode(errors="replace"), re.M)

    def hear(what, since, pattern):
        """How many lines Orca has spoken once, after `since` of them, it says `pattern`."""
        deadline = time.monotonic() + 60  # seconds, on a loaded machine
        while time.monotonic() < deadline:
            lines = said(0.2)
            if any(re.search(pattern, line) for line in lines[since:]):
                print("ok: %s" % what)
                return len(lines)
        print("Orca said:\n  " + "\n  ".join(said()[since:]))
        sys.exit("FAIL: after %s Orca did not say /%s/" % (what, pattern))

    with tempfile.TemporaryDirectory(prefix="vandrel-orca-") as home:
        env = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=home,
                   # No speech device: Orca finds no speech server at once, rather
                   # than waiting on one it starts, and still logs what it speaks.
                   SPEECHD_ADDRESS="unix_socket:" + os.path.join(home, "no-speech"),
                   SPEECHD_CMD="/bin/false")
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            env.pop(name, None)  # settings and caches under the test's own home
        quiet = {"env": env, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
        processes = [subprocess.Popen(["openbox"], **quiet),
                     subprocess.Popen(["orca", "--debug-file=" + os.ttyname(terminal)], **quiet)]
        try:
            hear("Orca starts", 0, r"Screen reader on")
            processes.append(subprocess.Popen([program], cwd=os.path.dirname(program),
                                              env=dict(env, QT_QPA_PLATFORM="xcb")))
            heard = len(said())
            for what, keys, pattern in STEPS:
                if keys:
                    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)
                heard = hear(what, heard, pattern)
            print("Orca said:\n  " + "\n  ".join(said()))
        finally:
            for process in processes:
                process.kill()
                process.wait()


if __name__ == "__main__":
    sys.exit(main())
