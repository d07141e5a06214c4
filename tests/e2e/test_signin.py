"""End to end: the Windows client under Wine against the stand-in service.

Run by CTest in the Windows tree, inside the Wine environment of scripts/test:
    test_signin.py LANQUE_EXE WINDOW_PROBE_EXE SERVICE_SCRIPT
"""

import os
import subprocess
import sys
import time
import unittest
import urllib.request

LANQUE_EXE, PROBE_EXE, SERVICE_SCRIPT = sys.argv[1:4]
LOGIN_CAPTION = "蓝鹊商务版登陆"
SIGNED_IN_CAPTION = "蓝鹊商务版"


class StandInService:
    def __init__(self):
        self.process = subprocess.Popen(
            [sys.executable, "-u", SERVICE_SCRIPT, "--port", "0", "--poll-seconds", "1"],
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


def forget_remembered_accounts():
    for key in (r"HKLM\Software\Wow6432Node\lanque", r"HKLM\Software\lanque"):
        subprocess.run(["wine", "reg", "delete", key, "/f"], capture_output=True, timeout=60)


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

    def test_sign_in_by_hand_then_the_page_asks_the_client_to_exit(self):
        client = self.start_client()
        self.assertEqual(probe("signin", "10001", "lanque123").returncode, 0)
        self.assertEqual(self.signed_in_window(), "zoomed=1 minimizebox=1")
        self.exit_through_the_page(client)
        log = "\n".join(self.service.stop())
        for path in ("client_get_param", "client_login_ad", "client_get_nonce?userid=10001", "client_login?userid=10001&pwd="):
            self.assertIn(path, log)

    def test_a_remembered_account_signs_in_by_itself_at_the_next_start(self):
        client = self.start_client()
        self.assertEqual(probe("signin", "10001", "lanque123", "remember").returncode, 0)
        self.signed_in_window()
        self.exit_through_the_page(client)

        client = self.start_client()  # nobody types anything this time
        self.assertEqual(self.signed_in_window(), "zoomed=1 minimizebox=1")
        self.exit_through_the_page(client)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
