#!/usr/bin/python3
"""The championship server package, from its own files: the server component is
installed into a scratch root, brinox2000-server-setup sets that root up, and
ProFTPD runs on 127.0.0.1 from the package's rules and the files the setup
wrote (only their paths moved into the scratch root). Every operation the
players' shared account must not do is tried with curl, as that account.

usage: server_package_test.py BUILD_DIR
Runs as root (the daemon chroots and changes users, the setup makes users and
owners); exits 77 (skipped) otherwise or when a tool is missing. New tests of
the running server go into a class of their own, using SERVER."""

import hashlib
import os
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import unittest

SKIPPED = 77
TOOLS = ("/usr/sbin/proftpd", "curl", "openssl", "useradd", "systemctl", "systemd-analyze", "cmake")
UNITS = ("brinox2000-ftpd.service", "brinox2000-rank.service", "brinox2000-rank.path",
         "brinox2000-rank.timer")
CAP = 5 * 1024 * 1024 + 4 * 1024
UPLOAD = "wc20261207-120000-0123456789ab.ttb"


def run(*args, **kwargs):
    done = subprocess.run(list(args), capture_output=True, text=True, timeout=120, **kwargs)
    if done.returncode != 0:
        raise AssertionError(f"{' '.join(args)} failed:\n{done.stdout}{done.stderr}")
    return done


def free_ports(count):
    """The first of `count` consecutive free ports on 127.0.0.1."""
    for first in range(41000, 60000, 97):
        sockets = []
        try:
            for port in range(first, first + count):
                s = socket.socket()
                sockets.append(s)
                s.bind(("127.0.0.1", port))
            return first
        except OSError:
            continue
        finally:
            for s in sockets:
                s.close()
    raise AssertionError("no free ports")


