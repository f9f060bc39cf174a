#!/usr/bin/python3
"""The installed game: installs the build into a temporary prefix (or, with
"deb", builds the Debian package, has lintian judge it and unpacks it into a
scratch root), validates the desktop entry and the AppStream metainfo there,
then starts the installed launcher under Xvfb with a fresh HOME and waits for
the game window, the prepared per-user game directory, the program it runs and
the device module that program opens.

usage: install_test.py BUILD_DIR APP_ID [deb]
Exits 77 (skipped) when the program or a validator is missing."""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import SKIPPED, Failure, Screen, stop, wait_until  # noqa: E402



def run(*args, cwd=None):
    done = subprocess.run(list(args), capture_output=True, text=True, timeout=120, cwd=cwd)
    if done.returncode != 0:
        raise Failure(f"{' '.join(args)} failed:\n{done.stdout}{done.stderr}")
    return done.stdout


def install(build, work):
    prefix = os.path.join(work, "prefix")
    run("cmake", "--install", build, "--prefix", prefix)
    return prefix, "bin"


def lintian(debs):
    """No error and no warning; as a normal user, since lintian objects to root,
    started in / since that user may not enter the folder the test runs in."""
    command = ["lintian", "--fail-on", "error,warning", "--no-tag-display-limit"] + debs
    if os.geteuid() == 0:
        command = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                   "env", "HOME=/tmp"] + command
    print(run(*command, cwd="/"), end="")


def unpack_package(build, work):
    packages = os.path.join(work, "packages")
    run("cpack", "-G", "DEB", "-B", packages, "--config", os.path.join(build, "CPackConfig.cmake"))
    # One CPack run makes the game's package and the championship server's.
    debs = {name.split("_")[0]: os.path.join(packages, name)
            for name in os.listdir(packages) if name.endswith(".deb")}
    if sorted(debs) != ["brinox2000", "brinox2000-server"]:
        raise Failure(f"cpack made {sorted(debs)}")
    deb = debs["brinox2000"]
    if shutil.which("lintian"):
        os.chmod(work, 0o755)
        os.chmod(packages, 0o755)
        lintian(sorted(debs.values()))
    else:
        print("lintian is not installed: the package is not judged")
    # Qt opens its Wayland plugin by name: no library lookup finds its package.
    if "qt6-wayland" not in run("dpkg-deb", "-f", deb, "Depends"):
        raise Failure("the package does not depend on qt6-wayland")
    root = os.path.join(work, "root")
    run("dpkg-deb", "-x", deb, root)
    return os.path.join(root, "usr"), "games"


def start_installed(screen, programs, home):
    env = dict(screen.env, HOME=home)
    env.pop("XDG_DATA_HOME", None)
    launcher = subprocess.Popen([os.path.join(programs, "brinox2000")], cwd=home, env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # The launcher execs the program, so the window belongs to its process.
    def window():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(launcher.pid)],
                               env=screen.env, capture_output=True, text=True, timeout=10)
        return found.stdout.split()
    return launcher, window


def main():
    build, app_id, package = sys.argv[1], sys.argv[2], sys.argv[3:] == ["deb"]
    needed = ["desktop-file-validate", "appstreamcli", "Xvfb", "xdotool"] + \
        (["cpack", "dpkg-deb"] if package else [])
    if not os.path.exists(os.path.join(build, "app", "brinox2000")) or \
            not all(shutil.which(tool) for tool in needed):
        print("skipped: the program or a tool is missing")
        return SKIPPED
    work = tempfile.mkdtemp(prefix="brinox-install-")
    screen = launcher = None
    try:
        home = os.path.join(work, "home")
        os.makedirs(home)
        prefix, programs = (unpack_package if package else install)(build, work)
        run("desktop-file-validate", f"{prefix}/share/applications/{app_id}.desktop")
        run("appstreamcli", "validate", "--no-net", f"{prefix}/share/metainfo/{app_id}.metainfo.xml")
        for size in (16, 48, 256):
            icon = f"{prefix}/share/icons/hicolor/{size}x{size}/apps/{app_id}.png"
            if not os.path.isfile(icon):
                raise Failure(f"{icon} is missing")

        screen = Screen(1024, 768)
        launcher, window = start_installed(screen, os.path.join(prefix, programs), home)
        wait_until("the game window", window, 30)
        game_dir = os.path.join(home, ".local", "share", "brinox2000")
        for item in ("graph", "snd", "brinox.hlp"):
            target = os.path.realpath(os.path.join(game_dir, item))
            if target != os.path.realpath(os.path.join(prefix, "share", "brinox2000", item)):
                raise Failure(f"{item} in the game directory leads to {target}")
        wait_until("the options file", lambda: os.path.exists(os.path.join(game_dir, "brinox.dat")), 10)

        # The launcher runs the program installed beside it, not one found elsewhere.
        program = os.path.realpath(f"/proc/{launcher.pid}/exe")
        if not program.startswith(os.path.realpath(prefix) + "/"):
            raise Failure(f"the launcher started {program}")
        # Once its first frame is shown it opens its own device module.
        def device_module():
            with open(f"/proc/{launcher.pid}/maps") as maps:
                return next((line.split()[-1] for line in maps
                             if line.rstrip().endswith("/brinox2000-devices.so")), None)
        module = wait_until("the device module to be opened", device_module, 10)
        if not module.startswith(os.path.realpath(prefix) + "/"):
            raise Failure(f"the device module was opened from {module}")
        print("installed launcher: window shown, game directory prepared, installed program "
              "running, its device module opened")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        return 1
    finally:
        stop(launcher)
        if screen:
            screen.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
