#!/usr/bin/env python3
"""Stand-in for the lanque messaging service, for development, tests and demos.

Serves what the sign-in client talks to:
  /lanquemsg_v2/index.php/Login/client_get_param      "<version>|<update address>|<poll seconds>"
  /lanquemsg_v2/index.php/Login/client_login_ad       the banner page (289 x 97)
  /lanquemsg_v2/index.php/Login/client_get_nonce?userid=...   a fresh one-time nonce
  /lanquemsg_v2/index.php/Login/client_login?userid=&pwd=&timestamp=&nonce=&signature=
        "TRUE|<landing address>" or "FALSE|<reason>"
and the signed-in web application's landing page with the INPUT elements
"client_new_msg" and "client_exit", kept current by a small script.

Control endpoints for tests and demos (GET or POST):
  /control/new_msg?count=N   the next page state handed out carries N new messages
  /control/exit              the next page state handed out asks the client to exit
Each raised value is an event handed out once (to a landing page or to the page's
state poll); afterwards the page keeps whatever the client wrote back.

Bad replies, for testing the client against a hostile service (command-line switches):
  --nul-in-replies         a NUL in the head and at the start of the body of every page
  --oversized-first-login  the first login reply is larger than the client takes (17 MiB)
  --hang-first REQUEST     the first request of that kind (param, nonce, login) is answered
                           only after 120 s
  --redirect-loop-banner   the banner redirects to itself without end
  --update-address URL     the update address of the parameters reply, as given
  --long-first-logins      the first login reply accepts with a landing address of
                           10,000 characters, the second refuses with a reason of as many

Text: query values are taken as bytes (percent-decoded) in the client's code page,
GBK; replies are UTF-8 and say so in their Content-Type header.

Python standard library only.
"""

import argparse
import hashlib
import hmac
import html
import http.server
import json
import secrets
import sys
import threading
import time
import urllib.parse

SIGNING_KEY = b"9c41f07d2be85a36c1d94e0f7a2b6358"
CLIENT_CODE_PAGE = "gbk"
LOGIN_PATH = "/lanquemsg_v2/index.php/Login/"
LANDING_PATH = "/lanquemsg_v2/index.php/Index/index"
PAGE_STATE_PATH = "/lanquemsg_v2/index.php/Index/client_state"
UPDATE_PATH = "/lanquemsg_v2/download/"
CONTROL_PATH = "/control/"
DEMO_ACCOUNT = ("10001", "lanque123")

REFUSE_MISSING = "请求参数不全"
REFUSE_TIMESTAMP = "时间戳无效"
REFUSE_NONCE_UNKNOWN = "随机码无效或已使用"
REFUSE_NONCE_EXPIRED = "随机码已过期"
REFUSE_SIGNATURE = "签名错误"
REFUSE_ACCOUNT = "用户号码或密码错误"


def md5_hex(data: bytes) -> str:
    return hashlib.md5(data).hexdigest()


def parse_query_bytes(query: str) -> dict:
    """Query values as raw bytes: percent-decoded, '+' read as a blank, first key wins.

    The request line arrives decoded as Latin-1, so raw (unencoded) code-page bytes
    survive the round trip through encode("latin-1")."""
    values = {}
    for pair in query.split("&"):
        if not pair:
            continue
        key, _, value = pair.partition("=")
        raw = value.encode("latin-1", "replace").replace(b"+", b" ")
        values.setdefault(key, urllib.parse.unquote_to_bytes(raw))
    return values


class Faults:
    """Which bad replies the service serves; none by default."""

    OVERSIZED_BYTES = 17 << 20
    LONG_REPLY_CHARACTERS = 10000
    HANG_SECONDS = 120

    def __init__(self, nul_in_replies=False, oversized_first_login=False, hang_first=None,
                 redirect_loop_banner=False, update_address=None, long_first_logins=False):
        self.nul_in_replies = nul_in_replies
        self.oversized_first_login = oversized_first_login
        self.hang_first = hang_first  # "param", "nonce", "login" or None
        self.redirect_loop_banner = redirect_loop_banner
        self.update_address = update_address
        self.long_first_logins = long_first_logins
        self._lock = threading.Lock()
        self._served = set()

    def first(self, what) -> bool:
        """True the first time it is asked about `what`."""
        with self._lock:
            if what in self._served:
                return False
            self._served.add(what)
            return True


