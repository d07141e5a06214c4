"""The packages under Wine: the silent installer, the program it installs, an
upgrade over a running copy, a move to another folder, the uninstaller with
and without the saved account, and the portable zip.

Run by CTest in the Windows tree, on the display scripts/test gives it:
    test_packages.py LANQUE_EXE WINDOW_PROBE_EXE INSTALLER PORTABLE_ZIP VERSION
It works in a scratch folder with a copy of the Wine template prefix and a
wineserver of its own, so it may run beside other tests; it ends only the
processes of that prefix.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

LANQUE_EXE, PROBE_EXE, INSTALLER, PORTABLE_ZIP, VERSION = sys.argv[1:6]
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.dirname(HERE))
import make_packages  # noqa: E402

PRODUCT = "蓝鹊商务版"
LOGIN_CAPTION = PRODUCT + "登陆"
UNINSTALL_ROOT = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall"
UNINSTALL_KEY = UNINSTALL_ROOT + r"\lanque"
ACCOUNT_KEY = r"HKLM\Software\Wow6432Node\lanque"  # the 32-bit view, where the program keeps it
MARKS = ("lanque", PRODUCT)  # what the program's traces in the registry contain


def wine_template():
    """The prepared template prefix, made first when missing."""
    script = f'. "{ROOT}/scripts/lib/wine-env.sh" && lanque_wine_make_template >&2 && printf %s "$LANQUE_WINE_TEMPLATE"'
    return subprocess.run(["bash", "-c", script], check=True, capture_output=True, text=True).stdout


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


class Prefix:
    """A Wine prefix of the test's own: a template copy with real Desktop and
    Documents folders (the template links them to the Unix home)."""

    def __init__(self, folder):
        self.root = os.path.join(folder, "prefix")
        shutil.copytree(wine_template(), self.root, symlinks=True)
        users = os.path.join(self.root, "drive_c", "users")
        user = next(name for name in os.listdir(users) if name != "Public")
        self.profile = os.path.join(users, user)
        for name in os.listdir(self.profile):
            path = os.path.join(self.profile, name)
            if os.path.islink(path):
                os.unlink(path)
                os.mkdir(path)
        # No menu builder: Wine would copy shortcuts into the Unix home's menus.
        self.env = dict(os.environ, WINEPREFIX=self.root, WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mshtml=d;mscoree=d;winemenubuilder.exe=d", LC_ALL="zh_CN.UTF-8")
        for name in ("http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY"):
            self.env.pop(name, None)
        # The server and the system processes that the first program starts
        # live on: they get no pipes of ours to hold open. The server ends by
        # itself half a minute after the last program, should the test die.
        subprocess.run(["wineserver", "-p30"], env=self.env, check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        self.call("cmd", "/c", "exit")  # the first program after a new server is slow

    def stop(self):
        """Ends every process of this prefix (all started by this test) and its server."""
        subprocess.run(["wineserver", "-k"], env=self.env, capture_output=True)

    def run(self, *args, timeout=120):
        """Runs a program that starts none that outlives it, and takes its output."""
        return subprocess.run(["wine", *args], env=self.env, capture_output=True, timeout=timeout)

    def call(self, *args, timeout=120):
        """Runs a program, which may leave others running; its exit code."""
        return subprocess.run(["wine", *args], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode

    def start(self, *args):
        return subprocess.Popen(["wine", *args], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def probe(self, *args):
        result = self.run(PROBE_EXE, *args, timeout=60)
        return result.returncode, result.stdout.decode("utf-8", "replace").strip()

    def unix(self, windows_path):
        """A C: path of the prefix as a Unix path."""
        assert windows_path[:3].upper() == "C:\\", windows_path
        return os.path.join(self.root, "drive_c", *windows_path[3:].split("\\"))

    def windows(self, unix_path):
        relative = os.path.relpath(unix_path, os.path.join(self.root, "drive_c"))
        return "C:\\" + relative.replace("/", "\\")

    def reg_values(self, key):
        """The values of a key as {name: text}, None when the key is missing."""
        result = self.run("reg", "query", key)
        if result.returncode != 0:
            return None
        values = {}
        for line in result.stdout.decode("gbk", "replace").splitlines():
            parts = line.strip().split("    ", 2)
            if len(parts) == 3 and parts[1].startswith("REG_"):
                values[parts[0]] = int(parts[2], 16) if parts[1] == "REG_DWORD" else parts[2]
        return values

    def reg_subkeys(self, key):
        """The keys right below a key, named from the same root as it ("HKCU\\...")."""
        out = self.run("reg", "query", key).stdout.decode("gbk", "replace")
        lines = [line.strip().replace("HKEY_CURRENT_USER", "HKCU").replace("HKEY_LOCAL_MACHINE", "HKLM")
                 for line in out.splitlines()]
        return [line for line in lines if line.upper().startswith(key.upper() + "\\")]

    def registry_traces(self):
        """Every line of the user's and the machine's software keys that names the program."""
        traces = set()
        for key in ("HKCU", r"HKLM\Software"):
            out = os.path.join(self.root, "export.reg")
            assert self.run("reg", "export", key, out, "/y").returncode == 0
            text = read_bytes(out).decode("utf-16")
            os.unlink(out)
            section = ""
            for line in text.splitlines():
                if line.startswith("["):
                    section = line
                if any(mark in line.lower() for mark in MARKS):
                    traces.add(section + " " + line)
        return traces

    def files(self):
        """Every file and folder below C:, as paths from there."""
        drive = os.path.join(self.root, "drive_c")
        found = set()
        for folder, folders, files in os.walk(drive):
            for name in folders + files:
                found.add(os.path.relpath(os.path.join(folder, name), drive))
        return found

    def wait_for_uninstaller(self, program, seconds=60):
        """The uninstaller runs on from a copy of itself (~nsuN.tmp\\Un.exe) once
        the started one has ended: done when it has removed itself and its copy is gone."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            copies = [pid for pid, cmdline in processes() if b"\\~nsu" in cmdline and b".tmp\\Un" in cmdline]
            if not os.path.exists(self.unix(program)) and not any(self.owns(pid) for pid in copies):
                return
            time.sleep(0.2)
        raise AssertionError("the uninstaller did not finish")

    def owns(self, pid):
        try:
            return ("WINEPREFIX=" + self.root).encode() in read_bytes(f"/proc/{pid}/environ").split(b"\0")
        except OSError:
            return False


