#!/usr/bin/env python3
"""Starts the offline demo catalogue on loopback: the media (made once), an Icecast server fed by
ezstream with titled tracks, and the catalogue's own HTTP server. As a program it prints the
environment that points the player at it and runs until it is ended; stopping it stops them all.

    demo.py [--media DIR] [--env-file FILE]
"""

import argparse
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import catalogue  # noqa: E402
import media  # noqa: E402

HOST_VARIABLES = ["VT90_LOGIN_HOST", "VT90_WEB_HOST", "VT90_IMAGE_HOST", "VT90_DIRECTORY_HOST",
                  "VT90_AUDIO_MEDIA", "VT90_VIDEO_MEDIA"]


def _free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def _accepts(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=0.5):
            return True
    except OSError:
        return False


def _mount_up(port, mount):
    """True once the source client is connected: the mount then answers 200."""
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=1) as s:
            s.sendall(f"GET {mount} HTTP/1.0\r\n\r\n".encode())
            return b" 200 " in s.recv(64)
    except OSError:
        return False


class Demo:
    def __init__(self, media_dir):
        self.media_dir = media_dir
        self.work = tempfile.mkdtemp(prefix="vt90-demo-")
        self.processes = []
        self.server = None
        self.host = None
        self.log = os.path.join(self.work, "requests.log")
        self.radio_url = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def env(self):
        values = {name: self.host for name in HOST_VARIABLES}
        return values

    def requests(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8") as f:
            return f.read().splitlines()

    def _start(self, argv, name):
        out = open(os.path.join(self.work, name + ".out"), "wb")
        process = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def _start_radio(self):
        port = _free_port()
        logs = os.path.join(self.work, "log")
        os.makedirs(logs)
        # The server gives up root for "nobody" and must still write here.
        os.chmod(self.work, 0o777)
        os.chmod(logs, 0o777)
        owner = "<changeowner><user>nobody</user><group>nogroup</group></changeowner>" if os.geteuid() == 0 else ""
        config = os.path.join(self.work, "icecast.xml")
        with open(config, "w") as f:
            f.write(f"""<icecast>
  <limits><clients>16</clients><sources>2</sources></limits>
  <authentication><source-password>demo-source</source-password><admin-user>admin</admin-user><admin-password>demo-admin</admin-password></authentication>
  <hostname>127.0.0.1</hostname>
  <listen-socket><port>{port}</port><bind-address>127.0.0.1</bind-address></listen-socket>
  <mount><mount-name>/radio.mp3</mount-name><mp3-metadata-interval>4096</mp3-metadata-interval></mount>
  <paths><basedir>{self.work}</basedir><logdir>{logs}</logdir><webroot>/usr/share/icecast2/web</webroot><adminroot>/usr/share/icecast2/admin</adminroot></paths>
  <logging><accesslog>access.log</accesslog><errorlog>error.log</errorlog><loglevel>2</loglevel></logging>
  <security><chroot>0</chroot>{owner}</security>
</icecast>
""")
        self._start(["icecast2", "-c", config], "icecast")
        deadline = time.time() + 15
        while not _accepts(port) and time.time() < deadline:
            time.sleep(0.1)
        playlist = os.path.join(self.work, "radio.m3u")
        with open(playlist, "w") as f:
            for i in range(len(media.RADIO_TRACKS)):
                f.write(os.path.join(self.media_dir, media.radio_file(i)) + "\n")
        source = os.path.join(self.work, "ezstream.xml")
        with open(source, "w") as f:
            f.write(f"""<ezstream>
  <servers><server><hostname>127.0.0.1</hostname><port>{port}</port><password>demo-source</password></server></servers>
  <streams><stream><mountpoint>/radio.mp3</mountpoint><format>MP3</format><stream_name>Demo FM</stream_name></stream></streams>
  <intakes><intake><filename>{playlist}</filename></intake></intakes>
</ezstream>
""")
        os.chmod(source, 0o600)  # the source client refuses a configuration others can read
        self._start(["ezstream", "-c", source], "ezstream")
        deadline = time.time() + 15
        while not _mount_up(port, "/radio.mp3") and time.time() < deadline:
            time.sleep(0.2)
        self.radio_url = f"http://127.0.0.1:{port}/radio.mp3"

    def start(self):
        media.make(self.media_dir)
        self._start_radio()
        self.server, self.host = catalogue.serve(self.media_dir, self.radio_url, self.log)

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes = []


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--media", default=os.path.join(here, "..", "..", "build", "demo-media"))
    parser.add_argument("--env-file", help="write the player's environment here as shell assignments")
    args = parser.parse_args()

    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    signal.signal(signal.SIGINT, lambda *_: stop.append(1))
    with Demo(os.path.abspath(args.media)) as demo:
        lines = [f"export {name}={value}" for name, value in demo.env().items()]
        if args.env_file:
            with open(args.env_file + ".part", "w") as f:
                f.write("\n".join(lines) + "\n")
            os.replace(args.env_file + ".part", args.env_file)
        print("\n".join(lines), flush=True)
        print(f"demo catalogue on {demo.host}, radio on {demo.radio_url}, requests in {demo.log}", flush=True)
        while not stop:
            time.sleep(0.2)


if __name__ == "__main__":
    main()
