#!/usr/bin/python3
"""Reads Tavra as a screen reader does, through the desktop's accessibility bus (AT-SPI).

Starts the program from a portable folder (as scripts/run.sh lays it out) on the display
it is given, opens the help window "O programu" through its menu, and prints what a screen
reader finds: the names of the main window's controls, the time the clock tells, the help
document's words and its links, and whether pressing a link follows it. Run under a display
and a session bus with accessibility on, for example:

    dbus-run-session -- bash -c 'xvfb-run -a /usr/bin/python3 scripts/atspi_check.py build/tavra'

Needs python3-pyatspi and at-spi2-core. Exits non-zero when something is not readable.
"""

import os
import subprocess
import sys
import time

import pyatspi


def find_all(node, predicate, found=None, depth=0):
    found = [] if found is None else found
    if node is None or depth > 40:
        return found
    try:
        if predicate(node):
            found.append(node)
        for i in range(node.childCount):
            find_all(node.getChildAtIndex(i), predicate, found, depth + 1)
    except Exception:
        pass
    return found


def wait_for(what, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        result = what()
        if result:
            return result
        time.sleep(0.3)
    return None


def tavra_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and app.name.lower().startswith("tavra"):
            return app
    return None


def press(node):
    action = node.queryAction()
    index = 0
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "Click"):
            index = i
    try:
        action.doAction(index)
    except Exception:
        # A modal window opened by the action answers the call only when it closes.
        pass


def main():
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/tavra")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    program = subprocess.Popen([os.path.join(folder, "tavra")], cwd=folder, env=env)
    failures = []
    try:
        app = wait_for(tavra_app)
        if not app:
            print("Tavra did not appear on the accessibility bus")
            return 1
        buttons = wait_for(lambda: find_all(app, lambda n: n.getRoleName() == "push button"))
        names = [b.name for b in buttons or []]
        print(f"push buttons: {len(names)}: {names}")
        if not names or any(not n for n in names):
            failures.append("a push button without a name")
        for role in ("date editor", "spin button", "label", "text"):
            for node in find_all(app, lambda n, r=role: n.getRoleName() == r):
                print(f"{role}: {node.name!r}")

        # The clock is named for what it is; its time reaches a screen reader as the
        # description, and follows the time shown.
        clocks = find_all(app, lambda n: n.getRoleName() == "label" and n.name == "Hodiny")
        if not clocks:
            failures.append("no label Hodiny")
        else:
            first = wait_for(lambda: clocks[0].description)
            later = wait_for(lambda: clocks[0].description if clocks[0].description != first else None, 5)
            print(f"clock: {clocks[0].name!r}, described as {first!r}, then {later!r}")
            if not first or not any(c.isdigit() for c in first):
                failures.append("the clock does not tell its time")
            elif not later:
                failures.append("the clock's time is not kept current")

        items = wait_for(lambda: [n for n in find_all(app, lambda n: n.getRoleName() == "menu item")
                                  if n.name.replace("&", "") == "O programu"])
        if not items:
            failures.append("no menu item O programu")
        else:
            # The menu bar's own entry bears the same name; the item is the one in its menu.
            press(items[-1])
        documents = wait_for(lambda: [d for d in find_all(app, lambda n: n.getRoleName() == "document frame")
                                      if d.queryText().characterCount > 0])
        if not documents:
            roles = sorted({(n.getRoleName(), n.name) for n in find_all(app, lambda n: True)})
            print("on the bus: " + "; ".join(f"{r} {n!r}" for r, n in roles))
            failures.append("the help document is not on the bus")
        else:
            document = documents[0]
            text = document.queryText()
            content = text.getText(0, text.characterCount)
            words = content.split()
            print(f"help document {document.name!r}: {len(words)} words, {text.characterCount} characters")
            print("first words: " + " ".join(words[:12]))
            links = [document.getChildAtIndex(i) for i in range(document.childCount)]
            links = [link for link in links if link is not None and link.getRoleName() == "link"]
            print(f"links: {len(links)}: {[link.name for link in links]}")
            extents = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
            print(f"first character at {tuple(extents)}")
            if len(words) < 100:
                failures.append("the help document reads fewer than 100 words")
            if not links:
                failures.append("no link in the help document")
            else:
                before = content
                press(links[-1])
                after = wait_for(lambda: (lambda t: t.getText(0, t.characterCount))(document.queryText())
                                 if document.queryText().getText(0, document.queryText().characterCount) != before
                                 else None, timeout=5)
                caret = document.queryText().caretOffset
                print(f"after pressing {links[-1].name!r}: document {document.name!r}, "
                      f"text changed: {after is not None}, caret at {caret}")
    finally:
        program.terminate()
        try:
            program.wait(5)
        except subprocess.TimeoutExpired:
            program.kill()
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
