"""Reads the running tool over AT-SPI as a screen reader does, and checks it.

Usage: accessibility_reader.py PROGRAM_NAME MAIN_WINDOW_TITLE
Prints each fault found and exits 1 if there is any.
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

program, title = sys.argv[1], sys.argv[2]
faults = []


def check(condition, fault):
    if not condition:
        faults.append(fault)
        print("fault:", fault)


def window_named(name, tries=50):
    for _ in range(tries):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == program:
                for window in app:
                    if window is not None and window.name == name:
                        return window
        time.sleep(0.2)
    sys.exit(f"no window {name!r} of {program!r} on the accessibility bus")


def children(window):
    return [(child.getRoleName(), child.name, child) for child in window]


def text_of(node):
    return node.queryText().getText(0, -1)


def do(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{node.name!r} offers no {action} among {names}")
    actions.doAction(names.index(action))


main = window_named(title)
nodes = children(main)
by_name = {(role, name): node for role, name, node in nodes}
labels = [name for role, name, _ in nodes if role == "label"]
for caption in ("Nord", "Echelle (kn):", "COG                Courant             Voilier"):
    check(caption in labels, f"label {caption!r} not read")
check("instant" not in labels, "the hidden legend 'instant' is read")
check(sum(bool(re.fullmatch(r"\d+,\dn  \d+°", name)) for name in labels) == 3, f"not three readouts in {labels}")
for spot in ("bateau", "courant", "route fond"):
    check(("image", spot) in by_name, f"spot {spot!r} not read")
for caption in ("5", "10", "15", "20", "Exit", "Aide"):
    check(("push button", caption) in by_name, f"button {caption!r} not read")
radios = {name for role, name, _ in nodes if role == "radio button"}
expected = {f"Heure {h}" for h in range(1, 25)} | {f"Effacer l'heure {h}" for h in range(1, 25)}
check(radios == expected, f"hour buttons read as {sorted(radios)[:4]}...")

# Recording hour 3 by the action that once left the hour unrecorded: the
# row's new text is announced and read, and only that button is checked.
announced = []
pyatspi.Registry.registerEventListener(lambda event: announced.append(str(event.any_data)), "object:text-changed:insert")
GLib.timeout_add(500, lambda: do(by_name[("radio button", "Heure 3")], "Toggle"))
GLib.timeout_add(2500, pyatspi.Registry.stop)
pyatspi.Registry.start()
row = [name for role, name, _ in children(main) if role == "label" and name.startswith(" 3: ")]
check(len(row) == 1, "the recorded hour's row is not read")
check(any(name.startswith(" 3: ") for name in announced), f"no text change announced for row 3: {announced[:5]}")
checked = [name for role, name, node in children(main)
           if role == "radio button" and node.getState().contains(pyatspi.STATE_CHECKED)]
check(checked == ["Heure 3"], f"checked after the action: {checked}")
check(by_name[("radio button", "Heure 3")].description == (row[0] if row else None),
      "the hour button's description is not its row")

do(by_name[("push button", "Aide")], "Press")
help_nodes = children(window_named("Aide"))
check(len(help_nodes) == 1 and help_nodes[0][0] == "label", f"the help window holds {help_nodes}")
if help_nodes:
    help_text = text_of(help_nodes[0][2])
    check(len(help_text) == 1522 and help_text.count("\n") == 21,
          f"help text of {len(help_text)} characters, {help_text.count(chr(10))} line breaks")
sys.exit(1 if faults else 0)
