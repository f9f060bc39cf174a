# Test FTP server on a free port of 127.0.0.1: prints the port, serves HOME until killed.
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

authorizer = DummyAuthorizer()
authorizer.add_user("champion", "wc-pass", sys.argv[1], perm="elradfmw")
authorizer.add_user("reader", "wc-pass", sys.argv[1], perm="elr")  # refuses uploads
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0.1
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.socket.getsockname()[1], flush=True)
server.serve_forever()
