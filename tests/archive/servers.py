"""Loopback servers of the URL-source tests, started and stopped by a CTest
fixture: nginx (ranged HTTP), a small fault-injecting HTTP server for what
nginx cannot do, and pyftpdlib for FTP. Every process is ended by the id it
wrote at start."""

import argparse
import os
import signal
import socket
import subprocess
import sys
import time

NGINX_CONF = """
user root;
worker_processes 1;
daemon on;
pid {state}/nginx.pid;
error_log {state}/error.log;
events {{ worker_connections 64; }}
http {{
  log_format zelva '$request "$http_range" $status $body_bytes_sent "$http_x_zelva"';
  access_log {state}/access.log zelva;
  client_body_temp_path {state}/body;
  proxy_temp_path {state}/proxy;
  fastcgi_temp_path {state}/fastcgi;
  uwsgi_temp_path {state}/uwsgi;
  scgi_temp_path {state}/scgi;
  default_type application/octet-stream;
  server {{
    listen 127.0.0.1:{port};
    root {root};
  }}
}}
"""


def wait_for_port(port, timeout=15.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return
        time.sleep(0.1)
    raise SystemExit("port %d did not open" % port)


def spawn(state, name, command):
    log = open(os.path.join(state, name + ".log"), "wb")
    process = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
    with open(os.path.join(state, name + ".pid"), "w") as f:
        f.write(str(process.pid))


def start(args):
    stop(args)
    state = args.state
    os.makedirs(state, exist_ok=True)
    with open(os.path.join(state, "nginx.conf"), "w") as f:
        f.write(NGINX_CONF.format(state=state, port=args.http_port, root=args.root))
    open(os.path.join(state, "access.log"), "w").close()
    subprocess.run(["nginx", "-p", state, "-c", os.path.join(state, "nginx.conf")], check=True)
    here = os.path.dirname(os.path.abspath(__file__))
    spawn(state, "fault", [sys.executable, os.path.join(here, "fault_server.py"), str(args.fault_port), args.root])
    spawn(state, "ftp", [sys.executable, os.path.join(here, "ftp_server.py"), str(args.ftp_port), args.root,
                              str(args.port_base + 10)])
    for port in (args.http_port, args.fault_port, args.ftp_port):
        wait_for_port(port)


def stop(args):
    for name in ("nginx", "fault", "ftp"):
        path = os.path.join(args.state, name + ".pid")
        try:
            with open(path) as f:
                pid = int(f.read().strip())
        except (OSError, ValueError):
            continue
        try:
            if name == "nginx":
                os.kill(pid, signal.SIGTERM)
            else:
                os.killpg(pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        # nginx removes its own pid file on the way out.
        try:
            os.remove(path)
        except FileNotFoundError:
            pass
        # Gone before anything binds its port again.
        deadline = time.time() + 10
        while time.time() < deadline:
            try:
                os.kill(pid, 0)
            except ProcessLookupError:
                break
            time.sleep(0.05)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("action", choices=("start", "stop"))
    parser.add_argument("--state", required=True)
    parser.add_argument("--root", default="")
    parser.add_argument("--port-base", type=int, default=18431,
                        help="nginx on this port, the fault server on the next, FTP on the one after; "
                             "FTP's passive ports are base+10 to base+18")
    args = parser.parse_args()
    args.http_port, args.fault_port, args.ftp_port = args.port_base, args.port_base + 1, args.port_base + 2
    args.state = os.path.abspath(args.state)
    (start if args.action == "start" else stop)(args)


if __name__ == "__main__":
    main()
