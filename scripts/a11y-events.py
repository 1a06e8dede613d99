#!/usr/bin/python3
"""Plays a pair in a running Velmor by keyboard and counts what a screen reader hears of it.

Usage: scripts/a11y-events.py --window XID   (scripts/a11y-events.sh starts the game for it)
Asks for a hint, walks the cursor to the hinted tiles with Tab and takes them with Space, then
keeps still for five seconds. Fails unless the cursor's moves came as focus, the pick as a
selection, the taken tiles as children leaving the board, and the still seconds brought no name
change (the clock is read when asked for, not spoken every second). Events that arrive
malformed never get here: the bus library warns on stderr, which the caller checks.
"""
import argparse
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CLOCK = re.compile(r"\d+:\d\d")


def find_app(wait):
    end = time.time() + wait
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower().startswith("velmor"):
                return app
        time.sleep(0.2)
    return None


def find(node, wanted, depth=0):
    if wanted(node):
        return node
    # The board's tiles are no place to look for anything else.
    if depth > 8 or node.getRole() == pyatspi.ROLE_LIST:
        return None
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = find(child, wanted, depth + 1) if child is not None else None
        if found is not None:
            return found
    return None


def shown_text(node):
    """What a reader gets when it asks: the text if the object has some, else its name."""
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def read_clock(status_bar):
    for i in range(status_bar.childCount):
        child = status_bar.getChildAtIndex(i)
        if child is not None and CLOCK.fullmatch(shown_text(child).strip()):
            return shown_text(child).strip()
    return None


class Run:
    def __init__(self, app, window):
        self.app = app
        self.window = window
        self.board = find(app, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.name == "Board")
        self.status_bar = find(app, lambda n: n.getRole() == pyatspi.ROLE_STATUS_BAR)
        self.focused = None
        self.phase = "start"
        self.heard = {}
        self.names = []
        self.problems = []

    def count(self, what):
        self.heard[(self.phase, what)] = self.heard.get((self.phase, what), 0) + 1

    def heard_in(self, phase, what):
        return self.heard.get((phase, what), 0)

    def on_event(self, event):
        kind = event.type
        if kind.startswith("object:children-changed"):
            if event.source == self.board:
                self.count(kind)
        elif kind == "object:state-changed:selected":
            if event.detail1 == 1:
                self.count("selected")
        elif kind.startswith("focus") or kind == "object:state-changed:focused":
            if event.detail1 == 1 or kind.startswith("focus"):
                try:
                    tile = event.source.parent == self.board
                except Exception:
                    tile = False
                if tile:
                    self.focused = event.source
                    if kind.startswith("focus"):
                        self.count("focus")
        elif kind == "object:property-change:accessible-name":
            self.count("name")
            if self.phase == "still":
                try:
                    self.names.append(f"{event.source.getRoleName()} {event.source.name!r}")
                except Exception:
                    self.names.append("(gone)")

    def key(self, name):
        subprocess.run(["xdotool", "key", "--window", self.window, name], check=True)

    def hinted(self):
        tiles = []
        for i in range(self.board.childCount):
            child = self.board.getChildAtIndex(i)
            if child is not None and "hinted" in child.description:
                tiles.append(child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
        return tiles

    def walk_to(self, extents):
        """Tab through the free tiles until the cursor frames the one at `extents`."""
        for _ in range(150):
            self.key("Tab")
            yield 0.12
            if self.focused is not None and self.focused.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) == extents:
                return
        self.problems.append("Tab never reached a hinted tile")

    def steps(self):
        yield 1.0  # Qt learns of the listeners over the bus
        first_clock = read_clock(self.status_bar)
        self.phase = "cursor"
        for key in ("Home", "Tab", "Tab"):
            self.key(key)
            yield 0.3
        self.key("ctrl+h")
        yield 0.4
        pair = self.hinted()
        if len(pair) != 2:
            self.problems.append(f"the hint showed {len(pair)} tiles, not 2")
            return
        yield from self.walk_to(pair[0])
        self.phase = "pick"
        self.key("space")
        yield 0.5
        self.phase = "walk"
        yield from self.walk_to(pair[1])
        self.phase = "take"
        self.key("space")
        yield 1.5  # the board tells once it has settled
        self.phase = "still"
        yield 5.0
        self.phase = "end"
        later_clock = read_clock(self.status_bar)
        if first_clock is None or later_clock is None or first_clock == later_clock:
            self.problems.append(f"the clock cannot be read as it runs: {first_clock!r}, then {later_clock!r}")

    def start(self):
        steps = self.steps()

        def next_step():
            try:
                delay = next(steps)
            except StopIteration:
                pyatspi.Registry.stop()
                return False
            except Exception as error:  # a failing step ends the run, not the loop
                self.problems.append(f"step failed: {error!r}")
                pyatspi.Registry.stop()
                return False
            GLib.timeout_add(int(delay * 1000), next_step)
            return False

        for kind in (
            "object:children-changed",
            "object:state-changed:selected",
            "object:state-changed:focused",
            "focus:",
            "object:property-change:accessible-name",
        ):
            pyatspi.Registry.registerEventListener(self.on_event, kind)
        GLib.timeout_add(100, next_step)
        GLib.timeout_add(30000, pyatspi.Registry.stop)  # whatever happens, not for ever
        pyatspi.Registry.start()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--window", required=True)
    parser.add_argument("--wait", type=float, default=20)
    args = parser.parse_args()
    app = find_app(args.wait)
    if app is None:
        print("no Velmor on the accessibility bus", file=sys.stderr)
        return 1
    run = Run(app, args.window)
    if run.board is None or run.status_bar is None:
        print("no board or no status bar in the accessibility tree", file=sys.stderr)
        return 1
    run.start()
    h = run.heard_in
    removed = h("take", "object:children-changed:remove")
    print(
        f"focus while moving: {h('cursor', 'focus') + h('walk', 'focus')}, selected on the pick: {h('pick', 'selected')}, "
        f"children removed on the take: {removed} (added: {h('take', 'object:children-changed:add')}), "
        f"name changes in 5 still seconds: {h('still', 'name')}"
    )
    problems = list(run.problems)
    if h("cursor", "focus") < 3:
        problems.append("the cursor moved three times, yet focus came fewer times")
    if h("pick", "selected") < 1:
        problems.append("no selection was heard for the pick")
    if removed < 2:
        problems.append("the two taken tiles were not heard leaving the board")
    if h("still", "name") > 1:
        problems.append("names changed while nothing happened: " + ", ".join(sorted(set(run.names))))
    for problem in problems:
        print("FAIL: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
