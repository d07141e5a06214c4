"""Makes the program's two packages from a built lanque.exe:
    lanque-setup-VERSION.exe       the installer (NSIS)
    lanque-VERSION-portable.zip    the program and a short read-me

    make_packages.py PROGRAM VERSION OUT_DIR

Both are reproducible: the same program and sources give the same bytes,
whenever and wherever they are made (fixed time stamps and attributes in the
zip; the installer stores no file times).
"""

import os
import subprocess
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ICON = os.path.join(HERE, "..", "app", "resources", "lanque.ico")
ZIP_TIME = (2026, 1, 1, 0, 0, 0)  # every entry's time stamp


def installer_name(version):
    return f"lanque-setup-{version}.exe"


def portable_name(version):
    return f"lanque-{version}-portable.zip"


def version_numbers(version):
    """"1.00" as the four numbers of a version resource: "1.0.0.0"."""
    numbers = [str(int(part)) for part in version.split(".")]
    return ".".join((numbers + ["0"] * 4)[:4])


def read_me():
    """The portable read-me as Notepad reads it everywhere: UTF-8 with a mark, CRLF."""
    with open(os.path.join(HERE, "README.txt"), encoding="utf-8") as f:
        text = f.read()
    return "\ufeff".encode("utf-8") + text.replace("\n", "\r\n").encode("utf-8")


def make_installer(program, version, out):
    subprocess.run(
        [os.environ.get("MAKENSIS", "makensis"), "-V2", "-INPUTCHARSET", "UTF8",
         f"-DVERSION={version}", f"-DVERSION_NUMBERS={version_numbers(version)}",
         f"-DPROGRAM={os.path.abspath(program)}", f"-DICON={os.path.abspath(ICON)}",
         f"-DOUTFILE={os.path.abspath(out)}", os.path.join(HERE, "lanque.nsi")],
        check=True, stdout=subprocess.DEVNULL)


def make_portable_zip(program, out):
    with open(program, "rb") as f:
        entries = [("lanque.exe", f.read()), ("README.txt", read_me())]
    with zipfile.ZipFile(out + ".part", "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, ZIP_TIME)
            info.create_system = 0  # MS-DOS attributes: none
            info.external_attr = 0
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)
    os.replace(out + ".part", out)


def main(program, version, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    make_installer(program, version, os.path.join(out_dir, installer_name(version)))
    make_portable_zip(program, os.path.join(out_dir, portable_name(version)))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