class Server:
    """The scratch root, the setup's output and the running daemon."""

    def __init__(self, build, passive_ports=8):
        self.root = tempfile.mkdtemp(prefix="brinox-server-")
        os.chmod(self.root, 0o755)  # the daemon's users pass through it
        run("cmake", "--install", build, "--component", "server", "--prefix", "/usr",
            env=dict(os.environ, DESTDIR=self.root))
        etc = os.path.join(self.root, "etc")
        os.makedirs(etc)
        for name, text in (("passwd", "root:x:0:0:root:/root:/bin/bash\n"),
                           ("group", "root:x:0:\n"), ("shadow", ""), ("gshadow", "")):
            with open(os.path.join(etc, name), "w") as f:
                f.write(text)
        self.port = free_ports(1)
        passive = free_ports(passive_ports)
        self.ini, self.log = self.setup("--host", "127.0.0.1", "--port", str(self.port), "--passive-ports",
                                        f"{passive}-{passive + passive_ports - 1}")
        self.ftp = self.path("/srv/brinox2000/ftp")
        self.users = {}
        with open(self.path("/etc/passwd")) as f:
            for line in f:
                fields = line.split(":")
                self.users[fields[0]] = (int(fields[2]), int(fields[3]))
        self.publish("wctop10.ttb", b"the world top 10")
        self.daemon = self.start_daemon()

    def path(self, system_path):
        return self.root + system_path

    def setup(self, *args):
        done = run(self.path("/usr/sbin/brinox2000-server-setup"), "--root", self.root, *args)
        ini = dict(line.split("=", 1) for line in done.stdout.splitlines() if "=" in line)
        if getattr(self, "daemon", None):
            self.move_files()
        return ini, done.stderr

    def publish(self, name, data):
        """What the ranking publishes: its own file, readable by all."""
        target = os.path.join(self.ftp, name)
        with open(target, "wb") as f:
            f.write(data)
        os.chown(target, *self.users["brinox2000-rank"])
        os.chmod(target, 0o644)

    def start_daemon(self):
        """The package's rules and the setup's files, with their paths moved."""
        config = self.move_files()
        self.daemon_log = open(os.path.join(self.run_dir, "proftpd.log"), "w")
        daemon = subprocess.Popen(["/usr/sbin/proftpd", "--nodaemon", "--config", config],
                                  stdout=self.daemon_log, stderr=subprocess.STDOUT)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            if daemon.poll() is not None:
                raise AssertionError(f"proftpd ended: {self.daemon_output()}")
            try:
                socket.create_connection(("127.0.0.1", self.port), timeout=1).close()
                return daemon
            except OSError:
                time.sleep(0.1)
        raise AssertionError("proftpd did not listen")

    def move_files(self):
        """Copies of what the daemon reads, their system paths moved into the root;
        again after each run of the setup."""
        self.run_dir = self.path("/run/brinox2000-server")
        etc = os.path.join(self.run_dir, "etc")
        os.makedirs(etc, exist_ok=True)
        if not os.path.islink(os.path.join(etc, "tls")):
            os.symlink(self.path("/etc/brinox2000-server/tls"), os.path.join(etc, "tls"))
        moved = [("/etc/brinox2000-server", etc), ("/srv/brinox2000", self.path("/srv/brinox2000")),
                 ("/run/brinox2000-server", self.run_dir)]
        for source, target in (("/usr/share/brinox2000-server/proftpd.conf", "proftpd.conf"),
                               ("/etc/brinox2000-server/proftpd-site.conf", "etc/proftpd-site.conf"),
                               ("/etc/brinox2000-server/ftpd.passwd", "etc/ftpd.passwd"),
                               ("/etc/brinox2000-server/ftpd.group", "etc/ftpd.group")):
            with open(self.path(source)) as f:
                text = f.read()
            text = re.sub("|".join(old for old, _ in moved), lambda m: dict(moved)[m[0]], text)
            with open(os.path.join(self.run_dir, target), "w") as f:
                f.write(text)
            os.chmod(os.path.join(self.run_dir, target), 0o600)
        return os.path.join(self.run_dir, "proftpd.conf")

    def daemon_output(self):
        with open(self.daemon_log.name) as f:
            return f.read()

    def curl(self, *args, url="/", tls=True):
        """curl as the shared account: (exit code, the server's last reply, body)."""
        command = ["curl", "--silent", "--verbose", "--max-time", "20",
                   "--user", f"{self.ini['user']}:{self.ini['password']}"]
        if tls:
            command += ["--ssl-reqd", "--cacert", self.path("/etc/brinox2000-server/tls/server.pem")]
        done = subprocess.run(command + list(args) + [f"ftp://127.0.0.1:{self.port}{url}"],
                              capture_output=True, timeout=60)
        replies = [line[2:].decode(errors="replace") for line in done.stderr.splitlines()
                   if line[:2] == b"< " and line[2:3].isdigit()]
        return done.returncode, replies[-1] if replies else "", done.stdout

    def upload(self, name, size=1000):
        source = os.path.join(self.root, "upload.bin")
        with open(source, "wb") as f:
            f.write(os.urandom(size))
        return self.curl("--upload-file", source, url=f"/{name}")

    def stop(self):
        if self.daemon and self.daemon.poll() is None:
            self.daemon.terminate()
            self.daemon.wait(10)
        self.daemon_log.close()
        shutil.rmtree(self.root, ignore_errors=True)


SERVER = None


def setUpModule():
    global SERVER
    SERVER = Server(sys.argv[1])


def tearDownModule():
    if SERVER:
        SERVER.stop()


def snapshot(root):
    """Every file and folder the setup writes: owner, mode, time and content."""
    seen = {}
    for top in ("etc", "srv", "var"):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for path in [folder] + [os.path.join(folder, name) for name in files]:
                st = os.lstat(path)
                digest = ""
                if os.path.isfile(path) and not os.path.islink(path):
                    with open(path, "rb") as f:
                        digest = hashlib.sha256(f.read()).hexdigest()
                seen[path] = (st.st_uid, st.st_gid, st.st_mode, st.st_mtime_ns, digest)
    return seen