class ServiceState:
    """Accounts, outstanding nonces, sessions and the pending page events."""

    def __init__(self, accounts, client_version="1.00", poll_seconds=10,
                 nonce_lifetime=120.0, clock=time.monotonic):
        self.accounts = dict(accounts)
        self.client_version = client_version
        self.poll_seconds = poll_seconds
        self.nonce_lifetime = nonce_lifetime
        self.clock = clock
        self._lock = threading.Lock()
        self._nonces = {}      # nonce -> time issued
        self._sessions = {}    # session token -> user number
        self._new_msg = None   # pending count, handed out once
        self._exit = False     # pending exit request, handed out once

    def issue_nonce(self) -> str:
        nonce = secrets.token_hex(8)
        with self._lock:
            now = self.clock()
            for old in [n for n, t in self._nonces.items() if now - t > self.nonce_lifetime]:
                del self._nonces[old]
            self._nonces[nonce] = now
        return nonce

    def take_nonce(self, nonce: str):
        """Consumes the nonce; returns None when usable, else the refusal reason."""
        with self._lock:
            issued = self._nonces.pop(nonce, None)
            if issued is None:
                return REFUSE_NONCE_UNKNOWN
            if self.clock() - issued > self.nonce_lifetime:
                return REFUSE_NONCE_EXPIRED
            return None

    def check_login(self, values: dict):
        """Returns (session token, None) on success or (None, reason)."""
        keys = ("userid", "pwd", "timestamp", "nonce", "signature")
        if any(k not in values for k in keys):
            return None, REFUSE_MISSING
        userid, pwd, timestamp, nonce, signature = (values[k] for k in keys)
        if not timestamp.isdigit():
            return None, REFUSE_TIMESTAMP
        reason = self.take_nonce(nonce.decode("latin-1"))
        if reason:
            return None, reason
        expected = md5_hex(SIGNING_KEY + timestamp + nonce + userid)
        if not hmac.compare_digest(expected.encode(), signature.lower()):
            return None, REFUSE_SIGNATURE
        try:
            user = userid.decode(CLIENT_CODE_PAGE)
        except UnicodeDecodeError:
            return None, REFUSE_ACCOUNT
        password = self.accounts.get(user)
        if password is None or not hmac.compare_digest(
                md5_hex(password.encode(CLIENT_CODE_PAGE)).encode(), pwd):
            return None, REFUSE_ACCOUNT
        token = secrets.token_hex(12)
        with self._lock:
            self._sessions[token] = user
        return token, None

    def session_user(self, token):
        with self._lock:
            return self._sessions.get(token)

    def raise_new_msg(self, count: str):
        with self._lock:
            self._new_msg = count

    def raise_exit(self):
        with self._lock:
            self._exit = True

    def take_page_events(self):
        """The pending (new message count, exit) events; each is handed out once."""
        with self._lock:
            events = (self._new_msg, "1" if self._exit else None)
            self._new_msg, self._exit = None, False
            return events


BANNER_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>蓝鹊商务版</title></head>
<body style="margin:0;overflow:hidden">
<div style="width:289px;height:97px;background:#1d5fa8;color:#fff;font:bold 20px sans-serif;
text-align:center;line-height:60px">蓝鹊商务版<div style="font:12px sans-serif;line-height:20px">
企业短信 · 随时随地</div></div>
</body></html>
"""

UPDATE_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>蓝鹊商务版 下载</title></head>
<body><h1>蓝鹊商务版</h1><p>请下载并安装新版本客户端 {version}。</p></body></html>
"""

