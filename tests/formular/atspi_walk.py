#!/usr/bin/python3
"""Walks Marelto's window through AT-SPI, the interface screen readers such as
Orca use on Linux: what each panel announces, that parked panels announce
nothing, that the links are links that open their address, and that a result
written by a button pressed through AT-SPI reaches the reader.

Usage: atspi_walk.py PROGRAM
Needs an X display and a D-Bus session bus (atspi_walk.sh provides both).
Prints the tree a reader walks on the new-water panel; exits 1 on any failure.
"""
import os
import subprocess
import sys
import tempfile
import time

import itertools

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

TITLE_AREA = [("link", "www.marelto.example"), ("label", "- Marelto -")]
NAVIGATION_ROW = [("push button", b) for b in ("Über", "Salz", "Magnesium", "Calcium")]
WARNING = "Bitte Mischungen UNBEDINGT immer mit Aerometer oder entsprechend nachmessen!  "

# What a reader finds on each panel in view, in the order it walks them.
PANELS = {
    "Neues Wasser ansetzten": [
        ("label", "Wassertemperaur in Grad Celsius"),
        ("text", "Wassertemperaur in Grad Celsius"),
        ("label", "Wassermenge in Liter"),
        ("text", "Wassermenge in Liter"),
        ("push button", "Wasser ändern"),
        ("label", "Gewünschte Spezifische Dichte (Normal ist 1,023)"),
        ("text", "Gewünschte Spezifische Dichte (Normal ist 1,023)"),
        ("label", "Kg/Liter"),
        ("push button", "Berechnen"),
        ("label", "Benötigte Salzmenge"),
        ("label", "Benötigte Salzmenge"),
        ("label", WARNING),
    ],
    "Dichte verändern": [
        ("label", "Wassermenge in Liter"),
        ("text", "Wassermenge in Liter"),
        ("label", "Momentane Dichte"),
        ("text", "Momentane Dichte"),
        ("push button", "Neues Wasser"),
        ("label", "Gewünschte Dichte "),
        ("text", "Gewünschte Dichte"),
        ("push button", "Berechnen"),
        ("label", "Ergebnis"),
        ("label", "Ergebnis"),
        ("label", WARNING),
    ],
    "Magnesium erhöhen": [
        ("label", "Wassermenge in Liter"),
        ("text", "Wassermenge in Liter"),
        ("label", "Momentaner Magnesiumgehalt mg/Liter"),
        ("text", "Momentaner Magnesiumgehalt mg/Liter"),
        ("label", "Gewünschter Magnesiumgehalt mg/Liter (natürlich ist 1300)"),
        ("text", "Gewünschter Magnesiumgehalt mg/Liter (natürlich ist 1300)"),
        ("push button", "Berechnen"),
        ("label", "Benötigte Mengen"),
        ("text", "Benötigte Mengen"),
    ],
    "Calcium (Magnesium) erhöhen nach Baling": [
        ("check box", "Berechnung mit Magnesiumzugabe"),
        ("label", "Wassermenge in Liter"),
        ("text", "Wassermenge in Liter"),
        ("label", "Momentaner Claciumgehalt mg/Liter"),
        ("text", "Momentaner Claciumgehalt mg/Liter"),
        ("label", "Gewünschter Calciumgehalt mg/Liter (natürlich ist 420)"),
        ("text", "Gewünschter Calciumgehalt mg/Liter (natürlich ist 420)"),
        ("push button", "Berechnen"),
        ("text", "Benötigte Mengen"),
    ],
    "Über": [
        ("link", "www.marelto.example"),
        ("label", "- Marelto -"),
        ("label", "Muster Aquaristik GmbH 12/2026"),
        ("label", "Musterstraße 1"),
        ("label", "12345 Musterstadt"),
        ("label", "Deutschland"),
        ("label", "Amtsgericht Musterstadt HRB 12345"),
        ("label", "UmSt-Id-Nr: DE000000000"),
        ("label", "Nutzungsbedingungen:"),
        ("text", "Nutzungsbedingungen:"),
        ("label", "Tel: 0123 456789-0"),
        ("label", "Fax: 0123 456789-9"),
        ("label", "Email: info@muster.example"),
        ("link", "URL: http://muster.example"),
        ("label", "Software Version: 1.0"),
    ],
}

