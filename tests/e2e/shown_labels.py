"""Prints every label that the application with the given process id shows,
as its assistive technologies read it: one line per label, its screen
rectangle and its text, "x y width height<TAB>text".

Usage: shown_labels.py <pid>
Exit codes: 0 listed, 2 the application is not on the accessibility bus
within 10 s.
"""

import sys
import time

import pyatspi


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def shown_labels(node):
    if not node.getState().contains(pyatspi.STATE_SHOWING):
        return
    if node.getRole() == pyatspi.ROLE_LABEL:
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        yield box.x, box.y, box.width, box.height, node.name
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from shown_labels(child)


def main():
    pid = int(sys.argv[1])
    app = None
    for _ in range(100):
        app = application(pid)
        if app is not None:
            break
        time.sleep(0.1)
    if app is None:
        print(f"process {pid} is not on the accessibility bus", file=sys.stderr)
        return 2
    for x, y, width, height, text in shown_labels(app):
        print(f"{x} {y} {width} {height}\t{text}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
