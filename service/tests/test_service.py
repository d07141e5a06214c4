"""The stand-in service over real HTTP on loopback."""

import hashlib
import io
import os
import subprocess
import sys
import threading
import unittest
import urllib.parse
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
import lanque_service as svc  # noqa: E402

API = "/lanquemsg_v2/index.php/Login/"
OPENER = urllib.request.build_opener(urllib.request.ProxyHandler({}))


def md5(data: bytes) -> str:
    return hashlib.md5(data).hexdigest()


class FakeClock:
    def __init__(self):
        self.now = 1000.0

    def __call__(self):
        return self.now


class ServiceTest(unittest.TestCase):
    def setUp(self):
        self.clock = FakeClock()
        state = svc.ServiceState([("10001", "lanque123"), ("张三", "密码 1")], client_version="1.00",
                                 poll_seconds=60, nonce_lifetime=120, clock=self.clock)
        self.log = io.StringIO()
        self.server = svc.LanqueService("127.0.0.1", 0, state, log=self.log)
        self.thread = threading.Thread(target=self.server.serve_forever, args=(0.05,), daemon=True)
        self.thread.start()
        self.base = self.server.base_url

    def tearDown(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join()

    def get(self, path):
        """(status, content type, body text) of a GET."""
        try:
            with OPENER.open(self.base + path, timeout=5) as reply:
                return reply.status, reply.headers["Content-Type"], reply.read().decode("utf-8")
        except urllib.error.HTTPError as error:
            return error.code, error.headers["Content-Type"], error.read().decode("utf-8")

    def text(self, path):
        status, content_type, body = self.get(path)
        self.assertEqual(status, 200)
        self.assertEqual(content_type, "text/html; charset=utf-8")
        return body

    def nonce(self, userid="10001"):
        return self.text(API + "client_get_nonce?userid=" + userid)

    def login(self, user_bytes, password, nonce=None, ts="1700000000", signature=None, pwd=None):
        nonce = self.nonce() if nonce is None else nonce
        if signature is None:
            signature = md5(svc.SIGNING_KEY + ts.encode() + nonce.encode() + user_bytes)
        if pwd is None:
            pwd = md5(password.encode("gbk"))
        q = urllib.parse.quote_from_bytes
        query = "userid=%s&pwd=%s&timestamp=%s&nonce=%s&signature=%s" % (
            q(user_bytes, safe=""), pwd, ts, nonce, signature)
        return self.text(API + "client_login?" + query)

    def test_parameters_reply_carries_version_update_address_and_poll_seconds(self):
        version, update, seconds = self.text(API + "client_get_param").split("|")
        self.assertEqual((version, seconds), ("1.00", "60"))
        self.assertEqual(update, self.base + svc.UPDATE_PATH)
        self.assertIn("1.00", self.text(svc.UPDATE_PATH))

    def test_banner_page_is_html_of_the_banner_size(self):
        page = self.text(API + "client_login_ad")
        self.assertIn("width:289px;height:97px", page)

    def test_every_nonce_request_gets_a_fresh_nonce(self):
        nonces = {self.nonce() for _ in range(5)}
        self.assertEqual(len(nonces), 5)
        self.assertTrue(all(len(n) == 16 for n in nonces))

    def test_signed_login_is_accepted_with_a_landing_address(self):
        result, landing = self.login(b"10001", "lanque123").split("|", 1)
        self.assertEqual(result, "TRUE")
        self.assertTrue(landing.startswith(self.base + svc.LANDING_PATH + "?session="))
        page = self.text(landing[len(self.base):])
        self.assertIn('id="client_new_msg" value="0"', page)
        self.assertIn('id="client_exit" value="0"', page)

    def test_code_page_user_number_is_signed_and_checked_over_its_gbk_bytes(self):
        self.assertTrue(self.login("张三".encode("gbk"), "密码 1").startswith("TRUE|"))
        # The same number signed over its UTF-8 bytes does not match.
        nonce = self.nonce()
        utf8_signature = md5(svc.SIGNING_KEY + b"1700000000" + nonce.encode() + "张三".encode())
        self.assertEqual(self.login("张三".encode("gbk"), "密码 1", nonce=nonce,
                                    signature=utf8_signature), "FALSE|" + svc.REFUSE_SIGNATURE)

    def test_refusals_name_their_reason(self):
        cases = [
            (dict(password="wrong"), svc.REFUSE_ACCOUNT),
            (dict(password="lanque123", user_bytes=b"99999"), svc.REFUSE_ACCOUNT),
            (dict(password="lanque123", pwd=""), svc.REFUSE_ACCOUNT),
            (dict(password="lanque123", signature="0" * 32), svc.REFUSE_SIGNATURE),
            (dict(password="lanque123", nonce="feedfacefeedface"), svc.REFUSE_NONCE_UNKNOWN),
            (dict(password="lanque123", ts="17x"), svc.REFUSE_TIMESTAMP),
        ]
        for arguments, reason in cases:
            arguments.setdefault("user_bytes", b"10001")
            with self.subTest(arguments=arguments):
                self.assertEqual(self.login(**arguments), "FALSE|" + reason)

    def test_missing_key_is_refused(self):
        nonce = self.nonce()
        self.assertEqual(self.text(API + "client_login?userid=10001&pwd=&timestamp=1&nonce=" + nonce),
                         "FALSE|" + svc.REFUSE_MISSING)

    def test_nonce_is_single_use_even_after_a_refusal(self):
        nonce = self.nonce()
        self.assertTrue(self.login(b"10001", "lanque123", nonce=nonce).startswith("TRUE|"))
        self.assertEqual(self.login(b"10001", "lanque123", nonce=nonce),
                         "FALSE|" + svc.REFUSE_NONCE_UNKNOWN)
        nonce = self.nonce()
        self.assertEqual(self.login(b"10001", "wrong", nonce=nonce), "FALSE|" + svc.REFUSE_ACCOUNT)
        self.assertEqual(self.login(b"10001", "lanque123", nonce=nonce),
                         "FALSE|" + svc.REFUSE_NONCE_UNKNOWN)

    def test_nonce_expires_after_its_lifetime(self):
        nonce = self.nonce()
        self.clock.now += 121
        self.assertEqual(self.login(b"10001", "lanque123", nonce=nonce),
                         "FALSE|" + svc.REFUSE_NONCE_EXPIRED)
        nonce = self.nonce()
        self.clock.now += 119
        self.assertTrue(self.login(b"10001", "lanque123", nonce=nonce).startswith("TRUE|"))

    def test_raw_unencoded_code_page_bytes_are_accepted_too(self):
        # An older client puts the GBK bytes into the address as they stand.
        nonce = self.nonce()
        user = "张三".encode("gbk")
        signature = md5(svc.SIGNING_KEY + b"5" + nonce.encode() + user)
        values = svc.parse_query_bytes(
            ("userid=%s&pwd=%s&timestamp=5&nonce=%s&signature=%s" % (
                user.decode("latin-1"), md5("密码 1".encode("gbk")), nonce, signature)))
        self.assertIsNotNone(self.server.state.check_login(values)[0])
        self.assertEqual(svc.parse_query_bytes("a=1+2%2B3&a=9&b")["a"], b"1 2+3")

    def test_page_events_are_handed_out_once(self):
        landing = self.login(b"10001", "lanque123").split("|", 1)[1][len(self.base):]
        session = landing.split("session=")[1]
        state_path = svc.PAGE_STATE_PATH + "?session=" + session
        self.assertEqual(self.get("/control/new_msg?count=3")[0], 200)
        self.assertIn('"new_msg": "3"', self.get(state_path)[2])
        self.assertIn('"new_msg": null', self.get(state_path)[2])
        self.get("/control/exit")
        self.assertIn('id="client_exit" value="1"', self.text(landing))
        self.assertIn('id="client_exit" value="0"', self.text(landing))
        self.assertIn('"exit": null', self.get(state_path)[2])

    def test_page_state_and_landing_need_a_session(self):
        self.assertEqual(self.get(svc.PAGE_STATE_PATH + "?session=nope")[0], 403)
        page = self.text(svc.LANDING_PATH + "?session=nope")
        self.assertNotIn("client_exit", page)

    def test_control_rejects_a_count_that_is_not_a_number(self):
        self.assertEqual(self.get("/control/new_msg?count=x")[0], 400)
        self.assertEqual(self.get("/nothing/here")[0], 404)

    def test_each_request_is_logged_on_one_line(self):
        self.nonce()
        self.login(b"10001", "wrong")
        lines = self.log.getvalue().splitlines()
        self.assertEqual(len(lines), 3)
        self.assertIn("GET " + API + "client_get_nonce?userid=10001 200 nonce ", lines[0])
        self.assertTrue(lines[2].endswith("200 refused: " + svc.REFUSE_ACCOUNT))


class CommandLineTest(unittest.TestCase):
    def test_port_zero_prints_the_address_and_the_demo_account(self):
        script = os.path.join(os.path.dirname(__file__), "..", "lanque_service.py")
        process = subprocess.Popen([sys.executable, script, "--port", "0", "--client-version", "2.5"],
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            first = process.stdout.readline().split()
            self.assertEqual(first[0], "listening:")
            self.assertEqual(process.stdout.readline().strip(),
                             "account: user number 10001, password lanque123")
            with OPENER.open(first[1] + API + "client_get_param", timeout=5) as reply:
                self.assertTrue(reply.read().decode().startswith("2.5|"))
        finally:
            process.terminate()
            process.communicate(timeout=5)


if __name__ == "__main__":
    unittest.main()