LANDING_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>蓝鹊商务版</title></head>
<body>
<h1>蓝鹊商务版</h1>
<p>欢迎，{user}。</p>
<form><input type="hidden" id="client_new_msg" value="{new_msg}">
<input type="hidden" id="client_exit" value="{exit}"></form>
<script>
(function () {{
  function poll() {{
    var request = new XMLHttpRequest();
    request.onreadystatechange = function () {{
      if (request.readyState !== 4 || request.status !== 200) return;
      var state = JSON.parse(request.responseText);
      if (state.new_msg !== null) document.getElementById("client_new_msg").value = state.new_msg;
      if (state.exit !== null) document.getElementById("client_exit").value = state.exit;
    }};
    request.open("GET", "{state_path}?session={session}&t=" + new Date().getTime(), true);
    request.send(null);
  }}
  setInterval(poll, 1000);
}})();
</script>
</body></html>
"""

NOT_SIGNED_IN_PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>蓝鹊商务版</title></head>
<body><p>请先登录。</p></body></html>
"""


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "lanque-service/1.0"

    @property
    def state(self) -> ServiceState:
        return self.server.state

    def log_message(self, format, *args):  # one line per request is written by log_request_line
        pass

    def base_address(self) -> str:
        host = self.headers.get("Host") or "%s:%d" % self.server.server_address[:2]
        return "http://" + host

    @property
    def faults(self) -> Faults:
        return self.server.faults

    def do_GET(self):
        path, _, query = self.path.partition("?")
        if self.faults.redirect_loop_banner and path == LOGIN_PATH + "client_login_ad":
            self.log_request_line(302, "redirect loop")
            self.send_response(302)
            self.send_header("Location", self.path)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        values = parse_query_bytes(query)
        status, content_type, body, note = self.route(path, values)
        if self.faults.nul_in_replies and content_type == "text/html":
            body = with_nuls(body)
        payload = body.encode("utf-8")
        # Logged before the reply goes out, so whoever reads the reply finds its line.
        self.log_request_line(status, note)
        self.send_response(status)
        self.send_header("Content-Type", content_type + "; charset=utf-8")
        self.send_header("Content-Length", str(len(payload)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(payload)

    do_POST = do_GET
    do_HEAD = do_GET

    def log_request_line(self, status, note):
        line = "%s %s %s %s %d%s" % (
            time.strftime("%Y-%m-%d %H:%M:%S"), self.client_address[0], self.command,
            self.path, status, " " + note if note else "")
        print(line, file=self.server.log or sys.stderr, flush=True)

    def route(self, path, values):
        """Returns (status, content type, body, log note)."""
        if path.startswith(LOGIN_PATH):
            return self.login_endpoint(path[len(LOGIN_PATH):], values)
        if path == LANDING_PATH:
            return self.landing_page(values)
        if path == PAGE_STATE_PATH:
            if self.state.session_user(values.get("session", b"").decode("latin-1")) is None:
                return 403, "application/json", "{}", "no session"
            new_msg, exit_flag = self.state.take_page_events()
            return 200, "application/json", json.dumps({"new_msg": new_msg, "exit": exit_flag}), ""
        if path == UPDATE_PATH:
            return 200, "text/html", UPDATE_PAGE.format(version=self.state.client_version), ""
        if path.startswith(CONTROL_PATH):
            return self.control(path[len(CONTROL_PATH):], values)
        return 404, "text/html", "<html><body>404 Not Found</body></html>", ""

    def reply_text(self, text, note=""):
        """A reply read by the client as the page's text: HTML-escaped, no markup."""
        return 200, "text/html", html.escape(text, quote=False), note

    def login_endpoint(self, name, values):
        request = {"client_get_param": "param", "client_get_nonce": "nonce", "client_login": "login"}.get(name)
        if request and request == self.faults.hang_first and self.faults.first("hang"):
            time.sleep(Faults.HANG_SECONDS)
        if name == "client_get_param":
            update = self.faults.update_address or self.base_address() + UPDATE_PATH
            return self.reply_text("%s|%s|%d" % (self.state.client_version, update,
                                                 self.state.poll_seconds))
        if name == "client_login_ad":
            return 200, "text/html", BANNER_PAGE, ""
        if name == "client_get_nonce":
            nonce = self.state.issue_nonce()
            return self.reply_text(nonce, "nonce " + nonce)
        if name == "client_login":
            if self.faults.oversized_first_login and self.faults.first("login"):
                padding = "<!--%s-->" % (" " * Faults.OVERSIZED_BYTES)
                return 200, "text/html", "FALSE|" + padding, "oversized"
            if self.faults.long_first_logins:
                long_text = "x" * Faults.LONG_REPLY_CHARACTERS
                if self.faults.first("long accepted"):
                    landing = "%s%s?pad=%s" % (self.base_address(), LANDING_PATH, long_text)
                    return self.reply_text("TRUE|" + landing, "long landing address")
                if self.faults.first("long refused"):
                    return self.reply_text("FALSE|" + long_text, "long reason")
            token, reason = self.state.check_login(values)
            if token is None:
                return self.reply_text("FALSE|" + reason, "refused: " + reason)
            landing = "%s%s?session=%s" % (self.base_address(), LANDING_PATH, token)
            return self.reply_text("TRUE|" + landing, "signed in")
        return 404, "text/html", "<html><body>404 Not Found</body></html>", ""

    def landing_page(self, values):
        token = values.get("session", b"").decode("latin-1")
        user = self.state.session_user(token)
        if user is None:
            return 200, "text/html", NOT_SIGNED_IN_PAGE, "no session"
        new_msg, exit_flag = self.state.take_page_events()
        page = LANDING_PAGE.format(user=html.escape(user), new_msg=html.escape(new_msg or "0"),
                                   exit=exit_flag or "0", state_path=PAGE_STATE_PATH,
                                   session=token)
        return 200, "text/html", page, ""

    def control(self, name, values):
        if name == "new_msg":
            count = values.get("count", b"1").decode("latin-1")
            if not count.isdigit():
                return 400, "text/plain", "count must be a decimal number\n", "bad count"
            self.state.raise_new_msg(count)
            return 200, "text/plain", "new_msg %s\n" % count, ""
        if name == "exit":
            self.state.raise_exit()
            return 200, "text/plain", "exit\n", ""
        return 404, "text/plain", "unknown control\n", ""


def with_nuls(page: str) -> str:
    """The page with a NUL in its head and one at the start of its body; a reply
    of bare text gets a head and a body around it."""
    if "<head>" not in page:
        page = "<html><head><title>lanque</title></head><body>%s</body></html>" % page
    return page.replace("<head>", "<head>\0", 1).replace("<body>", "<body>\0", 1)


class LanqueService(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, host, port, state: ServiceState, log=None, faults=None):
        super().__init__((host, port), Handler)
        self.state = state
        self.log = log  # where the request lines go; None: standard error
        self.faults = faults or Faults()

    @property
    def base_url(self) -> str:
        host, port = self.server_address[:2]
        return "http://%s:%d" % (host, port)


def parse_account(text):
    user, sep, password = text.partition(":")
    if not sep or not user:
        raise argparse.ArgumentTypeError("expected USER:PASSWORD")
    return user, password


def main(argv=None):
    parser = argparse.ArgumentParser(description="Stand-in lanque service on a local address.")
    parser.add_argument("--host", default="127.0.0.1", help="address to listen on (default loopback)")
    parser.add_argument("--port", type=int, default=8765, help="port; 0 picks a free one (default 8765)")
    parser.add_argument("--client-version", default="1.00",
                        help="client version the parameters reply reports (default 1.00)")
    parser.add_argument("--poll-seconds", type=int, default=10,
                        help="new-message poll interval the parameters reply reports (default 10)")
    parser.add_argument("--nonce-lifetime", type=float, default=120.0,
                        help="seconds a nonce stays usable (default 120)")
    parser.add_argument("--account", action="append", type=parse_account, metavar="USER:PASSWORD",
                        help="an account (repeatable); default the demo account %s:%s" % DEMO_ACCOUNT)
    parser.add_argument("--nul-in-replies", action="store_true",
                        help="put a NUL in the head and at the start of the body of every page")
    parser.add_argument("--oversized-first-login", action="store_true",
                        help="make the first login reply larger than the client takes")
    parser.add_argument("--hang-first", choices=("param", "nonce", "login"),
                        help="answer the first request of this kind only after %d s" % Faults.HANG_SECONDS)
    parser.add_argument("--redirect-loop-banner", action="store_true",
                        help="let the banner redirect to itself without end")
    parser.add_argument("--update-address", metavar="URL",
                        help="the update address of the parameters reply, as given")
    parser.add_argument("--long-first-logins", action="store_true",
                        help="accept the first login with a landing address of %d characters, "
                             "refuse the second with a reason of as many" % Faults.LONG_REPLY_CHARACTERS)
    args = parser.parse_args(argv)

    accounts = args.account or [DEMO_ACCOUNT]
    state = ServiceState(accounts, args.client_version, args.poll_seconds, args.nonce_lifetime)
    faults = Faults(args.nul_in_replies, args.oversized_first_login, args.hang_first,
                    args.redirect_loop_banner, args.update_address, args.long_first_logins)
    server = LanqueService(args.host, args.port, state, faults=faults)
    print("listening: %s" % server.base_url, flush=True)
    for user, password in accounts:
        print("account: user number %s, password %s" % (user, password), flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