# The navigation button that brings each panel into view.
SHOWN_BY = [
    ("Wasser ändern", "Dichte verändern"),
    ("Neues Wasser", "Neues Wasser ansetzten"),
    ("Magnesium", "Magnesium erhöhen"),
    ("Calcium", "Calcium (Magnesium) erhöhen nach Baling"),
    ("Über", "Über"),
]

# The links, where they are (None: the title area), and the address each opens.
LINKS = [
    (None, "www.marelto.example", "http://www.marelto.example"),
    ("Über", "www.marelto.example", "http://www.marelto.example"),
    ("Über", "URL: http://muster.example", "http://muster.example"),
]

# Results written by "Berechnen" under German settings: the button that
# shows the panel, the panel, the heading that labels the result, the
# result's role (a label named by the result it shows, or a text field), and
# a piece of it.
RESULTS = [
    ("Salz", "Neues Wasser ansetzten", "Benötigte Salzmenge", "label",
     "690,91 Gramm Meersalz werden benötigt"),
    ("Magnesium", "Magnesium erhöhen", "Benötigte Mengen", "text",
     "227,4g Magnesiumchlorid Hexahydrat"),
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)
    return condition


def wait_for(probe, seconds=10.0):
    """Polls probe, letting AT-SPI events arrive, until it gives something."""
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result or time.monotonic() > deadline:
            return result
        context = GLib.MainContext.default()
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "marelto":
            return app
    return None


def window(app):
    frames = [c for c in app if c is not None and c.getRoleName() == "frame"]
    return frames[0] if frames else None


def walk(frame):
    """What a reader finds: the showing children of the window, the panel in
    view with its showing children in order, and how many children each
    panel out of sight shows."""
    window_level, in_view, parked = [], [], {}
    for child in frame:
        if child is None:
            continue
        role = child.getRoleName()
        if not showing(child):
            if role == "panel":
                parked[child.name] = child.childCount
            continue
        window_level.append((role, child.name))
        if role == "panel":
            in_view = [(c.getRoleName(), c.name) for c in child if c is not None and showing(c)]
    return window_level, in_view, parked


