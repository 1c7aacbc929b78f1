"""Reading the running program through the real AT-SPI bus, and driving it
with xdotool as a user's keys and clicks would.
"""
import subprocess
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402,F401

APP = "Ostrel Pecunor 97"
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)
    settle(0.4)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    settle(0.4)


def settle(seconds):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def click(node):
    extents = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    x, y = extents.x + min(5, extents.width // 2), extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
    settle(0.4)


def find_app():
    for _ in range(100):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == APP:
                return app
        time.sleep(0.1)
    return None


def walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child)


def find(root, role, name=None):
    for node in walk(root):
        if node.get_role_name() == role and (name is None or node.get_name() == name):
            return node
    return None


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def labelled(node):
    for relation in node.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY and relation.get_n_targets() > 0:
            return relation.get_target(0).get_name()
    return ""


def type_future_value_of_1000():
    """From the method list, where the window opens, the future value of 1000
    at 10 % over 3 years: three fields down to the present value, then the
    rate and, past the rate's unit, the number of years."""
    keys("Tab", "Tab", "Tab")
    type_text("1000")
    keys("Tab")
    type_text("10")
    keys("Tab", "Tab")
    type_text("3")
