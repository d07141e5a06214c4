"""Loopback HTTP server for the browser tests.

  page_server.py start STATE_FILE   serve in the background; STATE_FILE gets "port pid"
  page_server.py stop STATE_FILE    stop the server started with that file
"""
import http.server
import os
import signal
import subprocess
import sys
import threading
import time
import urllib.parse

UTF8_PAGE = """<!DOCTYPE html>
<html><head><title>Title text</title>
<style>body { color: red; }</style>
<script>var hidden = "script text";</script></head>
<body>
  <h1>蓝鹊 &amp; friends</h1>
  <p>A&nbsp;B &lt;tag&gt; &#x4E2D;&#25991;   spaced
     words</p>
  <div>line one<br>line two</div>
  <script>document.write("nope");</script>
  <form>
    <input id="first" type="text" value="one">
    <div id="client_exit">not an input</div>
    <input id="client_exit" type="hidden" value="1">
    <input id="client_exit" type="hidden" value="0">
    <input type="text">
  </form>
</body></html>
"""

GBK_PAGE = "<html><body><p>中文页面</p><input id=\"name\" value=\"张三\"></body></html>"
GBK_META_PAGE = ("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                 "charset=gb2312\"></head><body>简体中文</body></html>")
FRAMES_PAGE = ("<html><body>outer page<iframe src=\"/counted\"></iframe>"
               "<iframe src=\"/counted\"></iframe></body></html>")

hits = {}
hits_lock = threading.Lock()
counter = [0]


def hits_of(path):
    with hits_lock:
        return hits.get(path, 0)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def reply(self, body, content_type="text/html; charset=utf-8", status=200):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query)
        with hits_lock:
            hits[url.path] = hits.get(url.path, 0) + 1
            if self.path != url.path:
                hits[self.path] = hits.get(self.path, 0) + 1
        if url.path == "/utf8":
            self.reply(UTF8_PAGE.encode("utf-8"))
        elif url.path == "/gbk":
            self.reply(GBK_PAGE.encode("gbk"), "text/html; charset=GBK")
        elif url.path == "/gbk-meta":
            self.reply(GBK_META_PAGE.encode("gbk"), "text/html")
        elif url.path == "/plain":
            self.reply("1.00|http://example.invalid/update|60".encode(), "text/plain")
        elif url.path == "/slow":
            time.sleep(int(query.get("ms", ["1000"])[0]) / 1000.0)
            self.reply(b"<html><body>slow reply</body></html>")
        elif url.path == "/frames":
            self.reply(FRAMES_PAGE.encode())
        elif url.path == "/counter":
            counter[0] += 1
            self.reply(('<html><body><input id="n" value="%d"></body></html>'
                        % counter[0]).encode())
        elif url.path == "/echo":
            self.reply(self.path.encode("ascii"), "text/plain")
        elif url.path == "/hits":
            with hits_lock:
                count = hits.get(query.get("path", [""])[0], 0)
            self.reply(str(count).encode(), "text/plain")
        elif url.path == "/loop":
            self.send_response(302)
            # Every hop keeps its key, so that a test counts only its own hops
            # while others use the server at the same time.
            self.send_header("Location", "/loop?key=" + query.get("key", [""])[0])
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif url.path == "/hang-first":
            # The first request of each key never gets an answer in time.
            if hits_of("/hang-first?" + self.path.partition("?")[2]) == 1:
                time.sleep(60)
            self.reply(b"<html><body>answered</body></html>")
        elif url.path == "/big":
            size = int(query.get("bytes", ["0"])[0])
            head, tail = b"<html><body><p>", b"</p></body></html>"
            self.reply(head + b"x" * (size - len(head) - len(tail)) + tail)
        elif url.path == "/redirect":
            self.send_response(302)
            self.send_header("Location", "/plain")
            self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            self.reply(b"", status=404)


def serve(state_file):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    temporary = state_file + ".tmp"
    with open(temporary, "w") as out:
        out.write("%d %d\n" % (server.server_address[1], os.getpid()))
    os.replace(temporary, state_file)
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    server.serve_forever()


def start(state_file):
    if os.path.exists(state_file):
        stop(state_file)
    subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", state_file],
                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                     stderr=subprocess.DEVNULL, start_new_session=True)
    deadline = time.time() + 10
    while time.time() < deadline:
        if os.path.exists(state_file):
            return 0
        time.sleep(0.05)
    print("page server did not start", file=sys.stderr)
    return 1


def stop(state_file):
    try:
        with open(state_file) as state:
            pid = int(state.read().split()[1])
        os.kill(pid, signal.SIGTERM)
    except (OSError, ValueError, IndexError):
        pass
    if os.path.exists(state_file):
        os.remove(state_file)
    return 0


if __name__ == "__main__":
    command, state_file = sys.argv[1], sys.argv[2]
    if command == "serve":
        serve(state_file)
    else:
        sys.exit(start(state_file) if command == "start" else stop(state_file))
