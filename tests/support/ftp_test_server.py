# Test FTP server on a free port of 127.0.0.1: prints the port, then serves
# HOME until killed, to the users "champion" (may store) and "reader" (may
# not), both with the password "wc-pass".
#
#   ftp_test_server.py HOME [--tls DIR]
#
# With --tls the server offers explicit TLS (AUTH TLS) with a certificate for
# 127.0.0.1 that it makes and writes to DIR/server.pem, beside an unrelated
# one in DIR/other.pem. Beside each file stored, NAME.how says "secured" or
# "plain": secured when both the control and the data connection were.
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def make_certificate(path, name):
    from OpenSSL import crypto

    key = crypto.PKey()
    key.generate_key(crypto.TYPE_RSA, 2048)
    cert = crypto.X509()
    cert.get_subject().CN = name
    cert.set_serial_number(int.from_bytes(os.urandom(8), "big"))
    cert.gmtime_adj_notBefore(-60)
    cert.gmtime_adj_notAfter(24 * 3600)
    cert.set_issuer(cert.get_subject())
    cert.set_pubkey(key)
    cert.add_extensions([
        crypto.X509Extension(b"basicConstraints", True, b"CA:TRUE"),
        crypto.X509Extension(b"subjectAltName", False, b"IP:" + name.encode()),
    ])
    cert.sign(key, "sha256")
    with open(path, "wb") as out:
        out.write(crypto.dump_certificate(crypto.FILETYPE_PEM, cert))
        out.write(crypto.dump_privatekey(crypto.FILETYPE_PEM, key))


home = sys.argv[1]
tls = len(sys.argv) == 4 and sys.argv[2] == "--tls"
base = FTPHandler
if tls:
    make_certificate(os.path.join(sys.argv[3], "server.pem"), "127.0.0.1")
    make_certificate(os.path.join(sys.argv[3], "other.pem"), "127.0.0.1")
    TLS_FTPHandler.certfile = os.path.join(sys.argv[3], "server.pem")
    base = TLS_FTPHandler

    class DataChannel(TLS_DTPHandler):
        # libcurl begins the data connection's handshake before it sends
        # STOR or RETR; the library would close a channel that is read
        # before its transfer command, so the handshake may go on first.
        def readable(self):
            return self._ssl_accepting or self._ssl_want_read or super().readable()

    TLS_FTPHandler.dtp_handler = DataChannel


class Handler(base):
    def on_file_received(self, file):
        secured = getattr(self, "_ssl_established", False) and getattr(self, "_prot", False)
        with open(file + ".part", "w") as how:
            how.write("secured" if secured else "plain")
        os.replace(file + ".part", file + ".how")  # whole when it appears


authorizer = DummyAuthorizer()
authorizer.add_user("champion", "wc-pass", home, perm="elradfmw")
authorizer.add_user("reader", "wc-pass", home, perm="elr")  # refuses uploads
Handler.authorizer = authorizer
Handler.auth_failed_timeout = 0.1
server = FTPServer(("127.0.0.1", 0), Handler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