def processes():
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            yield pid, read_bytes(f"/proc/{pid}/cmdline")
        except OSError:
            pass


class InstallerUnderWine(unittest.TestCase):
    maxDiff = None  # leftovers are shown whole

    def setUp(self):
        self.assertTrue(os.environ.get("DISPLAY"), "needs a display (scripts/test gives one)")
        self.scratch = tempfile.mkdtemp(prefix="lanque-packages-")
        self.prefix = Prefix(self.scratch)
        self.local = os.path.join(self.prefix.profile, "AppData", "Local")
        self.default_folder = os.path.join(self.local, "Programs", PRODUCT)
        self.start_menu = os.path.join(self.prefix.profile, "AppData", "Roaming", "Microsoft", "Windows",
                                       "Start Menu", "Programs")
        self.desktop = os.path.join(self.prefix.profile, "Desktop")

    def tearDown(self):
        self.prefix.stop()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def install(self, *switches):
        self.assertEqual(self.prefix.call(INSTALLER, "/S", *switches), 0, "the installer failed")

    def uninstall(self, *switches):
        quiet = self.prefix.reg_values(UNINSTALL_KEY)["QuietUninstallString"]
        program, rest = quiet[1:].split('" ', 1)
        self.prefix.call(program, *rest.split(), *switches)
        self.prefix.wait_for_uninstaller(program)

    def assert_one_install_in(self, folder, kept=()):
        """The program's files (and those kept), one shortcut to it, and one
        uninstall entry with its values."""
        self.assertEqual(sorted(os.listdir(folder)), sorted(["lanque.exe", "uninstall.exe", *kept]))
        self.assertEqual(read_bytes(os.path.join(folder, "lanque.exe")), read_bytes(LANQUE_EXE))
        program = self.prefix.windows(os.path.join(folder, "lanque.exe"))
        location = self.prefix.windows(folder)

        shortcuts = [name for name in os.listdir(self.start_menu) if name.endswith(".lnk")]
        self.assertEqual(shortcuts, [PRODUCT + ".lnk"])
        code, target = self.prefix.probe("shortcut", self.prefix.windows(os.path.join(self.start_menu, shortcuts[0])))
        self.assertEqual(code, 0)
        self.assertEqual(target, f"{program}|{location}|{program},0")
        self.assertEqual([name for name in os.listdir(self.desktop) if name.endswith(".lnk")], [])

        entries = [key for key in self.prefix.reg_subkeys(UNINSTALL_ROOT)
                   if (self.prefix.reg_values(key) or {}).get("DisplayName") == PRODUCT]
        self.assertEqual(entries, [UNINSTALL_KEY])
        values = self.prefix.reg_values(UNINSTALL_KEY)
        size_kb = sum(os.path.getsize(os.path.join(folder, name)) for name in os.listdir(folder)) // 1024
        self.assertEqual(values, {
            "DisplayName": PRODUCT, "DisplayVersion": VERSION, "Publisher": "lanque",
            "DisplayIcon": program + ",0", "InstallLocation": location, "EstimatedSize": size_kb,
            "UninstallString": f'"{location}\\uninstall.exe"',
            "QuietUninstallString": f'"{location}\\uninstall.exe" /S', "NoModify": 1, "NoRepair": 1})
        self.assertEqual(self.prefix.probe("version", program), (0, VERSION))

    def test_install_start_upgrade_move_and_uninstall(self):
        moved = os.path.join(self.prefix.root, "drive_c", "Apps", PRODUCT)
        # Folders that are there before the program, as on Windows: the
        # per-user programs folder, and the one the user picks for it.
        os.makedirs(os.path.dirname(self.default_folder))
        os.makedirs(os.path.dirname(moved))
        files_before = self.prefix.files()
        traces_before = self.prefix.registry_traces()

        self.install()
        self.assert_one_install_in(self.default_folder)

        program = self.prefix.windows(os.path.join(self.default_folder, "lanque.exe"))
        client = self.prefix.start(program, "/service=http://127.0.0.1:9/")
        self.assertEqual(self.prefix.probe("rect", LOGIN_CAPTION, "30")[0], 0, "no login window")
        self.install()  # over the running copy: it is asked to close first
        self.assertEqual(client.wait(timeout=30), 0)
        self.assertEqual(self.prefix.probe("rect", LOGIN_CAPTION, "0")[0], 1)
        self.assert_one_install_in(self.default_folder)

        # Installed into another folder: the first install goes, its config.ini moves along.
        with open(os.path.join(self.default_folder, "config.ini"), "w") as f:
            f.write("[ACCOUNT]\nUserId=10001\n")
        self.install("/D=" + self.prefix.windows(moved))
        self.assertFalse(os.path.exists(self.default_folder))
        with open(os.path.join(moved, "config.ini")) as f:
            self.assertEqual(f.read(), "[ACCOUNT]\nUserId=10001\n")
        self.assert_one_install_in(moved, kept=["config.ini"])

        # The saved account stays through an uninstall, with nothing else.
        self.assertEqual(self.prefix.run("reg", "add", r"HKLM\Software\lanque", "/v", "UserId", "/d", "10001",
                                         "/f", "/reg:32").returncode, 0)
        self.uninstall()
        self.assertEqual(os.listdir(moved), ["config.ini"])
        self.assertEqual(self.prefix.reg_values(ACCOUNT_KEY), {"UserId": "10001"})
        self.assertIsNone(self.prefix.reg_values(UNINSTALL_KEY))
        self.assertFalse(os.path.exists(os.path.join(self.start_menu, PRODUCT + ".lnk")))

        # Asked to, the uninstaller removes it too, and the per-user store: nothing is left.
        self.install("/D=" + self.prefix.windows(moved))
        user_store = os.path.join(self.prefix.profile, "AppData", "Roaming", "lanque")
        os.makedirs(user_store)
        with open(os.path.join(user_store, "config.ini"), "w") as f:
            f.write("[ACCOUNT]\nUserId=10001\n")
        self.uninstall("/REMOVEACCOUNT")
        left = self.prefix.files() - files_before
        self.assertEqual(sorted(path for path in left if not self.is_uninstaller_copy(path)), [])
        self.assertEqual(sorted(self.prefix.registry_traces() - traces_before), [])

    def is_uninstaller_copy(self, path):
        """The uninstaller's copy of itself in the temporary folder, which goes at the next restart."""
        temp = os.path.relpath(os.path.join(self.prefix.profile, "Temp"), os.path.join(self.prefix.root, "drive_c"))
        parts = os.path.relpath(path, temp).split(os.sep)
        return re.fullmatch(r"~nsu\d+\.tmp", parts[0]) is not None and parts[1:] in ([], ["Un.exe"])


