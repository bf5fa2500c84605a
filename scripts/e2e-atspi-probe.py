#!/usr/bin/python3
# What a screen reader sees of the timer over AT-SPI. "read": its role, name
# and text on one line. "events SECONDS": the changes it is told of meanwhile,
# one line each (the kind, then the text as of then).
import sys

import pyatspi
from gi.repository import GLib


def timer():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "QuillastorTimer":
            for child in app:
                if child is not None and child.getRoleName() == "label":
                    return child
    sys.exit("no timer label on the accessibility bus")


def text(accessible):
    return accessible.queryText().getText(0, -1)


label = timer()
if sys.argv[1] == "read":
    print(f"{label.getRoleName()}|{label.name}|{text(label)}")
    sys.exit()

def told(event):
    if event.source == label and event.type.startswith(("object:property-change:accessible-", "object:text-changed")):
        print(f"{event.type}|{text(label)}", flush=True)

# "object" as a whole: its parts alone reach no listener on this bus.
pyatspi.Registry.registerEventListener(told, "object")
GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
print("listening", flush=True)
pyatspi.Registry.start()
