# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader finds of the running program over AT-SPI: names and
# roles of the controls, the message line and counters telling their changes,
# what Tab reaches, each judged answer shown as a notification of the
# program's status bar, and controls worked through their actions and values
# as a screen reader works them. Run by atspi_test.sh with the program started, its
# range one octave (C4 to B4); exits 1 on failure.
import re
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
wanted = [("push button", "Middle C, C4"), ("push button", "C sharp 4"), ("push button", "B6"),
          ("push button", "New lesson"), ("push button", "Clue"),
          ("slider", "Lowest note: C4"), ("slider", "Highest note: B4"),
          ("label", "Right answers: 0"), ("label", "Wrong answers: 0"),
          ("label", "Click on the New button..."), ("image", "Treble staff"),
          ("progress bar", "No question yet"), ("status bar", "")]
# A program still starting, or too busy to reply, shows part of itself: the
# tree is walked again until it is all there, for half a minute at most.
deadline = time.monotonic() + 30
while True:
    nodes = []
    walk(app, nodes)
    named = {(role, name) for role, name, _ in nodes}
    if all(w in named for w in wanted) or time.monotonic() > deadline:
        break
    time.sleep(0.5)
for role, name in wanted:
    expect(f"a {role} named {name!r}", (role, name) in named)

def node_named(role, name):
    return next((node for r, n, node in nodes if r == role and n == name), None)


def name_of(node):
    # A program busy with its answer may not reply in time: asked again later.
    try:
        return node.name
    except Exception:
        return None


message = node_named("label", "Click on the New button...")
wrong = node_named("label", "Wrong answers: 0")
right = node_named("label", "Right answers: 0")
bar = node_named("progress bar", "No question yet")
staff = next((node for r, n, node in nodes if n in ("Treble staff", "Bass staff")), None)
# Tab reaches what the lesson shows, for a screen reader to read.
for what, node in [("message line", message), ("wrong count", wrong), ("staff", staff), ("progress bar", bar)]:
    try:
        expect(f"the {what} reached by Tab", node.getState().contains(pyatspi.STATE_FOCUSABLE))
    except Exception:
        expect(f"the {what} reached by Tab", False)
if message is None or wrong is None or staff is None:
    for failure in failures + ["the message line, the wrong count or the staff"]:
        print("missing:", failure)
    sys.exit(1)

# Qt's name-change events carry no name: a screen reader asks the control
# for it, as this does once it has changed.
told = []
seen = {}
shown = []


def changed(event):
    told.append(event.source)


# A notification showing is what Orca speaks: its name is the text.
def showing(event):
    try:
        if event.detail1 and event.source.getRoleName() == "notification":
            shown.append(event.source.name)
    except Exception:
        pass


def press(name):
    for role, n, node in nodes:
        if role == "push button" and n == name:
            node.queryAction().doAction(0)
            return True
    return False


def dialog_open():
    try:
        return any(app.getChildAtIndex(i).getRoleName() == "dialog" for i in range(app.childCount))
    except Exception:
        return True


def act(deadline):
    # The About box opens modal at every start and closes itself after two
    # seconds; until then it, not the lesson, has the keyboard.
    if dialog_open() and time.monotonic() < deadline:
        return True
    expect("New lesson pressed", press("New lesson"))
    GLib.timeout_add(100, answer_once_asked, time.monotonic() + 40)
    return False


# The message line asks once the question is open; a letter typed before
# that is not an answer.
def answer_once_asked(deadline):
    if name_of(message) == "1 ) - ?":
        seen["message"] = "1 ) - ?"
        # A typed "h" is always wrong: the message and the wrong count change.
        # Not waited for: Qt holds the key until the registry, and so this
        # script's own loop, has seen it.
        subprocess.Popen(["xdotool", "search", "--name", "Staverly v", "key", "--window", "%1", "h"])
        GLib.timeout_add(100, stop_once_told, deadline)
        return False
    if time.monotonic() > deadline:
        return stop()
    return True


