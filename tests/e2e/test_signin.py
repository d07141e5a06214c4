"""End to end: the Windows client under Wine against the stand-in service.

Run by CTest in the Windows tree, inside the Wine environment of scripts/test:
    test_signin.py LANQUE_EXE WINDOW_PROBE_EXE SERVICE_SCRIPT
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

LANQUE_EXE, PROBE_EXE, SERVICE_SCRIPT = sys.argv[1:4]
LOGIN_CAPTION = "蓝鹊商务版登陆"
SIGNED_IN_CAPTION = "蓝鹊商务版"


class StandInService:
    def __init__(self, *options):
        self.process = subprocess.Popen(
            [sys.executable, "-u", SERVICE_SCRIPT, "--port", "0", "--poll-seconds", "1", *options],
            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        first = self.process.stdout.readline().strip()
        assert first.startswith("listening: "), first
        self.base = first[len("listening: "):]
        self.lines = []

    def control(self, what):
        urllib.request.urlopen(self.base + "/control/" + what, timeout=5).read()

    def stop(self):
        self.process.terminate()
        out, _ = self.process.communicate(timeout=10)
        self.lines = out.splitlines()
        return self.lines


def probe(*args, timeout=60):
    return subprocess.run(["wine", PROBE_EXE, *args], capture_output=True, text=True, timeout=timeout)


ACCOUNT_KEY = r"HKLM\Software\Wow6432Node\lanque"  # the 32-bit view, where the client keeps it
DEMO_DIGEST = "a9ceb0adeaad3ed81c036d64db946933"  # md5("lanque123")


def forget_remembered_accounts():
    for key in (ACCOUNT_KEY, r"HKLM\Software\lanque"):
        subprocess.run(["wine", "reg", "delete", key, "/f"], capture_output=True, timeout=60)


def remembered_account():
    """The three stored values, absent ones as None."""
    out = subprocess.run(["wine", "reg", "query", ACCOUNT_KEY], capture_output=True, text=True, timeout=60).stdout
    values = {}
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[1] == "REG_SZ":
            values[parts[0].lower()] = parts[2].strip() if len(parts) == 3 else ""
    return tuple(values.get(name) for name in ("userid", "password", "autorun"))


class SignInEndToEnd(unittest.TestCase):
    def setUp(self):
        forget_remembered_accounts()
        self.service = StandInService()
        self.clients = []

    def tearDown(self):
        for client in self.clients:
            if client.poll() is None:
                client.kill()
                client.wait()
        self.service.stop()

    def start_client(self):
        client = subprocess.Popen(["wine", LANQUE_EXE, "/service=" + self.service.base, "/engine=page"])
        self.clients.append(client)
        return client

    def signed_in_window(self):
        result = probe("wait", SIGNED_IN_CAPTION, "30")
        self.assertEqual(result.returncode, 0, "the signed-in page view did not appear")
        return result.stdout.strip()

    def exit_through_the_page(self, client):
        self.service.control("exit")
        self.assertEqual(client.wait(timeout=30), 0)

    def dialog(self, caption, button):
        result = probe("dialog", caption, "30", button)
        self.assertEqual(result.returncode, 0, "no message box " + caption)
        return result.stdout.strip()

    def test_sign_in_by_hand_then_the_page_asks_the_client_to_exit(self):
        client = self.start_client()
        self.assertEqual(probe("signin", " 10001 ", "lanque123").returncode, 0)
        self.assertEqual(self.signed_in_window(), "zoomed=1 minimizebox=1")
        self.assertEqual(remembered_account(), (None, None, None))  # no box ticked: nothing written
        self.exit_through_the_page(client)
        log = "\n".join(self.service.stop())
        for path in ("client_get_param", "client_login_ad", "client_get_nonce?userid=%2010001%20",
                     "client_login?userid=10001&pwd=" + DEMO_DIGEST + "&timestamp="):
            self.assertIn(path, log)

    def test_remembering_only_the_number_stores_no_digest(self):
        client = self.start_client()
        self.assertEqual(probe("signin", "10001", "lanque123", "number").returncode, 0)
        self.signed_in_window()
        self.assertEqual(remembered_account(), ("10001", "", "0"))
        self.exit_through_the_page(client)

    def test_a_remembered_account_signs_in_by_itself_at_the_next_start(self):
        client = self.start_client()
        self.assertEqual(probe("signin", "10001", "lanque123", "auto").returncode, 0)
        self.signed_in_window()
        self.assertEqual(remembered_account(), ("10001", DEMO_DIGEST, "1"))
        self.exit_through_the_page(client)

        client = self.start_client()  # nobody types anything this time
        self.assertEqual(self.signed_in_window(), "zoomed=1 minimizebox=1")
        self.exit_through_the_page(client)
        logins = [line for line in self.service.stop() if "client_login?" in line]
        self.assertEqual(len(logins), 2)
        self.assertIn("pwd=" + DEMO_DIGEST, logins[1])

    def test_a_refused_sign_in_says_why_and_gives_the_button_back(self):
        client = self.start_client()
        self.assertEqual(probe("signin", "10001", "wrong").returncode, 0)
        self.assertEqual(self.dialog("lanque", "ok"), "登陆失败:用户号码或密码错误")
        time.sleep(0.5)
        self.assertEqual(probe("button").stdout.strip(), "enabled=1")
        client.kill()


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


HTTP_OPEN_COMMAND = r"HKCR\http\shell\open\command"


def reg_default(key):
    out = subprocess.run(["wine", "reg", "query", key, "/ve"], capture_output=True, text=True,
                         errors="replace", timeout=60).stdout
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[1] == "REG_SZ":
            return parts[2].strip()
    return None


def set_reg_default(key, value):
    subprocess.run(["wine", "reg", "add", key, "/ve", "/d", value, "/f"], capture_output=True, timeout=60)


class HostileServiceEndToEnd(unittest.TestCase):
    """Bad replies end in the client's own paths. Each run groups several of them."""

    def setUp(self):
        forget_remembered_accounts()
        self.service = None
        self.client = None

    def tearDown(self):
        if self.client and self.client.poll() is None:
            self.client.kill()
            self.client.wait()
        if self.service:
            self.service.stop()

    def start(self, *service_options, switches=("/engine=page",)):
        self.service = StandInService(*service_options)
        self.client = subprocess.Popen(["wine", LANQUE_EXE, "/service=" + self.service.base, *switches])

    def message(self, expected_start):
        result = probe("dialog", "lanque", "30", "ok")
        self.assertEqual(result.returncode, 0, "no message box " + expected_start)
        text = result.stdout.strip()
        self.assertTrue(text.startswith(expected_start), text)
        return text

    def sign_in_and_leave(self):
        self.assertEqual(probe("signin", "10001", "lanque123").returncode, 0)
        self.assertEqual(probe("wait", SIGNED_IN_CAPTION, "30").returncode, 0)
        self.service.control("exit")
        self.assertEqual(self.client.wait(timeout=30), 0)

    def test_nul_bytes_in_every_reply_and_an_oversized_login_reply(self):
        # Parameters, nonce, login result and landing page all carry NULs.
        self.start("--nul-in-replies", "--oversized-first-login")
        self.assertEqual(probe("signin", "10001", "lanque123").returncode, 0)
        self.message("登陆异常！")
        failed = self.message("登陆失败:无法显示此页")
        self.assertIn("页面过大", failed)
        time.sleep(0.5)
        self.assertEqual(probe("button").stdout.strip(), "enabled=1")
        self.sign_in_and_leave()

    def test_long_login_replies_give_short_messages_inside_the_screen(self):
        # A landing address of 10,000 characters is refused in a short text;
        # a reason of as many is cut at 200 characters; both boxes keep to the
        # work area of the 1280 x 1024 desktop.
        self.start("--long-first-logins")
        for wanted in ("登陆失败:服务返回的登陆地址无效", "登陆失败:" + "x" * 200 + "…"):
            self.assertEqual(probe("signin", "10001", "lanque123").returncode, 0)
            box = probe("boxrect", "lanque", "30")
            self.assertEqual(box.returncode, 0, "no message box for " + wanted[:20])
            x, _, width, _ = (int(v) for v in box.stdout.split())
            self.assertGreaterEqual(x, 0)
            self.assertLessEqual(x + width, 1280)
            self.assertEqual(self.message("登陆失败:"), wanted)
            time.sleep(0.5)
        self.sign_in_and_leave()

    def test_a_hanging_reply_and_a_redirect_loop_end_in_the_failure_path(self):
        # The banner redirects without end and the first login reply never
        # comes: the banner shows an error page after a few hops, the login
        # attempt fails at the page deadline, and the next attempt signs in.
        self.start("--hang-first", "login", "--redirect-loop-banner", switches=("/timeout=3",))
        self.assertEqual(probe("signin", "10001", "lanque123").returncode, 0)
        self.message("登陆异常！")
        self.assertIn("超时", self.message("登陆失败:无法显示此页"))
        time.sleep(0.5)
        self.sign_in_and_leave()
        log = self.service.stop()
        self.service = None
        self.assertLessEqual(sum("client_login_ad 302" in line for line in log), 6)


