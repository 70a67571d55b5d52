"""Anonymous read-only FTP on loopback for the URL-source tests."""

import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

authorizer = DummyAuthorizer()
authorizer.add_anonymous(sys.argv[2], perm="elr")
handler = FTPHandler
handler.authorizer = authorizer
handler.passive_ports = range(18441, 18450)
FTPServer(("127.0.0.1", int(sys.argv[1])), handler).serve_forever()
