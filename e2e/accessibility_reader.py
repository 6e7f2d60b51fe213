"""Reads the running tool over AT-SPI as a screen reader does, and checks it.
Usage: accessibility_reader.py PROGRAM_NAME MAIN_WINDOW_TITLE < OFFERED, where
OFFERED lists what the main window offers a screen reader, one "Role<TAB>name"
line per child, as the window itself gives it; prints each fault found and
exits 1 if there is any."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

program, title = sys.argv[1:3]
faults = []


def check(condition, fault):
    if not condition:
        print("fault:", fault)
        faults.append(fault)


def window(name):
    for _ in range(50):
        for app in filter(lambda app: app is not None and app.name == program, pyatspi.Registry.getDesktop(0)):
            for found in filter(lambda w: w is not None and w.name == name, app):
                return found
        time.sleep(0.2)
    sys.exit(f"no window {name!r} of {program!r} on the accessibility bus")


def read(node):
    return {(child.getRole(), child.name): child for child in node}


def act(node, action):
    actions = node.queryAction()
    actions.doAction([actions.getName(i) for i in range(actions.nActions)].index(action))


# Qt's roles as the bridge hands them on, by pyatspi's constants: their
# English names differ between releases of at-spi2-core (a push button is
# "button" from 2.56 on).
roles = {"StaticText": pyatspi.ROLE_LABEL, "Graphic": pyatspi.ROLE_IMAGE,
         "Button": pyatspi.ROLE_PUSH_BUTTON, "RadioButton": pyatspi.ROLE_RADIO_BUTTON}
offered = [line.split("\t", 1) for line in sys.stdin.read().splitlines() if line]
check(offered, "the window offers nothing to read")
expected = {(roles.get(role, role), name) for role, name in offered}
main = window(title)
tree = read(main)
check(set(tree) == expected,
      f"read but not offered: {sorted(map(str, set(tree) - expected))}; "
      f"offered but not read: {sorted(map(str, expected - set(tree)))}")
labels = [name for role, name in tree if role == pyatspi.ROLE_LABEL]
check("instant" not in labels, "the hidden legend 'instant' is read")
check(sum(bool(re.fullmatch(r"\d+,\dn  \d+°", name)) for name in labels) == 3, f"not three readouts in {labels}")

# Hour 3 recorded by the action that once left it unrecorded: the row's new
# text is announced and read, and that button alone is checked.
announced = []
pyatspi.Registry.registerEventListener(lambda event: announced.append(str(event.any_data)), "object:text-changed:insert")
GLib.timeout_add(500, lambda: act(tree[(pyatspi.ROLE_RADIO_BUTTON, "Heure 3")], "Toggle"))
GLib.timeout_add(2500, pyatspi.Registry.stop)
pyatspi.Registry.start()
tree = read(main)
check(any(role == pyatspi.ROLE_LABEL and name.startswith(" 3: ") for role, name in tree), "the recorded row is not read")
check(any(text.startswith(" 3: ") for text in announced), f"row 3 not announced: {announced[:5]}")
checked = [name for (role, name), node in tree.items() if node.getState().contains(pyatspi.STATE_CHECKED)]
check(checked == ["Heure 3"], f"checked after the action: {checked}")

act(tree[(pyatspi.ROLE_PUSH_BUTTON, "Aide")], "Press")
help_text = [child.queryText().getText(0, -1) for child in window("Aide")]
check([(len(t), t.count("\n")) for t in help_text] == [(1522, 21)], "the help text is not read whole, line by line")
sys.exit(1 if faults else 0)
