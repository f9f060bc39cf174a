#!/usr/bin/env bash
# Measures the real game under Xvfb: the time from start to the first frame
# (median of several starts), its CPU use with no game over one whole title
# animation cycle (38.92 s: the title changes faster in some parts of it than
# in others) and over SECONDS of a game with a key held (the median of five
# windows), from the kernel's nanosecond run times of all its threads, the
# wake-ups per second of its threads, and its peak memory. The same is
# measured of a bare Qt window that shows the same title at the same moments
# (bench/ui/BareWindow.cpp): what the window system and Qt charge for that on
# this machine, before any game code runs.
# Goals: first frame within 100 ms, idle at most 0.2 % and playing at most
# 1 % of one core.
#
# usage: bench/window-perf.sh BUILD_DIR [SECONDS]
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [SECONDS]}
seconds=${2:-20}
program=$(realpath "$build/app/brinox2000")
bare=$(realpath "$build/bench/ui/bare_window")
assets=$(realpath "$build/game")
here=$(dirname "$(realpath "$0")")

exec /usr/bin/python3 - "$program" "$assets" "$seconds" "$here/../tests/smoke" "$bare" <<'PYTHON'
import os
import statistics
import subprocess
import sys
import time

program, assets, seconds, helpers, bare = (sys.argv[1], sys.argv[2], float(sys.argv[3]),
                                           sys.argv[4], sys.argv[5])
sys.path.insert(0, helpers)
from xsession import Failure, Game, Screen, stop, wait_until  # noqa: E402

STARTS = 9
TITLE_CYCLE = 38.92


def thread_totals(pid):
    """Run time in seconds and voluntary context switches, summed over the
    threads: schedstat counts in nanoseconds, where stat counts in 10 ms ticks."""
    run, switches = 0, 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                run += int(schedstat.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as status:
                for line in status:
                    if line.startswith("voluntary_ctxt_switches:"):
                        switches += int(line.split()[1])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return run / 1e9, switches


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


def cpu_share(pid, duration, windows=5):
    """Median CPU share over `windows` equal parts of `duration` (with one
    window: the share over all of it), and the wake-ups per second."""
    shares, first, start = [], thread_totals(pid), time.monotonic()
    before, at = first, start
    for _ in range(windows):
        time.sleep(duration / windows)
        now, now_at = thread_totals(pid), time.monotonic()
        shares.append((now[0] - before[0]) / (now_at - at))
        before, at = now, now_at
    return statistics.median(shares), (before[1] - first[1]) / (at - start)


def bare_window_share(screen, playing):
    """CPU share and wake-ups of the bare window, idle over a title cycle or
    playing with a key held."""
    process = subprocess.Popen([bare] + (["--playing"] if playing else []), env=screen.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        def windows():
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)],
                                  env=screen.env, capture_output=True, text=True,
                                  timeout=10).stdout.split()
        window = wait_until("the bare window", windows, 20)[0]
        screen.run("xdotool", "windowfocus", "--sync", window)
        time.sleep(1)
        if not playing:
            return cpu_share(process.pid, TITLE_CYCLE, 1)
        screen.run("xdotool", "keydown", "Left")
        try:
            return cpu_share(process.pid, seconds)
        finally:
            screen.run("xdotool", "keyup", "Left")
    finally:
        stop(process)


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
            idle, idle_wakes = cpu_share(game.pid, TITLE_CYCLE, 1)

            screen.key("F2")
            time.sleep(3)  # the start animation
            screen.run("xdotool", "keydown", "Left")
            try:
                playing, playing_wakes = cpu_share(game.pid, seconds)
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
        bare_idle, bare_idle_wakes = bare_window_share(screen, False)
        bare_playing, bare_playing_wakes = bare_window_share(screen, True)
    finally:
        screen.close()

    median = statistics.median(starts)
    print(f"first frame after start: median {median:.0f} ms over {STARTS} starts "
          f"({', '.join(str(s) for s in starts)}) - goal 100 ms")
    print(f"CPU, idle with the title animation, one whole cycle: {idle:.2%} of one core, "
          f"{idle_wakes:.0f} wake-ups/s - goal at most 0.2 %; "
          f"bare window {bare_idle:.2%}, {bare_idle_wakes:.0f} wake-ups/s")
    print(f"CPU, playing with a key held: {playing:.2%} of one core, "
          f"{playing_wakes:.0f} wake-ups/s - goal at most 1 %; "
          f"bare window {bare_playing:.2%}, {bare_playing_wakes:.0f} wake-ups/s"
          + ("" if still_playing else " (the game ended during the measurement)"))
    print(f"peak memory (VmHWM): {peak / 1024:.1f} MiB")
    print(f"exit status: {status}")
    ok = median <= 100 and idle <= 0.002 and playing <= 0.01 and status == 0
    print("all goals met" if ok else "GOALS MISSED")
    return 0 if ok else 1


try:
    sys.exit(main())
except Failure as failure:
    print(f"FAILED: {failure}", file=sys.stderr)
    sys.exit(1)
PYTHON
