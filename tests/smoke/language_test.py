#!/usr/bin/python3
"""The game speaks the desktop's language: started under Xvfb with
LANG=de_DE.UTF-8, then fr_FR.UTF-8, then en_US.UTF-8 (no other locale
variable set), its menu bar and Game menu carry the texts of that language,
as the desktop's accessibility bus shows them. The locales need not be
generated on the machine: Qt reads the variables itself. With a folder given,
a screenshot of the window with its Game menu open (opened by that
language's mnemonic) goes there as menu-<language>.png.

usage: language_test.py PROGRAM ASSETS_DIR [SCREENSHOT_DIR]
Exits 77 (skipped) when PROGRAM has not been built or when at-spi2-core,
python3-pyatspi or dbus is not installed (tools/install-deps.sh)."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import (  # noqa: E402
    ACCESSIBILITY_LAUNCHER, SKIPPED, Failure, Game, Screen, on_own_accessibility_bus, run_test,
    stop, wait_until)

LAUNCHER = ACCESSIBILITY_LAUNCHER

# LANG -> the menu bar's menus, the Game menu's items (before their keys) and
# the key that opens the Game menu.
LANGUAGES = {
    "de_DE.UTF-8": (["Spiel", "Meister", "Hilfe", "Bestenlisten"],
                    ["Spiel starten", "Pause", "Optionen...", "Fenstergröße",
                     "Speichern unter...", "Laden...", "Beenden"], "alt+s"),
    "fr_FR.UTF-8": (["Jeu", "Champions", "Aide", "Meilleurs scores"],
                    ["Démarrer une partie", "Pause", "Options...", "Taille de la fenêtre",
                     "Enregistrer sous...", "Charger...", "Quitter"], "alt+j"),
    "en_US.UTF-8": (["Game", "Champions", "Help", "Best Scores"],
                    ["Start Game", "Pause", "Options...", "Window size", "Save As..",
                     "Load...", "Exit"], "alt+g"),
}


def check(condition, message):
    if not condition:
        raise Failure(message)


def menus(game):
    """The menu bar's menus and the first menu's items, by their accessible names."""
    import pyatspi

    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in (desktop[i] for i in range(desktop.childCount)):
            if app is not None and app.get_process_id() == game.pid and app.childCount:
                bar = pyatspi.findDescendant(app[0], lambda n: n.getRoleName() == "menu bar")
                if bar is not None and bar.childCount:
                    return bar
        return None

    bar = wait_until("the menu bar on the accessibility bus", find, 20, 0.2)
    first = bar[0]
    # The menu's items may sit in the unnamed popup under its bar item.
    while first.childCount == 1 and not first[0].name:
        first = first[0]
    items = [first[i].name.split("\t")[0] for i in range(first.childCount)
             if first[i].getRoleName() != "separator"]
    return [bar[i].name for i in range(bar.childCount)], items


def main():
    if len(sys.argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    program, assets = sys.argv[1:3]
    shots = sys.argv[3] if len(sys.argv) == 4 else None
    if not os.access(program, os.X_OK):
        print(f"skipped: {program} has not been built")
        return SKIPPED
    own = on_own_accessibility_bus(sys.argv)
    if own is not None:
        return own
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    screen = Screen(1024, 768)
    try:
        for lang, (bar, items, key) in LANGUAGES.items():
            game = Game(screen, program, assets, {
                "LANG": lang, "LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": "",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
            try:
                game.main_window()
                shown_bar, shown_items = menus(game)
                print(f"  {lang}: {' | '.join(shown_bar)}; Game menu: {', '.join(shown_items)}")
                check(shown_bar == bar, f"{lang}: the menu bar shows {shown_bar}, not {bar}")
                check(shown_items == items, f"{lang}: the Game menu holds {shown_items}")
                if shots:
                    game.focus()
                    screen.key(key)
                    time.sleep(0.5)
                    os.makedirs(shots, exist_ok=True)
                    shot = os.path.join(shots, f"menu-{lang[:2]}.png")
                    screen.run("import", "-window", "root", shot)
                    screen.key("Escape")
            finally:
                game.close()
    finally:
        screen.close()
        stop(launcher)
    return 0


if __name__ == "__main__":
    run_test(main)
