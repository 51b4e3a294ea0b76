"""The offline demo catalogue: one small HTTP server on loopback that plays the social
network (login, audio and video search, video pages, media), the picture search and the radio
directory, with pages in the forms the player reads. Test-grade: one thread per request, whole
answers, no keep-alive. Every request is written to a log, one line each."""

import os
import socketserver
import threading
import urllib.parse

from media import PICTURES, THUMBS, TRACKS, track_file

PAGE_CODEC = "cp1251"
VIDEOS = ["Northern Lights", "Ocean Life", "Mountain Pass", "Desert Wind", "Forest Walk", "River Delta"]
STATIONS = ["Demo FM", "Demo FM Classic", "Demo FM Night"]


def _text(raw):
    """A query value as the player sent it: %XX escapes and raw bytes of code page 1251."""
    return urllib.parse.unquote_to_bytes(raw).decode(PAGE_CODEC, "replace")


def _query(target):
    _, _, query = target.partition("?")
    values = {}
    for pair in query.split("&"):
        key, _, value = pair.partition("=")
        values[_text(key)] = value
    return values


class Catalogue:
    def __init__(self, media, radio_url, log_path):
        self.media = media
        self.radio_url = radio_url
        self.log_path = log_path
        self.lock = threading.Lock()
        self.host = ""  # "127.0.0.1:port", set when the server is bound

    def log(self, line):
        with self.lock, open(self.log_path, "a", encoding="utf-8") as f:
            f.write(line + "\n")

    # Pages -------------------------------------------------------------------------------

    def login(self, query):
        headers = [("Set-Cookie", "remixsid=demo-session; Path=/"), ("Set-Cookie", "remixlang=0; Path=/")]
        body = "<html><body style='background:#000;color:#888'>Signed in as demo.</body></html>"
        return 200, "text/html; charset=windows-1251", body.encode(PAGE_CODEC), headers

    def audio_search(self, text):
        lines = ["<html><head><title>Audio</title></head><body>", "<div id='results'>"]
        for i, (artist, title, seconds, _) in enumerate(TRACKS):
            shown = f"{text} - {title}" if text.strip() else f"{artist} - {title}"
            lines.append(f"<div class='audio' id='audio{i}'>")
            lines.append(f"<img class=\"playimg\" onclick=\"operate({100 + i},7,1001,'t{i + 1}',{200 + i});\" src=\"/play.gif\">")
            lines.append(f"<div class=\"performer\"><b></b><a onclick=go();{shown}</a></span></div>")
            lines.append(f"<div class=\"duration\">{seconds // 60}:{seconds % 60:02d}</div>")
            lines.append("</div>")
        lines += ["</div>", "</body></html>"]
        return self.page(lines)

    def video_search(self, text):
        lines = ["<html><body>"]
        for i, title in enumerate(VIDEOS):
            shown = f"{title} ({text})" if text.strip() else title
            lines.append(f"<div class='aname'><a href=\"video{300 + i}_{500 + i}\">{shown}</a></div>")
            lines.append(f"<a href=\"video{300 + i}_{500 + i}\"><img src=\"http://{self.host}/thumbs/{i % THUMBS + 1}.jpg\" width=\"130\"></a>")
            lines.append(f"<div class=\"ainfo\"><b class='dur'>{1 + i}:{(17 * i) % 60:02d}</b></div>")
        lines.append("</body></html>")
        return self.page(lines)

    def video_page(self, oid, vid):
        values = (f"\"uid\":\"{oid}\",\"vid\":\"{vid}\",\"oid\":\"{oid}\",\"host\":\"{self.host}\","
                  f"\"vtag\":\"v{vid}\",\"vkid\":\"k{vid}\",\"hash2\":\"h{oid}{vid}\","
                  f"\"thumb\":\"http:\\/\\/cs1.demo\\/thumb.jpg\"")
        lines = ["<html><body>", f"<script>loadFlashPlayer({{{values}}}, {{}});</script>", "</body></html>"]
        return self.page(lines)

    def video_frame(self, query):
        body = ("<html><head><style>body{margin:0;background:#000;overflow:hidden;font:12px sans-serif}"
                "p{position:absolute;left:8px;top:4px;margin:0;color:#c8c0a8}</style></head><body>"
                "<video src='/media/clip.webm' width='482' height='360' autoplay loop muted "
                "poster='/thumbs/1.jpg'></video><p>demo clip " + query.get("oid", "") + "_" +
                query.get("id", "") + "</p></body></html>")
        return 200, "text/html", body.encode(), []

    def genre_page(self, genre):
        lines = ["<html><body>", f"<h2>{genre}</h2>"]
        for i, name in enumerate(STATIONS):
            lines.append("<li>")
            lines.append(f"<span class=\"name\"><a href=\"http://{self.host}/\" onclick=\"window.open(this.href);\">{name} - {genre}</a></span>")
            lines.append(f"<p>[ <a href=\"/listen/{i + 1}.pls\">Play</a> ]</p>")
            lines.append("</li>")
        lines.append("</body></html>")
        return self.page(lines)

    def picture_search(self, text):
        lines = ["<html><body>"]
        for name, _, _ in PICTURES:
            encoded = urllib.parse.quote(f"{self.host}/pictures/{name}.jpg", safe="")
            lines.append(f"<a class=\"serp-item\" href=\"/yandsearch?img_url={encoded}&from=demo\">{name}</a>")
        lines.append("</body></html>")
        return self.page(lines)

    def page(self, lines):
        return 200, "text/html; charset=windows-1251", ("\r\n".join(lines) + "\r\n").encode(PAGE_CODEC, "replace"), []

    def file(self, name, content_type, extra=()):
        path = os.path.join(self.media, name)
        if not os.path.isfile(path):
            return 404, "text/plain", b"not found\n", []
        with open(path, "rb") as f:
            return 200, content_type, f.read(), list(extra)

    # Routing -----------------------------------------------------------------------------

    def answer(self, target, cookie):
        path, _, _ = target.partition("?")
        query = _query(target)
        if path == "/" and query.get("act") == "login":
            return self.login(query)
        if path == "/gsearch.php":
            text = _text(query.get("q", ""))
            if query.get("section") == "video":
                return self.video_search(text)
            return self.audio_search(text)
        if path.startswith("/u") and "/audio/t" in path and path.endswith(".mp3"):
            number = path.rsplit("/t", 1)[1][:-4]
            if number.isdigit() and 1 <= int(number) <= len(TRACKS):
                return self.file(track_file(int(number) - 1), "audio/mpeg")
        if path == "/video_ext.php":
            return self.video_frame(query)
        if path.startswith("/video") and "_" in path and "/" not in path[1:]:
            oid, _, vid = path[len("/video"):].partition("_")
            return self.video_page(oid, vid)
        if path == "/media/clip.webm":
            return self.file("clip.webm", "video/webm")
        if "/video/" in path and path.endswith(".mp4") or path.startswith("/assets/videos/"):
            name = os.path.basename(path)
            return self.file("clip.webm", "video/webm",
                             [("Content-Disposition", f"attachment; filename=\"{name}.webm\"")])
        if path == "/yandsearch":
            return self.picture_search(_text(query.get("text", "")))
        if path.startswith("/pictures/") and path.endswith(".jpg"):
            return self.file(os.path.basename(path), "image/jpeg")
        if path.startswith("/thumbs/") and path.endswith(".jpg"):
            return self.file("thumb" + os.path.basename(path), "image/jpeg")
        if path.startswith("/by_genre/"):
            return self.genre_page(_text(path[len("/by_genre/"):]))
        if path.startswith("/listen/"):
            return 200, "audio/x-scpls", (self.radio_url + "\r\n[playlist]\r\n").encode(), []
        return 404, "text/html", b"<html><body>Not found</body></html>\r\n", []


