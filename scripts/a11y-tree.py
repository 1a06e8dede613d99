#!/usr/bin/python3
"""Prints what a screen reader sees of a running Velmor: its accessibility tree over AT-SPI.

Usage: scripts/a11y-tree.py [--tiles N] [--wait SECONDS] [--listen SECONDS]
The game must run with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) on the same session
bus; scripts/a11y-tree.sh starts one on a virtual screen and runs this against it. --tiles is how
many children of a list are printed (the focused one is always shown); --listen prints, instead of
the tree, the focus, name and children events that come in that time. The system's Python, where
python3-pyatspi (with at-spi2-core) installs.
"""
import argparse
import sys
import time

import pyatspi

SHOWN_STATES = [
    ("focused", pyatspi.STATE_FOCUSED),
    ("selected", pyatspi.STATE_SELECTED),
    ("showing", pyatspi.STATE_SHOWING),
]


def states(node):
    have = node.getState()
    out = [name for name, state in SHOWN_STATES if have.contains(state)]
    if not have.contains(pyatspi.STATE_ENABLED):
        out.append("disabled")
    return out


def describe(node):
    role = node.getRoleName()
    text = f"[{role}] {node.name!r}"
    if node.description:
        text += f" — {node.description}"
    marks = states(node)
    if marks:
        text += " {" + ", ".join(marks) + "}"
    return text


def dump(node, depth, tiles, out):
    out.append("  " * depth + describe(node))
    count = node.childCount
    shown = min(count, tiles) if node.getRole() == pyatspi.ROLE_LIST else count
    for i in range(shown):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1, tiles, out)
    if shown < count:
        out.append("  " * (depth + 1) + f"... {count - shown} more of {count}")
        # The focused child, wherever it is in the list.
        for i in range(shown, count):
            child = node.getChildAtIndex(i)
            if child is not None and child.getState().contains(pyatspi.STATE_FOCUSED):
                out.append("  " * (depth + 1) + f"#{i}: " + describe(child))


def find_app(wait):
    end = time.time() + wait
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower().startswith("velmor"):
                return app
        if time.time() > end:
            return None
        time.sleep(0.2)


def listen(seconds):
    from gi.repository import GLib

    def heard(event):
        source = event.source
        try:
            what = describe(source)
        except Exception:  # the object may be gone already
            what = "(gone)"
        print(f"{event.type} detail={event.detail1}: {what}", flush=True)

    for kind in ("object:state-changed:focused", "object:property-change:accessible-name", "object:children-changed"):
        pyatspi.Registry.registerEventListener(heard, kind)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tiles", type=int, default=6)
    parser.add_argument("--wait", type=float, default=20)
    parser.add_argument("--listen", type=float, default=0)
    args = parser.parse_args()
    app = find_app(args.wait)
    if app is None:
        print("no Velmor on the accessibility bus", file=sys.stderr)
        return 1
    if args.listen > 0:
        listen(args.listen)
        return 0
    out = []
    dump(app, 0, args.tiles, out)
    print("\n".join(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
