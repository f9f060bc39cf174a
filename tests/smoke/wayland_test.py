#!/usr/bin/python3
"""Smoke test of the game as a native Wayland client of weston's headless
backend: the window is mapped with its first frame drawn and the whole Big
layout on the screen, the title animation runs, Qt reports no Wayland
trouble, and SIGTERM ends the game with status 0 after it has written its
options and window-size files.

usage: wayland_test.py PROGRAM ASSETS_DIR
Exits 77 (skipped) when PROGRAM has not been built or weston cannot start."""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from types import SimpleNamespace

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from smoke_test import check  # noqa: E402
from xsession import (  # noqa: E402
    Failure, Game, SKIPPED, parse_ppm, run_test, stop, test_arguments, wait_until)

CLIENT = (602, 590)  # the Big layout: a 1024 x 768 screen chooses it
PANEL = 32  # weston's panel across the top of the screen


class Skip(Exception):
    pass


class Weston:
    """weston on a private socket, rendering into memory so that its
    screenshooter (allowed by --debug) sees what clients drew."""

    def __init__(self):
        if shutil.which("weston") is None:
            raise Skip("weston is not installed")
        self.runtime = tempfile.mkdtemp(prefix="brinox-wayland-")  # mode 0700
        self.socket = f"brinox-{os.getpid()}"
        self.env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        self.env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket)
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={self.socket}",
             "--idle-time=0", "--use-pixman", "--width=1024", "--height=768", "--debug",
             "--no-config"],
            env=self.env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT)
        try:
            wait_until("weston's socket", self.ready, 15, 0.1)
            # The desktop shell paints its background after the socket appears.
            wait_until("weston's desktop", self.steady_screenshot, 15, 0.1)
        except (Failure, subprocess.SubprocessError, OSError) as failure:
            self.close()
            raise Skip(f"weston cannot start here or take screenshots ({failure})")

    def ready(self):
        if self.process.poll() is not None:
            self.log.seek(0)
            last = self.log.read().decode(errors="replace").strip().splitlines()[-3:]
            raise Failure(f"it ended: {' / '.join(last)}")
        return os.path.exists(os.path.join(self.runtime, self.socket))

    def screenshot(self):
        """The whole output as (width, height, RGB bytes)."""
        folder = tempfile.mkdtemp(dir=self.runtime)
        subprocess.run(["weston-screenshooter"], cwd=folder, env=self.env, timeout=20,
                       check=True, capture_output=True)
        png = os.path.join(folder, os.listdir(folder)[0])
        data = subprocess.run(["convert", png, "-depth", "8", "ppm:-"], capture_output=True,
                              timeout=20, check=True).stdout
        shutil.rmtree(folder)
        return parse_ppm(data)

    def steady_screenshot(self):
        first = self.screenshot()
        time.sleep(0.3)
        second = self.screenshot()
        return second if second[2] == first[2] and any(second[2]) else None

    def close(self):
        stop(self.process)
        self.log.close()
        shutil.rmtree(self.runtime, ignore_errors=True)


def changed_box(before, after, top):
    """Bounding box (left, top, right, bottom) of the pixels that differ
    below row `top`, or None."""
    width, rows = before[0], []
    for y in range(top, before[1]):
        a, b = (shot[2][y * width * 3:(y + 1) * width * 3] for shot in (before, after))
        if a != b:
            differ = [x for x in range(width) if a[x * 3:x * 3 + 3] != b[x * 3:x * 3 + 3]]
            rows.append((y, differ[0], differ[-1]))
    if not rows:
        return None
    return (min(r[1] for r in rows), rows[0][0], max(r[2] for r in rows), rows[-1][0])


def first_frame(game):
    def reported():
        output = game.output_text()
        if game.process.poll() is not None:
            if "platform plugin \"wayland\"" in output:
                raise Skip("Qt's Wayland plugin (Debian's qt6-wayland) is not installed")
            raise Failure(f"the game ended with status {game.process.returncode}:\n{output}")
        return re.search(r"^first frame: (\d+) ms", output, re.M)
    return int(wait_until("the first-frame report", reported, 20).group(1))


def run(program, assets):
    weston = Weston()
    try:
        # Two shots may differ when the panel clock turns between them: ask again.
        desktop = wait_until("a steady desktop", weston.steady_screenshot, 15, 0.1)
        env = dict(weston.env, QT_QPA_PLATFORM="wayland", BRINOX_REPORT_FIRST_FRAME="1")
        game = Game(SimpleNamespace(env=env), program, assets)
        try:
            print(f"  first frame after {first_frame(game)} ms")
            def window():
                shot = weston.screenshot()
                box = changed_box(desktop, shot, PANEL)
                return (shot, box) if box and box[3] - box[1] > CLIENT[1] else None

            time.sleep(0.5)  # the window shows up drawn whole, not row by row
            mapped, box = wait_until("the window on the screen", window, 15)
            width, height = box[2] - box[0] + 1, box[3] - box[1] + 1
            print(f"  window {width} x {height} at {box[0]}, {box[1]}")
            check(width >= CLIENT[0] and height >= CLIENT[1] + 20,
                  f"the window ({width} x {height}) is smaller than its client {CLIENT}")
            check(box[2] < mapped[0] - 1 and box[3] < mapped[1] - 1,
                  "the window runs off the screen")

            # The title bar, which Qt draws itself on Wayland, follows the animation.
            shots = [mapped]
            for _ in range(12):
                time.sleep(0.3)
                shots.append(weston.screenshot())
            changes = [changed_box(a, b, PANEL) for a, b in zip(shots, shots[1:])]
            in_title = sum(1 for c in changes if c and c[1] <= box[1] + 30)
            print(f"  the title bar changed in {in_title} of {len(changes)} intervals")
            check(in_title >= 2, "the title animation does not reach the title bar")

            game.process.send_signal(signal.SIGTERM)
            status = game.wait_exit()
            check(status == 0, f"SIGTERM ended the game with status {status}")
            for name in ("brinox.dat", "ws.dat"):
                check(os.path.isfile(os.path.join(game.directory, name)), f"{name} was not written")
            trouble = [line for line in game.output_text().splitlines()
                       if re.search(r"wayland|qt\.qpa|^QWidget|^QWindow", line, re.I)]
            check(not trouble, "Qt warns on Wayland:\n" + "\n".join(trouble))
            print("  SIGTERM: status 0, brinox.dat and ws.dat written, no Qt warnings")
        except Failure:
            print(game.output_text(), file=sys.stderr)
            raise
        finally:
            game.close()
    finally:
        weston.close()


def main():
    program, assets = test_arguments(__doc__, 2)
    try:
        run(program, assets)
    except Skip as skip:
        print(f"skipped: {skip}")
        return SKIPPED
    print("Wayland smoke test passed")
    return 0


if __name__ == "__main__":
    run_test(main)
