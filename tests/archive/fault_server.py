"""HTTP server for failures nginx does not produce, on loopback:
/ignore-range/NAME  answers 200 with the whole file even to a ranged request
/drop/NAME          announces the full length, sends half, drops the connection
/stall/NAME         announces the full length, sends a little, then stalls
http://HOST/NAME    (a proxy request) 407 until Basic credentials zelva:proxy-secret
                    come with it, then NAME with Range support"""

import base64
import http.server
import os
import re
import socketserver
import sys
import time

ROOT = sys.argv[2]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        sys.stderr.write("%s %s\n" % (self.requestline, self.headers.get("Range", "")))

    def do_GET(self):
        proxied = re.match(r"^http://[^/]+/([^/]+)$", self.path)
        if proxied:
            expected = "Basic " + base64.b64encode(b"zelva:proxy-secret").decode()
            if self.headers.get("Proxy-Authorization") != expected:
                self.send_response(407)
                self.send_header("Proxy-Authenticate", 'Basic realm="zelva"')
                self.send_header("Content-Length", "0")
                self.end_headers()
                return
            kind, name = "proxy", proxied.group(1)
        else:
            match = re.match(r"^/(ignore-range|drop|stall)/([^/]+)$", self.path)
            if not match:
                self.send_error(404)
                return
            kind, name = match.groups()
        with open(os.path.join(ROOT, name), "rb") as f:
            data = f.read()
        status = 200
        ranged = re.match(r"bytes=(\d+)-(\d+)", self.headers.get("Range", ""))
        if ranged and kind != "ignore-range":
            first, last = int(ranged.group(1)), min(int(ranged.group(2)), len(data) - 1)
            status = 206
            data = data[first:last + 1]
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        if kind in ("ignore-range", "proxy"):
            self.wfile.write(data)
        elif kind == "drop":
            self.wfile.write(data[:len(data) // 2])
            self.wfile.flush()
            self.close_connection = True
        else:
            self.wfile.write(data[:min(1000, len(data) // 2)])
            self.wfile.flush()
            time.sleep(120)
            self.close_connection = True


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


Server(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