def find(node, role, name):
    for child in node:
        if child is None or not showing(child):
            continue
        if child.getRoleName() == role and child.name == name:
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def act(node, action_name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if check(action_name in names, f"{node.getRoleName()} '{node.name}' offers {names}"):
        action.doAction(names.index(action_name))


def panel_in_view(frame):
    panels = [c.name for c in frame if c is not None and c.getRoleName() == "panel" and showing(c)]
    return panels[0] if len(panels) == 1 else None


def check_panel(frame, panel):
    window_level, in_view, parked = walk(frame)
    expected = TITLE_AREA + [("panel", panel)] + NAVIGATION_ROW
    check(sorted(window_level) == sorted(expected),
          f"'{panel}' in view, the window shows {window_level}")
    check(in_view == PANELS[panel],
          f"on '{panel}' a reader walks\n  {in_view}\nnot\n  {PANELS[panel]}")
    check(sorted(parked) == sorted(p for p in PANELS if p != panel),
          f"'{panel}' in view, out of sight: {sorted(parked)}")
    check(all(n == 0 for n in parked.values()), f"parked panels show no controls: {parked}")
    return window_level, in_view


def show(frame, button, panel):
    act(find(frame, "push button", button), "Press")
    return check(wait_for(lambda: panel_in_view(frame) == panel),
                 f"'{button}' brings '{panel}' into view, not '{panel_in_view(frame)}'")


def check_links(frame, record):
    for panel, name, address in LINKS:
        where = frame if panel is None else find(frame, "panel", panel)
        link = next((c for c in where if c is not None and c.getRoleName() == "link"
                     and c.name == name), None) if where is not None else None
        if not check(link is not None, f"link '{name}' on '{panel or 'title area'}'"):
            continue
        act(link, "Press")
        opened = wait_for(lambda: read(record))
        check(opened == address + "\n", f"link '{name}' opened {opened!r}, not {address!r}")
        if opened:
            os.remove(record)


def read(path):
    if not os.path.exists(path):
        return ""
    with open(path) as f:
        return f.read()


def labels(node):
    return [target.name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]


def until_heard(frame, announced, seconds=30.0):
    deadline = time.monotonic() + seconds
    for button in itertools.cycle(["Magnesium", "Salz"]):
        if announced or time.monotonic() > deadline:
            return bool(announced)
        act(find(frame, "push button", button), "Press")
        wait_for(lambda: announced, 0.5)
    return False


def check_results(frame):
    # A result is announced by a notification that comes to show with it.
    announced = []

    def notified(event):
        if event.detail1 and event.source.get_role_name() == "notification":
            announced.append(event.source.get_name())

    listener = Atspi.EventListener.new(notified)
    listener.register("object:state-changed:showing")
    # The program learns of a new listener from the registry in its own time:
    # panels are switched, each switch announced, until one reaches us.
    check(until_heard(frame, announced), "a panel switch is announced to a new listener")
    announced.clear()
    for button, panel, heading, role, piece in RESULTS:
        show(frame, button, panel)
        act(find(frame, "push button", "Berechnen"), "Press")

        def written():
            node = find(frame, "panel", panel)
            found = [c for c in node if c is not None and c.getRoleName() == role
                     and heading in labels(c)] if node else []
            if role == "text":
                return "".join(c.queryText().getText(0, -1) for c in found)
            return "".join(c.name for c in found)

        check(wait_for(lambda: piece in written()),
              f"the result under '{heading}' holds {written()!r}, not {piece!r}")
        check(wait_for(lambda: any(piece in name for name in announced)),
              f"'{piece}' announced, notifications: {announced}")


def main():
    with tempfile.TemporaryDirectory(prefix="marelto-atspi-") as scratch:
        return run(sys.argv[1], scratch)


def run(program, scratch):
    record = os.path.join(scratch, "opened")
    bin_dir = os.path.join(scratch, "bin")
    os.makedirs(os.path.join(scratch, "data", "applications"))
    os.makedirs(bin_dir)
    # A stand-in for xdg-open that writes down the address, and a desktop
    # entry that makes it the registered http handler.
    opener = os.path.join(bin_dir, "xdg-open")
    with open(opener, "w") as f:
        # Written aside and renamed, so that no half record is read.
        f.write(f"#!/bin/sh\nprintf '%s\\n' \"$@\" > '{record}.part'\n"
                f"mv '{record}.part' '{record}'\n")
    os.chmod(opener, 0o755)
    with open(os.path.join(scratch, "data", "applications", "browser.desktop"), "w") as f:
        f.write(f"[Desktop Entry]\nType=Application\nName=browser\nExec={opener} %u\n"
                "MimeType=x-scheme-handler/http;\n")
    with open(os.path.join(scratch, "data", "applications", "mimeinfo.cache"), "w") as f:
        f.write("[MIME Cache]\nx-scheme-handler/http=browser.desktop;\n")

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8", PATH=bin_dir + ":/usr/bin:/bin",
               XDG_DATA_HOME=os.path.join(scratch, "data"),
               XDG_DATA_DIRS=os.path.join(scratch, "none"),
               XDG_CONFIG_HOME=os.path.join(scratch, "config"))
    process = subprocess.Popen([program], env=env)
    try:
        frame = wait_for(lambda: (app := application()) and window(app), 30.0)
        if not check(frame is not None, "the program's window appears on the AT-SPI bus"):
            return 1
        window_level, in_view = check_panel(frame, "Neues Wasser ansetzten")
        print(f"frame '{frame.name}'")
        for role, name in window_level:
            print(f"  {role} '{name}'")
            if role == "panel":
                for child_role, child_name in in_view:
                    print(f"    {child_role} '{child_name}'")
        for button, panel in SHOWN_BY:
            if show(frame, button, panel):
                check_panel(frame, panel)
        check_links(frame, record)
        check_results(frame)
    finally:
        process.terminate()
        process.wait(10)
    print(f"atspi_walk: {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
