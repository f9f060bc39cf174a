#!/usr/bin/env bash
# Measures the real game under Xvfb: the time from start to the first frame
# (median of several starts), its CPU use over 20 s with no game (title
# animation on) and over 20 s of a game with a key held, and its peak memory.
# Goals: first frame within 300 ms, idle under 2 % and playing under 5 % of
# one core.
#
# usage: bench/window-perf.sh BUILD_DIR [SECONDS]
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [SECONDS]}
seconds=${2:-20}
program=$(realpath "$build/app/brinox2000")
assets=$(realpath "$build/game")
here=$(dirname "$(realpath "$0")")

exec /usr/bin/python3 - "$program" "$assets" "$seconds" "$here/../tests/smoke" <<'PYTHON'
import os
import statistics
import sys
import time

program, assets, seconds, helpers = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4]
sys.path.insert(0, helpers)
from xsession import Failure, Game, Screen, wait_until  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")
STARTS = 5


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        # The command name may hold spaces; the fields after it are fixed.
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def status_kb(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    return 0


def first_frame_ms(game):
    def reported():
        for line in game.output_text().splitlines():
            if line.startswith("first frame:"):
                return int(line.split()[2])
        return None
    return wait_until("the first-frame report", reported, 20)


def cpu_share(pid, duration):
    before, start = cpu_seconds(pid), time.monotonic()
    time.sleep(duration)
    return (cpu_seconds(pid) - before) / (time.monotonic() - start)


def main():
    report = {"BRINOX_REPORT_FIRST_FRAME": "1"}
    screen = Screen(1024, 768)
    try:
        starts = []
        for _ in range(STARTS):
            game = Game(screen, program, assets, report)
            try:
                starts.append(first_frame_ms(game))
            finally:
                game.close()

        game = Game(screen, program, assets, report)
        try:
            game.main_window()
            first_frame_ms(game)
            game.focus()
            time.sleep(1)
            idle = cpu_share(game.pid, seconds)

            screen.key("F2")
            time.sleep(3)  # the start animation
            screen.run("xdotool", "keydown", "Left")
            try:
                playing = cpu_share(game.pid, seconds)
            finally:
                screen.run("xdotool", "keyup", "Left")
            peak = status_kb(game.pid, "VmHWM")
            still_playing = game.process.poll() is None

            screen.key("ctrl+x")
            box = game.wait_for_box()
            screen.run("xdotool", "windowfocus", "--sync", box)
            screen.key("Return")
            status = game.wait_exit()
        finally:
            game.close()
    finally:
        screen.close()

    median = statistics.median(starts)
    print(f"first frame after start: median {median:.0f} ms over {STARTS} starts "
          f"({', '.join(str(s) for s in starts)}) - goal 300 ms")
    print(f"CPU, idle with the title animation: {idle:.2%} of one core - goal under 2 %")
    print(f"CPU, playing with a key held: {playing:.2%} of one core - goal under 5 %"
          + ("" if still_playing else " (the game ended during the measurement)"))
    print(f"peak memory (VmHWM): {peak / 1024:.1f} MiB")
    print(f"exit status: {status}")
    ok = median <= 300 and idle < 0.02 and playing < 0.05 and status == 0
    print("all goals met" if ok else "GOALS MISSED")
    return 0 if ok else 1


try:
    sys.exit(main())
except Failure as failure:
    print(f"FAILED: {failure}", file=sys.stderr)
    sys.exit(1)
PYTHON
