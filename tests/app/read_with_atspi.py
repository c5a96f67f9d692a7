#!/usr/bin/python3
"""Reads the running program the way a screen reader does, over the AT-SPI bus.

Usage: read_with_atspi.py PROGRAM. Run on a display, with the accessibility
bus up (tests/support/with-atspi). Exits non-zero on the first difference.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi_reading import check, children, text_of, wait_for, window  # noqa: E402

CARD = re.compile(r"^(Ace|[2-9]|10|Jack|Queen|King) of (spades|clubs|hearts|diamonds)$")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def press(win, caption):
    buttons = [b for b in children(win, pyatspi.ROLE_PUSH_BUTTON) if b.name == caption]
    if not buttons:
        sys.exit(f"no button {caption!r}")
    buttons[0].queryAction().doAction(0)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        main_window = wait_for(lambda: window("Vandrel"), "the main window")
        labels = children(main_window, pyatspi.ROLE_LABEL)
        check("label count", len(labels), 13)
        captions = [
            "Number of cards in multiples of 3 drawn", "Total number of cards drawn", "0", "0",
            "\u2252", "", "0.3076923", "\u2252", "16", "52", "Total number of playing cards",
            "Total number of cards in multiples of 3", "Vandrel"]
        for number, (label, caption) in enumerate(zip(labels, captions), start=1):
            check(f"Label{number} name", label.name, caption)
            check(f"Label{number} text", text_of(label), caption)

        cards = [c for c in children(main_window, pyatspi.ROLE_IMAGE) if showing(c)]
        check("cards showing after start", [c.name for c in cards], ["Ace of spades"])

        press(main_window, "Shuffle")
        time.sleep(0.3)
        press(main_window, "Draw")
        wait_for(lambda: labels[2].name == " 1" or None, "Label3 after Draw")
        check("Label3 after Draw", text_of(labels[2]), " 1")
        cards = [c for c in children(main_window, pyatspi.ROLE_IMAGE) if showing(c)]
        check("cards showing after Draw", len(cards), 1)
        if not CARD.match(cards[0].name):
            sys.exit(f"card name {cards[0].name!r}")
        hit = cards[0].name.split()[0] in ("3", "6", "9", "Queen")
        check("Label4 after Draw", labels[3].name, " 1" if hit else "0")
        check("Label6 after Draw", labels[5].name, "1.0000000" if hit else "0.0000000")
        print(f"ok   card on view: {cards[0].name}")

        press(main_window, "Help")
        help_window = wait_for(lambda: window(" Playing Cards"), "the help window")
        areas = [c for c in help_window if c is not None and c.name == "Help text"]
        lines = wait_for(lambda: (text_of(areas[0]).split("\n")
                                  if areas and text_of(areas[0]) else None), "the help text")
        check("help lines", len(lines), 22)
        check("help line 2", lines[1], "\u3000\u3010Problem\u3011")
        check("help line 22", lines[21], "\u3000" * 5 +
              "Click the [Init] button to restart the experiment from the beginning.")
        print("all read as shown")
    finally:
        program.kill()
        program.wait()


main()
