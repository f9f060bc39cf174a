#!/usr/bin/env bash
# Measures the real game under Xvfb against a bare Qt window that shows the
# same title at the same moments (bench/ui/BareWindow.cpp): what the window
# system and Qt charge for that on this machine, before any game code runs.
# Figures, each taken in the same run as the figures it is compared with:
#  - first frame: the time from start to the first frame (the game's report
#    of it, seen through a pipe), starts of the programs interleaved; the CPU
#    time the program used until then (the work behind it, which other
#    programs running on the machine stretch less); and the peak memory one
#    second later, when what the first frame did not wait for is loaded;
#  - idle: CPU with no game over one whole title animation cycle (38.92 s:
#    the title changes faster in some parts of it than in others) per run,
#    the programs running side by side;
#  - still: the same with the title animation switched off (the options
#    file's animateTitle = 0; the bare window shows the fixed title), over one
#    minute in RUNS windows, as the clock wakes the game once a minute;
#  - playing: CPU over SECONDS of a game with a key held, one fresh start per
#    run, and the peak memory after it.
# CPU is the kernel's nanosecond run time of all threads; wake-ups are the
# voluntary context switches. Figures are medians of RUNS runs (STARTS starts).
# Goals:
#  - idle with the title animation: at most 1.15 times the bare window;
#  - idle with the title animation off: at most 0.05 % of one core;
#  - playing with a key held: at most 1.25 times the bare window with the
#    same tick and key repeat;
#  - first frame and peak memory: not above the game before a change, given
#    as --vs (ratios game / other at most 1.00).
# With --vs OTHER_BUILD_DIR the game of that build (its app/brinox2000, with
# what lies beside it) is measured beside this one in every figure,
# interleaved, and the ratios this / other are printed. Against a build
# without one speed trick, the ratio is what the trick alone buys: a trick
# stays only while it buys at least 10 % of a figure above (ratio <= 0.90).
#
# usage: bench/window-perf.sh BUILD_DIR [--vs OTHER_BUILD_DIR] [--only FIGURES]
#            [--runs RUNS] [--starts STARTS] [--seconds SECONDS]
#   BUILD_DIR holds app/brinox2000, bench/ui/bare_window and game/ (the
#   generated pictures and sounds, used by both programs)
#   FIGURES: comma-separated from first-frame,idle,still,playing (default all)
#   RUNS 5, STARTS 9, SECONDS 6 by default
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [--vs OTHER_BUILD_DIR] [--only FIGURES] [--runs N] [--starts N] [--seconds S]}
shift
here=$(dirname "$(realpath "$0")")

exec /usr/bin/python3 - "$here/../tests/smoke" "$(realpath "$build")" "$@" <<'PYTHON'
import argparse
import os
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, sys.argv[1])
from xsession import Failure, Game, Screen, stop, wait_until  # noqa: E402

parser = argparse.ArgumentParser(prog="window-perf.sh")
parser.add_argument("build")
parser.add_argument("--vs", dest="other")
parser.add_argument("--only", default="first-frame,idle,still,playing")
parser.add_argument("--runs", type=int, default=5)
parser.add_argument("--starts", type=int, default=9)
parser.add_argument("--seconds", type=float, default=6)
args = parser.parse_args(sys.argv[2:])
figures = set(args.only.split(","))
unknown = figures - {"first-frame", "idle", "still", "playing"}
if unknown:
    sys.exit(f"unknown figures: {', '.join(sorted(unknown))}")

ASSETS = os.path.join(args.build, "game")
BARE = os.path.join(args.build, "bench/ui/bare_window")
PROGRAMS = {"game": os.path.join(args.build, "app/brinox2000")}
if args.other:
    PROGRAMS["other"] = os.path.join(os.path.realpath(args.other), "app/brinox2000")
TITLE_CYCLE = 38.92
MINUTE = 60.0
REPORT = {"BRINOX_REPORT_FIRST_FRAME": "1"}
# animateTitle in brinox.dat: after the signature (a length byte and 23
# characters), the format number and 22 other integers.
ANIMATE_TITLE_AT = 1 + 23 + 4 + 22 * 4


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


