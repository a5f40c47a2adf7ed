#!/usr/bin/python3
"""Reads Ondrel's accessibility tree over AT-SPI, as a screen reader does, and fails on what a
blind musician could not use: a control without a name, a control of the main window without a
description, a control that the keyboard cannot reach, a piano keyboard that does not tell its
keys and which of them sound. The dialogs are opened through their menu items' actions.

Usage: atspi_check.py PID    (the program runs on $DISPLAY, on the session bus of this process)
"""
import subprocess
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_DIAL, pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
}
# What the keyboard reaches another way: the buttons of a number's up-down (the number is typed
# in its field, the page keys step the patch and program) and the Panic panel (Ctrl+Space).
REACHED_OTHERWISE = {"Panic"}

failures = []


def fail(text):
    failures.append(text)
    print("FAIL: " + text)


def wait(condition, timeout=10.0):
    end = time.time() + timeout
    while time.time() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return condition()


def states(a):
    try:
        return a.getState()
    except Exception:
        return None


def children(a):
    try:
        return [c for c in a if c is not None]
    except Exception:
        return []


def label_of(a):
    """The name a reader says: its own, or that of the label it is labelled by."""
    if a.name:
        return a.name
    try:
        for relation in a.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    if relation.getTarget(i).name:
                        return relation.getTarget(i).name
    except Exception:
        pass
    return ""


def path_of(a):
    parts = []
    while a is not None and a.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append("%s %r" % (a.getRoleName(), a.name))
        a = a.parent
    return " < ".join(parts)


def check_window(window, main):
    """Every shown control of window: named, and reachable from the keyboard; in the main
    window described too."""
    count = 0

    def walk(a, in_updown):
        nonlocal count
        s = states(a)
        if s is None or not s.contains(pyatspi.STATE_SHOWING):
            return
        role = a.getRole()
        if role in (pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_SCROLL_BAR):
            return
        if role in CONTROLS:
            count += 1
            if not label_of(a):
                fail("no name: " + path_of(a))
            elif main and not a.description:
                fail("no description: " + path_of(a))
            if (s.contains(pyatspi.STATE_ENABLED) and not s.contains(pyatspi.STATE_FOCUSABLE)
                    and not in_updown and a.name not in REACHED_OTHERWISE):
                fail("not reached by the keyboard: " + path_of(a))
        # A combo box's list and a keyboard's keys are told with their owner.
        if role == pyatspi.ROLE_COMBO_BOX or a.childCount > 100:
            return
        # The step buttons beside a number (alone, or with its field): the number is typed.
        kinds = [c.getRole() for c in children(a)]
        updown = role == pyatspi.ROLE_FILLER and kinds.count(pyatspi.ROLE_PUSH_BUTTON) == 2 and (
            len(kinds) == 2 or (len(kinds) == 3 and pyatspi.ROLE_TEXT in kinds))
        for c in children(a):
            walk(c, updown)

    walk(window, False)
    return count


def find(root, role, name=None, depth=0):
    if depth > 25:
        return None
    for c in children(root):
        try:
            if c.getRole() == role and (name is None or c.name == name):
                return c
        except Exception:
            continue
        found = find(c, role, name, depth + 1)
        if found:
            return found
    return None


def windows(app):
    """The program's top-level windows (a plain widget window, as the patch set chooser is,
    comes as a filler)."""
    return children(app)


def window_named(app, title):
    for w in windows(app):
        if w.name == title or w.name.startswith(title + " \u2014 "):
            s = states(w)
            if s is not None and s.contains(pyatspi.STATE_SHOWING):
                return w
    return None


def xdotool(*args):
    subprocess.run(["xdotool"] + list(args), check=False)


