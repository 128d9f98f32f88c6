"""A screen reader's view of the real program, through AT-SPI: the ring oscillator is
opened, the canvas found and its name read, Power and prop pressed through their
accessible actions, and the value change of NOT gate 0 heard in its name. Run inside an
accessibility bus; usage: screen_reader.py <tessara binary> <circuit file>."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(reason):
    print("FAIL:", reason)
    sys.exit(1)


def find(root, wanted, depth=0):
    """The first object under root, depth first, for which wanted holds."""
    if wanted(root):
        return root
    for child in (root[i] for i in range(root.childCount) if depth < 8):
        found = child and find(child, wanted, depth + 1)
        if found:
            return found
    return None


def await_object(wanted, what):
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        found = find(desktop, wanted)
        if found:
            return found
        time.sleep(0.2)
    fail("no " + what)


def named(role, prefix):
    return lambda o: o.getRole() == role and o.name.startswith(prefix)


tessara, circuit = sys.argv[1:3]
program = subprocess.Popen([tessara, circuit],
                           env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
try:
    canvas = await_object(named(pyatspi.ROLE_CANVAS, "circuit: "), "canvas")
    if canvas.name != "circuit: 3 gates, 0 inputs, 1 output, not powered":
        fail("the canvas reads " + canvas.name)
    await_object(named(pyatspi.ROLE_PUSH_BUTTON, "power up"), "Power").queryAction().doAction(0)
    gate = await_object(named(pyatspi.ROLE_IMAGE, "NOT gate 0, output 0, input from NOT 2, "
                                                   "drives NOT 1"), "NOT gate 0 read when powered")
    heard = []

    def hear(event):
        if event.source == gate:
            heard.append(event.source.name.split(", ")[1])
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name")
    prop = find(pyatspi.Registry.getDesktop(0), named(pyatspi.ROLE_PUSH_BUTTON, "prop"))
    GLib.timeout_add(200, lambda: prop.queryAction().doAction(0) and False)
    GLib.timeout_add(10000, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    if heard != ["output 1"]:
        fail("no change of NOT gate 0's value to 1 heard after prop: %s" % heard)
    if not canvas.name.endswith("powered, step 1"):
        fail("the canvas reads " + canvas.name)
    print("a screen reader found the canvas, read NOT gate 0 and heard its value change")
finally:
    program.terminate()
    program.wait()