def peak_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def shares(pids, duration, windows):
    """CPU share of each process in each of `windows` equal parts of
    `duration`, all measured over the same moments, and its wake-ups/s."""
    result = {pid: [] for pid in pids}
    first = {pid: thread_totals(pid) for pid in pids}
    before, at, start = dict(first), time.monotonic(), time.monotonic()
    for _ in range(windows):
        time.sleep(duration / windows)
        now = {pid: thread_totals(pid) for pid in pids}
        now_at = time.monotonic()
        for pid in pids:
            result[pid].append((now[pid][0] - before[pid][0]) / (now_at - at))
        before, at = now, now_at
    wakes = {pid: (before[pid][1] - first[pid][1]) / (at - start) for pid in pids}
    return result, wakes


def first_frame_ms(game):
    def reported():
        for line in game.output_text().splitlines():
            if line.startswith("first frame:"):
                return int(line.split()[2])
        return None
    return wait_until("the first-frame report", reported, 20)


class Bare:
    """The bare window, shown."""

    def __init__(self, screen, *options):
        self.process = subprocess.Popen([BARE, *options], env=screen.env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid

        def windows():
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                                  env=screen.env, capture_output=True, text=True,
                                  timeout=10).stdout.split()
        self.window = wait_until("the bare window", windows, 20)[0]

    def close(self):
        stop(self.process)


def still_game(screen, program):
    """A game started with the title animation switched off in its options
    file: a first start writes the file, which is then changed."""
    game = Game(screen, program, ASSETS)
    game.main_window()
    stop(game.process)
    path = os.path.join(game.directory, "brinox.dat")
    with open(path, "rb") as file:
        data = bytearray(file.read())
    if data[1:24] != b"BRINOX2000_OPTIONS_FILE" or \
            data[ANIMATE_TITLE_AT:ANIMATE_TITLE_AT + 4] != b"\1\0\0\0":
        raise Failure("brinox.dat does not have animateTitle where expected")
    data[ANIMATE_TITLE_AT:ANIMATE_TITLE_AT + 4] = bytes(4)
    with open(path, "wb") as file:
        file.write(data)
    game.output.seek(0)
    game.output.truncate()
    game.process = subprocess.Popen([program], cwd=game.directory, env=screen.env,
                                    stdout=game.output, stderr=subprocess.STDOUT)
    game.pid = game.process.pid
    game.main_window()
    return game


