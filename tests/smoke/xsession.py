"""Drives the real game under a private Xvfb server: start, find its window,
send keys, take screenshots, stop everything. Shared by the smoke test and the
window measuring script. Every wait is bounded; every process started here is
ended by close()."""

import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77  # ctest's status of a skipped test


ACCESSIBILITY_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def on_own_accessibility_bus(arguments):
    """Runs this test again with `arguments` inside a session bus of its own,
    ended with the test, and gives its status; None once inside it. Skips
    (SKIPPED) when a part of the accessibility bus is not installed."""
    if os.environ.get("BRINOX_A11Y_BUS") == "1":
        return None
    missing = [what for what, present in (
        ("at-spi2-core", os.access(ACCESSIBILITY_LAUNCHER, os.X_OK)),
        ("dbus", shutil.which("dbus-run-session") is not None),
        ("python3-pyatspi", importlib.util.find_spec("pyatspi") is not None)) if not present]
    if missing:
        print(f"skipped: {', '.join(missing)} not installed (tools/install-deps.sh)")
        return SKIPPED
    os.environ["BRINOX_A11Y_BUS"] = "1"
    inner = subprocess.run(["dbus-run-session", "--", sys.executable, *arguments],
                           stderr=subprocess.PIPE, text=True)
    # The bus daemons' own notes (a file limit they may not raise) are no failure.
    sys.stderr.write("".join(line for line in inner.stderr.splitlines(keepends=True)
                             if not line.startswith("dbus-daemon[")))
    return inner.returncode


class Failure(Exception):
    pass


def test_arguments(usage, count):
    """The test's count arguments, the game program first. Exits with 2 and
    the usage when they are not all there, and as skipped when the program
    has not been built."""
    if len(sys.argv) != count + 1:
        print(usage, file=sys.stderr)
        sys.exit(2)
    if not os.access(sys.argv[1], os.X_OK):
        print(f"skipped: {sys.argv[1]} has not been built")
        sys.exit(SKIPPED)
    return sys.argv[1:]


def run_test(main):
    """Exits with the status of the test's main; a Failure is told on
    standard error and exits with 1."""
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)


def wait_until(what, check, timeout, step=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(step)
    raise Failure(f"timed out after {timeout} s waiting for {what}")


def free_display():
    """A display number with neither a lock file nor a socket; never reused
    right after another server of ours, whose teardown may still linger."""
    start = 100 + os.getpid() % 400
    for number in list(range(start, 600)) + list(range(100, start)):
        if not os.path.exists(f"/tmp/.X{number}-lock") and \
                not os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return number
    raise Failure("no free X display number")


class Screen:
    """An Xvfb server on a free display, ready when the constructor returns."""

    def __init__(self, width, height):
        # Another session may take the same free number at the same moment: try a few.
        for attempt in range(3):
            number = free_display() + attempt
            self.process = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", f"{width}x{height}x24", "-nolisten",
                 "tcp", "-noreset"],
                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.display = f":{number}"
            # The game speaks English, whose texts the tests look for, whatever
            # the desktop's language (language_test.py sets its own).
            self.env = dict(os.environ, DISPLAY=self.display, LANGUAGE="en")
            self.env.pop("QT_QPA_PLATFORM", None)
            self.env.pop("WAYLAND_DISPLAY", None)
            try:
                wait_until("the X server to accept clients", self.accepts_clients, 15, 0.1)
                return
            except Failure:
                stop(self.process)
                if attempt == 2:
                    raise

    def accepts_clients(self):
        if self.process.poll() is not None:
            raise Failure(f"Xvfb on {self.display} ended with status {self.process.returncode}")
        return subprocess.run(["xdpyinfo"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=10).returncode == 0

    def run(self, *args, timeout=15):
        done = subprocess.run(list(args), env=self.env, capture_output=True, text=True,
                              timeout=timeout)
        if done.returncode != 0:
            raise Failure(f"{' '.join(args)} failed: {done.stderr.strip()}")
        return done.stdout

    def key(self, *keys):
        # Without --window: synthetic events would lose modifiers and function keys.
        self.run("xdotool", "key", "--delay", "60", *keys)

    def hold(self, key, seconds):
        self.run("xdotool", "keydown", key)
        time.sleep(seconds)
        self.run("xdotool", "keyup", key)

    def screenshot(self):
        """The whole screen as (width, height, RGB bytes)."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                              capture_output=True, timeout=20, check=True).stdout
        return parse_ppm(data)

    def window_manager(self):
        """Starts openbox on this screen and returns once it manages windows;
        close() ends it. Skips the test when openbox is not installed."""
        if shutil.which("openbox") is None:
            print("skipped: openbox is not installed (tools/install-deps.sh)")
            sys.exit(SKIPPED)
        self.manager = subprocess.Popen(["openbox"], env=self.env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until("openbox to manage the screen", lambda: "window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True,
            text=True, timeout=10).stdout, 15, 0.1)

    def close(self):
        stop(getattr(self, "manager", None))
        stop(self.process)


def parse_ppm(data):
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at) + 1
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise Failure("screenshot is not an 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[at + 1:at + 1 + width * height * 3]
    return width, height, pixels


def crop_difference(before, after, left, top, width, height):
    """Share of pixels of a rectangle that differ between two screenshots."""
    screen_width = before[0]
    changed = 0
    for y in range(top, top + height):
        row = (y * screen_width + left) * 3
        a = before[2][row:row + width * 3]
        b = after[2][row:row + width * 3]
        changed += sum(1 for x in range(0, width * 3, 3) if a[x:x + 3] != b[x:x + 3])
    return changed / (width * height)


def stop(process, grace=5):
    if process is None or process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(grace)


class Game:
    """The game program started in a fresh game directory."""

    def __init__(self, screen, program, assets, extra_env=None):
        self.screen = screen
        self.directory = tempfile.mkdtemp(prefix="brinox-xvfb-")
        for name in ("graph", "snd", "brinox.hlp"):
            source = os.path.join(assets, name)
            if not os.path.exists(source):
                raise Failure(f"generated asset {source} is missing")
            os.symlink(source, os.path.join(self.directory, name))
        env = dict(screen.env, **(extra_env or {}))
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen([program], cwd=self.directory, env=env,
                                        stdout=self.output, stderr=subprocess.STDOUT)
        self.pid = self.process.pid

    def windows(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                               env=self.screen.env, capture_output=True, text=True, timeout=10)
        return found.stdout.split()

    def main_window(self, timeout=20):
        self.window = wait_until("the game window", lambda: (self.windows() or [None])[0],
                                 timeout)
        return self.window

    def geometry(self, window):
        info = self.screen.run("xwininfo", "-id", window)
        values = {}
        for line in info.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def focus(self):
        self.screen.run("xdotool", "windowfocus", "--sync", self.window)

    def wait_for_box(self, timeout=10):
        """The window of a message box that has just opened."""
        return wait_until("a message box",
                          lambda: next((w for w in self.windows() if w != self.window), None),
                          timeout)

    def wait_exit(self, timeout=20):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game did not end within {timeout} s")

    def output_text(self):
        self.output.seek(0)
        return self.output.read().decode(errors="replace")

    def close(self):
        stop(self.process)
        self.output.close()
        shutil.rmtree(self.directory, ignore_errors=True)
