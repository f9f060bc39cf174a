#!/usr/bin/python3
"""Smoke test of the real game under Xvfb: on a 1024x768 and an 800x600
screen the game opens its window in the right size, lights a button under the
pointer and switches the game type with clicks, starts a game on F2, moves
and drops pieces, refuses to quit on No, opens the options sheet on F3
and still rewrites brinox.dat when it is cancelled, plays the game to its end (on
the first screen), takes a name in the best-scores dialog and stores it in
data.ttb, quits on Yes with status 0 and leaves its options and window-size
files behind.

usage: smoke_test.py PROGRAM ASSETS_DIR
Exits 77 (skipped) when PROGRAM has not been built."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import (  # noqa: E402
    Failure, Game, Screen, crop_difference, run_test, test_arguments, wait_until)


# Screen size -> (client size, playing area x, y, width, height in the client).
CASES = {
    (1024, 768): ((602, 590), (151, 14, 300, 540)),
    (800, 600): ((483, 404), (141, 15, 200, 360)),
}


def check(condition, message):
    if not condition:
        raise Failure(message)


def exact_client_size(screen, program, assets, expected):
    """With native child windows the central widget is an X window of its own."""
    game = Game(screen, program, assets, {"QT_USE_NATIVE_WINDOWS": "1"})
    try:
        def central():
            for window in game.windows():
                size = game.geometry(window)
                if size[2:] == expected:
                    return size
            return None

        size = wait_until("the central widget", central, 10)
        print(f"  central widget {size[2]} x {size[3]} at y {size[1]}")
    finally:
        game.close()


def first_table_name(path):
    """Name of row 0 of table 0 in data.ttb: after the signature, format,
    key and seven header scores; strings below 255 bytes have one length byte."""
    with open(path, "rb") as tables:
        data = tables.read()
    at = 1 + data[0] + 4 * 9
    return data[at + 1:at + 1 + data[at]].decode("cp1252")


def play_to_the_end(screen, game):
    """Hard-drops until the game is over, names the result and closes the table."""
    game.focus()
    ask = ["xdotool", "search", "--onlyvisible", "--name", "Please enter your name"]

    def name_dialog():
        found = subprocess.run(ask, env=screen.env, capture_output=True, text=True, timeout=10)
        if found.stdout.split():
            return found.stdout.split()[0]
        screen.key("space")
        return None

    dialog = wait_until("the name dialog after game over", name_dialog, 90, step=0.15)
    screen.run("xdotool", "windowfocus", "--sync", dialog)
    # A Space sent while the dialog was opening may already sit in the field.
    screen.key("ctrl+a")
    screen.run("xdotool", "type", "--delay", "30", "Smoke Test")
    screen.key("Return")
    wait_until("the name dialog to close", lambda: dialog not in game.windows(), 10)
    table = game.wait_for_box()
    screen.run("xdotool", "windowfocus", "--sync", table)
    screen.key("Return")
    wait_until("the best-scores dialog to close", lambda: table not in game.windows(), 10)
    name = first_table_name(os.path.join(game.directory, "data.ttb"))
    print(f"  game over; data.ttb ranks {name!r} first")
    check(name == "Smoke Test", f"data.ttb holds {name!r} in row 1")


def options_sheet_cancelled(screen, game):
    """F3 opens the options sheet; cancelling it still rewrites brinox.dat."""
    options = os.path.join(game.directory, "brinox.dat")
    os.remove(options)
    game.focus()
    screen.key("F3")
    sheet = game.wait_for_box()
    title = screen.run("xdotool", "getwindowname", sheet).strip()
    check(title == "Brinox 2000", f"F3 opened {title!r}, not the options sheet")
    screen.run("xdotool", "windowfocus", "--sync", sheet)
    screen.key("Escape")
    wait_until("the options sheet to close", lambda: sheet not in game.windows(), 10)
    # The window goes before the game writes the file; a busy machine shows the gap.
    wait_until("cancelling the options sheet to rewrite brinox.dat",
               lambda: os.path.isfile(options), 10)
    print("  F3 opened the options sheet; Cancel rewrote brinox.dat")


def pointer_switches_the_game_type(screen, left, top, type_y):
    """Hovering lights the game-type button; a click turns Quadel into Quinel
    and a second one back. The Bombs button, two rows below, switches its
    label alike."""
    def changed(since, area, expected=True):
        shot = screen.screenshot()
        return shot if bool(crop_difference(since, shot, *area)) == expected else None

    for name, y in (("game type", type_y), ("bombs", type_y + 96)):
        button, label = (left + 16, top + y, 24, 23), (left + 40, top + y, 86, 23)
        before = screen.screenshot()
        screen.run("xdotool", "mousemove", str(button[0] + 12), str(button[1] + 11))
        lit = wait_until(f"the {name} button under the pointer to light",
                         lambda: changed(before, button), 5)
        for clicks in (1, 2):
            screen.run("xdotool", "click", "1")
            wait_until(f"the {name} label after {clicks} click(s)",
                       lambda: changed(lit, label, clicks == 1), 5)
        screen.run("xdotool", "mousemove", "0", "0")
    print("  the pointer lit the game-type and Bombs buttons; clicks switched their labels"
          " and back")


def play(screen, program, assets, client, area, to_the_end):
    game = Game(screen, program, assets)
    try:
        window = game.main_window()
        x, y, width, height = game.geometry(window)
        menu = height - client[1]
        print(f"  window {width} x {height}, menu bar {menu}")
        check(width == client[0], f"window width {width}, expected {client[0]}")
        check(10 <= menu <= 40, f"window height {height} does not fit a client of {client[1]}")
        game.focus()

        left, top = x + area[0], y + menu + area[1]
        # The first tick paints the idle picture; wait until the field stops changing.
        idle = wait_until("the first frame", lambda: painted(screen, left, top, area), 10)
        pointer_switches_the_game_type(screen, x, y + menu, 236 if client[1] == 590 else 185)

        cell = area[3] // 18
        floor_top = top + area[3] - 2 * cell

        screen.key("F2")
        wait_until("a started game",
                   lambda: crop_difference(idle, screen.screenshot(), left, top, area[2],
                                           area[3]) > 0.3, 10)
        # The start animation is over once the lower two thirds of the field,
        # below the falling piece, hold still.
        empty = wait_until("the empty field",
                           lambda: steady(screen, left, top + 6 * cell, area[2], 12 * cell), 10)
        for key in ("Left", "Up", "Right", "Right", "space", "Left", "space", "Down"):
            screen.hold(key, 0.1)
        time.sleep(0.5)
        playing = screen.screenshot()
        share = crop_difference(idle, playing, left, top, area[2], area[3])
        print(f"  field differs from the idle picture in {share:.0%} of its pixels")
        check(share > 0.3, "the field does not show a game")
        # Two dropped pieces lie on the floor of the field.
        floor = crop_difference(empty, playing, left, floor_top, area[2], 2 * cell)
        print(f"  blocks cover {floor:.0%} of the two bottom rows")
        check(floor > 0.05, "no blocks on the floor after two drops")
        check(game.process.poll() is None, "the game ended while playing")

        screen.key("ctrl+x")
        box = game.wait_for_box()
        screen.run("xdotool", "windowfocus", "--sync", box)
        screen.key("Escape")
        wait_until("the question to close", lambda: box not in game.windows(), 10)
        time.sleep(0.3)
        check(game.process.poll() is None, "No to the quit question ended the game")
        options_sheet_cancelled(screen, game)
        if to_the_end:
            play_to_the_end(screen, game)

        game.focus()
        screen.key("ctrl+x")
        box = game.wait_for_box()
        screen.run("xdotool", "windowfocus", "--sync", box)
        screen.key("Return")
        status = game.wait_exit()
        check(status == 0, f"the game ended with status {status}")
        for name in ("brinox.dat", "ws.dat"):
            check(os.path.isfile(os.path.join(game.directory, name)), f"{name} was not written")
        print("  quit with status 0; brinox.dat and ws.dat written")
    except Failure:
        print(game.output_text(), file=sys.stderr)
        raise
    finally:
        game.close()


def steady(screen, left, top, width, height):
    """A screenshot once a rectangle shows the same pixels 0.3 s apart."""
    first = screen.screenshot()
    time.sleep(0.3)
    second = screen.screenshot()
    return second if crop_difference(first, second, left, top, width, height) == 0 else None


def painted(screen, left, top, area):
    """The first frame: the field is painted (not black) and holds still."""
    shot = steady(screen, left, top, area[2], area[3])
    centre = ((top + area[3] // 2) * shot[0] + left + area[2] // 2) * 3 if shot else 0
    return shot if shot and any(shot[2][centre:centre + 3]) else None


def main():
    program, assets = test_arguments(__doc__, 2)
    for index, ((screen_width, screen_height), (client, area)) in enumerate(CASES.items()):
        print(f"screen {screen_width} x {screen_height}")
        screen = Screen(screen_width, screen_height)
        try:
            play(screen, program, assets, client, area, index == 0)
            exact_client_size(screen, program, assets, client)
        finally:
            screen.close()
    print("smoke test passed")
    return 0


if __name__ == "__main__":
    run_test(main)
