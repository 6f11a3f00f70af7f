"""Reads a running game through the desktop's accessibility bus, as a screen reader does:
starts a mission, finds every station by its title, reads the Status figures by their
labels and the newest ship's message, presses the Shields buttons by name and reads the
figures that changed. Prints what is wrong and exits 1; exits 0 when all is well."""

import re
import subprocess
import sys
import time

import pyatspi

STATIONS = ["Short Range Scan", "Long Range Scan", "Navigation", "Photon Torpedoes", "Phasers", "Shields",
            "Damage Report", "Computer", "Status", "Messages", "Controls"]
FIGURES = [r"Stardate \d+\.\d", r"Quadrant [1-8]-[1-8]", r"Sector [1-8]-[1-8]", r"Dilithium \d+",
           r"Shields \d+", r"Photon \d+", r"Aliens \d+", r"Condition (Red|Yellow|Green|Docked)"]


def wait_for(what, seconds, look):
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = look()
        except Exception:  # a part went away while being read: look again
            found = None
        if found:
            return found
        time.sleep(0.25)
    sys.exit(f"FAIL: no {what} within {seconds} s")


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in children(desktop) if a.name == "Kestrav"), None)


def panels():
    """The station panels by name, once all eleven are up."""
    frame = next((c for c in children(game()) if c.getRoleName() == "frame"), None)
    area = next((c for c in children(frame) if c.getRoleName() == "layered pane"), None)
    found = {}
    for window in children(area):
        for panel in children(window):
            if panel.getRoleName() == "panel":
                found[panel.name] = panel
    return found if len(found) == len(STATIONS) else None


def labels(panel):
    return [c.name for c in children(panel) if c.getRoleName() == "label"]


def press(panel, name):
    button = next(c for c in children(panel) if c.getRoleName() == "push button" and c.name == name)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        sys.exit(f"FAIL: {panel.name}'s button {name} has no press action, only {names}")
    action.doAction(names.index("Press"))


def figure(panel, label):
    return int(next(t for t in labels(panel) if t.startswith(label + " ")).split()[-1])


wait_for("game on the accessibility bus", 30, game)
subprocess.run(["xdotool", "key", "Escape"], check=False)  # the fly-by, if it still runs
time.sleep(0.5)
subprocess.run(["xdotool", "key", "ctrl+n"], check=True)
# The mission's orders stand alone on the screen until a key dismisses them; the stations
# come up after.
wait_for("mission orders", 20, lambda: len(children(game())) > 1)
while len(children(game())) > 1:
    subprocess.run(["xdotool", "key", "space"], check=True)
    time.sleep(1)
stations = wait_for("bridge of eleven stations", 20, panels)

failures = []
if sorted(stations) != sorted(STATIONS):
    failures.append(f"stations {sorted(stations)}")
status = stations["Status"]
read = labels(status)
if len(read) != len(FIGURES) or not all(re.fullmatch(f, t) for f, t in zip(FIGURES, read)):
    failures.append(f"Status reads {read}")
newest = labels(stations["Messages"])
if len(newest) != 1 or not newest[0]:
    failures.append(f"Messages reads {newest}")

shields, energy = figure(status, "Shields"), figure(status, "Dilithium")
press(stations["Shields"], "More energy")
press(stations["Shields"], "EXECUTE")
# The clock may take one more unit of energy meanwhile.
wait_for("new figures after the shield transfer", 10, lambda: energy - 11 <= figure(status, "Dilithium") <= energy - 10)
if figure(status, "Shields") == shields:
    failures.append(f"Shields still reads {shields} after 10 units went in")

for failure in failures:
    print("FAIL:", failure)
print("\n".join(["Status: " + ", ".join(labels(status)), "Messages: " + ", ".join(labels(stations["Messages"]))]))
sys.exit(1 if failures else 0)