class SetupTest(unittest.TestCase):
    def test_first_run_hands_out_a_login_that_works(self):
        self.assertEqual(SERVER.ini["tls"], "required")
        self.assertEqual(SERVER.ini["cafile"], "brinox2000-server.pem")
        self.assertEqual((SERVER.ini["host"], SERVER.ini["port"]), ("127.0.0.1", str(SERVER.port)))
        code, reply, _ = SERVER.curl("--head")
        self.assertEqual(code, 0, reply)
        for unit in UNITS[:1] + UNITS[2:]:
            done = subprocess.run(["systemctl", f"--root={SERVER.root}", "is-enabled", unit],
                                  capture_output=True, text=True)
            self.assertEqual(done.stdout.strip(), "enabled", unit)

    def test_second_run_changes_nothing(self):
        before = snapshot(SERVER.root)
        ini, log = SERVER.setup()
        self.assertEqual(ini, SERVER.ini)
        self.assertEqual(snapshot(SERVER.root), before, log)

    def test_given_password_replaces_the_old_one(self):
        with tempfile.NamedTemporaryFile("w", dir=SERVER.root) as f:
            f.write("a new password\n")
            f.flush()
            ini, _ = SERVER.setup("--password-file", f.name)
        try:
            self.assertEqual(ini["password"], "a new password")
            old = SERVER.curl("--head")
            SERVER.ini, new_ini = ini, SERVER.ini
            new = SERVER.curl("--head")
        finally:
            # Back to the first password for the other tests.
            with tempfile.NamedTemporaryFile("w", dir=SERVER.root) as f:
                f.write(new_ini["password"] + "\n")
                f.flush()
                SERVER.ini, _ = SERVER.setup("--password-file", f.name)
        self.assertTrue(old[1].startswith("530"), old[1])
        self.assertEqual(new[0], 0, new[1])


class GameRoundTest(unittest.TestCase):
    """The game's own FTP client sends a result with its replays, the ranking
    runs as its service unit runs it, and the game fetches the Top 10 it made."""

    def test_a_sent_game_is_stored_ranked_and_fetched(self):
        tool = os.path.join(sys.argv[1], "tests", "server", "ftp_round_trip")
        game = tempfile.mkdtemp(dir=SERVER.root)
        with open(os.path.join(game, "resultserver.ini"), "w") as f:
            f.write(f"[server]\nhost=127.0.0.1\nport={SERVER.port}\nuser={SERVER.ini['user']}\n"
                    f"password={SERVER.ini['password']}\ntls=required\n"
                    f"cafile={SERVER.path('/etc/brinox2000-server/tls/server.pem')}\n")
        score = run(tool, "send", game).stdout.strip()
        sent = [name for name in os.listdir(game) if name.startswith("wc2")]
        with open(SERVER.path("/lib/systemd/system/brinox2000-rank.service")) as f:
            command = next(line for line in f if line.startswith("ExecStart="))[10:].split()
        moved = {"/usr/bin/": SERVER.path("/usr/bin/"), "/var/lib/": SERVER.path("/var/lib/"),
                 "/srv/": SERVER.path("/srv/")}
        run(*[re.sub("^(/usr/bin/|/var/lib/|/srv/)", lambda m: moved[m[1]], arg)
              for arg in command])
        self.assertEqual(run(tool, "fetch", game).stdout.strip(), f"Ann {score}")
        store = os.listdir(SERVER.path("/var/lib/brinox2000-server/uploads"))
        self.assertEqual(len(sent), 2)
        self.assertTrue(set(sent) <= set(store), store)
        self.assertFalse(set(sent) & set(os.listdir(SERVER.ftp)))


class UnitFilesTest(unittest.TestCase):
    def test_units_pass_systemd_analyze_verify(self):
        # The installed ranking tool lies in the scratch root; the manual
        # pages the units name are found there too.
        with tempfile.TemporaryDirectory() as units:
            for unit in UNITS:
                with open(SERVER.path(f"/lib/systemd/system/{unit}")) as f:
                    text = f.read().replace("/usr/bin/brinox-rank", SERVER.path("/usr/bin/brinox-rank"))
                with open(os.path.join(units, unit), "w") as f:
                    f.write(text)
            done = subprocess.run(["systemd-analyze", "verify"] +
                                  [os.path.join(units, unit) for unit in UNITS],
                                  capture_output=True, text=True, cwd=units,
                                  env=dict(os.environ, MANPATH=SERVER.path("/usr/share/man") + ":"))
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)


class RankToolTest(unittest.TestCase):
    def test_exit_status_is_the_manuals(self):
        # 0: the Top 10 written, 1: not written, 2: a wrong command line.
        rank = SERVER.path("/usr/bin/brinox-rank")
        with tempfile.TemporaryDirectory() as d:
            for args, status in (([], 2), ([d], 2), (["--bogus", d, d + "/t"], 2), (["--state"], 2),
                                 ([d, d + "/t"], 0), ([d + "/none", d + "/t"], 1)):
                done = subprocess.run([rank] + args, capture_output=True, text=True)
                self.assertEqual(done.returncode, status, (args, done.stderr))


