#!/usr/bin/python3
"""What a screen reader is told by the running program, read through AT-SPI.

Run by scripts/check-accessibility inside a D-Bus session of its own, with
DISPLAY naming a free display; it starts the X server and the window
manager there itself. The program's path is the first argument. It drives the
program with xdotool as a person would and reads back what the
accessibility bridge reports: names and roles, the focused object after
each Tab, a paste with the middle button. Prints one line per check and
exits 1 when any failed.
"""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi

PROGRAM = sys.argv[1]
TIMEOUT_S = 20
failures = []


def check(what, ok, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + ("" if ok or not detail else " (" + detail + ")"), flush=True)
    if not ok:
        failures.append(what)


def wait_for(probe, timeout=TIMEOUT_S):
    """The first true value `probe` returns within the time, or None."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = probe()
        except Exception:  # the tree changes under us while windows open
            value = None
        if value:
            return value
        time.sleep(0.2)
    return None


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.25)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "nyra-moonsign":
            return app
    return None


def walk(node):
    """Every object under `node`, not into the lists' entries."""
    yield node
    if node.getRoleName() == "combo box":
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def window(role, name=None):
    app = application()
    if app is None:
        return None
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.getRoleName() == role and (name is None or w.name == name):
            if w.getState().contains(pyatspi.STATE_SHOWING):
                return w
    return None


def focused():
    """The innermost named focused object of the active window (a text's
    viewport shares its focus, unnamed). Qt says the current tab of a tab
    bar is focused wherever the focus is; tabs are passed over."""
    app = application()
    app.clear_cache()  # states are cached on our side
    for w in (app.getChildAtIndex(i) for i in range(app.childCount)):
        if w is None or not w.getState().contains(pyatspi.STATE_ACTIVE):
            continue
        found = [node for node in walk(w)
                 if node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRoleName() != "page tab"
                 and node.name]
        return found[-1] if found else None
    return None


def tab_cycle(limit=60):
    """Names of what Tab visits, once round from the focus."""
    first = wait_for(focused)
    names = []
    at = first
    while at is not None and len(names) < limit:
        names.append(at.name)
        before = at
        keys("Tab")
        at = wait_for(lambda: (lambda f: f if f is not None and f != before else None)(focused()), 5)
        if at is None or at == first:
            break
    return names


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def click(node, button, repeat=1):
    x, y = extents(node)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", "--repeat", str(repeat),
                    str(button)], check=True)
    time.sleep(0.4)


def named(root, role, name):
    return next((n for n in walk(root) if n.getRoleName() == role and n.name == name), None)


