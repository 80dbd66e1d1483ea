"""Reads the home page over AT-SPI as a screen reader meets it at start: the Today line, the
Start Review button and the list played yesterday, each found by its name."""
import sys
import time

import pyatspi

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def find_home():
    for _ in range(150):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and (app.name or "").lower() == "glossatiles":
                button = pyatspi.findDescendant(
                    app, lambda n: n.getRoleName() == "push button" and n.name == "Start Review")
                if button is not None:
                    return app, button
        time.sleep(0.2)
    sys.exit("FAIL: the home page's Start Review never appeared on the accessibility bus")


app, start = find_home()
check(start.getState().contains(pyatspi.STATE_ENABLED), "Start Review can be pressed")
check("pairs are due today" in (start.description or ""),
      "Start Review is described by the Today line, not %r" % start.description)
today = pyatspi.findDescendant(app, lambda n: n.getRoleName() == "label"
                               and (n.name or "").endswith("pairs are due today"))
check(today is not None, "the Today line is a label a reader finds")

lists = pyatspi.findDescendant(app, lambda n: n.getRoleName() == "table"
                               and n.name == "Your lists")
check(lists is not None, "the lists are a table named Your lists")
if lists is not None:
    cells = pyatspi.findAllDescendants(lists, lambda n: "cell" in n.getRoleName())
    names = [c.name for c in cells]
    check(any(n.startswith("Numbers (numbers.txt)") for n in names),
          "the list played is a row named by its description and file: %s" % names)

sys.exit(1 if failures else 0)
