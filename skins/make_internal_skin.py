#!/usr/bin/env python3
"""Draws the program's own internal skin: skins/internal/Options.dat,
Master.bmp (every piece on one sheet, magenta where the parent shows through),
ButtonHuge.bmp and ButtonGlow.bmp (with alpha). Standard library only; the output is the same on every run.

With --dark it draws the same pieces in a dark tone instead (skins/dark/ by
default): every neutral colour has its lightness turned round, saturated
accents keep theirs, masks and the magenta key stay as they are.

    python3 skins/make_internal_skin.py [--dark] [OUTPUT_DIR]
"""
import colorsys
import math
import os
import struct
import sys

MAGENTA = (255, 0, 255)
PAGE = (0xF4, 0xF6, 0xF9)      # window background
TEXT = (0x1F, 0x29, 0x37)
MUTED = (0x6B, 0x72, 0x80)
ACCENT = (0x2F, 0x6F, 0xD6)
ACCENT_DARK = (0x1F, 0x4E, 0x9C)
LINE = (0xC9, 0xD1, 0xDC)
HOT_LINE = (0x6E, 0x9B, 0xE6)
PRESS_LINE = (0x4F, 0x7F, 0xCC)
WHITE = (255, 255, 255)


def mix(a, b, t):
    """a * (1 - t) + b * t per channel."""
    return tuple(int(round(a[k] + (b[k] - a[k]) * t)) for k in range(3))


def hexc(s):
    return (int(s[0:2], 16), int(s[2:4], 16), int(s[4:6], 16))


def colour_value(rgb):
    """The decimal 0x00BBGGRR value of the options text."""
    return rgb[0] | rgb[1] << 8 | rgb[2] << 16


def light_tone(rgb):
    """The colours as drawn."""
    return rgb


def dark_tone(rgb):
    """Neutral colours with their lightness turned round (white becomes a deep
    slate, dark text a light grey); the more colourful a colour, the more it
    keeps its own lightness, only lifted a little so that dark accents still
    read on the dark page."""
    r, g, b = (v / 255 for v in rgb)
    hue, lightness, saturation = colorsys.rgb_to_hls(r, g, b)
    turn = max(0.0, min(1.0, 1.0 - (max(r, g, b) - min(r, g, b)) * 1.6))
    lightness = (0.10 + 0.80 * (1.0 - lightness)) * turn + (0.45 + 0.5 * lightness) * (1.0 - turn)
    toned = tuple(int(round(v * 255)) for v in colorsys.hls_to_rgb(hue, lightness, saturation))
    return (254, 0, 255) if toned == MAGENTA else toned  # the key colour stays the key's alone


class Canvas:
    def __init__(self, w, h, fill=MAGENTA):
        self.w, self.h = w, h
        self.px = [list(fill) for _ in range(w * h)]
        self.masks = set()  # pixels of mask bands: levels, not colours

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = list(c)

    def set_mask(self, x, y, level):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = [level] * 3
            self.masks.add(y * self.w + x)

    def get(self, x, y):
        return tuple(self.px[y * self.w + x])

    def rect(self, x, y, w, h, c):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, c)

    def save_bmp(self, path, tone):
        """24 bits; every colour but the key and the mask levels through tone."""
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for x in range(self.w):
                at = y * self.w + x
                c = tuple(self.px[at])
                r, g, b = c if c == MAGENTA or at in self.masks else tone(c)
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)


def coverage(px, py, x0, y0, x1, y1, r, corners=(1, 1, 1, 1)):
    """Share of pixel (px, py) inside the rounded rectangle [x0, x1) x [y0, y1):
    corners top-left, top-right, bottom-left, bottom-right rounded by r when set."""
    cx, cy = px + 0.5, py + 0.5
    if r <= 0:
        d = max(x0 - cx, cx - x1, y0 - cy, cy - y1)
        return max(0.0, min(1.0, 0.5 - d))
    left, top = cx < x0 + r, cy < y0 + r
    right, bottom = cx > x1 - r, cy > y1 - r
    rounded = ((left and top and corners[0]) or (right and top and corners[1]) or
               (left and bottom and corners[2]) or (right and bottom and corners[3]))
    if rounded:
        ox = x0 + r if left else x1 - r
        oy = y0 + r if top else y1 - r
        d = math.hypot(cx - ox, cy - oy) - r
    else:
        d = max(x0 - cx, cx - x1, y0 - cy, cy - y1)
    return max(0.0, min(1.0, 0.5 - d))


def box(cv, x, y, w, h, *, top, bottom=None, border=None, radius=3, corners=(1, 1, 1, 1),
        highlight=None, bg=PAGE, mask=None, border_width=1):
    """A rounded box with a vertical gradient, a border and an inner top
    highlight. Without a mask band the outside is magenta and edge pixels are
    smoothed against bg; with one (a canvas region of the same size below) the
    edge is smoothed by the mask."""
    bottom = bottom or top
    for j in range(h):
        fill = mix(top, bottom, j / max(h - 1, 1))
        if highlight and j == border_width:
            fill = mix(fill, WHITE, highlight)
        for i in range(w):
            outer = coverage(i, j, 0, 0, w, h, radius, corners)
            inner = coverage(i, j, border_width, border_width, w - border_width, h - border_width,
                             max(radius - border_width, 0), corners) if border else 1.0
            c = mix(border, fill, inner) if border else fill
            if mask is None:
                if outer < 0.3:
                    cv.set(x + i, y + j, MAGENTA)
                else:
                    cv.set(x + i, y + j, mix(bg, c, outer))
            else:
                cv.set(x + i, y + j, MAGENTA if outer == 0 else c)
                cv.set_mask(x + i, mask + j, int(round(255 * (1 - outer))))


