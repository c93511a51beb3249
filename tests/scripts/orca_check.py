# SPDX-License-Identifier: GPL-3.0-or-later
# A lesson taken from the keyboard with Orca running, then what Orca would
# have spoken, read from its debug output. Run by orca_test.sh:
#   orca_check.py --wait-for-orca            (returns once Orca is on the bus)
#   orca_check.py PROGRAM ORCA_PID ORCA_LOG  (exits 1 on failure)
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi


def apps():
    desktop = pyatspi.Registry.getDesktop(0)
    found = {}
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None:
            found[app.name] = app
    return found


def wait_for(what, test, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            value = test()
            if value:
                return value
        except Exception:
            pass
        time.sleep(0.1)
    failures.append(f"in {seconds} s: {what}")
    return None


failures = []
if sys.argv[1] == "--wait-for-orca":
    sys.exit(0 if wait_for("Orca on the accessibility bus", lambda: "orca" in apps()) else 1)

program, orca_pid, orca_log = sys.argv[1], int(sys.argv[2]), sys.argv[3]
app = wait_for("the program on the accessibility bus", lambda: apps().get(program), 30)
if app is None:
    print("\n".join(failures))
    sys.exit(1)


def nodes():
    found = []

    def walk(node):
        try:
            found.append(node)
            for i in range(node.childCount):
                walk(node.getChildAtIndex(i))
        except Exception:
            pass

    walk(app)
    return found


def named(role, start):
    return next((n for n in nodes() if n.getRoleName() == role and (n.name or "").startswith(start)), None)


def said():
    """The text of the notification showing now, the last one said."""
    for n in nodes():
        if n.getRoleName() == "notification" and n.getState().contains(pyatspi.STATE_SHOWING):
            return n.name
    return None


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


def press(name, what, test):
    key(name)
    return wait_for(f"{what} after {name}", test)


# The About box goes away by itself; then the window takes the keyboard.
wait_for("the About box to close", lambda: not any(
    app.getChildAtIndex(i).getRoleName() == "dialog" for i in range(app.childCount)), 30)
window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Staverly v"], capture_output=True, text=True).stdout.split()
if not window:
    print("no main window")
    sys.exit(1)
subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], check=True)
wait_for("the New lesson button focused", lambda: named("push button", "New lesson").getState().contains(
    pyatspi.STATE_FOCUSED))

heard = {}
wrong = named("label", "Wrong answers")
right = named("label", "Right answers")
message = named("label", "Click on the New button")
press("ctrl+n", "the first question", lambda: message.name == "1 ) - ?")
staff = named("image", "Treble staff")
letter = staff.name.rsplit(" ", 1)[-1].lower()

# A right letter, then two keys found by the arrows and played by Return,
# a wrong letter, the status key, a clue and a range slider moved.
press(letter, "the right answer", lambda: right.name == "Right answers: 1")
heard["right"] = wait_for("a right answer said", lambda: re.match(r"^[A-G]4, ", said() or "") and said())
press("End", "the top key focused", lambda: named("push button", "B6").getState().contains(pyatspi.STATE_FOCUSED))
press("Return", "a wrong answer", lambda: wrong.name == "Wrong answers: 1")
heard["too high"] = wait_for("too high said", lambda: (said() or "").startswith("Too High, ") and said())
press("Home", "the bottom key focused", lambda: named("push button", "C3").getState().contains(pyatspi.STATE_FOCUSED))
press("Right", "the next key focused",
      lambda: named("push button", "C sharp 3").getState().contains(pyatspi.STATE_FOCUSED))
press("Left", "the bottom key focused again",
      lambda: named("push button", "C3").getState().contains(pyatspi.STATE_FOCUSED))
press("Return", "another wrong answer", lambda: wrong.name == "Wrong answers: 2")
heard["too low"] = wait_for("too low said", lambda: (said() or "").startswith("Too Low, ") and said())
press("h", "a wrong letter", lambda: wrong.name == "Wrong answers: 3")
heard["wrong letter"] = wait_for("a wrong letter said", lambda: said() == "Not H" and said())
press("F2", "the status said", lambda: (said() or "").startswith("Question 2 of 20. "))
heard["status"] = said()
press("space", "a clue said", lambda: (said() or "").startswith("Clue: "))
heard["clue"] = said()
press("shift+Tab", "the high slider focused",
      lambda: named("slider", "Highest note").getState().contains(pyatspi.STATE_FOCUSED))
press("Left", "the high slider moved", lambda: said() == "Highest note: A4")
heard["slider"] = said()
# Tab on: the keys, the low slider, the message line, the staff, the bar.
press("Tab", "the bottom key focused", lambda: named("push button", "C3").getState().contains(pyatspi.STATE_FOCUSED))
press("End", "the top key focused", lambda: named("push button", "B6").getState().contains(pyatspi.STATE_FOCUSED))
for _ in range(4):
    key("Tab")
    time.sleep(0.3)
wait_for("the progress bar focused", lambda: named("progress bar", "Question 2 of 20").getState().contains(
    pyatspi.STATE_FOCUSED))
time.sleep(1)

# Orca writes its log as it ends.
os.kill(orca_pid, signal.SIGTERM)
for _ in range(100):
    try:
        os.kill(orca_pid, 0)
    except ProcessLookupError:
        break
    time.sleep(0.1)
else:
    os.kill(orca_pid, signal.SIGKILL)
    failures.append("Orca did not end when asked")

spoken = []
with open(orca_log, encoding="utf-8", errors="replace") as log:
    text = log.read()
for line in text.splitlines():
    # The text, then the voice: "SPEECH OUTPUT: 'Too Low, Bad.'{...}".
    m = re.search(r"SPEECH OUTPUT: '(.*)' ?\{", line)
    if m:
        spoken.append(m.group(1))


def times_spoken(phrase):
    # Orca ends a sentence that has no stop of its own with one.
    return sum(1 for s in spoken if s == phrase or s == phrase + ".")


for what, phrase in heard.items():
    if not phrase:
        failures.append(f"nothing was shown for {what}")
    elif times_spoken(phrase) != 1:
        failures.append(f"{what}: Orca spoke {phrase!r} {times_spoken(phrase)} times, not once")
for phrase in ["C sharp 3 push button", "B6 push button", "Question 2 of 20 progress bar"]:
    if times_spoken(phrase) < 1:
        failures.append(f"Orca never spoke {phrase!r}")
for error in ["bad content sent to speak", "IndexError"]:
    if error in text:
        failures.append(f"Orca logged {error!r}")

print("Orca spoke:")
for s in spoken:
    print("  ", s)
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
