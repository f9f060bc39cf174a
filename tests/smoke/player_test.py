#!/usr/bin/python3
"""A new player's first run, in the real window under openbox on a small
laptop screen: a menu opened during a game and closed with one Escape hands
the keyboard back to the game at once (the arrows move the piece and Space
drops it at the left wall); the game is paused and carries on; Space held
down to the end of the game types nothing into the name box, where the name
typed afterwards is stored as typed; the options sheet, title bar and all,
is on the screen. Leaves pause.png, name-box.png and options-911x512.png in
SCREENSHOT_DIR.

usage: player_test.py PROGRAM ASSETS_DIR SCREENSHOT_DIR
Exits 77 (skipped) when PROGRAM has not been built or openbox is missing."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from smoke_test import check, first_table_name, painted, steady  # noqa: E402
from xsession import (  # noqa: E402
    Failure, Game, Screen, crop_difference, run_test, test_arguments, wait_until)

SCREEN = (911, 512)  # 1366 x 768 at 150 %
CLIENT = (483, 404)  # the Normal layout: the screen is too small for Big
FIELD = (141, 15, 200, 360)
CELL = 20


class Player:
    """The game on the screen, with the places of its client area."""

    def __init__(self, screen, program, assets):
        self.screen = screen
        self.game = Game(screen, program, assets)
        window = self.game.main_window()
        x, y, width, height = self.game.geometry(window)
        check(width == CLIENT[0] and height - CLIENT[1] >= 10,
              f"window {width} x {height} does not hold the client {CLIENT}")
        self.origin = (x, y + height - CLIENT[1])
        self.menu_bar = (x, y)
        self.field = (self.origin[0] + FIELD[0], self.origin[1] + FIELD[1], FIELD[2], FIELD[3])
        self.activate()
        self.idle = wait_until("the first frame", lambda: painted(screen, *self.field[:2], FIELD),
                               10)

    def activate(self):
        self.screen.run("xdotool", "windowactivate", "--sync", self.game.window)

    def start(self):
        """F2, then the empty field once the start animation is over."""
        self.screen.key("F2")
        wait_until("a started game", lambda: crop_difference(
            self.idle, self.screen.screenshot(), *self.field) > 0.3, 10)
        x, y, width, _ = self.field
        return wait_until("the empty field",
                          lambda: steady(self.screen, x, y + 6 * CELL, width, 12 * CELL), 10)

    def floor(self, before, first_column, columns):
        """Share of the two bottom rows' cells of some columns that changed."""
        x, y, _, height = self.field
        return crop_difference(before, self.screen.screenshot(), x + first_column * CELL,
                               y + height - 2 * CELL, columns * CELL, 2 * CELL)


def menu_closed_with_escape_gives_the_keys_back(player):
    screen, game = player.screen, player.game
    empty = player.start()
    screen.run("xdotool", "mousemove", str(player.menu_bar[0] + 20),
               str(player.menu_bar[1] + 8), "click", "1")
    menu = game.wait_for_box()
    screen.run("xdotool", "mousemove", str(player.field[0] + 100), str(player.field[1] + 200))
    screen.key("Escape")
    wait_until("the menu to close", lambda: menu not in game.windows(), 5)
    screen.key(*["Left"] * 6, "space")
    time.sleep(0.5)
    left, right = player.floor(empty, 0, 3), player.floor(empty, 5, 5)
    print(f"  after Escape: the floor changed in {left:.0%} of the left columns, "
          f"{right:.0%} of the right ones")
    check(left > 0.2 and right == 0, "the arrows and Space did not reach the game after Escape")


def window_named(screen, name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                           env=screen.env, capture_output=True, text=True, timeout=10)
    return next(iter(found.stdout.split()), None)


def pause_and_carry_on(player, shots):
    screen = player.screen
    playing = screen.screenshot()
    screen.key("Pause")
    wait_until("the idle picture over the paused game", lambda: crop_difference(
        playing, screen.screenshot(), *player.field) > 0.3, 5)
    screen.run("import", "-window", player.game.window, os.path.join(shots, "pause.png"))
    screen.key("Pause")
    wait_until("the game again", lambda: crop_difference(
        playing, screen.screenshot(), *player.field) < 0.1, 5)


def held_space_types_nothing_into_the_name_box(player, shots):
    screen, game = player.screen, player.game
    screen.run("xdotool", "keydown", "space")
    try:
        box = wait_until("the name box at the end of the game",
                         lambda: window_named(screen, "Please enter your name"), 90, 0.2)
        time.sleep(0.5)  # the held key repeats into the box meanwhile
        screen.run("import", "-window", "root", os.path.join(shots, "name-box.png"))
    finally:
        screen.run("xdotool", "keyup", "space")
    screen.run("xdotool", "type", "--delay", "40", "Ann")
    screen.key("Return")
    wait_until("the name box to close", lambda: box not in game.windows(), 10)
    table = game.wait_for_box()
    screen.run("xdotool", "windowactivate", "--sync", table)
    screen.key("Return")
    wait_until("the best scores to close", lambda: table not in game.windows(), 10)
    name = first_table_name(os.path.join(game.directory, "data.ttb"))
    print(f"  Space held into the name box; the table ranks {name!r} first")
    check(name == "Ann", f"the name box stored {name!r}, not what was typed")


def options_sheet_on_the_screen(player, shots):
    screen, game = player.screen, player.game
    player.activate()
    screen.key("F3")
    sheet = game.wait_for_box()
    time.sleep(0.5)
    x, y, width, height = game.geometry(sheet)
    extents = screen.run("xprop", "-id", sheet, "_NET_FRAME_EXTENTS").split("=")[-1]
    left, right, top, bottom = (int(value) for value in extents.split(","))
    frame = (x - left, y - top, x + width + right, y + height + bottom)
    screen.run("import", "-window", "root", os.path.join(shots, "options-911x512.png"))
    print(f"  options sheet {width} x {height}, with its frame from {frame[:2]} to {frame[2:]}")
    check(min(frame[:2]) >= 0 and frame[2] <= SCREEN[0] and frame[3] <= SCREEN[1],
          "the options sheet does not fit the screen")
    screen.key("Escape")
    wait_until("the options sheet to close", lambda: sheet not in game.windows(), 10)


def main():
    program, assets, shots = test_arguments(__doc__, 3)
    os.makedirs(shots, exist_ok=True)
    screen = Screen(*SCREEN)
    try:
        screen.window_manager()
        player = Player(screen, program, assets)
        try:
            menu_closed_with_escape_gives_the_keys_back(player)
            pause_and_carry_on(player, shots)
            held_space_types_nothing_into_the_name_box(player, shots)
            options_sheet_on_the_screen(player, shots)
        except Failure:
            print(player.game.output_text(), file=sys.stderr)
            raise
        finally:
            player.game.close()
    finally:
        screen.close()
    print("player test passed")
    return 0


if __name__ == "__main__":
    run_test(main)