class SharedAccountTest(unittest.TestCase):
    """What a player's game does works; everything else is refused."""

    @classmethod
    def setUpClass(cls):
        code, reply, _ = SERVER.upload(UPLOAD)
        if code != 0:
            raise AssertionError(f"the first upload failed: {reply}\n{SERVER.daemon_output()}")

    def test_upload_is_stored_unreadable_by_the_account(self):
        st = os.stat(os.path.join(SERVER.ftp, UPLOAD))
        self.assertEqual((st.st_uid, st.st_gid), SERVER.users["brinox2000-ftp"])
        self.assertEqual(st.st_mode & 0o777, 0o240)
        self.assertEqual(st.st_size, 1000)

    def test_top10_is_fetched(self):
        for name in ("wctop10.ttb", "wctop10.replays"):
            SERVER.publish(name, name.encode())
            code, reply, body = SERVER.curl(url=f"/{name}")
            self.assertEqual((code, body), (0, name.encode()), reply)

    def test_forbidden_operations_are_refused(self):
        refused = [
            ("LIST", lambda: SERVER.curl()),
            ("NLST", lambda: SERVER.curl("--list-only")),
            ("MLSD", lambda: SERVER.curl("--request", "MLSD")),
            ("RETR another upload", lambda: SERVER.curl("--ignore-content-length", url=f"/{UPLOAD}")),
            ("SIZE another upload", lambda: SERVER.curl("--head", "--quote", "TYPE I",
                                                        "--quote", f"SIZE {UPLOAD}")),
            ("STOR over an existing upload", lambda: SERVER.upload(UPLOAD)),
            ("STOR wctop10.ttb", lambda: SERVER.upload("wctop10.ttb")),
            ("STOR wctop10.replays", lambda: SERVER.upload("wctop10.replays")),
            ("STOR a name the game never gives", lambda: SERVER.upload(".ftpaccess")),
            ("APPE to an upload", lambda: SERVER.curl("--append", "--upload-file", "/dev/null",
                                                      url=f"/{UPLOAD}")),
            ("DELE", lambda: SERVER.curl("--head", "--quote", f"DELE {UPLOAD}")),
            ("RNFR/RNTO", lambda: SERVER.curl("--head", "--quote", f"RNFR {UPLOAD}",
                                              "--quote", "RNTO wc1-2.ttb")),
            ("MKD", lambda: SERVER.curl("--head", "--quote", "MKD wc1-2.ttb")),
            ("SITE CHMOD", lambda: SERVER.curl("--head", "--quote", f"SITE CHMOD 0644 {UPLOAD}")),
            ("a file over the cap", lambda: SERVER.upload("wc1-3.replays", CAP + 1)),
            ("a plain-text login", lambda: SERVER.curl("--head", tls=False)),
        ]
        listing = os.listdir(SERVER.ftp)
        for operation, attempt in refused:
            with self.subTest(operation):
                code, reply, body = attempt()
                print(f"{operation:34} -> {reply}")
                if operation == "LIST":
                    # ProFTPD answers a denied LIST with an empty listing.
                    self.assertEqual((code, body), (0, b""), reply)
                else:
                    self.assertNotEqual(code, 0, reply)
                    self.assertRegex(reply, r"^[45]\d\d ")
        self.assertEqual(sorted(os.listdir(SERVER.ftp)), sorted(listing))
        st = os.stat(os.path.join(SERVER.ftp, UPLOAD))
        self.assertEqual((st.st_size, st.st_mode & 0o777), (1000, 0o240))

    def test_a_file_at_the_cap_is_accepted(self):
        code, reply, _ = SERVER.upload("wc1-4.replays", CAP)
        self.assertEqual(code, 0, reply)

    def test_connections_per_address_are_limited(self):
        held = []
        try:
            greetings = []
            for _ in range(7):
                s = socket.create_connection(("127.0.0.1", SERVER.port), timeout=5)
                held.append(s)
                greetings.append(s.recv(200).decode(errors="replace"))
            print(f"{'7 connections from one address':34} -> {greetings[-1].strip()}")
            self.assertTrue(greetings[0].startswith("220"))
            self.assertTrue(greetings[-1].startswith("530"), greetings)
        finally:
            for s in held:
                s.close()


def main():
    if os.geteuid() != 0 or not all(shutil.which(tool) for tool in TOOLS):
        print("skipped: needs root and " + ", ".join(TOOLS))
        return SKIPPED
    program = unittest.main(argv=sys.argv[:1], exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
