#!/usr/bin/python3
"""The real window on a screen scaled to 150 % and 200 % (QT_SCALE_FACTOR
under Xvfb): the client area is the Big layout times the scale, so nothing is
cut off; at 200 % each pixel of the playing field is a 2 x 2 square of the
100 % picture, at 150 % each is a 1 or 2 pixel wide band of its own colour
with a blend of both neighbours between two pixels; the pointer lights the
Start button at its place in logical coordinates, and once it leaves, the
partial repaints have put back exactly the pixels of the first full frame.
Writes SCREENSHOT_DIR/scale-150.png and scale-200.png.

usage: scale_test.py PROGRAM ASSETS_DIR SCREENSHOT_DIR
Exits 77 (skipped) when PROGRAM has not been built."""

import math
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from smoke_test import check, steady  # noqa: E402
from xsession import (  # noqa: E402
    Failure, Game, Screen, crop_difference, run_test, test_arguments, wait_until)

CLIENT = (602, 590)  # Big: a 1920 x 1280 screen is large enough at every scale here
FIELD = (151, 14, 300, 540)
BUTTON = (17, 54, 108, 19)  # Start: odd edges fall between screen pixels at 150 %


def source_weights(device, scale):
    """The 100 % pixels, with weights, that make device pixel `device` along one axis."""
    if scale == 2:
        return [(device // 2, 1.0)]
    # 1.5: every two pixels take three; the middle one blends both.
    pair, third = divmod(device, 3)
    return [[(2 * pair, 1.0)], [(2 * pair, 0.5), (2 * pair + 1, 0.5)], [(2 * pair + 1, 1.0)]][third]


def pixel(shot, x, y):
    at = (y * shot[0] + x) * 3
    return shot[2][at:at + 3]


def field_error(reference, ref_origin, scaled, origin, scale):
    """Largest colour difference between the scaled field and the 100 % field
    enlarged by the rule of source_weights (coordinates in the client area)."""
    def span(start, length):
        return range(math.ceil(start * scale), math.floor((start + length) * scale))

    worst = 0
    columns = [(d, source_weights(d, scale)) for d in span(FIELD[0], FIELD[2])]
    for dy in span(FIELD[1], FIELD[3]):
        rows = source_weights(dy, scale)
        for dx, cols in columns:
            got = pixel(scaled, origin[0] + dx, origin[1] + dy)
            for channel in range(3):
                want = sum(wy * wx * pixel(reference, ref_origin[0] + sx,
                                           ref_origin[1] + sy)[channel]
                           for sy, wy in rows for sx, wx in cols)
                worst = max(worst, abs(got[channel] - want))
    return worst


def show(screen, program, assets, scale):
    """The game at `scale`: (game, top-level window, client origin, first frame)."""
    game = Game(screen, program, assets, {"QT_SCALE_FACTOR": str(scale),
                                          "QT_USE_NATIVE_WINDOWS": "1",
                                          "BRINOX_REPORT_FIRST_FRAME": "1"})
    expected = (round(CLIENT[0] * scale), round(CLIENT[1] * scale))
    game.main_window()
    wait_until("the first frame", lambda: re.search("^first frame:", game.output_text(), re.M), 20)
    sizes = {w: game.geometry(w) for w in game.windows()}
    top = max(sizes, key=lambda w: sizes[w][3])  # the client and the menu bar are inside it
    client = next((g for g in sizes.values() if g[2:] == expected), None)
    check(client is not None, f"no client area of {expected} at {scale}: {list(sizes.values())}")
    check(sizes[top][2] == expected[0] and sizes[top][3] > expected[1],
          f"the window {sizes[top][2:]} does not hold the client {expected}")
    area = (client[0] + int(FIELD[0] * scale), client[1] + int(FIELD[1] * scale),
            int(FIELD[2] * scale), int(FIELD[3] * scale))
    return game, top, client[:2], wait_until("a still field", lambda: steady(screen, *area), 10)


def hover_and_leave(screen, game, origin, scale, first):
    """Lights the Start button under the pointer and puts it out again."""
    x, y, w, h = BUTTON
    around = (origin[0] + int((x - 4) * scale), origin[1] + int((y - 4) * scale),
              int((w + 8) * scale), int((h + 8) * scale))
    screen.run("xdotool", "mousemove", str(origin[0] + int((x + w / 2) * scale)),
               str(origin[1] + int((y + h / 2) * scale)))
    wait_until(f"the lit button at {scale}",
               lambda: crop_difference(first, screen.screenshot(), *around) > 0.1, 5)
    # Into the field, where nothing lights: the button goes out.
    screen.run("xdotool", "mousemove", str(origin[0] + int(300 * scale)),
               str(origin[1] + int(300 * scale)))
    wait_until(f"the button as first drawn at {scale}",
               lambda: crop_difference(first, screen.screenshot(), *around) == 0, 5)


def main():
    program, assets, shots = test_arguments(__doc__, 3)
    os.makedirs(shots, exist_ok=True)
    screen = Screen(1920, 1280)
    try:
        game, _, ref_origin, reference = show(screen, program, assets, 1)
        game.close()
        for scale in (1.5, 2):
            game, top, origin, first = show(screen, program, assets, scale)
            try:
                name = os.path.join(shots, f"scale-{int(scale * 100)}.png")
                screen.run("import", "-window", top, name)
                error = field_error(reference, ref_origin, first, origin, scale)
                print(f"  {scale}: client {round(CLIENT[0] * scale)} x {round(CLIENT[1] * scale)}, "
                      f"field off the expected pixels by at most {error:.1f}; {name}")
                check(error <= 3, f"the field at {scale} is not the 100 % field enlarged")
                hover_and_leave(screen, game, origin, scale, first)
            except Failure:
                print(game.output_text(), file=sys.stderr)
                raise
            finally:
                game.close()
    finally:
        screen.close()
    print("scale test passed")
    return 0


if __name__ == "__main__":
    run_test(main)