class PortableZip(unittest.TestCase):
    def test_the_program_and_a_read_me(self):
        with zipfile.ZipFile(PORTABLE_ZIP) as archive:
            self.assertEqual(archive.namelist(), ["lanque.exe", "README.txt"])
            self.assertEqual(archive.read("lanque.exe"), read_bytes(LANQUE_EXE))
            read_me = archive.read("README.txt")
        self.assertTrue(read_me.startswith(b"\xef\xbb\xbf"))
        self.assertNotIn(b"\n", read_me.replace(b"\r\n", b""))
        self.assertIn("lanque.exe", read_me.decode("utf-8"))
        self.assertIn("%APPDATA%\\lanque\\config.ini", read_me.decode("utf-8"))

    def test_the_same_program_gives_the_same_packages_later_and_elsewhere(self):
        scratch = tempfile.mkdtemp(prefix="lanque-packages-again-")
        try:
            program = os.path.join(scratch, "copy", "lanque.exe")
            os.makedirs(os.path.dirname(program))
            shutil.copyfile(LANQUE_EXE, program)
            later = time.time() + 3600
            os.utime(program, (later, later))
            make_packages.main(program, VERSION, os.path.join(scratch, "dist"))
            for built in (INSTALLER, PORTABLE_ZIP):
                again = os.path.join(scratch, "dist", os.path.basename(built))
                self.assertEqual(read_bytes(again), read_bytes(built), os.path.basename(built))
        finally:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
