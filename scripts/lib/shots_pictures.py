#!/usr/bin/env python3
"""The picture work of scripts/shots.

  shots_pictures.py compare NEW_DIR OLD_DIR [NAME...]
  shots_pictures.py steady OUT FRAME...

compare: says, for each picture, whether it is the same, where it differs (the
bounding box of the differing pixels and their count), or that it is missing
on one side. Exits 1 when any picture differs or is missing, 0 otherwise.

steady: of frames grabbed over a second, writes OUT from the one with the
lowest sum of its pixels. A window with the focus in an edit shows its caret
in one half of each second (Wine's caret blinks on a timer of the program's
own, which no setting stops); the darker frame is the one with the caret on a
light field, so two runs write the same picture. More than two different
frames mean that something else still moves: that is said.

Pixels are read through ImageMagick's convert.
"""
import os
import shutil
import subprocess
import sys


def pixels(path):
    """(width, height, RGBA bytes) of a picture."""
    size = subprocess.run(["identify", "-format", "%w %h", path + "[0]"],
                          capture_output=True, text=True, check=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    data = subprocess.run(["convert", path + "[0]", "-depth", "8", "rgba:-"],
                          capture_output=True, check=True).stdout
    if len(data) != width * height * 4:
        raise RuntimeError(f"{path}: {len(data)} bytes of pixels for {width}x{height}")
    return width, height, data


def difference(new, old):
    """None when the pictures are equal, else a sentence saying where they differ."""
    new_w, new_h, new_px = pixels(new)
    old_w, old_h, old_px = pixels(old)
    if (new_w, new_h) != (old_w, old_h):
        return f"size {new_w}x{new_h}, was {old_w}x{old_h}"
    if new_px == old_px:
        return None
    stride = new_w * 4
    count = 0
    left, top, right, bottom = new_w, new_h, -1, -1
    for y in range(new_h):
        row_new = new_px[y * stride:(y + 1) * stride]
        row_old = old_px[y * stride:(y + 1) * stride]
        if row_new == row_old:
            continue
        top = min(top, y)
        bottom = y
        for x in range(new_w):
            if row_new[x * 4:x * 4 + 4] != row_old[x * 4:x * 4 + 4]:
                count += 1
                left = min(left, x)
                right = max(right, x)
    return (f"{count} pixels differ in {right - left + 1}x{bottom - top + 1} "
            f"at {left},{top} (to {right},{bottom})")


def steady(out, frames):
    pictures = {}
    for frame in frames:
        width, height, data = pixels(frame)
        pictures.setdefault(data, frame)
    chosen = min(pictures, key=sum)
    if len(pictures) > 2:
        print(f"shots: {os.path.basename(out)}: {len(pictures)} different frames in a second: "
              "something still moves")
    shutil.copyfile(pictures[chosen], out)
    return 0


def compare(new_dir, old_dir, wanted):
    for folder in (new_dir, old_dir):
        if not os.path.isdir(folder):
            print(f"shots: no folder {folder}", file=sys.stderr)
            return 2

    def names(folder):
        return {f[:-4] for f in os.listdir(folder) if f.endswith(".png")}

    new_names, old_names = names(new_dir), names(old_dir)
    if wanted:
        new_names &= wanted
        old_names &= wanted
    faults = same = 0
    for name in sorted(new_names | old_names):
        if name not in new_names:
            print(f"shots: {name}: missing here ({new_dir}), in {old_dir} only")
            faults += 1
            continue
        if name not in old_names:
            print(f"shots: {name}: new, not in {old_dir}")
            faults += 1
            continue
        found = difference(os.path.join(new_dir, name + ".png"), os.path.join(old_dir, name + ".png"))
        if found is None:
            same += 1
        else:
            print(f"shots: {name}: {found}")
            faults += 1
    print(f"shots: {same} same, {faults} different or missing")
    return 1 if faults else 0


def main(argv):
    if len(argv) >= 4 and argv[1] == "compare":
        return compare(argv[2], argv[3], set(argv[4:]))
    if len(argv) >= 4 and argv[1] == "steady":
        return steady(argv[2], argv[3:])
    print(__doc__.strip(), file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
