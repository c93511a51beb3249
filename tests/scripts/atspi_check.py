# What a screen reader finds of the running program over AT-SPI: names and
# roles of the controls, and the message line and counters telling their
# changes. Run by atspi_test.sh with the program started; exits 1 on failure.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def expect(what, ok):
    if not ok:
        failures.append(what)


def find_app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    return None


def walk(node, into):
    try:
        into.append((node.getRoleName(), node.name, node))
        for i in range(node.childCount):
            walk(node.getChildAtIndex(i), into)
    except Exception:
        pass


app = find_app(sys.argv[1])
if app is None:
    print("the program never showed up on the accessibility bus")
    sys.exit(1)
nodes = []
walk(app, nodes)
named = {(role, name) for role, name, _ in nodes}
for role, name in [("push button", "Middle C, C4"), ("push button", "C sharp 4"), ("push button", "B6"),
                   ("push button", "New lesson"), ("push button", "Clue"),
                   ("slider", "Lowest note: C4"), ("slider", "Highest note: C5"),
                   ("label", "Right answers: 0"), ("label", "Wrong answers: 0"),
                   ("label", "Click on the New button...")]:
    expect(f"a {role} named {name!r}", (role, name) in named)

changes = []


def changed(event):
    changes.append(event.source.name)


def press(name):
    for role, n, node in nodes:
        if role == "push button" and n == name:
            node.queryAction().doAction(0)
            return True
    return False


def act():
    expect("New lesson pressed", press("New lesson"))
    GLib.timeout_add(1500, answer)
    return False


def answer():
    # A typed "h" is always wrong: the message and the wrong count change.
    subprocess.run(["xdotool", "search", "--name", "Staverly v", "key", "--window", "%1", "h"], check=False)
    GLib.timeout_add(2000, stop)
    return False


def stop():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
GLib.timeout_add(500, act)
pyatspi.Registry.start()
expect("the message line told '1 ) - ?'", "1 ) - ?" in changes)
expect("the wrong count told 'Wrong answers: 1'", "Wrong answers: 1" in changes)
for failure in failures:
    print("missing:", failure)
print("name changes heard:", sorted(set(changes)))
sys.exit(1 if failures else 0)
