"""Anonymous read-only FTP on loopback for the URL-source tests."""

import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

authorizer = DummyAuthorizer()
authorizer.add_anonymous(sys.argv[2], perm="elr")
handler = FTPHandler
handler.authorizer = authorizer
passive = int(sys.argv[3])
handler.passive_ports = range(passive, passive + 9)
FTPServer(("127.0.0.1", int(sys.argv[1])), handler).serve_forever()
