#!/usr/bin/env python3
"""The program as a screen reader meets it: started under Xvfb with its own D-Bus session,
the accessibility bus on, its tree read over AT-SPI by pyatspi.

Checks that the Edit Data grid is a table of the data file (counts, headers, cell texts),
that every list, edit, combo box and check box of the statistics, regression and graph
dialogs and of the main window carries a name, and that the graph window describes the
variables it shows. Exits 77 (skipped) with the reason when a tool is missing.

Usage: accessibility_bus.py LUMOX DATAFILE
"""
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
DISPLAY_LOST = 75
# An unusual size tells our server from another that answers on the same display number
# (an abstract socket of another network namespace's server, say).
SCREEN = (1031, 767)
LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIPPED)


class Failure(Exception):
    pass


def outer(program, data):
    """Starts Xvfb and a D-Bus session and runs the checks inside them."""
    for tool, package in (("Xvfb", "xvfb"), ("dbus-run-session", "dbus"), ("xdotool", "xdotool")):
        if shutil.which(tool) is None:
            skip(f"{tool} is missing (package {package})")
    if not any(os.path.exists(path) for path in LAUNCHERS):
        skip("the accessibility bus is missing (package at-spi2-core)")
    if importlib.util.find_spec("pyatspi") is None:
        skip("the AT-SPI client is missing (package python3-pyatspi)")
    # A program that cannot reach the display exits at once; the display, not the program, is
    # at fault then, so the checks are run again on a fresh server.
    for attempt in range(3):
        xvfb, display = start_xvfb()
        try:
            with tempfile.TemporaryDirectory() as home:
                env = dict(os.environ, DISPLAY=":" + display, HOME=home, XDG_CONFIG_HOME=home,
                           XDG_RUNTIME_DIR=home, LUMOX_ACCESSIBILITY_SESSION="1")
                code = subprocess.run(["dbus-run-session", "--", sys.executable, __file__,
                                       program, data], env=env, timeout=240).returncode
        finally:
            xvfb.kill()
            xvfb.wait()
        if code != DISPLAY_LOST:
            return code
        print(f"the display :{display} was lost; trying another")
    raise Failure("the program could not reach a display three times")