class _Handler(socketserver.StreamRequestHandler):
    def handle(self):
        request = self.rfile.readline(65536).rstrip(b"\r\n")
        headers = {}
        while True:
            line = self.rfile.readline(65536)
            if not line or line in (b"\r\n", b"\n"):
                break
            name, _, value = line.decode("latin-1").partition(":")
            headers[name.strip().lower()] = value.strip()
        # "GET <target> HTTP/1.1", where the target may hold raw blanks (the radio client sends
        # genre names as they are).
        words = request.split(b" ")
        if len(words) < 3:
            return
        target = b" ".join(words[1:-1]).decode("latin-1")
        catalogue = self.server.catalogue
        cookie = headers.get("cookie", "")
        status, content_type, body, extra = catalogue.answer(target, cookie)
        catalogue.log(f"{status} {target} cookie={'yes' if 'remixsid=' in cookie else 'no'}")
        reason = {200: "OK", 404: "Not Found"}.get(status, "OK")
        head = [f"HTTP/1.1 {status} {reason}", f"Content-Type: {content_type}", f"Content-Length: {len(body)}",
                "Connection: close"] + [f"{k}: {v}" for k, v in extra]
        try:
            self.wfile.write(("\r\n".join(head) + "\r\n\r\n").encode("latin-1") + body)
        except (BrokenPipeError, ConnectionResetError):
            pass


class _Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True


def serve(media, radio_url, log_path, port=0):
    """Starts the server on 127.0.0.1 in a thread of its own; answers (server, "127.0.0.1:port")."""
    server = _Server(("127.0.0.1", port), _Handler)
    server.catalogue = Catalogue(media, radio_url, log_path)
    server.catalogue.host = f"127.0.0.1:{server.server_address[1]}"
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, server.catalogue.host
