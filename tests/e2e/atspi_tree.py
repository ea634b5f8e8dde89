#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Reads the editor's accessibility tree from the AT-SPI bus, as a screen
reader does, and checks that it lists the five tabs, each field with the
label that names it (name and labelled-by relation), the buttons by their
captions and the status bar's panels by name. Each tab is chosen through its
action first, as its user would: a page is built when first shown.

usage: atspi_tree.py [application name]   (exit status 0: all found)"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

TABS = ["Basic data", "Requirements", "Installation", "Details", "Credits"]

# Per tab: (the label's text, the field's role). The field's name is the
# label's text, except a combo box's, which AT-SPI gives as its current
# item; every field is labelled by its label.
FIELDS = {
    "Basic data": [("Article:", "combo box"), ("Name:", "text"), ("Version:", "text"),
                   ("Author(s):", "text"), ("Release date:", "text"), ("Web:", "text"),
                   ("Email:", "text"), ("Skype:", "text"), ("ICQ:", "text"), ("Other:", "text")],
    "Requirements": [("Required game:", "text"), ("Required addons:", "text")],
    "Installation": [],
    "Details": [("Description:", "text"), ("Features:", "text"),
                ("Changelog/known bugs:", "text"), ("Notes:", "text")],
    "Credits": [("Credits and thanks:", "text"),
                ("Disclaimer (will be added automatically):", "label")],
}
# Per tab: (role, name) of the buttons, in the order they stand.
BUTTONS = {
    "Basic data": [("check box", "Allow")] * 3,
    "Requirements": [("check box", "None - official only"), ("check box", "User defined")],
    "Installation": [("radio button", n) for n in
                     ["SP mission", "MP mission", "Addon", "Mod", "Own description"]],
    "Details": [("check box", "Allow")] * 3,
    "Credits": [],
}
UNLABELLED = {"Installation": [("text", "Installation instructions")]}
PANELS = ["Kestrin Editor by Vantry", "Num Lock", "Caps Lock", "Insert"]

problems = []


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node, depth=0):
    for child in children(node):
        if child is None:
            continue
        yield child
        if depth < 12:
            yield from descendants(child, depth + 1)


def labelled_by(node):
    names = []
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            names += [relation.get_target(i).get_name() for i in range(relation.get_n_targets())]
    return names


def find_main_window(name, seconds=30):
    """The application's frame "Kestrin Editor", once it is on the bus."""
    end = time.time() + seconds
    while time.time() < end:
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            if app is None or app.get_name() != name:
                continue
            frames = [c for c in children(app) if c is not None and c.get_role_name() == "frame"
                      and c.get_name() == "Kestrin Editor"]
            if frames:
                return frames
        time.sleep(0.2)
    return []


def choose_tab(tab_list, tab):
    """Presses the page tab through its first action, and waits until its
    page has children."""
    if tab_list is None:
        return
    for node in children(tab_list):
        if node is not None and node.get_role_name() == "page tab" and node.get_name() == tab:
            action = node.get_action_iface()
            if action is None or action.get_n_actions() == 0:
                problems.append(f'the tab "{tab}" has no action')
                return
            action.do_action(0)
    time.sleep(0.5)


def check_page(page, tab):
    nodes = list(descendants(page))
    for label, role in FIELDS[tab]:
        fields = [n for n in nodes if n.get_role_name() == role and label in labelled_by(n)]
        if len(fields) != 1:
            problems.append(f'{tab}: {len(fields)} {role} field(s) labelled "{label}", not one')
            continue
        name = fields[0].get_name()
        if role != "combo box" and name != label:
            problems.append(f'{tab}: the field labelled "{label}" is named "{name}"')
        print(f'  {tab}: {role} "{name}" labelled by "{label}"')
    for role, name in UNLABELLED.get(tab, []):
        if not any(n.get_role_name() == role and n.get_name() == name for n in nodes):
            problems.append(f'{tab}: no {role} named "{name}"')
    buttons = [(n.get_role_name(), n.get_name()) for n in nodes
               if n.get_role_name() in ("check box", "radio button")]
    if buttons != BUTTONS[tab]:
        problems.append(f"{tab}: buttons {buttons}, expected {BUTTONS[tab]}")


def main():
    frames = find_main_window(sys.argv[1] if len(sys.argv) > 1 else "Kestrin Editor")
    if len(frames) != 1:
        print(f"FAIL: {len(frames)} frames \"Kestrin Editor\" on the AT-SPI bus, expected 1", file=sys.stderr)
        return 1
    nodes = list(descendants(frames[0]))

    tab_lists = [n for n in nodes if n.get_role_name() == "page tab list"]
    tabs = [t.get_name() for t in children(tab_lists[0]) if t.get_role_name() == "page tab"] if tab_lists else []
    if tabs != TABS:
        problems.append(f"the tabs are {tabs}, expected {TABS}")
    print(f"tabs: {tabs}")
    for tab in TABS:
        choose_tab(tab_lists[0] if tab_lists else None, tab)
        nodes = list(descendants(frames[0]))
        pages = [n for n in nodes if n.get_name() == tab and n.get_role_name() not in ("page tab", "page tab list")]
        if len(pages) != 1:
            problems.append(f'{len(pages)} pages named "{tab}"')
            continue
        check_page(pages[0], tab)

    bars = [n for n in nodes if n.get_role_name() == "status bar"]
    panels = [p.get_name() for p in children(bars[0])] if bars else []
    if panels != PANELS:
        problems.append(f"status bar panels {panels}, expected {PANELS}")
    print(f"status bar: {panels}")

    for p in problems:
        print(f"FAIL: {p}", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
