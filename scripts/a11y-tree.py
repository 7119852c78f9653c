#!/usr/bin/python3
"""Prints what a screen reader sees of a running Dunemark: its accessibility tree over AT-SPI.

Usage: scripts/a11y-tree.py [application-name]   (default: Dunemark)

It needs an accessibility bus and a game that talks to it; scripts/a11y-check.sh sets both up
under Xvfb and runs this. By hand, inside one `dbus-run-session`:
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 build/dunemark &
    scripts/a11y-tree.py
Packages: scripts/install-deps.sh a11y

Each line: role, "name", then what else the object offers: its description, its keyboard
shortcut and actions, its states of interest, the text of a text object, the headers and size of
a table. Objects a player cannot see (not showing) are left out, with their children.
"""

import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The one-object calls used here are the ones that work on every AT-SPI 2 release.
warnings.filterwarnings("ignore", category=DeprecationWarning)

STATES = [
    ("focusable", Atspi.StateType.FOCUSABLE),
    ("focused", Atspi.StateType.FOCUSED),
    ("disabled", None),
    ("default", Atspi.StateType.IS_DEFAULT),
    ("checked", Atspi.StateType.CHECKED),
    ("selected", Atspi.StateType.SELECTED),
]
# A table's cells are many; this many rows of them are printed.
TABLE_ROWS_SHOWN = 3


def describe(acc):
    parts = [acc.get_role_name(), '"%s"' % acc.get_name()]
    description = acc.get_description()
    if description:
        parts.append("description=%r" % description)
    states = acc.get_state_set()
    flags = []
    for label, state in STATES:
        if state is None:
            if not states.contains(Atspi.StateType.ENABLED):
                flags.append(label)
        elif states.contains(state):
            flags.append(label)
    if flags:
        parts.append("[" + " ".join(flags) + "]")
    interfaces = set(acc.get_interfaces())
    if "Action" in interfaces:
        count = Atspi.Action.get_n_actions(acc)
        names = [Atspi.Action.get_action_name(acc, i) for i in range(count)]
        keys = {Atspi.Action.get_key_binding(acc, i) for i in range(count)} - {""}
        if names:
            parts.append("actions=" + ",".join(names))
        if keys:
            parts.append("keys=" + ",".join(sorted(keys)))
    if "Text" in interfaces and acc.get_role() != Atspi.Role.TABLE_CELL:
        content = Atspi.Text.get_text(acc, 0, -1)
        if content and content != acc.get_name():
            parts.append("text=%r" % content)
    if "Table" in interfaces:
        headers = []
        for c in range(Atspi.Table.get_n_columns(acc)):
            header = Atspi.Table.get_column_header(acc, c)
            headers.append(header.get_name() if header is not None else "")
        rows = Atspi.Table.get_n_rows(acc)
        parts.append("%dx%d headers=%s" % (rows, len(headers), headers))
    return " ".join(parts)


def walk(acc, depth, out):
    try:
        if depth > 0 and not acc.get_state_set().contains(Atspi.StateType.SHOWING):
            return
        out.append("  " * depth + describe(acc))
        role = acc.get_role()
        count = acc.get_child_count()
        if role == Atspi.Role.TABLE:
            columns = max(1, Atspi.Table.get_n_columns(acc))
            count = min(count, columns * (TABLE_ROWS_SHOWN + 1))
        for i in range(count):
            child = acc.get_child_at_index(i)
            if child is not None:
                walk(child, depth + 1, out)
    except gi.repository.GLib.Error as error:
        out.append("  " * depth + "(gone: %s)" % error.message)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else "Dunemark"
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == wanted:
            lines = []
            walk(app, 0, lines)
            print("\n".join(lines))
            return 0
    names = [desktop.get_child_at_index(i).get_name() for i in range(desktop.get_child_count())]
    print("no application called %r on the accessibility bus; there are: %s" % (wanted, names),
          file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
