#!/usr/bin/python3
"""Walks the window's accessibility tree as a screen reader sees it, over AT-SPI.

    walk_tree.py QUELMAR QUELMAR_CLI

Starts the real window on a demo database (a display and a session bus are given by
run_tree_test.sh), waits until it shows on the accessibility bus, and checks that every
control of both pages and every item of the lists' context menus is there, named by the
label a sighted user reads, and that a drop-down list reads the row it shows. Exit 0 pass, 1 fail, 3 the window ended before it showed,
77 skipped (no accessibility bus).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
NO_WINDOW = 3  # the window ended before it showed: run_tree_test.sh tries a fresh display

# (role, name) the tree must hold somewhere below the window. Edits, drop-down lists and
# check boxes are named by their labels; buttons by their texts.
PAGE_CONTROLS = [
    # "Satellite/Transponder"
    ("page tab", "Satellite/Transponder"),
    ("tree", "Satellite"), ("tree", "Transponder"),
    ("text", "Name"), ("combo box", "LNB Type"), ("text", "LNB Freq. High"),
    ("text", "LNB Freq. Low"), ("check box", "Selected"), ("combo box", "Diseqc Port"),
    ("check box", "22 kHz"), ("combo box", "0/12 V"), ("check box", "Motor"),
    ("push button", "Update"),
    # "Group/Channel"
    ("page tab", "Group/Channel"),
    ("combo box", "TV/Radio"), ("table", "TV/Radio"), ("text", "Search TV/Radio List"),
    ("combo box", "Favorite Group"), ("table", "Favorite Group"), ("text", "Search Favorite List"),
    ("combo box", "Satellite Filter"), ("combo box", "Program Filter"),
    ("push button", "Add"), ("push button", "Rename"), ("push button", "Delete"),
    ("push button", "-->"), ("push button", "<--"),
    ("combo box", "Type"), ("text", "Video PID"), ("text", "PCR PID"), ("text", "TText PID"),
    ("text", "Audio PID"), ("text", "Service ID"), ("text", "PMT"), ("check box", "LOCK"),
]

# Drop-down lists and the row the demo shows in them: a screen reader reads the row as
# the list's text without opening it, beside the label that names it.
COMBO_TEXTS = {
    "LNB Type": "Universal",  # the demo's first satellite, selected at the start
    "TV/Radio": "TV",
}

# Tables whose first column is the channel number, headed "No.".
NUMBERED_LISTS = ["TV/Radio", "Favorite Group"]

CONTEXT_MENUS = {
    "SatMenu": ["Add Satellite", "Delete Satellite"],
    "TpMenu": ["Add Transponder", "Delete Transponder", "Edit Transponder"],
    "PopMenu": ["Add Program", "Delete Program", "Move To\u2026", "Move Up", "Move Down", "Move to Top",
                "Move to Bottom", "Place Next", "Set Next Place Here", "Sort",
                "Sort by Name", "Sort by Satellite and Frequency", "Sort by Service ID", "Reverse Order",
                "Lock", "Unlock", "Copy"],
}


def fail(message):
    print("FAIL: " + message)
    return 1


def skip(message):
    print("SKIP: " + message)
    return SKIP


def walk(node, depth=0, out=None):
    """Every node below `node` as (role name, name, node), depth first."""
    if out is None:
        out = []
    if depth > 40:
        return out
    try:
        count = node.childCount
    except Exception:
        return out
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is None:
            continue
        try:
            out.append((child.getRoleName(), child.name, child))
        except Exception:
            continue
        walk(child, depth + 1, out)
    return out


def find_app(pyatspi, pid, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    quelmar, cli = sys.argv[1], sys.argv[2]
    try:
        import pyatspi
    except ImportError as error:
        return skip("python3-pyatspi cannot be imported: %s" % error)

    # The accessibility bus must answer before the window is worth starting.
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.childCount
    except Exception as error:
        return skip("the accessibility bus does not answer: %s" % error)

    work = tempfile.mkdtemp(prefix="quelmar-a11y-")
    demo = os.path.join(work, "demo.qdb")
    subprocess.run([cli, "sample", demo], check=True, stdout=subprocess.DEVNULL)

    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "xcb"
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    env["QT_ACCESSIBILITY"] = "1"
    # The window keeps its settings in a private folder, not the user's.
    env["XDG_CONFIG_HOME"] = work
    env["HOME"] = work
    window = subprocess.Popen([quelmar, demo], env=env)
    try:
        app = find_app(pyatspi, window.pid, 30)
        if window.poll() is not None:
            fail("the window ended with status %d before it could be read" % window.returncode)
            return NO_WINDOW
        if app is None:
            return fail("the window runs but never showed on the accessibility bus")
        nodes = walk(app)
        if os.environ.get("QUELMAR_A11Y_DUMP"):
            for role, name, _ in nodes:
                print("  %s: %r" % (role, name))
        present = {(role, name) for role, name, _ in nodes}
        missing = [c for c in PAGE_CONTROLS if c not in present]
        status = 0
        for role, name in missing:
            named = sorted({n for r, n, _ in nodes if r == role})
            status = fail("no %s named %r (%ss named: %s)" % (role, name, role, ", ".join(map(repr, named))))
        for menu_name, items in CONTEXT_MENUS.items():
            menus = [node for role, name, node in nodes if role in ("menu", "popup menu") and name == menu_name]
            if not menus:
                status = fail("context menu %r is not in the tree" % menu_name)
                continue
            shown = [name for role, name, _ in walk(menus[0]) if role == "menu item"]
            if shown != items:
                status = fail("context menu %r holds %r, expected %r" % (menu_name, shown, items))
        for combo_name, row in COMBO_TEXTS.items():
            combos = [node for role, name, node in nodes if role == "combo box" and name == combo_name]
            if not combos:
                continue  # reported above
            try:
                shown = combos[0].queryText().getText(0, -1)
            except Exception as error:
                status = fail("drop-down list %r gives no text: %s" % (combo_name, error))
                continue
            if shown != row:
                status = fail("drop-down list %r reads %r as its text, expected %r" % (combo_name, shown, row))
        for list_name in NUMBERED_LISTS:
            tables = [node for role, name, node in nodes if role == "table" and name == list_name]
            if not tables:
                continue  # reported above
            try:
                table = tables[0].queryTable()
                header = table.getColumnHeader(0)
                heading = header.name if header is not None else table.getColumnDescription(0)
                numbers = [table.getAccessibleAt(row, 0).name for row in range(min(3, table.nRows))]
            except Exception as error:
                status = fail("table %r cannot be read as a table: %s" % (list_name, error))
                continue
            expected = [str(i + 1) for i in range(len(numbers))]
            if heading != "No." or not numbers or numbers != expected:
                status = fail("table %r heads its first column %r and reads its numbers as %r, expected 'No.' and %r"
                              % (list_name, heading, numbers, expected))
        if status == 0:
            print("%d page controls, the rows of %d drop-down lists, the numbers of %d lists and %d context menus "
                  "found by their names" % (len(PAGE_CONTROLS), len(COMBO_TEXTS), len(NUMBERED_LISTS), len(CONTEXT_MENUS)))
        return status
    finally:
        window.terminate()
        try:
            window.wait(10)
        except subprocess.TimeoutExpired:
            window.kill()
            window.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