def start_xvfb():
    """An Xvfb that a client can reach, and its display number. A display Xvfb reports may
    still refuse clients, or be answered by another server (a stale or foreign socket of
    that number), so each is tried before use, and another one started when the answer is
    not its own; the one that failed keeps its number until then, so that the next takes
    another. It never resets, so a client that connects while the last one leaves is not
    refused."""
    unreachable = []
    for attempt in range(3):
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                 "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
                                pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        reached = display and subprocess.run(
            ["xdotool", "getdisplaygeometry"], env=dict(os.environ, DISPLAY=":" + display),
            capture_output=True, text=True).stdout.split() == [str(n) for n in SCREEN]
        if reached:
            break
        unreachable.append(xvfb)
    for server in unreachable:
        server.kill()
        server.wait()
    if not reached:
        raise Failure("Xvfb did not start, or no client could reach it")
    return xvfb, display


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def wait_for(what, find, timeout=60.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise Failure("never found: " + what)


def first(root, test):
    return next((node for node in walk(root) if test(node)), None)


def plain(name):
    """A menu entry's name without its shortcut."""
    return name.split("\t")[0]


class Program:
    """The running program, reached over the accessibility bus."""

    def __init__(self, pyatspi, process):
        self.pyatspi = pyatspi
        self.process = process
        desktop = pyatspi.Registry.getDesktop(0)

        def on_bus():
            if process.poll() is not None:
                raise Failure(f"the program exited ({process.returncode}) before it was found")
            return next((app for app in desktop
                         if app is not None and app.get_process_id() == process.pid), None)
        self.app = wait_for("the program on the accessibility bus", on_bus, timeout=90.0)

    def command(self, name):
        """Chooses a menu entry. An entry that opens a modal dialog answers only when the
        dialog closes, so the call's time-out is expected and ignored."""
        item = wait_for("menu entry " + name, lambda: first(self.app, lambda node: (
            node.getRole() == self.pyatspi.ROLE_MENU_ITEM and plain(node.name) == name)))
        try:
            item.queryAction().doAction(0)
        except Exception:  # the time-out of a modal dialog's entry
            pass

    def dialog(self, title):
        return wait_for("dialog " + title, lambda: first(self.app, lambda node: (
            node.getRole() == self.pyatspi.ROLE_DIALOG and node.name == title)))

    def closed(self, title):
        wait_for(title + " closing", lambda: None if first(self.app, lambda node: (
            node.getRole() == self.pyatspi.ROLE_DIALOG and node.name == title)) else True)

    def press(self, window, name):
        button = first(window, lambda node: (node.getRole() == self.pyatspi.ROLE_PUSH_BUTTON
                                             and node.name.replace("&", "") == name))
        if button is None:
            raise Failure(f"{window.name}: no button {name}")
        try:
            button.queryAction().doAction(0)
        except Exception:
            pass

    def unnamed(self, window):
        """The lists, edits, combo boxes and check boxes of window that have no name, each
        with the role and name of its parent. A combo box's drop-down list is part of the
        combo box, which carries the name."""
        roles = {self.pyatspi.ROLE_LIST, self.pyatspi.ROLE_TEXT, self.pyatspi.ROLE_ENTRY,
                 self.pyatspi.ROLE_COMBO_BOX, self.pyatspi.ROLE_CHECK_BOX,
                 self.pyatspi.ROLE_RADIO_BUTTON, self.pyatspi.ROLE_TABLE}
        found = []
        for node in walk(window):
            if node.getRole() not in roles or node.name.strip():
                continue
            parent = node.parent
            if parent is not None and parent.getRole() == self.pyatspi.ROLE_COMBO_BOX:
                continue
            found.append(f"{node.getRoleName()} (in {parent.getRoleName()} '{parent.name}')"
                         if parent is not None else node.getRoleName())
        return found


def read_data_file(path):
    with open(path, encoding="latin-1") as file:
        rows = [re.split(r"[ \t,]+", line.strip()) for line in file if line.strip()]
    return rows[0], rows[1:]


def check_grid(program, names, rows, failures):
    program.command("Input Data")
    dialog = program.dialog("Edit Data")
    grid = first(dialog, lambda node: node.getRole() == program.pyatspi.ROLE_TABLE)
    if grid is None:
        failures.append("Edit Data: no table")
    else:
        table = grid.queryTable()
        if (table.nRows, table.nColumns) != (len(rows), len(names)):
            failures.append(f"Edit Data: {table.nRows} x {table.nColumns} cells, "
                            f"not {len(rows)} x {len(names)}")
        for column, name in enumerate(names):
            header = table.getColumnHeader(column)
            described = (table.getColumnDescription(column), header.name if header else None)
            if described != (name, name):
                failures.append(f"Edit Data: column {column} is {described}, not '{name}'")
        # The dialog opens with the first cell current, and the grid has the focus.
        if not table.getAccessibleAt(0, 0).getState().contains(program.pyatspi.STATE_FOCUSED):
            failures.append("Edit Data: the current cell is not the focused one")
        for row in range(min(table.nRows, len(rows))):
            for column in range(min(table.nColumns, len(names))):
                text = table.getAccessibleAt(row, column).name
                if text != rows[row][column]:
                    failures.append(f"Edit Data: cell ({row}, {column}) reads '{text}', "
                                    f"not '{rows[row][column]}'")
    failures.extend(f"Edit Data: unnamed {role}" for role in program.unnamed(dialog))
    program.press(dialog, "Cancel")
    program.closed("Edit Data")


def check_dialogs(program, failures):
    for command, title, close in (("Descriptive Statistics", "Descriptive Statistics", "Cancel"),
                                  ("Histogram", "Histogram Variable Selection", "Cancel"),
                                  ("Simple (X,Y) Regression", "Simple Linear Regression (X, Y)",
                                   "Close"),
                                  ("Graph Options", "Scatter Graph and Histogram Options",
                                   "Cancel"),
                                  ("Four", "Graph Variable Selection", "Cancel")):
        program.command(command)
        dialog = program.dialog(title)
        failures.extend(f"{title}: unnamed {role}" for role in program.unnamed(dialog))
        program.press(dialog, close)
        program.closed(title)


def click(pyatspi, node):
    """A mouse click in the middle of node, where the bus says it lies on the screen."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)
    time.sleep(0.3)


def check_graph(program, names, rows, failures):
    """Scatter One of the second variable against the first, chosen with the mouse where
    the bus places the controls, then the graph window's description."""
    pyatspi = program.pyatspi
    program.command("One")
    dialog = program.dialog("Graph Variable Selection")
    variables = first(dialog, lambda node: node.getRole() == pyatspi.ROLE_LIST)
    boxes = [node for node in walk(dialog) if node.getRole() == pyatspi.ROLE_CHECK_BOX]
    for row, box in ((0, boxes[0]), (1, boxes[1])):
        click(pyatspi, variables.getChildAtIndex(row))
        click(pyatspi, box)
    program.press(dialog, "Plot")
    wanted = f"{names[1]} against {names[0]}, {len(rows)} points"
    try:
        wait_for("the graph window's description",
                 lambda: first(program.app, lambda node: wanted in node.description))
    except Failure:
        described = [node.description for node in walk(program.app) if node.description]
        failures.append(f"no description holds '{wanted}': {described}")


def inner(program, data):
    import pyatspi
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="C")
    process = subprocess.Popen([program, data], env=env)
    failures = []
    try:
        try:
            lumox = Program(pyatspi, process)
        except Failure:
            if process.poll() not in (None, 0):
                return DISPLAY_LOST
            raise
        names, rows = read_data_file(data)
        frame = wait_for("the main window", lambda: first(
            lumox.app, lambda node: node.getRole() == pyatspi.ROLE_FRAME))
        failures.extend(f"main window: unnamed {role}" for role in lumox.unnamed(frame))
        check_grid(lumox, names, rows, failures)
        check_dialogs(lumox, failures)
        check_graph(lumox, names, rows, failures)
    except Failure as failure:
        failures.append(str(failure))
    finally:
        process.kill()
        process.wait()
    for failure in failures:
        print("FAILED: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print(__doc__)
        sys.exit(2)
    if os.environ.get("LUMOX_ACCESSIBILITY_SESSION") == "1":
        sys.exit(inner(sys.argv[1], sys.argv[2]))
    try:
        sys.exit(outer(sys.argv[1], sys.argv[2]))
    except Failure as failure:
        print("FAILED: " + str(failure))
        sys.exit(1)
