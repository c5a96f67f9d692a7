#!/usr/bin/python3
"""Reads the running program the way a screen reader does, over the AT-SPI bus.

Usage: read_with_atspi.py PROGRAM, on a display with the accessibility bus up
(tests/support/with-atspi). Exits non-zero on the first difference."""
import os
import re
import subprocess
import sys

import pyatspi

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from atspi_reading import check, children, text_of, wait_for, window  # noqa: E402

CARD = re.compile(r"^(Ace|[2-9]|10|Jack|Queen|King) of (spades|clubs|hearts|diamonds)$")
CAPTIONS = [
    "Number of cards in multiples of 3 drawn", "Total number of cards drawn", "0", "0", "\u2252",
    "", "0.3076923", "\u2252", "16", "52", "Total number of playing cards",
    "Total number of cards in multiples of 3", "Vandrel"]


def cards_on_view(win):
    return [c.name for c in children(win, pyatspi.ROLE_IMAGE)
            if c.getState().contains(pyatspi.STATE_SHOWING)]


def press(win, caption):
    """Presses the button as soon as it is offered."""
    button = next((b for b in children(win, pyatspi.ROLE_PUSH_BUTTON) if b.name == caption), None)
    check(f"button {caption!r} there", button is not None, True)
    wait_for(lambda: button if button.getState().contains(pyatspi.STATE_ENABLED) else None,
             f"button {caption!r} offered")
    button.queryAction().doAction(0)


program = subprocess.Popen([sys.argv[1]])
try:
    main_window = wait_for(lambda: window("Vandrel"), "the main window")
    labels = children(main_window, pyatspi.ROLE_LABEL)
    check("label count", len(labels), 13)
    for number, (label, caption) in enumerate(zip(labels, CAPTIONS), start=1):
        check(f"Label{number} name", label.name, caption)
        check(f"Label{number} text", text_of(label), caption)
    check("cards showing after start", cards_on_view(main_window), ["Ace of spades"])

    press(main_window, "Shuffle")
    press(main_window, "Draw")
    wait_for(lambda: labels[2].name == " 1" or None, "Label3 after Draw")
    check("Label3 after Draw", text_of(labels[2]), " 1")
    cards = cards_on_view(main_window)
    check("cards showing after Draw", len(cards), 1)
    check(f"{cards[0]!r} names a card", bool(CARD.match(cards[0])), True)
    hit = cards[0].split()[0] in ("3", "6", "9", "Queen")
    check("Label4 after Draw", labels[3].name, " 1" if hit else "0")
    check("Label6 after Draw", labels[5].name, "1.0000000" if hit else "0.0000000")
    told = [c.description for c in [main_window, *main_window] if c is not None and c.description]
    tally = ("1 of 1 card is a multiple of 3; ratio 1.0000000." if hit else
             "0 of 1 card are multiples of 3; ratio 0.0000000.")
    check("card and tally told, if any", set(told) - {f"Drew the {cards[0]}. {tally}"}, set())

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