def check_keyboard(app, main):
    keys = find(main, pyatspi.ROLE_PANEL, "Piano keyboard")
    if keys is None:
        fail("the piano keyboard is not in the tree")
        return
    if keys.childCount != 128:
        fail("the keyboard tells %d keys, not 128" % keys.childCount)
        return
    if keys.getChildAtIndex(60).name != "C3" or keys.getChildAtIndex(61).name != "C#3":
        fail("keys 60 and 61 are named %r and %r" % (keys.getChildAtIndex(60).name,
                                                     keys.getChildAtIndex(61).name))
    # z plays C2 (note 48) after a first start: while it is held the key is pressed, under
    # focus, and the keyboard's description names it.
    window = subprocess.run(["xdotool", "search", "--name", "^Ondrel$"], capture_output=True,
                            text=True).stdout.split()
    if window:
        xdotool("windowfocus", "--sync", window[0])
    time.sleep(0.5)
    xdotool("keydown", "z")
    key = keys.getChildAtIndex(48)
    if not wait(lambda: states(key).contains(pyatspi.STATE_PRESSED), 5):
        fail("the key C2 is not pressed while z is held")
    elif not states(key).contains(pyatspi.STATE_FOCUSED):
        fail("the sounding key C2 is not the one under focus")
    if "Sounding: C2" not in keys.description:
        fail("the keyboard's description does not name the sounding note: %r" % keys.description)
    xdotool("keyup", "z")
    if not wait(lambda: not states(key).contains(pyatspi.STATE_PRESSED), 5):
        fail("the key C2 stays pressed after z is let go")
    if "No note sounding" not in keys.description:
        fail("the keyboard's description after the key: %r" % keys.description)


def check_dialog(app, main, menu, item, title, close):
    """Opens a dialog through its menu item's action, checks it, and closes it with its button."""
    bar = find(main, pyatspi.ROLE_MENU_BAR)
    entry = find(find(bar, pyatspi.ROLE_MENU_ITEM, menu) or bar, pyatspi.ROLE_MENU_ITEM, item)
    if entry is None:
        fail("no menu item %s > %s" % (menu, item))
        return
    entry.queryAction().doAction(0)
    dialog = wait(lambda: window_named(app, title))
    if dialog is None:
        fail("%s > %s opened no window %r (windows: %s)" % (
            menu, item, title, ", ".join(repr(w.name) for w in windows(app))))
        return
    time.sleep(0.3)
    count = check_window(dialog, False)
    # Each page of a dialog with tabs, chosen as a reader's user does.
    # Each page of a dialog with tabs, chosen from the keyboard (Ctrl+Tab).
    tabs = find(dialog, pyatspi.ROLE_PAGE_TAB_LIST)
    for _ in range(tabs.childCount - 1 if tabs else 0):
        xdotool("key", "ctrl+Tab")
        time.sleep(0.4)
        count += check_window(dialog, False)
    print("%s: %d controls" % (title, count))
    button = find(dialog, pyatspi.ROLE_PUSH_BUTTON, close)
    if button is None:
        fail("%s has no button %r" % (title, close))
        return
    button.queryAction().doAction(0)
    if not wait(lambda: window_named(app, title) is None):
        fail("%s did not close" % title)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)

    def the_app():
        for app in children(desktop):
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None

    app = wait(the_app, 20)
    if app is None:
        print("FAIL: the program is not on the accessibility bus")
        return 1
    main_window = wait(lambda: window_named(app, "Ondrel"), 20)
    if main_window is None:
        print("FAIL: no main window in the program's tree")
        return 1
    time.sleep(1.0)  # the deferred start-up
    print("main window: %d controls" % check_window(main_window, True))
    check_keyboard(app, main_window)
    check_dialog(app, main_window, "Options", "Transpose...", "Transpose", "Close")
    check_dialog(app, main_window, "Options", "Chord Editor...", "Chord Editor", "Cancel")
    check_dialog(app, main_window, "Options", "Settings...", "Settings", "Cancel")
    check_dialog(app, main_window, "Knobs", "Set up...", "Knob Preset Editor", "Cancel")
    check_dialog(app, main_window, "Patches", "Choose Patch Set...", "Choose Patch Set",
                 "Cancel")
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
