#!/usr/bin/python3
"""Listens to what applications tell screen readers, as a screen reader does,
until it is ended; then prints how many events it heard."""
import signal
import sys

import pyatspi

heard = 0


def on_event(_event):
    global heard
    heard += 1


def stop(_signal, _frame):
    print(f"heard {heard} events", file=sys.stderr)
    pyatspi.Registry.stop()


signal.signal(signal.SIGTERM, stop)
pyatspi.Registry.registerEventListener(
    on_event, "object:property-change:accessible-name", "object:text-changed",
    "object:state-changed", "object:property-change:accessible-description")
pyatspi.Registry.start()