class UpdateAddressEndToEnd(unittest.TestCase):
    """The shell's handler of http addresses is replaced by a recorder while these run."""

    def setUp(self):
        forget_remembered_accounts()
        self.folder = tempfile.mkdtemp(prefix="lanque-e2e-")
        self.launched = os.path.join(self.folder, "launched.txt")
        self.handler = reg_default(HTTP_OPEN_COMMAND)
        set_reg_default(HTTP_OPEN_COMMAND, '"%s" record "%s" "%%1"' % (windows_path(PROBE_EXE),
                                                                       windows_path(self.launched)))

    def tearDown(self):
        if self.handler is not None:
            set_reg_default(HTTP_OPEN_COMMAND, self.handler)
        shutil.rmtree(self.folder, ignore_errors=True)

    def launches(self):
        if not os.path.exists(self.launched):
            return []
        with open(self.launched, encoding="utf-8") as lines:
            return [line.rstrip("\n") for line in lines]

    def update_offered(self, *service_options):
        service = StandInService("--client-version", "1.01", *service_options)
        client = subprocess.Popen(["wine", LANQUE_EXE, "/service=" + service.base, "/engine=page"])
        try:
            self.assertEqual(probe("dialog", "版本更新", "30", "ok").stdout.strip(), "有新版本，需要更新...")
            self.assertEqual(probe("dialog", "系统退出提醒", "30", "yes").stdout.strip(), "\\n你确定要退出吗？\\n")
            self.assertEqual(client.wait(timeout=30), 0)
            return service.base
        finally:
            if client.poll() is None:
                client.kill()
            service.stop()

    def test_only_a_complete_web_address_is_handed_to_the_shell(self):
        base = self.update_offered()
        deadline = time.time() + 15
        while not self.launches() and time.time() < deadline:
            time.sleep(0.2)
        self.assertEqual(self.launches(), ["[%s/lanquemsg_v2/download/]" % base])

        self.update_offered("--update-address", 'http://127.0.0.1:1/setup.exe" file:///c:/windows/notepad.exe')
        self.update_offered("--update-address", "http://127.0.0.1:1/" + "a" * 5000)
        time.sleep(1)
        self.assertEqual(len(self.launches()), 1)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
