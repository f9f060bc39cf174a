#!/usr/bin/python3
"""How many result uploads a championship server built from the package takes:
the package's ProFTPD rules and setup in a scratch root (as server_package_test
runs them), CLIENTS clients at once, each from an address of its own on the
loopback and over one TLS session, send RESULTS results of games of their own,
each as the game sends it (its replays first, then the result); then the
ranking runs as its service unit runs it, once over everything new and once
more with every verdict kept.

usage: bench/server/ftp-load.py BUILD_DIR [RESULTS] [CLIENTS]    (as root)"""

import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "tests", "server"))
import server_package_test as package  # noqa: E402

# As many passive ports as the setup opens by default (40000-40199).
PASSIVE_PORTS = 200


def client(server, address, files):
    """One curl for a client's share, every file in one session."""
    command = ["curl", "--silent", "--show-error", "--ssl-reqd", "--interface", address,
               "--cacert", server.path("/etc/brinox2000-server/tls/server.pem"),
               "--user", f"{server.ini['user']}:{server.ini['password']}"]
    for path in files:
        command += ["--upload-file", path,
                    f"ftp://127.0.0.1:{server.port}/{os.path.basename(path)}"]
    return subprocess.Popen(command, stderr=subprocess.PIPE)


def rank(server):
    with open(server.path("/lib/systemd/system/brinox2000-rank.service")) as f:
        command = next(line for line in f if line.startswith("ExecStart="))[10:].split()
    moved = [server.path(arg) if arg.startswith(("/usr/bin/", "/var/lib/", "/srv/")) else arg
             for arg in command]
    start = time.monotonic()
    done = subprocess.run(moved, capture_output=True, text=True)
    return time.monotonic() - start, done.stderr.strip().splitlines()[-1]


def main():
    build = sys.argv[1]
    results = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    clients = int(sys.argv[3]) if len(sys.argv) > 3 else 16
    server = package.Server(build, passive_ports=PASSIVE_PORTS)
    try:
        made = tempfile.mkdtemp(dir=server.root)
        package.run(os.path.join(build, "tests", "server", "ftp_round_trip"), "make", made,
                    str(results))
        names = sorted(os.listdir(made))  # NAME.replays sorts before NAME.ttb
        shares = [[os.path.join(made, n) for n in names[i::clients * 2] + names[i + 1::clients * 2]]
                  for i in range(0, clients * 2, 2)]
        shares = [sorted(share) for share in shares]
        start = time.monotonic()
        running = [client(server, f"127.0.0.{2 + n}", share) for n, share in enumerate(shares)]
        failed = sum(1 for p in running if p.wait() != 0)
        took = time.monotonic() - start
        arrived = [n for n in os.listdir(server.ftp) if n.startswith("wc2")]
        lost = len(names) - len(arrived)
        print(f"{results} results ({len(names)} files, {sum(os.path.getsize(os.path.join(made, n)) for n in names) // 1024} KiB) "
              f"from {clients} clients in {took:.2f} s: {results / took:.0f} results a second, "
              f"{lost} files lost, {failed} clients failed")
        first, said = rank(server)
        print(f"ranking them: {first:.2f} s ({first / results * 1000:.2f} ms a new result); {said}")
        again, said = rank(server)
        print(f"again with every verdict kept: {again:.3f} s; {said}")
        return 0 if lost == 0 and failed == 0 else 1
    finally:
        server.stop()


if __name__ == "__main__":
    if os.geteuid() != 0:
        print("ftp-load.py runs the server as its package does: as root")
        sys.exit(2)
    sys.exit(main())