def start(*arguments):
    program = subprocess.Popen([PROGRAM, *arguments], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return program


def stop(program):
    program.terminate()
    try:
        program.wait(10)
    except subprocess.TimeoutExpired:
        program.kill()
        program.wait()


def record_file(folder):
    """A record as the program writes it: Asha, 14 April 1985, 06:30 at New Delhi."""
    lines = ["Asha", "4", "14", "1985", "6", "30", "77", "13", "28", "36", "5", "30", "1", "0", "0"]
    path = os.path.join(folder, "asha.moo")
    with open(path, "wb") as f:
        for line in lines:
            f.write(bytes(b + 7 for b in line.encode()) + b"\r\n")
    return path


def start_display():
    """Xvfb on $DISPLAY and openbox on it; both are ended at exit."""
    number = os.environ["DISPLAY"].lstrip(":")
    xvfb = subprocess.Popen(["Xvfb", ":" + number, "-screen", "0", "1366x900x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_for(lambda: os.path.exists("/tmp/.X11-unix/X" + number), 10):
        sys.exit("Xvfb did not start on :" + number)
    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    return [wm, xvfb]


servers = start_display()

# ---- The main window ---------------------------------------------------------

program = start()
main = wait_for(lambda: window("frame", "Nyra Moon Sign v2.10"))
check("the main window is in the tree", main is not None)
if main is not None:
    lists = [n.name for n in walk(main) if n.getRoleName() == "combo box"]
    wanted = ["Day of birth", "Month of birth", "Year of birth", "Hour of birth", "Minute of birth", "Second of birth"]
    check("the date and time lists are named by their captions", all(w in lists for w in wanted), str(lists))
    pictures = [n.name for n in walk(main) if n.getRoleName() == "image"]
    check("the decorative Moon is not in the tree", pictures == [], str(pictures))

    # Named by its caption, a list tells its value by its selected entry.
    hour = named(main, "combo box", "Hour of birth")
    click(hour, 1)
    keys("Escape", "Down", "Down")
    application().clear_cache()
    entries = hour.getChildAtIndex(0)
    chosen = [entries.getChildAtIndex(i).name for i in range(entries.childCount)
              if entries.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)]
    check("a list's selected entry is the one it shows", chosen == ["2"], str(chosen))

    name_box = named(main, "text", "Name")
    click(name_box, 1)
    cycle = tab_cycle()
    zone = ["DST", "TZ Help", "Time Zone: hours", "Time Zone: minutes"]
    at = [cycle.index(z) if z in cycle else -1 for z in zone]
    check("Tab reaches DST and TZ Help before the zone's hours and minutes",
          -1 not in at and at == sorted(at), str(cycle))
    check("Tab goes from the name through the date and time lists",
          cycle[:7] == ["Name"] + wanted, str(cycle[:7]))

    # A middle click pastes the selection: digits go in, a word does not.
    degrees = named(main, "text", "Latitude: degrees")
    minutes = named(main, "text", "Latitude: minutes")
    for typed, box, goes_in in (("45", degrees, True), ("north", minutes, False)):
        click(name_box, 1)
        keys("ctrl+a")
        subprocess.run(["xdotool", "type", typed], check=True)
        click(name_box, 1, repeat=2)  # selects the word: the X selection
        click(box, 2)
        if goes_in:
            check("a middle click pastes digits", text_of(box) == typed, text_of(box))
        else:
            alert = wait_for(lambda: window("alert"), 5)
            said = [n.name for n in walk(alert)] if alert is not None else []
            check("a middle click of a word says \"Only Numbers Are Accepted\"",
                  "Only Numbers Are Accepted" in said, str(said))
            check("and pastes nothing", text_of(box) == "", text_of(box))
            if alert is not None:
                keys("Return")
stop(program)

# ---- The result and report windows -------------------------------------------

with tempfile.TemporaryDirectory() as folder:
    program = start(record_file(folder))
    result = wait_for(lambda: next((w for w in [window("frame", "Nyra Moon Sign v2.10")]
                                    if w is not None and named(w, "push button", "Back") is not None), None))
    check("a record opens the result window", result is not None)
    if result is not None:
        pictures = [n.name for n in walk(result) if n.getRoleName() == "image"]
        check("the sign's picture, and no other, is in the tree",
              len(pictures) == 1 and pictures[0].startswith("Picture of "), str(pictures))
        cycle = tab_cycle()
        # The window opens with focus on its tabs; Tab goes round, so the
        # order is read from the ayanamsa list on.
        start = next((i for i, n in enumerate(cycle) if n.startswith("Ayanamsa")), 0)
        cycle = cycle[start:] + cycle[:start]
        ayanamsa = next((i for i, n in enumerate(cycle) if n.startswith("Ayanamsa")), -1)
        tabs = next((i for i, n in enumerate(cycle) if n == "Sign Characteristics"), -1)
        check("Tab reaches the ayanamsa list before the tabs", 0 <= ayanamsa < tabs, str(cycle))
        back = cycle.index("Back") if "Back" in cycle else -1
        save = cycle.index("Save") if "Save" in cycle else -1
        check("Back and Save follow the tabs, before the promotions", 0 < back < save and save < len(cycle) - 1,
              str(cycle))

        keys("alt+s")
        report = wait_for(lambda: window("dialog"))
        check("Save opens the report window", report is not None)
        if report is not None:
            body = named(report, "text", "Moon sign report")
            check("the report is a text named \"Moon sign report\"", body is not None,
                  str([(n.getRoleName(), n.name) for n in walk(report)]))
            if body is not None:
                states = body.getState()
                check("read-only, not editable, of many lines",
                      states.contains(pyatspi.STATE_READ_ONLY) and not states.contains(pyatspi.STATE_EDITABLE)
                      and states.contains(pyatspi.STATE_MULTI_LINE))
                line = body.queryText().getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
                check("read line by line", line.strip() == "Common:", repr(line))
            cycle = tab_cycle()
            check("Tab in the report: the report, Export, Print, Save, then the links",
                  cycle[:4] == ["Moon sign report", "Export PDF...", "Print", "Save"] and len(cycle) == 8, str(cycle))

            # Saving as offered: the person's name and the sign, at home
            # (the scratch home has no Documents), then a notification.
            keys("alt+s")
            dialog = wait_for(lambda: window("dialog", "Save Your Moon Sign Details"))
            check("Save asks where to save", dialog is not None)
            keys("Return")
            home = os.environ["HOME"]
            saved = wait_for(lambda: [f for f in os.listdir(home) if f.startswith("Asha - ") and f.endswith(".moo")])
            check("the offered name is the person's and the sign's, at home", bool(saved), str(os.listdir(home)))
            notice = wait_for(lambda: next((n for n in walk(report) if n.getRoleName() == "notification"
                                            and n.getState().contains(pyatspi.STATE_SHOWING)), None))
            check("\"Saved to\" is a notification a screen reader reads out",
                  notice is not None and saved and notice.name == "Saved to " + os.path.join(home, saved[0]),
                  notice.name if notice is not None else "none")
            keys("Escape")
    stop(program)

for server in servers:
    stop(server)
print("accessibility: %d check(s) failed" % len(failures) if failures else "accessibility: all checks passed")
sys.exit(1 if failures else 0)