def stop_once_told(deadline):
    if name_of(wrong) == "Wrong answers: 1":
        seen["wrong"] = "Wrong answers: 1"
        seen["staff"] = name_of(staff)
        seen["bar"] = name_of(bar)
        # The answer's key, found by its name and pressed through its action.
        letter = (seen["staff"] or "?").rsplit(" ", 1)[-1]
        key = "Middle C, C4" if letter == "C" else letter + "4"
        seen["key"] = key
        if not press(key):
            return stop()
        GLib.timeout_add(100, stop_once_right, deadline)
        return False
    if time.monotonic() > deadline:
        return stop()
    return True


def stop_once_right(deadline):
    if name_of(right) == "Right answers: 1" and len(shown) >= 2:
        seen["right"] = "Right answers: 1"
        # The high slider set through its value, as a drag to G4 would.
        high = node_named("slider", "Highest note: B4")
        if high is None:
            return stop()
        high.queryValue().currentValue = 12.0
        GLib.timeout_add(100, setup_once_moved, high, deadline)
        return False
    if time.monotonic() > deadline:
        return stop()
    return True


def setup_once_moved(high, deadline):
    if name_of(high) == "Highest note: G4":
        seen["slider"] = "Highest note: G4"
        # Lesson Setup, its Bass Clef toggled and OK pressed through their
        # actions, as a screen reader does: a new lesson starts in the bass.
        # A shortcut needs the window focused, not a key sent to it.
        subprocess.Popen(["xdotool", "search", "--name", "Staverly v", "windowfocus", "--sync", "key", "ctrl+l"])
        GLib.timeout_add(100, bass_once_open, deadline)
        return False
    if time.monotonic() > deadline:
        return stop()
    return True


def act_on(role, name, action):
    found = []
    walk(app, found)
    for r, n, node in found:
        if r == role and (n or "").strip() == name:
            actions = node.queryAction()
            names = [actions.getName(i) for i in range(actions.nActions)]
            if action in names:
                actions.doAction(names.index(action))
                return True
    return False


def bass_once_open(deadline):
    if act_on("radio button", "Bass Clef", "Toggle"):
        seen["bass"] = act_on("push button", "OK", "Press")
        GLib.timeout_add(100, stop_once_in_bass, deadline)
        return False
    if time.monotonic() > deadline:
        return stop()
    return True


def stop_once_in_bass(deadline):
    if name_of(wrong) == "Wrong answers: 0" and not dialog_open():
        found = []
        walk(app, found)
        seen["bass"] = seen.get("bass") and ("push button", "C1") in {(r, n) for r, n, _ in found}
        return stop()
    if time.monotonic() > deadline:
        return stop()
    return True


def stop():
    pyatspi.Registry.stop()
    return False


pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-name")
pyatspi.Registry.registerEventListener(showing, "object:state-changed:showing")
GLib.timeout_add(200, act, time.monotonic() + 30)
pyatspi.Registry.start()
expect("the message line asking '1 ) - ?'", seen.get("message") == "1 ) - ?")
expect("the wrong count at 'Wrong answers: 1'", seen.get("wrong") == "Wrong answers: 1")
expect(f"the staff naming the note asked, not {seen.get('staff')!r}",
       re.fullmatch(r"Treble staff, the note [A-G]", seen.get("staff") or "") is not None)
expect(f"the progress bar at 'Question 1 of 20', not {seen.get('bar')!r}", seen.get("bar") == "Question 1 of 20")
expect(f"the key {seen.get('key')!r}, pressed through its action, answering right",
       seen.get("right") == "Right answers: 1")
note = "C4" if seen.get("key") == "Middle C, C4" else seen.get("key")
expect(f"the wrong letter, the right key and the slider shown as notifications, not {shown}",
       len(shown) == 3 and shown[0] == "Not H" and re.fullmatch(f"{note}, .+", shown[1] or "") is not None
       and shown[2] == "Highest note: G4")
expect("the high slider at G4, set through its value", seen.get("slider") == "Highest note: G4")
expect("Bass Clef toggled and OK pressed by their actions: a new lesson with the keys named in the bass",
       seen.get("bass") is True)
# The counters, the message line and the staff tell their changes (a
# focused control tells its own once it loses the focus).
for what, node in [("message line", message), ("wrong count", wrong), ("staff", staff)]:
    expect(f"the {what} telling its change", node in told)
for failure in failures:
    print("missing:", failure)
print("names now:", [name_of(node) for node in (message, wrong, staff)], "shown:", shown)
sys.exit(1 if failures else 0)
