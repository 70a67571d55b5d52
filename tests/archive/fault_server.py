"""HTTP server for failures nginx does not produce, on loopback:
/ignore-range/NAME  answers 200 with the whole file even to a ranged request
/drop/NAME          announces the full length, sends half, drops the connection
/stall/NAME         announces the full length, sends a little, then stalls
                    (NAME may name a file in a folder below the root: A/B/NAME,
                    as it may for the kinds below)
http://HOST/NAME    (a proxy request) 407 until Basic credentials zelva:proxy-secret
                    come with it, then NAME with Range support

For downloads, where the platform's URL service (any agent but the host's
reader, "ZELVA Hangardesk") is sent on to a port that refuses connections:
/platform-fails/NAME              the reader gets NAME with Range support
/platform-fails-drop/P/NAME       the reader's whole-file request breaks off after
                                  P percent; ranges are served
/platform-fails-norange/P/NAME?T  as above, but ranges are answered with the whole
                                  file; a second whole-file request with token T is
                                  served in full
/platform-fails-slow/NAME         the reader gets NAME in 64 KB pieces, 0.2 s apart
/always-drop/P/NAME               every request breaks off after P percent
/slow/NAME                        NAME in 64 KB pieces, 0.2 s apart, for any agent"""

import base64
import http.server
import os
import re
import socket
import socketserver
import sys
import threading
import time
import urllib.parse

ROOT = sys.argv[2]
READER_AGENT = "ZELVA Hangardesk"

# Bound but never listening: connections to it are refused.
REFUSING = socket.socket()
REFUSING.bind(("127.0.0.1", 0))
REFUSED_PORT = REFUSING.getsockname()[1]

TOKENS_SEEN = set()
TOKENS_LOCK = threading.Lock()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        sys.stderr.write("%s %s\n" % (self.requestline, self.headers.get("Range", "")))

    def do_GET(self):
        download = re.match(r"^/(platform-fails|platform-fails-drop|platform-fails-norange|platform-fails-slow|always-drop|slow)/"
                            r"(?:(\d+)/)?((?:[^/?.][^/?]*/)*[^/?]+)(?:\?(.*))?$", self.path)
        if download:
            self.download(*download.groups())
            return
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
            # NAME may lie in a folder below the root, never above it.
            match = re.match(r"^/(ignore-range|drop|stall)/((?:[^/.][^/]*/)*[^/]+)$", self.path)
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


    def download(self, kind, percent, name, token):
        name = urllib.parse.unquote(name)
        if kind != "always-drop" and kind != "slow" and READER_AGENT not in self.headers.get("User-Agent", ""):
            self.send_response(302)
            self.send_header("Location", "http://127.0.0.1:%d/%s" % (REFUSED_PORT, name))
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        try:
            with open(os.path.join(ROOT, "downloads", name), "rb") as f:
                data = f.read()
        except OSError:
            self.send_error(404)
            return
        ranged = re.match(r"bytes=(\d+)-(\d+)", self.headers.get("Range", ""))
        if ranged and kind != "platform-fails-norange":
            first, last = int(ranged.group(1)), min(int(ranged.group(2)), len(data) - 1)
            self.send_response(206)
            self.send_header("Content-Range", "bytes %d-%d/%d" % (first, last, len(data)))
            body, cut = data[first:last + 1], None
        else:
            self.send_response(200)
            body, cut = data, None
            if not ranged and kind in ("platform-fails-drop", "platform-fails-norange"):
                cut = len(data) * int(percent) // 100
            if kind == "platform-fails-norange" and not ranged:
                with TOKENS_LOCK:
                    if token in TOKENS_SEEN:
                        cut = None
                    TOKENS_SEEN.add(token)
        if kind == "always-drop":
            cut = len(body) * int(percent) // 100
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if kind in ("slow", "platform-fails-slow"):
            try:
                for at in range(0, len(body), 65536):
                    self.wfile.write(body[at:at + 65536])
                    self.wfile.flush()
                    time.sleep(0.2)
            except (BrokenPipeError, ConnectionResetError):
                self.close_connection = True
            return
        self.wfile.write(body if cut is None else body[:cut])
        self.wfile.flush()
        if cut is not None:
            self.close_connection = True


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


Server(("127.0.0.1", int(sys.argv[1])), Handler).serve_forever()
