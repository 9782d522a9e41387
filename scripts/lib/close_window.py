#!/usr/bin/python3
"""Waits for a top-level X11 window whose title contains a text, checks that
it shows an icon, then asks it to close the way a window manager's close box
does (WM_DELETE_WINDOW).

Usage: close_window.py TITLE_PART [SECONDS]
Exits 0 once the request is sent, 1 if no such window appeared in time, 2 if
the window has no icon.
"""
import sys
import time

from Xlib import X, display, protocol


def find_window(root, part):
    try:
        children = root.query_tree().children
    except Exception:  # a window that went away while we looked
        return None
    for child in children:
        try:
            name = child.get_wm_name()
            attrs = child.get_attributes()
        except Exception:
            continue
        if name and part in name and attrs.map_state == X.IsViewable:
            return child
        found = find_window(child, part)
        if found is not None:
            return found
    return None


def main():
    part = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 30.0
    d = display.Display()
    root = d.screen().root
    deadline = time.monotonic() + seconds
    window = None
    while window is None and time.monotonic() < deadline:
        window = find_window(root, part)
        if window is None:
            time.sleep(0.1)
    if window is None:
        print(f"no window titled '*{part}*' within {seconds} s", file=sys.stderr)
        return 1
    icon = window.get_full_property(d.intern_atom("_NET_WM_ICON"), X.AnyPropertyType)
    if icon is None or len(icon.value) < 2:
        print(f"'{window.get_wm_name()}' shows no icon", file=sys.stderr)
        return 2
    # Read before closing: the window may be gone by the time we could ask.
    name = window.get_wm_name()
    protocols = d.intern_atom("WM_PROTOCOLS")
    delete = d.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(
        window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event)
    d.flush()
    print(f"closed '{name}'")
    return 0


if __name__ == "__main__":
    sys.exit(main())