class TimedStart:
    """A game started in a fresh game directory, its output read from a pipe
    so that the first-frame report is seen the moment it is written: the
    time from the start to it is exact to the millisecond, where the game's
    own figure counts from a process start time kept in 10 ms ticks."""

    def __init__(self, screen, program):
        self.directory = tempfile.mkdtemp(prefix="brinox-perf-")
        for name in ("graph", "snd", "brinox.hlp"):
            os.symlink(os.path.join(ASSETS, name), os.path.join(self.directory, name))
        started = time.monotonic()
        self.process = subprocess.Popen([program], cwd=self.directory,
                                        env=dict(screen.env, **REPORT),
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid
        self.own_ms = self.first_frame()
        self.ms = (time.monotonic() - started) * 1000
        self.cpu_ms = thread_totals(self.pid)[0] * 1000

    def first_frame(self):
        output = b""
        deadline = time.monotonic() + 20
        while b"\n" not in output.partition(b"first frame:")[2]:
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise Failure("no first-frame report")
            if select.select([self.process.stdout], [], [], 0.5)[0]:
                output += os.read(self.process.stdout.fileno(), 4096)
        return int(output.partition(b"first frame:")[2].split()[0])

    def close(self):
        stop(self.process)
        self.process.stdout.close()
        shutil.rmtree(self.directory, ignore_errors=True)


def measure_first_frames(screen):
    """Interleaved starts; the order alternates so that neither program
    always follows the other. First frame in ms as the bench saw it and as
    the game reported it, and the peak memory in KiB a second later."""
    starts = {name: [] for name in PROGRAMS}
    own = {name: [] for name in PROGRAMS}
    cpu = {name: [] for name in PROGRAMS}
    peaks = {name: [] for name in PROGRAMS}
    order = list(PROGRAMS)
    for round_ in range(args.starts):
        for name in (order if round_ % 2 == 0 else order[::-1]):
            game = TimedStart(screen, PROGRAMS[name])
            try:
                starts[name].append(game.ms)
                own[name].append(game.own_ms)
                cpu[name].append(game.cpu_ms)
                time.sleep(1)
                peaks[name].append(peak_kb(game.pid))
            finally:
                game.close()
    return starts, own, cpu, peaks


def measure_idle(screen, still):
    """All programs and the bare window side by side, the game focused."""
    opened = []
    try:
        for name, program in PROGRAMS.items():
            opened.append((name, still_game(screen, program) if still
                           else Game(screen, program, ASSETS)))
        for _, game in opened:
            game.main_window()
        opened.append(("bare", Bare(screen, *(["--still"] if still else []))))
        opened[0][1].focus()
        time.sleep(2)
        duration, windows = (MINUTE, args.runs) if still else (args.runs * TITLE_CYCLE, args.runs)
        result, wakes = shares([p.pid for _, p in opened], duration, windows)
        return {name: (result[p.pid], wakes[p.pid]) for name, p in opened}
    finally:
        for _, process in opened:
            process.close()


def play_game(screen, program):
    """CPU share, wake-ups/s and peak memory of one game with a key held,
    and whether it ended cleanly when asked to."""
    game = Game(screen, program, ASSETS, REPORT)
    try:
        game.main_window()
        first_frame_ms(game)
        game.focus()
        time.sleep(1)
        screen.key("F2")
        time.sleep(3)  # the start animation
        screen.run("xdotool", "keydown", "Left")
        try:
            result, wakes = shares([game.pid], args.seconds, 1)
        finally:
            screen.run("xdotool", "keyup", "Left")
        peak = peak_kb(game.pid)
        if game.process.poll() is not None:
            raise Failure("the game ended during the measurement")
        screen.key("ctrl+x")
        box = game.wait_for_box()
        screen.run("xdotool", "windowfocus", "--sync", box)
        screen.key("Return")
        if game.wait_exit() != 0:
            raise Failure("the game did not end with status 0")
        return result[game.pid][0], wakes[game.pid], peak
    finally:
        game.close()


def play_bare(screen):
    bare = Bare(screen, "--playing")
    try:
        screen.run("xdotool", "windowfocus", "--sync", bare.window)
        time.sleep(1)
        screen.run("xdotool", "keydown", "Left")
        try:
            result, wakes = shares([bare.pid], args.seconds, 1)
        finally:
            screen.run("xdotool", "keyup", "Left")
        return result[bare.pid][0], wakes[bare.pid], 0
    finally:
        bare.close()


def measure_playing(screen):
    """One fresh start per run and program, the order turning each run."""
    order = list(PROGRAMS) + ["bare"]
    runs = {name: [] for name in order}
    for run in range(args.runs):
        for name in order[run % len(order):] + order[:run % len(order)]:
            runs[name].append(play_bare(screen) if name == "bare"
                              else play_game(screen, PROGRAMS[name]))
    return runs


def percent(values):
    return ", ".join(f"{v:.3%}" for v in values)


class Verdict:
    def __init__(self):
        self.missed = []

    def goal(self, what, ok):
        if not ok:
            self.missed.append(what)
        return "met" if ok else "MISSED"


def report_first_frames(starts, own, cpu, peaks, verdict):
    for name in PROGRAMS:
        print(f"first frame, {name}: median {statistics.median(starts[name]):.1f} ms over "
              f"{len(starts[name])} starts ({', '.join(f'{s:.0f}' for s in starts[name])}), "
              f"as the game reports it {statistics.median(own[name]):.0f} ms, CPU time until "
              f"then {statistics.median(cpu[name]):.1f} ms; "
              f"peak memory after start-up {statistics.median(peaks[name]) / 1024:.1f} MiB")
    if "other" in PROGRAMS:
        ratio = statistics.median(starts["game"]) / statistics.median(starts["other"])
        memory = statistics.median(peaks["game"]) / statistics.median(peaks["other"])
        work = statistics.median(cpu["game"]) / statistics.median(cpu["other"])
        print(f"  ratio game / other: first frame {ratio:.3f} - goal at most 1.00, "
              f"{verdict.goal('first frame', ratio <= 1.0)}; CPU time until it {work:.3f}; "
              f"peak memory after start-up {memory:.3f}")


def report_idle(measured, verdict):
    for name, (values, wakes) in measured.items():
        print(f"CPU idle with the title animation, {name}: median {statistics.median(values):.3%} "
              f"of one core over {len(values)} cycles ({percent(values)}), {wakes:.0f} wake-ups/s")
    bare = statistics.median(measured["bare"][0])
    for name in PROGRAMS:
        ratio = statistics.median(measured[name][0]) / bare
        print(f"  ratio {name} / bare window: {ratio:.3f} - goal at most 1.15, "
              f"{verdict.goal(f'idle ({name})', ratio <= 1.15)}")
    if "other" in PROGRAMS:
        print(f"  ratio game / other: "
              f"{statistics.median(measured['game'][0]) / statistics.median(measured['other'][0]):.3f}")


def report_still(measured, verdict):
    for name, (values, wakes) in measured.items():
        whole = sum(values) / len(values)
        print(f"CPU idle, title animation off, {name}: {whole:.4%} of one core over the "
              f"minute, median of {len(values)} windows {statistics.median(values):.4%} "
              f"({', '.join(f'{v:.4%}' for v in values)}), {wakes:.1f} wake-ups/s"
              + ("" if name == "bare" else
                 f" - goal at most 0.05 %, {verdict.goal(f'still ({name})', whole <= 0.0005)}"))


def report_playing(runs, verdict):
    for name, values in runs.items():
        cpu = [v[0] for v in values]
        print(f"CPU playing with a key held, {name}: median {statistics.median(cpu):.3%} of one "
              f"core over {len(cpu)} runs ({percent(cpu)}), "
              f"{statistics.median(v[1] for v in values):.0f} wake-ups/s"
              + ("" if name == "bare" else
                 f"; peak memory {statistics.median(v[2] for v in values) / 1024:.1f} MiB"))
    bare = statistics.median(v[0] for v in runs["bare"])
    for name in PROGRAMS:
        ratio = statistics.median(v[0] for v in runs[name]) / bare
        print(f"  ratio {name} / bare window: {ratio:.3f} - goal at most 1.25, "
              f"{verdict.goal(f'playing ({name})', ratio <= 1.25)}")
    if "other" in PROGRAMS:
        cpu = statistics.median(v[0] for v in runs["game"]) / \
            statistics.median(v[0] for v in runs["other"])
        memory = statistics.median(v[2] for v in runs["game"]) / \
            statistics.median(v[2] for v in runs["other"])
        print(f"  ratio game / other: playing {cpu:.3f}; peak memory {memory:.3f} - goal at "
              f"most 1.00, {verdict.goal('peak memory', memory <= 1.0)}")


def main():
    verdict = Verdict()
    screen = Screen(1024, 768)
    try:
        if "first-frame" in figures:
            report_first_frames(*measure_first_frames(screen), verdict)
        if "idle" in figures:
            report_idle(measure_idle(screen, False), verdict)
        if "still" in figures:
            report_still(measure_idle(screen, True), verdict)
        if "playing" in figures:
            report_playing(measure_playing(screen), verdict)
    finally:
        screen.close()
    print("all goals met" if not verdict.missed else f"GOALS MISSED: {', '.join(verdict.missed)}")
    return 0 if not verdict.missed else 1


try:
    sys.exit(main())
except Failure as failure:
    print(f"FAILED: {failure}", file=sys.stderr)
    sys.exit(1)
PYTHON