def blend(cv, i, j, c, a, bg):
    """Lays colour c over pixel (i, j) at coverage a. Over a hole the pixel mixes
    with bg, or without bg becomes c where it is at least half covered."""
    if a <= 0:
        return
    under = cv.get(i, j)
    if under == MAGENTA:
        if bg is None:
            if a >= 0.5:
                cv.set(i, j, c)
            return
        under = bg
    cv.set(i, j, mix(under, c, a))


def line(cv, x0, y0, x1, y1, c, width=1.6, bg=None):
    """An anti-aliased line blended into what is there (magenta counts as bg)."""
    minx, maxx = int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 1)
    miny, maxy = int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 1)
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1
    for j in range(miny, maxy + 1):
        for i in range(minx, maxx + 1):
            if not (0 <= i < cv.w and 0 <= j < cv.h):
                continue
            cx, cy = i + 0.5, j + 0.5
            t = max(0.0, min(1.0, ((cx - x0) * dx + (cy - y0) * dy) / length2))
            d = math.hypot(cx - (x0 + t * dx), cy - (y0 + t * dy))
            blend(cv, i, j, c, max(0.0, min(1.0, width / 2 + 0.5 - d)), bg)


def disc(cv, cx, cy, r, c, bg=None):
    for j in range(int(cy - r - 1), int(cy + r + 2)):
        for i in range(int(cx - r - 1), int(cx + r + 2)):
            if not (0 <= i < cv.w and 0 <= j < cv.h):
                continue
            blend(cv, i, j, c, max(0.0, min(1.0, r + 0.5 - math.hypot(i + 0.5 - cx, j + 0.5 - cy))), bg)


class Sheet:
    """Places pieces on the master bitmap row by row."""

    def __init__(self, width):
        self.width, self.x, self.y, self.row_h = width, 0, 0, 0
        self.places = []

    def place(self, w, h):
        if self.x + w > self.width:
            self.x, self.y, self.row_h = 0, self.y + self.row_h + 2, 0
        at = (self.x, self.y)
        self.x += w + 2
        self.row_h = max(self.row_h, h)
        return at


def border_value(x, y, frame_w, frames, h, margins, mask_kind, paint_mode, uniform=0):
    l, t, r, b = margins
    return "^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%04d^%d^%d^%d^%d" % (
        x, y, x + frame_w * frames, y + h * (mask_kind + 1), l, t, r, b, frames, mask_kind, paint_mode, uniform)


def glyph_value(x, y, frame_w, frames, h, mask_kind=0):
    return "@%04d@%04d@%04d@%04d@%d@%d" % (x, y, x + frame_w * frames, y + h * (mask_kind + 1), frames, mask_kind)


# ---------------------------------------------------------------- the pieces

BUTTON_STATES = [  # normal, hot, pressed, default
    dict(top=WHITE, bottom=hexc("EEF1F5"), border=hexc("BFC8D4"), highlight=0.0),
    dict(top=hexc("F7FAFF"), bottom=hexc("E1ECFC"), border=HOT_LINE, highlight=0.6),
    dict(top=hexc("D5E2F6"), bottom=hexc("E4ECF8"), border=PRESS_LINE, highlight=0.0),
    dict(top=WHITE, bottom=hexc("EAF1FC"), border=ACCENT, highlight=0.0),
]


def draw_states(cv, x, y, fw, h, states, radius, mask=False, **extra):
    for k, st in enumerate(states):
        opts = dict(st)
        opts.update(extra)
        box(cv, x + k * fw, y, fw, h, radius=radius, mask=(y + h) if mask else None, **opts)


