"""The program read as a screen reader reads it, over the AT-SPI bus: shared by
the tests that read it from Python, and by the installed package's test."""
import sys
import time

import pyatspi


def wait_for(find, what, seconds=10.0):
    """The first answer of `find` that is not None; the test fails without one in time."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"not found within {seconds} s: {what}")


def check(what, actual, expected):
    if actual != expected:
        sys.exit(f"{what}: {actual!r}, expected {expected!r}")
    print(f"ok   {what}: {actual!r}")


def window(title_start):
    """The program's window whose title starts with `title_start`, or None."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Vandrel":
            for win in app:
                if win is not None and win.name.startswith(title_start):
                    return win
    return None


def children(node, role):
    return [child for child in node if child is not None and child.getRole() == role]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)
