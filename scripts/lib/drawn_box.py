#!/usr/bin/python3
"""Waits until a window shows pixels of a colour, then prints the box they
fill, relative to the window: "X Y WIDTH HEIGHT". A control drawn in a colour
of its own is found where the window really draws it, once it is drawn.

Usage: drawn_box.py WINDOW_ID RRGGBB [SECONDS]
Exits 0 with the box, 1 if no such pixel appeared in time.
"""
import sys
import time

from Xlib import X, display


def box(window, red, green, blue):
    geometry = window.get_geometry()
    image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
    # 24-bit colour comes as four bytes a pixel: blue, green, red, unused.
    pixel = bytes((blue, green, red))
    data = image.data
    left, top, right, bottom = geometry.width, geometry.height, -1, -1
    at = data.find(pixel)
    while at >= 0:
        if at % 4 == 0:
            x, y = (at // 4) % geometry.width, (at // 4) // geometry.width
            left, top = min(left, x), min(top, y)
            right, bottom = max(right, x), max(bottom, y)
        at = data.find(pixel, at + 1)
    if right < 0:
        return None
    return left, top, right - left + 1, bottom - top + 1


def main():
    colour = sys.argv[2]
    red, green, blue = (int(colour[i:i + 2], 16) for i in (0, 2, 4))
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 30.0
    d = display.Display()
    window = d.create_resource_object("window", int(sys.argv[1], 0))
    deadline = time.monotonic() + seconds
    found = box(window, red, green, blue)
    while found is None and time.monotonic() < deadline:
        time.sleep(0.1)
        found = box(window, red, green, blue)
    if found is None:
        print(f"no pixel of #{colour} in the window within {seconds} s", file=sys.stderr)
        return 1
    print(*found)
    return 0


if __name__ == "__main__":
    sys.exit(main())
