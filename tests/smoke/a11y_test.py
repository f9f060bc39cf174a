#!/usr/bin/python3
"""The game as a screen reader meets it, on the desktop's real accessibility
bus: a private D-Bus session with at-spi2's bus, the game under Xvfb, and its
tree walked with pyatspi. The main window shows its drawn buttons with their
names and states, the selectors with their choice and the figures as text that
changes; every button of the window pressed through its accessible action does
what a click does. Each dialog, opened in turn through a button, a key or the
menu's keys, has no unnamed control that takes the focus, Tab goes round its
controls (each page's) and back to the first, and a key closes it (Escape, or
a question's Yes). Prints the walk's counts and each dialog's Tab order.

usage: a11y_test.py PROGRAM ASSETS_DIR
Exits 77 (skipped) when PROGRAM has not been built or when at-spi2-core,
python3-pyatspi or dbus is not installed (tools/install-deps.sh)."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import (  # noqa: E402
    ACCESSIBILITY_LAUNCHER, SKIPPED, Failure, Game, Screen, on_own_accessibility_bus, run_test,
    stop, test_arguments, wait_until)

LAUNCHER = ACCESSIBILITY_LAUNCHER
PANE = "Brinox 2000: World Championship"
FIGURES = ["Level", "Lines left", "Scores", "Best score", "Lines", "Time", "Rising counter"]


def check(condition, message):
    if not condition:
        raise Failure(message)


def has(node, state):
    return node.getState().contains(state)


class Walk:
    """Counts of one accessible tree: nodes, named ones, focusable ones and
    the focusable ones without a name. The cells of a list are its data, not
    controls: an empty one (a folder's size in the file dialog) is counted apart."""

    CELLS = ("table cell", "list item", "tree item")

    def __init__(self, root):
        import pyatspi
        self.nodes = self.named = self.focusable = self.empty_cells = 0
        self.unnamed = []
        stack = [root]
        while stack:
            node = stack.pop()
            self.nodes += 1
            named = bool(node.name.strip())
            self.named += named
            if has(node, pyatspi.STATE_FOCUSABLE):
                self.focusable += 1
                if not named and node.getRoleName() in self.CELLS:
                    self.empty_cells += 1
                elif not named:
                    self.unnamed.append(f"{node.getRoleName()} in {node.parent.getRoleName()} "
                                        f"{node.parent.name!r}")
            stack.extend(node[i] for i in range(node.childCount))

    def __str__(self):
        return (f"{self.nodes} nodes, {self.named} named, {self.focusable} focusable, "
                f"{len(self.unnamed)} unnamed focusable"
                + (f" ({self.empty_cells} empty cells)" if self.empty_cells else ""))


class Session:
    """The game on the bus: its application node, the focus as announced,
    and what the fake web browser was asked to open."""

    def __init__(self, screen, program, assets):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi, self.loop = pyatspi, GLib.MainContext.default()
        self.screen = screen
        self.browser = tempfile.mkdtemp(prefix="brinox-a11y-")
        self.opened = os.path.join(self.browser, "opened")
        script = os.path.join(self.browser, "xdg-open")
        with open(script, "w") as f:
            f.write(f'#!/bin/sh\necho "$1" >> {self.opened}\n')
        os.chmod(script, 0o755)
        self.game = Game(screen, program, assets, {
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "PATH": self.browser + os.pathsep + os.environ["PATH"]})
        self.focused = []
        pyatspi.Registry.registerEventListener(self.focus_event, "object:state-changed:focused")
        self.changes = []
        pyatspi.Registry.registerEventListener(self.changes.append, "object:text-changed")
        self.checks = []
        pyatspi.Registry.registerEventListener(self.checks.append, "object:state-changed:checked")
        self.enabling = []
        pyatspi.Registry.registerEventListener(self.enabling.append, "object:state-changed:enabled")
        self.main = self.game.main_window()
        self.app = wait_until("the game on the accessibility bus", self.find_app, 20, 0.2)
        self.pane = wait_until("the window's drawn controls", self.find_pane, 10, 0.2)
        self.pressed = set()  # the buttons pressed through their action
        self.problems = []  # unnamed controls, told at the end

    def focus_event(self, event):
        if event.detail1:
            self.focused.append(event.source)

    def pump(self, seconds=0.0):
        end = time.monotonic() + seconds
        while True:
            while self.loop.iteration(False):
                pass
            if time.monotonic() >= end:
                return
            time.sleep(0.01)

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop[i]
            if app is not None and app.get_process_id() == self.game.pid:
                return app
        return None

    def find_pane(self):
        frame = self.app[0]
        return next((frame[i] for i in range(frame.childCount) if frame[i].name == PANE), None)

    def control(self, name):
        """A drawn control by the name before its colon ("Game Type: Quadel").
        While the game plays an animation it answers nothing: the call is
        asked again until it does."""
        def found():
            children = [self.pane[i] for i in range(self.pane.childCount)]
            return next((c for c in children if c.name.split(":")[0] == name), None)
        return wait_until(f"the window's control {name!r}", found, 10, 0.1)

    @staticmethod
    def button_of(name):
        """The button a name belongs to: Start/Stop has two."""
        name = name.split(":")[0]
        return "Start Game" if name == "Stop Game" else name

    def press(self, name):
        node = self.control(name)
        check(has(node, self.pyatspi.STATE_ENABLED), f"{name!r} is not enabled")
        node.queryAction().doAction(0)
        self.pressed.add(self.button_of(name))

    def windows(self):
        return [self.app[i] for i in range(self.app.childCount)]

    def escape(self, dialog, x_window, key="Escape"):
        """Closes a dialog with a key, and gives the keyboard back to the main window."""
        self.game.window = x_window
        self.game.focus()
        self.screen.key(key)
        wait_until(f"{dialog.name!r} to close", lambda: self.gone(dialog), 10, 0.1)
        self.game.window = self.main

    def gone(self, window):
        """Closed: destroyed, or hidden (the help viewer stays for the next time)."""
        try:
            return window not in self.windows() or not has(window, self.pyatspi.STATE_SHOWING)
        except Exception:  # noqa: BLE001 - a destroyed window may answer with an error
            return True

    def new_window(self, before):
        return wait_until("a dialog", lambda: next(
            (w for w in self.windows() if w not in before), None), 10, 0.1)

    def close(self):
        self.game.close()
        shutil.rmtree(self.browser, ignore_errors=True)


def text_of(node):
    return node.queryText().getText(0, -1)


def tab_round(session, window, limit):
    """Presses Tab until the focus comes back where it began; the names of the
    controls on the way, in order. A Tab that moves within a control (from
    link to link of the help text) announces no focus and is passed over."""
    session.game.window = window
    session.game.focus()
    session.pump(0.3)
    session.focused.clear()
    names = []
    first = None
    for _ in range(limit):
        session.screen.key("Tab")
        end = time.monotonic() + 0.5
        while not session.focused and time.monotonic() < end:
            session.pump(0.02)
        if not session.focused:
            continue
        source = session.focused[-1]
        session.focused.clear()
        key = (source.getRoleName(), source.name, source.getIndexInParent())
        if key == first:
            return names
        first = first or key
        check(source.name.strip(), f"Tab reached an unnamed {source.getRoleName()}")
        names.append(source.name)
    raise Failure(f"Tab did not come round within {limit} presses: {names}")


def visit(session, title, open_it, tabs=True, close="Escape", named=None, pages=1):
    """Opens a dialog (the new window called `named`, or the first new one),
    walks it, goes round it with Tab (round each of its pages, which
    Ctrl+Tab turns) and closes it with a key."""
    before = session.windows()
    x_before = session.game.windows()
    open_it()
    dialog = wait_until(f"the window of {title}", lambda: next(
        (w for w in session.windows() if (w not in before if named is None else w.name == named)),
        None), 10, 0.1)
    session.pump(0.3)
    walk = Walk(dialog)
    name = dialog.name

    def x_window():
        # By its title, the new one first; a frameless box has none: the new window.
        mine = [w for w in session.game.windows() if w != session.main]
        titled = [w for w in mine if session.screen.run("xdotool", "getwindowname", w).strip()
                  == name]
        new = [w for w in mine if w not in x_before]
        return ([w for w in titled if w in new] or titled or new or [None])[0]

    window = wait_until(f"the X window of {title}", x_window, 10)
    rounds = []
    for page in range(pages if tabs else 0):
        if page > 0:
            session.screen.key("ctrl+Tab")
        stops = tab_round(session, window, walk.focusable + 40)
        rounds.append(f"{len(stops)} stops ({', '.join(stops)})")
    print(f"  {title} ({name!r}): {walk}" + "".join(f"\n    Tab: {r}" for r in rounds))
    if walk.unnamed:
        session.problems.append(f"{title}: unnamed focusable {walk.unnamed}")
    session.escape(dialog, window, close)
    return name


def main_window(session):
    p = session.pyatspi
    walk = Walk(session.app[0])
    print(f"  main window: {walk}; drawn controls: "
          + ", ".join(session.pane[i].name for i in range(session.pane.childCount)))
    check(not walk.unnamed, f"main window: unnamed focusable {walk.unnamed}")
    buttons = [session.pane[i] for i in range(session.pane.childCount)
               if session.pane[i].getRoleName() in ("push button", "check box")]
    check(len(buttons) == 16 and all(b.name for b in buttons), "16 named buttons expected")
    # A screen reader's hit test (what is under the pointer) finds each button at its centre.
    pane = session.pane.queryComponent()
    for button in buttons:
        x, y, width, height = button.queryComponent().getExtents(p.DESKTOP_COORDS)
        hit = pane.getAccessibleAtPoint(x + width // 2, y + height // 2, p.DESKTOP_COORDS)
        check(hit is not None and hit.name == button.name,
              f"the centre of {button.name!r} finds {hit.name if hit else None!r}")
    for figure in FIGURES:
        check(not has(session.control(figure), p.STATE_VISIBLE),
              f"{figure} is shown without a game")
    check(not has(session.control("Pause"), p.STATE_ENABLED), "Pause is enabled without a game")


def toggles(session):
    """The check boxes flip their setting and back; the tool bar's hides its buttons."""
    p = session.pyatspi
    for name in ("Show Next Bar", "Show Tool Bar", "Show Status Bar", "Bombs"):
        node = session.control(name)
        for turn in (1, 2):
            was = has(node, p.STATE_CHECKED)
            session.press(name)
            wait_until(f"{name} to flip ({turn})", lambda: has(node, p.STATE_CHECKED) != was, 5)
            if name == "Show Tool Bar" and turn == 1:
                check(not has(session.control("Options"), p.STATE_VISIBLE),
                      "the tool bar's buttons are still shown with the bar hidden")
    print("  the bar toggles and Bombs flip and flip back")


def selectors(session):
    for name, choices in (("Game Type", ["Quinel", "Quadel"]),
                          ("Game Mode", ["Timer mode"])):
        for choice in choices:
            session.press(name)
            wait_until(f"{name}: {choice}",
                       lambda: session.control(name).name == f"{name}: {choice}", 5)
    print("  the selectors tell their choice: "
          + ", ".join(session.control(n).name for n in ("Game Type", "Game Mode")))


def logo(session):
    session.press("Brinox 2000 Homepage")
    url = wait_until("the web browser", lambda: os.path.exists(session.opened)
                     and open(session.opened).read().strip(), 10, 0.1)
    print(f"  the logo opened {url}")


def dialogs_of_buttons(session):
    visit(session, "Options", lambda: session.press("Options"), pages=4)
    for name in ("Local Best Scores", "World Championship Top 10", "Help", "Load"):
        visit(session, name, lambda: session.press(name))
    visit(session, "Exit, answered No", lambda: session.press("Exit"))
    check(session.game.process.poll() is None, "the game ended on Exit's No")


def key_capture(session):
    """The Control page's key buttons open the capture box, named after its key."""
    before, x_before = session.windows(), session.game.windows()
    session.press("Options")
    sheet = session.new_window(before)
    x_sheet = wait_until("the sheet's window", lambda: next(
        (w for w in session.game.windows() if w not in x_before), None), 10)
    session.pump(0.3)
    find(sheet, "page tab", "Control").queryAction().doAction(0)
    session.pump(0.3)
    capture = visit(session, "key capture box",
                    lambda: find(sheet, "push button", "Move Left").queryAction().doAction(0),
                    tabs=False)
    check(capture == "Move Left", f"the capture box is named {capture!r}")
    session.escape(sheet, x_sheet)


def find(root, role, name):
    stack = [root]
    while stack:
        node = stack.pop()
        if node.getRoleName() == role and node.name == name:
            return node
        stack.extend(node[i] for i in range(node.childCount))
    raise Failure(f"no {role} {name!r} in {root.name!r}")


def a_game(session):
    """Start, the figures, Pause, Save, Stop with its question, and the name box,
    the table and SEND's box that follow."""
    p = session.pyatspi
    session.game.focus()  # the game runs only in the active window
    session.enabling.clear()
    session.press("Start Game")
    level = session.control("Level")
    wait_until("the figures", lambda: has(level, p.STATE_VISIBLE), 5)
    session.control("Stop Game")
    check(not has(session.control("Game Type"), p.STATE_ENABLED),
          "the game type may be changed during a game")
    session.pump(0.2)
    told = [e.detail1 for e in session.enabling if e.source.name.startswith("Game Type")]
    check(told == [0], f"the Game Type button's disabling told as {told}")
    time_figure = session.control("Time")
    shown = text_of(time_figure)
    session.changes.clear()
    wait_until("the time to change", lambda: (session.pump(0.05),
                                              text_of(time_figure) != shown)[1], 5)
    session.pump(0.2)
    told = [e for e in session.changes if e.source.name.startswith("Time")]
    check(told, "no text-changed event came for the time")
    others = {e.source.name for e in session.changes} - {e.source.name for e in told}
    check(not others, f"text-changed events of figures that did not change: {others}")
    print("  game started: " + ", ".join(session.control(f).name for f in FIGURES
                                          if has(session.control(f), p.STATE_VISIBLE))
          + f"; the time changed from {shown} with {len(told)} text events")
    for paused in (True, False):
        session.checks.clear()
        session.press("Pause")
        wait_until("the pause", lambda: has(session.control("Pause"), p.STATE_CHECKED) == paused,
                   5)
        session.pump(0.2)
        told = [e.detail1 for e in session.checks if e.source.name.startswith("Pause")]
        check(told == [int(paused)], f"the Pause button's check told as {told}")
    visit(session, "Save", lambda: session.press("Save As"))
    before = session.windows()
    visit(session, "Stop, answered Yes", lambda: session.press("Stop Game"), close="alt+y")
    wait_until("the game to stop", lambda: not has(level, p.STATE_VISIBLE), 5)
    print("  paused and resumed; stopped through the question")
    # The stopped game is ranked: its table opens and asks for the name.
    visit(session, "name box", lambda: None, close="Return", named="Please enter your name")
    table = wait_until("the table", lambda: next(
        (w for w in session.windows() if w not in before and w.name.startswith("Best Scores")),
        None), 10, 0.1)
    x_table = session.game.windows()[-1]
    find(table, "radio button", "Quadel: World Championship").queryAction().doAction(0)
    session.pump(0.3)
    visit(session, "Send Result", lambda: find(table, "push button", "SEND").queryAction()
          .doAction(0))
    session.escape(table, x_table)


def menu_dialogs(session):
    """The Help menu's dialogs through its mnemonics, the champions through their keys."""
    frame = session.app[0]
    bar = next(frame[i] for i in range(frame.childCount) if frame[i].getRoleName() == "menu bar")
    help_menu = next(bar[i][0] for i in range(bar.childCount) if bar[i].name == "Help")
    for title, keys in (("About", ["alt+h", "a"]), ("About Cathedral", ["alt+h", "c"]),
                        ("Champions 2000", ["alt+0"]), ("Champions 2001", ["alt+1"])):
        def open_it(keys=keys):
            session.game.focus()
            session.screen.key(keys[0])
            if len(keys) > 1:
                wait_until("the Help menu", lambda: has(help_menu, session.pyatspi.STATE_SHOWING),
                           5, 0.05)
                session.screen.key(keys[1])
        visit(session, title, open_it)


def main():
    program, assets = test_arguments(__doc__, 2)
    own = on_own_accessibility_bus([__file__, program, assets])
    if own is not None:
        return own
    started = time.monotonic()
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    screen = Screen(1024, 768)
    session = None
    try:
        wait_until("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0, 10, 0.1)
        os.environ["DISPLAY"] = screen.display
        session = Session(screen, program, assets)
        main_window(session)
        toggles(session)
        selectors(session)
        logo(session)
        dialogs_of_buttons(session)
        key_capture(session)
        a_game(session)
        menu_dialogs(session)
        buttons = {session.button_of(session.pane[i].name) for i in range(session.pane.childCount)
                   if session.pane[i].getRoleName() in ("push button", "check box")}
        print(f"  buttons pressed through their action: {len(session.pressed & buttons)} of "
              f"{len(buttons)}; {time.monotonic() - started:.1f} s")
        check(buttons <= session.pressed, f"not pressed: {sorted(buttons - session.pressed)}")
        check(not session.problems, "; ".join(session.problems))
    except Failure:
        if session is not None and session.game.process.poll() is not None:
            print(f"the game ended with status {session.game.process.returncode}:\n"
                  + session.game.output_text()[-2000:])
        raise
    finally:
        if session is not None:
            session.close()
        screen.close()
        stop(launcher)
    return 0


if __name__ == "__main__":
    run_test(main)