def make_master():
    cv = Canvas(512, 512)
    sheet = Sheet(512)
    keys = {}  # section -> list of (key, value)

    def put(section, key, value):
        keys.setdefault(section, []).append((key, value))

    # Buttons: four states, picture and mask band (soft corners).
    fw, h = 24, 24
    x, y = sheet.place(fw * 4, h * 2)
    draw_states(cv, x, y, fw, h, BUTTON_STATES, 4, mask=True)
    put("BUTTON", "BORDERSMASK", border_value(x, y, fw, 4, h, (6, 6, 6, 6), 1, 5))

    # Edit fields and combo boxes: white, the border turns blue when hot.
    edit_states = [dict(top=WHITE, border=hexc("C3CBD6")), dict(top=WHITE, border=HOT_LINE),
                   dict(top=WHITE, border=ACCENT)]
    x, y = sheet.place(fw * 3, h * 2)
    draw_states(cv, x, y, fw, h, edit_states, 3, mask=True)
    put("EDIT", "BORDERSMASK", border_value(x, y, fw, 3, h, (5, 5, 5, 5), 1, 1))

    # Tool and speed buttons: nothing in the normal state, a soft fill when hot.
    flat = [dict(top=PAGE, border=PAGE), dict(top=hexc("EAF2FE"), bottom=hexc("DCE9FC"), border=hexc("A9C4EE")),
            dict(top=hexc("CFDDF4"), bottom=hexc("D9E4F6"), border=PRESS_LINE)]
    x, y = sheet.place(fw * 3, h)
    draw_states(cv, x, y, fw, h, flat, 4)
    put("TOOLBUTTON", "BORDERSMASK", border_value(x, y, fw, 3, h, (6, 6, 6, 6), 0, 7))
    put("COMBOBTN", "BORDERSMASK", border_value(x, y, fw, 3, h, (6, 6, 6, 6), 0, 7))
    put("SCROLLBTNLEFT", "BORDERSMASK", border_value(x, y, fw, 3, h, (6, 6, 6, 6), 0, 7))

    # Menu item selection: a rounded light-blue band, drawn only when hot.
    sel = [dict(top=hexc("E3EEFD"), border=hexc("B6CDF3"))] * 2
    x, y = sheet.place(fw * 2, h)
    draw_states(cv, x, y, fw, h, sel, 3)
    put("MENUITEM", "BORDERSMASK", border_value(x, y, fw, 2, h, (5, 5, 5, 5), 0, 7))
    put("SELECTION", "BORDERSMASK", border_value(x, y, fw, 2, h, (5, 5, 5, 5), 0, 5))

    # Group box and panels.
    x, y = sheet.place(fw, h)
    box(cv, x, y, fw, h, top=PAGE, border=hexc("D5DBE3"), radius=5)
    put("GROUPBOX", "BORDERSMASK", border_value(x, y, fw, 1, h, (7, 7, 7, 7), 0, 1))
    x, y = sheet.place(fw, h)
    box(cv, x, y, fw, h, top=hexc("F7F9FB"), bottom=hexc("EEF1F5"), border=hexc("DDE2E9"), radius=0)
    put("PANEL", "BORDERSMASK", border_value(x, y, fw, 1, h, (2, 2, 2, 2), 0, 1))
    x, y = sheet.place(fw, h)
    box(cv, x, y, fw, h, top=hexc("E9EDF2"), bottom=hexc("F2F4F7"), border=hexc("C3CBD6"), radius=2)
    put("PANEL_LOW", "BORDERSMASK", border_value(x, y, fw, 1, h, (3, 3, 3, 3), 0, 5))

    # Form frame and title bar, each inactive (state 0) then active (state 1).
    fw2, h2 = 32, 32
    x, y = sheet.place(fw2 * 2, h2)
    box(cv, x, y, fw2, h2, top=hexc("8B9BB3"), border=hexc("6E7F99"), radius=7)
    box(cv, x + fw2, y, fw2, h2, top=ACCENT, bottom=ACCENT, border=ACCENT_DARK, radius=7)
    for k in range(2):  # the inner edge where the client area begins
        for j in range(5, h2 - 5):
            cv.set(x + k * fw2 + 4, y + j, hexc("D5DBE3"))
            cv.set(x + k * fw2 + fw2 - 5, y + j, hexc("D5DBE3"))
        for i in range(5, fw2 - 5):
            cv.set(x + k * fw2 + i, y + h2 - 5, hexc("D5DBE3"))
    put("FORM", "BORDERSMASK", border_value(x, y, fw2, 2, h2, (8, 8, 8, 8), 0, 1))
    x, y = sheet.place(fw2 * 2, h2)
    box(cv, x, y, fw2, h2, top=hexc("9AA8BD"), bottom=hexc("8493AA"), border=hexc("6E7F99"), radius=7,
        corners=(1, 1, 0, 0), highlight=0.2)
    box(cv, x + fw2, y, fw2, h2, top=hexc("3A7BE0"), bottom=hexc("2A63C2"), border=ACCENT_DARK, radius=7,
        corners=(1, 1, 0, 0), highlight=0.25)
    put("FORMTITLE", "BORDERSMASK", border_value(x, y, fw2, 2, h2, (8, 8, 8, 2), 0, 5))

    # Tabs: rounded top, the selected one white.
    tabs = [dict(top=hexc("E8ECF1"), bottom=hexc("DDE3EA"), border=hexc("C3CBD6")),
            dict(top=hexc("F3F7FD"), bottom=hexc("E6EEFA"), border=HOT_LINE),
            dict(top=WHITE, border=hexc("C3CBD6"))]
    x, y = sheet.place(fw * 3, h)
    draw_states(cv, x, y, fw, h, tabs, 4, corners=(1, 1, 0, 0))
    put("TABTOP", "BORDERSMASK", border_value(x, y, fw, 3, h, (6, 6, 6, 2), 0, 5))
    x, y = sheet.place(fw, h)
    box(cv, x, y, fw, h, top=WHITE, border=hexc("C3CBD6"), radius=3)
    put("PAGECONTROL", "BORDERSMASK", border_value(x, y, fw, 1, h, (4, 4, 4, 4), 0, 1))

    # Scroll bars: a pale track, a rounded slider, arrow glyphs.
    x, y = sheet.place(16 * 2, 16)
    for k, c in enumerate([hexc("EEF1F5"), hexc("E2E7EE")]):
        cv.rect(x + k * 16, y, 16, 16, c)
    put("SCROLLBAR1H", "BORDERSMASK", border_value(x, y, 16, 2, 16, (2, 2, 2, 2), 0, 5))
    slider = [dict(top=hexc("C9D1DC"), border=hexc("B9C3D0")), dict(top=hexc("A9B6C7"), border=hexc("98A6B9")),
              dict(top=hexc("8595AB"), border=hexc("75869E"))]
    x, y = sheet.place(16 * 3, 16)
    for k, st in enumerate(slider):
        cv.rect(x + k * 16, y, 16, 16, hexc("EEF1F5"))
        box(cv, x + k * 16 + 3, y + 3, 10, 10, radius=4, bg=hexc("EEF1F5"), **st)
        for j in range(3):
            for i in range(3, 13):
                if cv.get(x + k * 16 + i, y + 3 + j) == MAGENTA or cv.get(x + k * 16 + i, y + 12 - j) == MAGENTA:
                    pass
        for j in range(16):
            for i in range(16):
                if cv.get(x + k * 16 + i, y + j) == MAGENTA:
                    cv.set(x + k * 16 + i, y + j, hexc("EEF1F5"))
    put("SCROLLSLIDERH", "BORDERSMASK", border_value(x, y, 16, 3, 16, (6, 6, 6, 6), 0, 5))

    arrows = {}
    for name, pts in [("LEFT", [(9.5, 4.5), (6, 8), (9.5, 11.5)]), ("RIGHT", [(6.5, 4.5), (10, 8), (6.5, 11.5)]),
                      ("UP", [(4.5, 9.5), (8, 6), (11.5, 9.5)]), ("DOWN", [(4.5, 6.5), (8, 10), (11.5, 6.5)])]:
        x, y = sheet.place(16 * 3, 16)
        for k, c in enumerate([hexc("7A8699"), ACCENT, ACCENT_DARK]):
            for (ax, ay), (bx, by) in zip(pts, pts[1:]):
                line(cv, x + k * 16 + ax, y + ay, x + k * 16 + bx, y + by, c, width=1.7)
        arrows[name] = glyph_value(x, y, 16, 3, 16)

    # Combo box arrow and the track bar pieces.
    put("COMBOBOX", "GLYPHMASK", arrows["DOWN"])
    x, y = sheet.place(fw, 6)
    box(cv, x, y, fw, 6, top=hexc("D5DBE3"), border=hexc("B9C3D0"), radius=3)
    put("TRACKBAR", "SLIDERCHANNEL", border_value(x, y, fw, 1, 6, (3, 2, 3, 2), 0, 5))
    x, y = sheet.place(16 * 3, 16)
    for k, (fill, edge) in enumerate([(WHITE, hexc("9AA8BD")), (hexc("F3F7FD"), HOT_LINE), (hexc("DCE7F8"), ACCENT)]):
        disc(cv, x + k * 16 + 8, y + 8, 7, edge)
        disc(cv, x + k * 16 + 8, y + 8, 5.8, fill)
    put("TRACKBAR", "SLIDERMASK", glyph_value(x, y, 16, 3, 16))
    put("TRACKBAR", "SLIDERVMASK", glyph_value(x, y, 16, 3, 16))
    x, y = sheet.place(4, 4)
    cv.rect(x + 1, y, 1, 4, hexc("9AA8BD"))
    put("TRACKBAR", "TICKHORZ", glyph_value(x, y, 4, 1, 4))
    x, y = sheet.place(4, 4)
    cv.rect(x, y + 1, 4, 1, hexc("9AA8BD"))
    put("TRACKBAR", "TICKVERT", glyph_value(x, y, 4, 1, 4))

    # Lines: the main menu's band (a line under it), divider, splitter, status bar.
    x, y = sheet.place(fw, 5)
    cv.rect(x, y, fw, 4, WHITE)
    cv.rect(x, y + 4, fw, 1, hexc("DDE2E9"))
    put("MENULINE", "BORDERSMASK", border_value(x, y, fw, 1, 5, (2, 1, 2, 1), 0, 1))
    x, y = sheet.place(6, fw)
    cv.rect(x + 2, y, 1, fw, hexc("C9D1DC"))
    cv.rect(x + 3, y, 1, fw, WHITE)
    put("DIVIDER", "BORDERSMASK", border_value(x, y, 6, 1, fw, (2, 4, 2, 4), 0, 1))
    put("STATUSBAR", "STATUSPANELMASK", border_value(x, y, 6, 1, fw, (2, 4, 2, 4), 0, 1))
    x, y = sheet.place(fw, fw)
    for j in range(fw):
        cv.rect(x, y + j, fw, 1, mix(hexc("F7F9FB"), hexc("EEF1F5"), j / (fw - 1)))
    cv.rect(x, y, fw, 1, hexc("D5DBE3"))
    put("STATUSBAR", "BORDERSMASK", border_value(x, y, fw, 1, fw, (2, 2, 2, 2), 0, 5))
    x, y = sheet.place(8, fw)
    cv.rect(x, y, 8, fw, PAGE)
    for j in range(fw // 2 - 6, fw // 2 + 7, 4):
        disc(cv, x + 4, y + j, 1.1, hexc("9AA8BD"))
    put("SPLITTER", "BORDERSMASK", border_value(x, y, 8, 1, fw, (2, 10, 2, 10), 0, 1))
    x, y = sheet.place(fw, fw)
    for j in range(fw):
        cv.rect(x, y + j, fw, 1, mix(hexc("F5F7FA"), hexc("E9EDF2"), j / (fw - 1)))
    cv.rect(x, y + fw - 1, fw, 1, hexc("DDE2E9"))
    put("TOOLBAR", "BORDERSMASK", border_value(x, y, fw, 1, fw, (2, 2, 2, 2), 0, 5))

    # The menu's icon column and extra line.
    x, y = sheet.place(fw, fw)
    cv.rect(x, y, fw, fw, hexc("EEF2F7"))
    cv.rect(x + fw - 1, y, 1, fw, hexc("DDE2E9"))
    put("ICOLINE", "BORDERSMASK", border_value(x, y, fw, 1, fw, (2, 2, 2, 2), 0, 5))
    x, y = sheet.place(fw, fw)
    for j in range(fw):
        cv.rect(x, y + j, fw, 1, mix(hexc("2F6FD6"), hexc("1F4E9C"), j / (fw - 1)))
    put("EXTRALINE", "BORDERSMASK", border_value(x, y, fw, 1, fw, (2, 2, 2, 2), 0, 5))

    # Caption buttons: large (34 x 24) and small (18 x 16), three states each.
    def caption(name, draw, big, close=False):
        w, hh = (34, 24) if big else (18, 16)
        xx, yy = sheet.place(w * 3, hh)
        s = 1.0 if big else 0.62
        for k in range(3):
            bx = xx + k * w
            fills = [None, hexc("E5484D") if close else hexc("5A8FE6"), hexc("C53B3F") if close else hexc("2458B3")]
            if fills[k]:
                box(cv, bx, yy, w, hh, top=fills[k], radius=4 if big else 3, bg=ACCENT)
            draw(bx + w / 2, yy + hh / 2, s, WHITE if k else hexc("E8F0FC"))
        return glyph_value(xx, yy, w, 3, hh)

    def cross(cx, cy, s, c):
        d = 4.5 * s
        line(cv, cx - d, cy - d, cx + d, cy + d, c, 1.5, bg=ACCENT)
        line(cv, cx - d, cy + d, cx + d, cy - d, c, 1.5, bg=ACCENT)

    def square(cx, cy, s, c):
        d = 4.5 * s
        for (ax, ay, bx, by) in [(-d, -d, d, -d), (d, -d, d, d), (d, d, -d, d), (-d, d, -d, -d)]:
            line(cv, cx + ax, cy + ay, cx + bx, cy + by, c, 1.3, bg=ACCENT)
        line(cv, cx - d, cy - d + 0.8, cx + d, cy - d + 0.8, c, 1.0, bg=ACCENT)

    def restore(cx, cy, s, c):
        d = 3.5 * s
        o = 2 * s
        for (ax, ay, bx, by) in [(-d, -d, d, -d), (d, -d, d, d), (d, d, -d, d), (-d, d, -d, -d)]:
            line(cv, cx - o / 2 + ax, cy + o / 2 + ay, cx - o / 2 + bx, cy + o / 2 + by, c, 1.3, bg=ACCENT)
        line(cv, cx - d + o / 2, cy - d - o / 2, cx + d + o / 2, cy - d - o / 2, c, 1.3, bg=ACCENT)
        line(cv, cx + d + o / 2, cy - d - o / 2, cx + d + o / 2, cy + d - o / 2, c, 1.3, bg=ACCENT)

    def minimise(cx, cy, s, c):
        d = 4.5 * s
        line(cv, cx - d, cy + 0.5, cx + d, cy + 0.5, c, 1.5, bg=ACCENT)

    def help_mark(cx, cy, s, c):
        pts = [(-3, -2.5), (-2, -4.5), (0, -5.2), (2.2, -4.3), (3, -2.3), (2, -0.5), (0, 0.8), (0, 2)]
        for (ax, ay), (bx, by) in zip(pts, pts[1:]):
            line(cv, cx + ax * s, cy + ay * s, cx + bx * s, cy + by * s, c, 1.4, bg=ACCENT)
        disc(cv, cx, cy + 4.3 * s, 1.0, c, bg=ACCENT)

    for prefix, big in (("B", True), ("S", False)):
        put("GLOBALINFO", prefix + "ICONCLOSE", caption("close", cross, big, close=True))
        put("GLOBALINFO", prefix + "ICONMAX", caption("max", square, big))
        put("GLOBALINFO", prefix + "ICONNORM", caption("norm", restore, big))
        put("GLOBALINFO", prefix + "ICONMIN", caption("min", minimise, big))
        put("GLOBALINFO", prefix + "ICONHELP", caption("help", help_mark, big))
    put("GLOBALINFO", "BICLOSEALONE", dict(keys["GLOBALINFO"])["BICONCLOSE"])

    # Check boxes and radio buttons: normal, hot, pressed.
    def check_set(size, kind, mark):
        xx, yy = sheet.place(size * 3, size)
        edges = [hexc("9AA8BD"), HOT_LINE, ACCENT]
        for k in range(3):
            bx = xx + k * size
            on = mark is not None
            fill = ACCENT if mark == "check" else (WHITE if k < 2 else hexc("E3EEFD"))
            if mark == "grey":
                fill = hexc("C9D1DC")
            if kind == "box":
                box(cv, bx, yy, size, size, top=fill if on else fill, border=(ACCENT_DARK if mark == "check" else edges[k]),
                    radius=3, bg=PAGE)
            else:
                disc(cv, bx + size / 2, yy + size / 2, size / 2 - 0.5, edges[k], bg=PAGE)
                disc(cv, bx + size / 2, yy + size / 2, size / 2 - 1.6, WHITE if k < 2 else hexc("E3EEFD"))
            u = size / 16
            if mark == "check" and kind == "box":
                line(cv, bx + 4 * u, yy + 8.2 * u, bx + 6.8 * u, yy + 11 * u, WHITE, 1.8 * u)
                line(cv, bx + 6.8 * u, yy + 11 * u, bx + 12 * u, yy + 5 * u, WHITE, 1.8 * u)
            elif mark == "check":
                disc(cv, bx + size / 2, yy + size / 2, size / 4.2, ACCENT)
            elif mark == "grey" and kind == "box":
                cv.rect(bx + int(4 * u), yy + int(7 * u), int(8 * u), max(int(2 * u), 2), hexc("6B7280"))
            elif mark == "grey":
                disc(cv, bx + size / 2, yy + size / 2, size / 4.2, hexc("9AA8BD"))
        for j in range(size):  # what is still magenta outside the mark shows the parent
            pass
        return glyph_value(xx, yy, size, 3, size)

    for name, kind, mark in [("BOXCHECKED", "box", "check"), ("BOXUNCHECKED", "box", None),
                             ("BOXGRAYED", "box", "grey"), ("RADIOCHECKED", "radio", "check"),
                             ("RADIOUNCHECKED", "radio", None), ("RADIOGRAYED", "radio", "grey")]:
        put("GLOBALINFO", name, check_set(16, kind, mark))
    for name, mark in [("SMALLCHECKED", "check"), ("SMALLUNCHECKED", None), ("SMALLGRAYED", "grey")]:
        put("GLOBALINFO", name, check_set(13, "box", mark))

    # Grips: the size grip and the dots of slider thumbs.
    x, y = sheet.place(13, 13)
    for j in range(3):
        for i in range(3 - j - 1, 3):
            disc(cv, x + 3.5 + i * 4, y + 3.5 + (2 - j) * 4 + 0, 1.1, hexc("9AA8BD"))
    put("GLOBALINFO", "GRIPIMAGE", glyph_value(x, y, 13, 1, 13))
    x, y = sheet.place(8, 6)
    for i in range(3):
        cv.rect(x + 1 + i * 3, y + 1, 1, 4, hexc("8595AB"))
    put("GLOBALINFO", "GRIPHORZ", glyph_value(x, y, 8, 1, 6))
    x, y = sheet.place(6, 8)
    for j in range(3):
        cv.rect(x + 1, y + 1 + j * 3, 4, 1, hexc("8595AB"))
    put("GLOBALINFO", "GRIPVERT", glyph_value(x, y, 6, 1, 8))

    # Popup menus: a white frame with soft corners (the window region cuts the
    # magenta away), and the plain check mark of a checked item, normal and hot.
    x, y = sheet.place(fw, fw)
    box(cv, x, y, fw, fw, top=WHITE, border=hexc("B9C3D0"), radius=4, bg=LINE)
    put("MAINMENU", "BORDERSMASK", border_value(x, y, fw, 1, fw, (4, 4, 4, 4), 0, 1))
    x, y = sheet.place(16 * 2, 16)
    for k, c in enumerate([ACCENT, ACCENT_DARK]):
        line(cv, x + k * 16 + 3.5, y + 8.5, x + k * 16 + 6.5, y + 11.5, c, width=1.8)
        line(cv, x + k * 16 + 6.5, y + 11.5, x + k * 16 + 12.5, y + 4.5, c, width=1.8)
    put("GLOBALINFO", "CHECK", glyph_value(x, y, 16, 2, 16))

    used = sheet.y + sheet.row_h
    cropped = Canvas(512, used)
    cropped.px = cv.px[: 512 * used]
    cropped.masks = {at for at in cv.masks if at < 512 * used}
    return cropped, keys, arrows


def make_button_huge():
    fw, h = 48, 48
    cv = Canvas(fw * 3, h * 2)
    states = [dict(top=hexc("3A7BE0"), bottom=hexc("2A63C2"), border=ACCENT_DARK, highlight=0.3),
              dict(top=hexc("4A8BF0"), bottom=hexc("3470D2"), border=ACCENT_DARK, highlight=0.4),
              dict(top=hexc("245AB0"), bottom=hexc("2C66C6"), border=hexc("173D7A"), highlight=0.0)]
    for k, st in enumerate(states):
        box(cv, k * fw, 0, fw, h, radius=8, mask=h, **st)
    return cv


# The glow around a hot button: a soft halo in the hot border's blue that
# fades out over GLOW_REACH pixels beyond the button's rounded outline and
# leaves the button itself untouched. 32 bits with straight alpha.
GLOW_REACH, GLOW_UNDER, GLOW_RADIUS = 7, 4, 4  # beyond the button, under it, the button's corners
GLOW_CENTRE = 4


def make_button_glow(colour=None):
    colour = colour or HOT_LINE
    edge = GLOW_REACH + GLOW_UNDER
    size = 2 * edge + GLOW_CENTRE
    lo, hi = GLOW_REACH, size - GLOW_REACH  # the button's outline in the picture
    pixels = []
    for j in range(size):
        for i in range(size):
            # Distance from the pixel centre to the rounded outline, outside it.
            cx = min(max(i + 0.5, lo + GLOW_RADIUS), hi - GLOW_RADIUS)
            cy = min(max(j + 0.5, lo + GLOW_RADIUS), hi - GLOW_RADIUS)
            d = math.hypot(i + 0.5 - cx, j + 0.5 - cy) - GLOW_RADIUS
            a = 0 if d <= 0 else int(round(120 * max(0.0, 1 - d / GLOW_REACH) ** 2))
            pixels.append(colour + (a,) if a else (0, 0, 0, 0))
    return size, pixels


def save_bmp32(path, size, pixels, tone):
    data = bytearray()
    for y in range(size - 1, -1, -1):
        for r, g, b, a in pixels[y * size:(y + 1) * size]:
            if a:
                r, g, b = tone((r, g, b))
            data += bytes((b, g, r, a))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


# The glows of the hot caption buttons: the button glow, red around close.
def caption_glows():
    glow = "!%s!1!0!3!" + "!".join(["%d" % (GLOW_REACH + GLOW_UNDER)] * 4) + "!1"
    pairs = []
    for name in ("CLOSE", "MAX", "MIN"):
        pairs += [("BICON%sGLOW" % name, 1), ("BICON%sGLOWMARGIN" % name, GLOW_UNDER)]
    for glyph, picture in (("BICONCLOSE", "CloseGlow.bmp"), ("BICLOSEALONE", "CloseGlow.bmp"),
                           ("BICONMAX", "ButtonGlow.bmp"), ("BICONNORM", "ButtonGlow.bmp"),
                           ("BICONMIN", "ButtonGlow.bmp")):
        pairs.append((glyph + "GLOW0", glow % picture))
    return pairs


def options_text(keys, arrows, name, tone, description):
    c = lambda rgb: colour_value(tone(rgb))
    g = lambda a, b, pct=100, kind=0: "%d;%d;%d;%d;0" % (c(a), c(b), pct, kind)
    sections = [
        ("GLOBALINFO", [
            ("VERSION", "8.50"), ("AUTHOR", "lanque"), ("DESCRIPTION", description),
            ("MASTERBITMAP", "Master.bmp"), ("COLOR", c(PAGE)), ("FONTCOLOR", c(TEXT)),
            ("TCBOTTOM", c(ACCENT)), ("TCTOP", c(ACCENT_DARK)), ("BORDERCOLOR", c(LINE)),
            ("BORDERWIDTH", 4), ("TITLEHEIGHT", 32), ("MAXHEIGHT", 28), ("FORMOFFSET", 4),
            ("BISPACE", 0), ("BIVALIGN", 0), ("BIRIGHT", 2), ("BITOP", 4),
            ("SHADOW1COLOR", 0), ("SHADOW1OFFSET", 0), ("SHADOW1TRANSPARENCY", 100),
            ("SH_SOURCE", 2), ("SH_OPACITY", 60), ("SH_COLORL", 0), ("SH_COLORT", 0), ("SH_COLORR", 0),
            ("SH_COLORB", 0), ("LO_SOURCE", 2), ("LO_OPACITY", 200),
            ("EDITTEXT_OK", c(hexc("15803D"))), ("EDITBG_OK", c(hexc("DCFCE7"))),
        ] + caption_glows() + keys["GLOBALINFO"]),
        # State 0 is the inactive look of a form, state 1 the active one.
        ("FORM", [("COLOR", c(PAGE)), ("FONTCOLOR", c(TEXT)), ("HOTCOLOR", c(PAGE)), ("HOTFONTCOLOR", c(TEXT)),
                  ("STATES", 2)] + keys["FORM"]),
        ("FORMTITLE", [("COLOR", c(hexc("8B9BB3"))), ("FONTCOLOR", c(hexc("EEF1F5"))), ("HOTCOLOR", c(ACCENT)),
                       ("HOTFONTCOLOR", c(WHITE)), ("STATES", 2)] + keys["FORMTITLE"]),
        ("CAPTION", [("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 100), ("FONTCOLOR", c(hexc("EEF1F5"))),
                     ("HOTFONTCOLOR", c(WHITE)), ("STATES", 2)]),
        ("DIALOG", [("PARENTCLASS", "FORM")]),
        ("DIALOGTITLE", [("PARENTCLASS", "FORMTITLE")]),
        ("BUTTON", [("STATES", 4), ("COLOR", c(WHITE)), ("FONTCOLOR", c(TEXT)), ("HOTCOLOR", c(hexc("EAF2FE"))),
                    ("HOTFONTCOLOR", c(ACCENT_DARK)), ("GLOW", 1), ("GLOWMARGIN", GLOW_UNDER),
                    ("GLOW0", "!ButtonGlow.bmp!1!0!3!%d!%d!%d!%d!1" % ((GLOW_REACH + GLOW_UNDER,) * 4))]
         + keys["BUTTON"]),
        ("BUTTON_HUGE", [("PARENTCLASS", "BUTTON"), ("STATES", 3), ("FONTCOLOR", c(WHITE)),
                         ("HOTFONTCOLOR", c(WHITE)), ("COLOR", c(ACCENT)), ("HOTCOLOR", c(hexc("4A8BF0"))),
                         ("BORDERSMASK", "!ButtonHuge.bmp!3!1!0!0012!0012!0012!0012!5")]),
        ("SPEEDBUTTON", [("PARENTCLASS", "BUTTON")]),
        ("SPEEDBUTTON_SMALL", [("PARENTCLASS", "TOOLBUTTON")]),
        ("EDIT", [("COLOR", c(WHITE)), ("FONTCOLOR", c(TEXT)), ("HOTCOLOR", c(WHITE)),
                  ("HOTFONTCOLOR", c(TEXT))] + keys["EDIT"]),
        ("COMBOBOX", [("PARENTCLASS", "EDIT")] + keys["COMBOBOX"]),
        ("COMBOBTN", [("STATES", 3), ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 0), ("COLOR", c(WHITE)),
                      ("HOTCOLOR", c(hexc("EAF2FE")))] + keys["COMBOBTN"]),
        ("CHECKBOX", [("STATES", 2), ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 100), ("FONTCOLOR", c(TEXT)),
                      ("HOTFONTCOLOR", c(ACCENT_DARK))]),
        ("RADIOBUTTON", [("PARENTCLASS", "CHECKBOX")]),
        ("TRANSPARENT", [("STATES", 1), ("TRANSPARENCY", 100), ("FONTCOLOR", c(TEXT))]),
        ("GROUPBOX", [("STATES", 1), ("TRANSPARENCY", 100), ("FONTCOLOR", c(ACCENT_DARK))] + keys["GROUPBOX"]),
        ("WEBBUTTON", [("STATES", 2), ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 100), ("FONTCOLOR", c(ACCENT)),
                       ("HOTFONTCOLOR", c(ACCENT_DARK))]),
        ("TOOLBUTTON", [("STATES", 3), ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 0), ("COLOR", c(PAGE)),
                        ("HOTCOLOR", c(hexc("EAF2FE"))), ("FONTCOLOR", c(TEXT)),
                        ("HOTFONTCOLOR", c(ACCENT_DARK))] + keys["TOOLBUTTON"]),
        ("MENUITEM", [("STATES", 2), ("COLOR", c(WHITE)), ("FONTCOLOR", c(TEXT)), ("HOTCOLOR", c(hexc("E3EEFD"))),
                      ("HOTFONTCOLOR", c(ACCENT_DARK))] + keys["MENUITEM"]),
        ("MAINMENU", [("COLOR", c(WHITE)), ("FONTCOLOR", c(TEXT)), ("STATES", 1)] + keys["MAINMENU"]),
        ("MENULINE", [("STATES", 1), ("COLOR", c(WHITE))] + keys["MENULINE"]),
        ("ICOLINE", [("STATES", 1), ("COLOR", c(hexc("EEF2F7")))] + keys["ICOLINE"]),
        ("EXTRALINE", [("STATES", 1), ("COLOR", c(ACCENT)), ("FONTCOLOR", c(WHITE))] + keys["EXTRALINE"]),
        ("SELECTION", [("STATES", 2), ("COLOR", c(hexc("DCE7F8"))), ("FONTCOLOR", c(TEXT)),
                       ("HOTCOLOR", c(ACCENT)), ("HOTFONTCOLOR", c(WHITE))] + keys["SELECTION"]),
        ("PANEL", [("STATES", 1), ("COLOR", c(PAGE)), ("FONTCOLOR", c(TEXT))] + keys["PANEL"]),
        ("PANEL_LOW", [("STATES", 1), ("COLOR", c(hexc("EEF1F5"))), ("FONTCOLOR", c(TEXT))] + keys["PANEL_LOW"]),
        ("BAR", [("PARENTCLASS", "PANEL")]),
        ("BARTITLE", [("PARENTCLASS", "PANEL"), ("GRADIENTPERCENT", 100),
                      ("GRADIENTDATA", g(hexc("F7F9FB"), hexc("E9EDF2")))]),
        ("DRAGBAR", [("PARENTCLASS", "PANEL")]),
        ("TOOLBAR", [("STATES", 1), ("COLOR", c(hexc("F0F3F7")))] + keys["TOOLBAR"]),
        ("STATUSBAR", [("STATES", 1), ("COLOR", c(hexc("F0F3F7"))), ("FONTCOLOR", c(MUTED))] + keys["STATUSBAR"]),
        ("SPLITTER", [("STATES", 2), ("COLOR", c(PAGE)), ("HOTCOLOR", c(hexc("E3EEFD")))] + keys["SPLITTER"]),
        ("DIVIDER", [("STATES", 1), ("TRANSPARENCY", 100)] + keys["DIVIDER"]),
        ("TRACKBAR", [("STATES", 1), ("TRANSPARENCY", 100)] + keys["TRACKBAR"]),
        ("GAUGE", [("PARENTCLASS", "PANEL_LOW"), ("GRADIENTPERCENT", 100),
                   ("GRADIENTDATA", g(hexc("4A8BF0"), hexc("2A63C2")))]),
        ("TABTOP", [("STATES", 3), ("COLOR", c(hexc("E8ECF1"))), ("HOTCOLOR", c(hexc("F3F7FD"))),
                    ("FONTCOLOR", c(MUTED)), ("HOTFONTCOLOR", c(ACCENT_DARK))] + keys["TABTOP"]),
        ("TABLEFT", [("PARENTCLASS", "TABTOP")]),
        ("TABRIGHT", [("PARENTCLASS", "TABTOP")]),
        ("TABBOTTOM", [("PARENTCLASS", "TABTOP")]),
        ("PAGECONTROL", [("STATES", 1), ("COLOR", c(WHITE))] + keys["PAGECONTROL"]),
        ("TABSHEET", [("STATES", 1), ("COLOR", c(WHITE)), ("FONTCOLOR", c(TEXT))]),
        ("COLHEADER", [("PARENTCLASS", "BUTTON"), ("STATES", 3)]),
        ("UPDOWNBTN", [("PARENTCLASS", "TOOLBUTTON")]),
        ("MDIAREA", [("STATES", 1), ("COLOR", c(hexc("E2E7EE")))]),
        ("SCROLLBTNLEFT", [("STATES", 3), ("TRANSPARENCY", 100), ("HOTTRANSPARENCY", 0),
                           ("COLOR", c(hexc("EEF1F5"))), ("HOTCOLOR", c(hexc("E2E7EE"))),
                           ("GLYPHMASK", arrows["LEFT"])] + keys["SCROLLBTNLEFT"]),
        ("SCROLLBTNTOP", [("PARENTCLASS", "SCROLLBTNLEFT"), ("GLYPHMASK", arrows["UP"])]),
        ("SCROLLBTNRIGHT", [("PARENTCLASS", "SCROLLBTNLEFT"), ("GLYPHMASK", arrows["RIGHT"])]),
        ("SCROLLBTNBOTTOM", [("PARENTCLASS", "SCROLLBTNLEFT"), ("GLYPHMASK", arrows["DOWN"])]),
        ("SCROLLBAR1H", [("STATES", 2), ("COLOR", c(hexc("EEF1F5"))), ("HOTCOLOR", c(hexc("E2E7EE")))]
         + keys["SCROLLBAR1H"]),
        ("SCROLLBAR1V", [("PARENTCLASS", "SCROLLBAR1H")]),
        ("SCROLLBAR2H", [("PARENTCLASS", "SCROLLBAR1H")]),
        ("SCROLLBAR2V", [("PARENTCLASS", "SCROLLBAR1H")]),
        ("SCROLLSLIDERH", [("STATES", 3), ("COLOR", c(hexc("C9D1DC"))), ("HOTCOLOR", c(hexc("A9B6C7")))]
         + keys["SCROLLSLIDERH"]),
        ("SCROLLSLIDERV", [("PARENTCLASS", "SCROLLSLIDERH")]),
    ]
    lines = ["; The %s skin of the client. Generated by skins/make_internal_skin.py." % name]
    for name, pairs in sections:
        lines.append("")
        lines.append("[%s]" % name)
        lines += ["%s=%s" % (k, v) for k, v in pairs]
    return "\r\n".join(lines) + "\r\n"


TONES = {  # folder name: colour tone, description
    "internal": (light_tone, "Calm blue business skin of the client"),
    "dark": (dark_tone, "Dark slate skin of the client"),
}


def main():
    args = sys.argv[1:]
    name = "dark" if "--dark" in args else "internal"
    args = [a for a in args if a != "--dark"]
    out = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
    tone, description = TONES[name]
    os.makedirs(out, exist_ok=True)
    master, keys, arrows = make_master()
    master.save_bmp(os.path.join(out, "Master.bmp"), tone)
    make_button_huge().save_bmp(os.path.join(out, "ButtonHuge.bmp"), tone)
    save_bmp32(os.path.join(out, "ButtonGlow.bmp"), *make_button_glow(), tone)
    save_bmp32(os.path.join(out, "CloseGlow.bmp"), *make_button_glow(hexc("E5484D")), tone)
    with open(os.path.join(out, "Options.dat"), "w", newline="") as f:
        f.write(options_text(keys, arrows, name, tone, description))


if __name__ == "__main__":
    main()
