#!/usr/bin/env python3
"""Writes Tibbly's pictures and finger cursor as small SVG files.

    python3 tools/art/make_art.py

Everything is drawn from basic shapes: bevelled boxes, the two characters
(Tibbly and a Badee), lamps, buttons, panels and a little hand-made stroke
font for all digits and lettering, so no picture depends on installed fonts.
The files land in resources/pictures/ and resources/cursors/.

Only features that Qt Svg renders well are used: paths, rects, circles,
ellipses, polygons, linear and radial gradients, fill/stroke opacity and
transforms.  Nothing is drawn outside a picture's own viewBox.
"""

import math
import os

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PICTURES = os.path.join(ROOT, "resources", "pictures")
CURSORS = os.path.join(ROOT, "resources", "cursors")


# ---------------------------------------------------------------------------
# Tiny SVG writer


def num(v):
    """Compact number formatting."""
    if isinstance(v, int):
        return str(v)
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        out.append('%s="%s"' % (k, num(v) if isinstance(v, (int, float)) else v))
    return " ".join(out)


class Svg:
    def __init__(self, name, w, h, note):
        self.name, self.w, self.h, self.note = name, w, h, note
        self.defs = []
        self.body = []
        self.ids = set()

    # gradients -------------------------------------------------------------
    @staticmethod
    def _stops(stops):
        out = []
        for st in stops:
            off, col = st[0], st[1]
            op = st[2] if len(st) > 2 else None
            extra = ' stop-opacity="%s"' % num(op) if op is not None else ""
            out.append('    <stop offset="%s" stop-color="%s"%s/>' % (num(off), col, extra))
        return "\n".join(out)

    def linear(self, gid, x1, y1, x2, y2, stops):
        if gid not in self.ids:
            self.ids.add(gid)
            self.defs.append(
                '  <linearGradient id="%s" gradientUnits="userSpaceOnUse" %s>\n%s\n  </linearGradient>'
                % (gid, attrs(x1=x1, y1=y1, x2=x2, y2=y2), self._stops(stops)))
        return "url(#%s)" % gid

    def radial(self, gid, cx, cy, r, stops, fx=None, fy=None):
        if gid not in self.ids:
            self.ids.add(gid)
            self.defs.append(
                '  <radialGradient id="%s" gradientUnits="userSpaceOnUse" %s>\n%s\n  </radialGradient>'
                % (gid, attrs(cx=cx, cy=cy, r=r, fx=fx, fy=fy), self._stops(stops)))
        return "url(#%s)" % gid

    # shapes ----------------------------------------------------------------
    def add(self, text):
        self.body.append(text)

    def comment(self, text):
        self.body.append("<!-- %s -->" % text)

    def rect(self, x, y, w, h, **kw):
        self.add("<rect %s/>" % attrs(x=x, y=y, width=w, height=h, **kw))

    def circle(self, cx, cy, r, **kw):
        self.add("<circle %s/>" % attrs(cx=cx, cy=cy, r=r, **kw))

    def ellipse(self, cx, cy, rx, ry, **kw):
        self.add("<ellipse %s/>" % attrs(cx=cx, cy=cy, rx=rx, ry=ry, **kw))

    def path(self, d, **kw):
        self.add("<path %s/>" % attrs(d=d, **kw))

    def polygon(self, pts, **kw):
        p = " ".join("%s,%s" % (num(x), num(y)) for x, y in pts)
        self.add("<polygon %s/>" % attrs(points=p, **kw))

    def begin(self, transform=None, **kw):
        self.add("<g %s>" % attrs(transform=transform, **kw))

    def end(self):
        self.add("</g>")

    # output ----------------------------------------------------------------
    def text(self):
        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               '<!-- Tibbly: %s -->' % self.note,
               '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
               'width="%d" height="%d" viewBox="0 0 %d %d">' % (self.w, self.h, self.w, self.h)]
        if self.defs:
            out.append("<defs>")
            out.extend(self.defs)
            out.append("</defs>")
        out.extend(self.body)
        out.append("</svg>")
        return "\n".join(out) + "\n"

    def save(self, folder):
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, self.name + ".svg"), "w", encoding="utf-8") as f:
            f.write(self.text())


# ---------------------------------------------------------------------------
# Stroke font.  Units: cap height 10 (y 0 at the top, 10 on the baseline),
# x-height from y 4, short descenders to 12.3.  Each glyph: (width, paths, dots).
# Strokes are drawn with round caps and joins; dots are filled circles.

GLYPHS = {
    "0": (6, ["M3,0 C4.9,0 6,2.2 6,5 C6,7.8 4.9,10 3,10 C1.1,10 0,7.8 0,5 C0,2.2 1.1,0 3,0 Z"], []),
    "1": (5.6, ["M0.8,2.3 L3.2,0 L3.2,10", "M0.6,10 L5.6,10"], []),
    "2": (6, ["M0.3,2.6 C0.6,0.9 1.8,0 3.1,0 C4.8,0 5.9,1.2 5.9,2.8 "
              "C5.9,4.7 4.2,5.9 2.7,7.1 L0.2,10 L6,10"], []),
    "3": (6, ["M0.4,1.2 C1.2,0.4 2.1,0 3.1,0 C4.7,0 5.7,1 5.7,2.5 C5.7,3.9 4.6,4.8 2.8,4.8 "
              "C4.8,4.8 6,5.9 6,7.4 C6,9 4.7,10 3,10 C1.9,10 0.9,9.6 0.1,8.7"], []),
    "4": (6.2, ["M4.4,10 L4.4,0 L0,7 L6.2,7"], []),
    "5": (6, ["M5.6,0 L1,0 L0.5,4.4 C1.2,3.9 2.1,3.7 3,3.7 C4.9,3.7 6,5 6,6.8 "
              "C6,8.7 4.7,10 2.9,10 C1.8,10 0.9,9.6 0.1,8.8"], []),
    "6": (6, ["M5.2,0.6 C4.6,0.2 3.9,0 3.2,0 C1.1,0 0,2.3 0,5.6 C0,8.5 1.2,10 3,10 "
              "C4.8,10 6,8.7 6,6.8 C6,5 4.8,3.8 3.1,3.8 C1.8,3.8 0.7,4.5 0.1,5.6"], []),
    "7": (6, ["M0,0 L6,0 L2.2,10"], []),
    "8": (6, ["M3,4.6 C1.5,4.6 0.5,3.7 0.5,2.3 C0.5,0.9 1.5,0 3,0 C4.5,0 5.5,0.9 5.5,2.3 "
              "C5.5,3.7 4.5,4.6 3,4.6 C1.2,4.6 0,5.7 0,7.3 C0,8.9 1.3,10 3,10 "
              "C4.7,10 6,8.9 6,7.3 C6,5.7 4.8,4.6 3,4.6 Z"], []),
    "9": (6, ["M0.8,9.4 C1.4,9.8 2.1,10 2.8,10 C4.9,10 6,7.7 6,4.4 C6,1.5 4.8,0 3,0 "
              "C1.2,0 0,1.3 0,3.2 C0,5 1.2,6.2 2.9,6.2 C4.2,6.2 5.3,5.5 5.9,4.4"], []),
    "x": (4.2, ["M0,3.4 L4.2,7.6", "M4.2,3.4 L0,7.6"], []),  # the multiplication sign
    "?": (6, ["M0.3,2.6 C0.5,1 1.7,0 3.2,0 C4.9,0 6,1.1 6,2.6 C6,4.6 3.2,4.9 3.2,7.1"], [(3.2, 10)]),
    "C": (6, ["M6,1.6 C5.3,0.6 4.3,0 3.2,0 C1.3,0 0,2.2 0,5 C0,7.8 1.3,10 3.2,10 "
              "C4.3,10 5.3,9.4 6,8.4"], []),
    "H": (6, ["M0,0 L0,10", "M6,0 L6,10", "M0,5 L6,5"], []),
    "S": (6, ["M5.6,1.4 C5,0.5 4.1,0 3,0 C1.5,0 0.4,0.9 0.4,2.4 C0.4,5.3 6,4.4 6,7.5 "
              "C6,9 4.7,10 3,10 C1.7,10 0.7,9.5 0,8.5"], []),
    "T": (6.4, ["M0,0 L6.4,0", "M3.2,0 L3.2,10"], []),
    "b": (5, ["M0,0 L0,10", "M0,7 C0,5.3 1.1,4 2.5,4 C3.9,4 5,5.3 5,7 C5,8.7 3.9,10 2.5,10 "
                            "C1.1,10 0,8.7 0,7"], []),
    "c": (4.6, ["M4.6,5 C4.2,4.4 3.5,4 2.6,4 C1.1,4 0,5.3 0,7 C0,8.7 1.1,10 2.6,10 "
                "C3.5,10 4.2,9.6 4.6,9"], []),
    "e": (5, ["M0.1,7 L4.9,7 C4.9,5.2 3.9,4 2.5,4 C1.1,4 0,5.3 0,7 C0,8.7 1.1,10 2.6,10 "
              "C3.5,10 4.3,9.6 4.8,9"], []),
    "g": (5, ["M5,7 C5,5.3 3.9,4 2.5,4 C1.1,4 0,5.3 0,7 C0,8.7 1.1,10 2.5,10 C3.9,10 5,8.7 5,7",
              "M5,4 L5,10.3 C5,11.6 4.1,12.3 2.8,12.3 C1.9,12.3 1.1,12 0.5,11.5"], []),
    "h": (4.9, ["M0,0 L0,10", "M0,6.4 C0.4,4.9 1.4,4 2.6,4 C4,4 4.9,5 4.9,6.5 L4.9,10"], []),
    "i": (0, ["M0,4.2 L0,10"], [(0, 1.4)]),
    "l": (1.3, ["M0,0 L0,8.6 C0,9.5 0.5,10 1.3,10"], []),
    "o": (5.2, ["M2.6,4 C4.1,4 5.2,5.3 5.2,7 C5.2,8.7 4.1,10 2.6,10 C1.1,10 0,8.7 0,7 "
                "C0,5.3 1.1,4 2.6,4 Z"], []),
    "p": (5, ["M0,4 L0,12.3", "M0,7 C0,5.3 1.1,4 2.5,4 C3.9,4 5,5.3 5,7 C5,8.7 3.9,10 2.5,10 "
                             "C1.1,10 0,8.7 0,7"], []),
    "r": (4.2, ["M0,4 L0,10", "M0,6.6 C0.4,5 1.5,4 3,4 C3.5,4 3.9,4.1 4.2,4.3"], []),
    "s": (4.5, ["M4.2,4.8 C3.7,4.3 3,4 2.2,4 C1,4 0.3,4.6 0.3,5.5 C0.3,7.4 4.5,6.5 4.5,8.4 "
                "C4.5,9.4 3.6,10 2.3,10 C1.4,10 0.6,9.7 0,9.1"], []),
    "y": (5, ["M0,4 L2.6,10", "M5,4 L2.6,10 L2.1,11.2 C1.8,11.9 1.3,12.3 0.5,12.3"], []),
    " ": (1.6, [], []),
}


def glyph_positions(text, tracking, extra=None):
    """Left edge of each glyph, in font units; extra adds room after glyph i."""
    pos, x = [], 0.0
    for i, ch in enumerate(text):
        pos.append(x)
        x += GLYPHS[ch][0] + tracking + (extra or {}).get(i, 0)
    return pos


def measure(text, tracking, extra=None):
    pos = glyph_positions(text, tracking, extra)
    return pos[-1] + GLYPHS[text[-1]][0]


def draw_text(svg, text, x, y, scale, layers, tracking=2.6, sx=None, per_glyph=None, skip_dots=(),
              extra=None):
    """Draws `text` with its cap top at (x, y).

    layers: list of dicts, drawn in order over the whole word, each with
      colour (a colour, a url(...) or a list with one colour per glyph),
      sw (stroke width in font units), and optional dx, dy (pixels) and op.
    per_glyph: optional list of (dy_pixels, degrees) per glyph, for bouncy titles.
    skip_dots: indexes of glyphs whose dots are left out (drawn by the caller).
    extra: optional {glyph index: extra units of room after it}.
    sx: horizontal scale, when the letters are to be wider than tall.
    """
    sx = scale if sx is None else sx
    pos = glyph_positions(text, tracking, extra)
    for layer in layers:
        col = layer["colour"]
        sw = layer["sw"]
        op = layer.get("op")
        for i, ch in enumerate(text):
            w, paths, dots = GLYPHS[ch]
            if not paths and not dots:
                continue
            c = col[i] if isinstance(col, list) else col
            gx = x + pos[i] * sx + layer.get("dx", 0)
            gy = y + layer.get("dy", 0)
            if per_glyph:
                dy, deg = per_glyph[i]
                gy += dy
                cx, cy = w * sx / 2, 5 * scale
                tf = "translate(%s,%s) rotate(%s) translate(%s,%s) scale(%s,%s)" % (
                    num(gx + cx), num(gy + cy), num(deg), num(-cx), num(-cy), num(sx), num(scale))
            else:
                tf = "translate(%s,%s) scale(%s,%s)" % (num(gx), num(gy), num(sx), num(scale))
            svg.begin(tf)
            for d in paths:
                svg.path(d, fill="none", stroke=c, stroke_width=sw, stroke_linecap="round",
                         stroke_linejoin="round", stroke_opacity=op)
            if i not in skip_dots:
                for (dx, dy) in dots:
                    svg.circle(dx, dy, sw * 0.62, fill=c, fill_opacity=op)
            svg.end()
    return pos


def text_width_px(text, scale, tracking, sx=None, extra=None):
    return measure(text, tracking, extra) * (scale if sx is None else sx)


# ---------------------------------------------------------------------------
# Palette

INK = "#2B1D4A"          # the dark outline colour used for lettering
TIB_DARK = "#7A3000"     # Tibbly's outline
BADEE_DARK = "#2A0A4A"   # a Badee's outline

BOX_BLUE = dict(top="#6AD2F7", bottom="#2FA7E4", light="#CFF2FF", dark="#1A74AD")
BOX_CREAM = dict(top="#FFFBEA", bottom="#FFEEB8", light="#FFFFFF", dark="#C9A95A")
BOX_RED = dict(top="#FF7566", bottom="#E23628", light="#FFC2B8", dark="#8E130C")
BOX_MINT = dict(top="#C2F2AE", bottom="#92DD7C", light="#EDFFE4", dark="#4C9A3B")
BOX_SAND = dict(top="#FAEFD0", bottom="#EFDDAC", light="#FFF9E8", dark="#C8AE74")
BOX_GOLD = dict(top="#FFE680", bottom="#FFBE1A", light="#FFF7CC", dark="#B98200")
BOX_SKY = dict(top="#F2FBFF", bottom="#BFE9FF", light="#FFFFFF", dark="#3F9ACB")
BOX_LILAC = dict(top="#F8F0FF", bottom="#E2CFFA", light="#FFFFFF", dark="#9A79C9")


def bevel_box(svg, gid, pal, size=32, b=3, sunken=False):
    """A square box with a light bevel; sunken boxes have the shade on top."""
    svg.rect(0, 0, size, size, fill=svg.linear(gid, 0, 0, 0, size, [(0, pal["top"]), (1, pal["bottom"])]))
    hi, lo = (pal["dark"], pal["light"]) if sunken else (pal["light"], pal["dark"])
    s = size
    svg.polygon([(0, 0), (s, 0), (s - b, b), (b, b), (b, s - b), (0, s)], fill=hi)
    svg.polygon([(s, s), (0, s), (b, s - b), (s - b, s - b), (s - b, b), (s, 0)], fill=lo)


# ---------------------------------------------------------------------------
# Characters, drawn in a 32 x 32 design space and placed with a transform.


def tibbly(svg, tf=None, shadow=True):
    """Tibbly: a round, sunny orange hero with a green sprout and big eyes."""
    svg.begin(tf)
    if shadow:
        svg.ellipse(16, 29.1, 8.6, 1.8, fill="#000000", fill_opacity=0.18)
    for fx in (11.3, 20.7):
        svg.ellipse(fx, 27.2, 3.6, 2.1, fill="#E8630A", stroke=TIB_DARK, stroke_width=1)
    body = svg.radial("tibBody", 12.5, 12, 15,
                      [(0, "#FFF0B0"), (0.42, "#FFB73D"), (1, "#EE7300")], fx=11.5, fy=10.5)
    svg.circle(16, 16.5, 10.8, fill=body, stroke=TIB_DARK, stroke_width=1.2)
    # his curl of hair
    svg.path("M15.4,6.2 C14.6,3.6 16.4,1.4 18.7,1.8 C20.6,2.1 21,4.6 19.4,5.2 C18.3,5.6 17.4,4.6 18,3.7",
             fill="none", stroke=TIB_DARK, stroke_width=2.6, stroke_linecap="round")
    svg.path("M15.4,6.2 C14.6,3.6 16.4,1.4 18.7,1.8 C20.6,2.1 21,4.6 19.4,5.2 C18.3,5.6 17.4,4.6 18,3.7",
             fill="none", stroke="#FF9A1F", stroke_width=1.2, stroke_linecap="round")
    # eyes
    for ex in (12.1, 19.9):
        svg.ellipse(ex, 14.1, 3.5, 4.2, fill="#FFFFFF", stroke="#5A2400", stroke_width=0.8)
        svg.circle(ex + 0.7, 15, 2.1, fill="#1A1A2E")
        svg.circle(ex + 1.4, 13.9, 0.85, fill="#FFFFFF")
    # cheeks
    for cx in (8.3, 23.7):
        svg.ellipse(cx, 19.5, 1.9, 1.2, fill="#FF5C5C", fill_opacity=0.5)
    # smile
    svg.path("M11.8,20.1 C13.1,24 18.9,24 20.2,20.1 C17.5,21.2 14.5,21.2 11.8,20.1 Z",
             fill="#8B1A00", stroke="#5A2400", stroke_width=0.8, stroke_linejoin="round")
    svg.path("M14.2,22.4 C15.2,21.7 16.8,21.7 17.8,22.4 C16.8,23.1 15.2,23.1 14.2,22.4 Z", fill="#FF8A80")
    svg.end()


def tibbly_face(svg, cx, cy, r):
    """Just Tibbly's round face, for small touches in lettering."""
    k = r / 10.8
    svg.begin("translate(%s,%s) scale(%s)" % (num(cx - 16 * k), num(cy - 16.5 * k), num(k)))
    body = svg.radial("tibFace", 12.5, 12, 15,
                      [(0, "#FFF0B0"), (0.42, "#FFB73D"), (1, "#EE7300")], fx=11.5, fy=10.5)
    svg.circle(16, 16.5, 10.8, fill=body, stroke=TIB_DARK, stroke_width=1.8)
    for ex in (12.1, 19.9):
        svg.ellipse(ex, 14.1, 3.5, 4.2, fill="#FFFFFF", stroke="#5A2400", stroke_width=1)
        svg.circle(ex + 0.7, 15, 2.2, fill="#1A1A2E")
    svg.path("M11.3,19.8 C13,24.4 19,24.4 20.7,19.8", fill="none", stroke="#5A2400", stroke_width=1.8,
             stroke_linecap="round")
    svg.end()


def badee(svg, tf=None, shadow=True):
    """A Badee: a cheeky purple imp with yellow horns, angry brows and a grin."""
    svg.begin(tf)
    if shadow:
        svg.ellipse(16, 29.3, 8.4, 1.7, fill="#000000", fill_opacity=0.2)
    for fx in (11.2, 20.8):
        svg.ellipse(fx, 27.6, 3.2, 1.8, fill="#4A1780", stroke=BADEE_DARK, stroke_width=1)
    # horns
    svg.path("M8.6,11 C6.6,8.9 5.6,5.6 6.3,2.4 C8.7,4.3 11,6.3 12.8,8.3 Z",
             fill="#FFD54F", stroke=BADEE_DARK, stroke_width=1.1, stroke_linejoin="round")
    svg.path("M23.4,11 C25.4,8.9 26.4,5.6 25.7,2.4 C23.3,4.3 21,6.3 19.2,8.3 Z",
             fill="#FFD54F", stroke=BADEE_DARK, stroke_width=1.1, stroke_linejoin="round")
    body = svg.radial("badeeBody", 12.5, 11.5, 16,
                      [(0, "#D7A8FF"), (0.45, "#9B4FE0"), (1, "#5A1A9C")], fx=11.5, fy=10)
    svg.path("M16,6 C22.8,6 26.8,11 26.8,17.4 C26.8,23 23.4,27.8 16,27.8 "
             "C8.6,27.8 5.2,23 5.2,17.4 C5.2,11 9.2,6 16,6 Z",
             fill=body, stroke=BADEE_DARK, stroke_width=1.3)
    # eyes, looking sideways, under angry brows
    for ex, px in ((11.4, 12.5), (20.6, 21.6)):
        svg.ellipse(ex, 15.4, 3.3, 3.1, fill="#FFEE58", stroke=BADEE_DARK, stroke_width=1)
        svg.circle(px, 15.9, 1.75, fill="#120022")
    svg.path("M7.5,10.8 L14.4,13.5", fill="none", stroke=BADEE_DARK, stroke_width=2.4, stroke_linecap="round")
    svg.path("M24.5,10.8 L17.6,13.5", fill="none", stroke=BADEE_DARK, stroke_width=2.4, stroke_linecap="round")
    # grin, with two little fangs
    svg.path("M8.3,19.2 C10.8,26.3 21.2,26.3 23.7,19.2 C19,21.3 13,21.3 8.3,19.2 Z",
             fill="#FFFFFF", stroke=BADEE_DARK, stroke_width=1.2, stroke_linejoin="round")
    svg.path("M13.2,20.9 L13.6,23.4 M18.8,20.9 L18.4,23.4", fill="none",
             stroke=BADEE_DARK, stroke_width=0.7, stroke_linecap="round", stroke_opacity=0.7)
    svg.end()


def star(cx, cy, r_out, r_in, points=5, rot=-90):
    pts = []
    for k in range(points * 2):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rot + k * 180.0 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def sparkle(svg, cx, cy, r, colour="#FFFFFF", op=None):
    """A four-pointed twinkle."""
    d = "M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % tuple(
        num(v) for v in (
            cx, cy - r,
            cx + r * 0.12, cy - r * 0.12, cx + r * 0.12, cy - r * 0.12, cx + r, cy,
            cx + r * 0.12, cy + r * 0.12, cx + r * 0.12, cy + r * 0.12, cx, cy + r,
            cx - r * 0.12, cy + r * 0.12, cx - r * 0.12, cy + r * 0.12, cx - r, cy,
            cx - r * 0.12, cy - r * 0.12, cx - r * 0.12, cy - r * 0.12, cx, cy - r))
    svg.path(d, fill=colour, fill_opacity=op)


def pill(svg, gid, x, y, w, h, top, bottom, edge, gloss=0.3):
    r = h / 2
    svg.rect(x + 0.5, y + 0.5, w - 1, h - 1, rx=r - 0.5, ry=r - 0.5,
             fill=svg.linear(gid, 0, y, 0, y + h, [(0, top), (1, bottom)]),
             stroke=edge, stroke_width=1)
    # soft gloss on the upper half
    svg.rect(x + r * 0.55, y + 2.5, w - r * 1.1, h * 0.38, rx=h * 0.19, ry=h * 0.19,
             fill=svg.linear(gid + "Gloss", 0, y + 2.5, 0, y + 2.5 + h * 0.38,
                             [(0, "#FFFFFF", gloss), (1, "#FFFFFF", 0.04)]))


# ---------------------------------------------------------------------------
# Board boxes (32 x 32)

DIGIT_COLOURS = [  # from calm blue for the 1st click to red for the 9th
    ("#1E6FD9", "#0B2E6B"), ("#0E97A8", "#063F47"), ("#1E9E4A", "#0A4420"),
    ("#5E9E0A", "#2B4A03"), ("#D49A00", "#5C3B00"), ("#EE7C0A", "#6B3000"),
    ("#EA580C", "#6A2100"), ("#DE3B1B", "#650F05"), ("#C8102E", "#55000F"),
]


def make_box_pictures():
    out = []

    s = Svg("NewBox2", 32, 32, "an untouched box of the find board")
    bevel_box(s, "face", BOX_BLUE)
    s.rect(5, 4.5, 22, 9, rx=4.5, ry=4.5,
           fill=s.linear("gloss", 0, 4.5, 0, 13.5, [(0, "#FFFFFF", 0.55), (1, "#FFFFFF", 0.05)]))
    sparkle(s, 23.5, 23, 2.6, "#FFFFFF", 0.75)
    out.append(s)

    for n in range(1, 10):
        s = Svg("xbox%d" % n, 32, 32, "mark of click number %d in a find round" % n)
        bevel_box(s, "face", BOX_CREAM, b=2, sunken=True)
        col, dark = DIGIT_COLOURS[n - 1]
        scale = 2.05
        w = GLYPHS[str(n)][0] * scale
        x = 16 - w / 2 + (0.4 if n == 1 else 0)
        y = 16 - 5 * scale
        draw_text(s, str(n), x, y, scale, [
            dict(colour="#FFFFFF", sw=3.9),
            dict(colour=dark, sw=3.1),
            dict(colour=col, sw=2.05)])
        out.append(s)

    s = Svg("newbox10", 32, 32, "mark of the tenth and last click in a find round")
    bevel_box(s, "face", BOX_RED, b=2, sunken=True)
    # warning stripes along the top and bottom edges
    for yy in (2, 26.5):
        for k in range(-1, 8):
            x0 = 2 + k * 5
            pts = [(x0, yy + 3.5), (x0 + 2.5, yy), (x0 + 5, yy), (x0 + 2.5, yy + 3.5)]
            pts = [(min(max(px, 2), 30), py) for px, py in pts]
            s.polygon(pts, fill="#FFD23F", fill_opacity=0.9)
    scale = 1.72
    tracking = 1.3
    w = text_width_px("10", scale, tracking)
    draw_text(s, "10", 16 - w / 2, 16 - 5 * scale, scale, [
        dict(colour="#5A0000", sw=3.5),
        dict(colour="#FFFFFF", sw=2.3)], tracking=tracking)
    out.append(s)

    for n, name, col, dark in ((2, "TwoX", "#1E9E4A", "#0A4420"),
                               (3, "ThreeX", "#1E6FD9", "#0B2E6B"),
                               (4, "FourX", "#D81B60", "#5C0026")):
        s = Svg(name, 32, 32, "a clicked bonus box that multiplies the points by %d" % n)
        bevel_box(s, "face", BOX_GOLD)
        # sunburst
        for k in range(12):
            a0 = math.radians(k * 30 - 6)
            a1 = math.radians(k * 30 + 6)
            s.polygon([(16, 16), (16 + 12.5 * math.cos(a0), 16 + 12.5 * math.sin(a0)),
                       (16 + 12.5 * math.cos(a1), 16 + 12.5 * math.sin(a1))],
                      fill="#FFF6C0", fill_opacity=0.75)
        xs, ds, gap = 1.3, 1.9, 2.4
        xw, dw = GLYPHS["x"][0] * xs, GLYPHS[str(n)][0] * ds
        left = 16 - (xw + gap + dw) / 2
        draw_text(s, "x", left, 16.6 - 5.5 * xs, xs, [
            dict(colour="#FFFFFF", sw=4.6),
            dict(colour=dark, sw=3.7),
            dict(colour=col, sw=2.5)])
        draw_text(s, str(n), left + xw + gap, 16 - 5 * ds, ds, [
            dict(colour="#FFFFFF", sw=3.9),
            dict(colour=dark, sw=3.1),
            dict(colour=col, sw=2.05)])
        out.append(s)

    s = Svg("CBoxNorm", 32, 32, "a free box of the capture board")
    bevel_box(s, "face", BOX_MINT)
    s.rect(5, 4.5, 22, 8, rx=4, ry=4,
           fill=s.linear("gloss", 0, 4.5, 0, 12.5, [(0, "#FFFFFF", 0.4), (1, "#FFFFFF", 0.0)]))
    out.append(s)

    s = Svg("Ring", 32, 32, "a golden bonus ring on a capture box")
    bevel_box(s, "face", BOX_MINT)
    s.ellipse(16, 27.6, 8, 1.5, fill="#000000", fill_opacity=0.15)
    gold = s.linear("gold", 0, 11, 0, 27, [(0, "#FFF4B0"), (0.45, "#FFC61A"), (1, "#B97800")])
    s.ellipse(16, 19.5, 8.2, 6.6, fill="none", stroke="#6B4200", stroke_width=4.6)
    s.ellipse(16, 19.5, 8.2, 6.6, fill="none", stroke=gold, stroke_width=2.8)
    s.path("M9.6,17 C10.8,14.8 13.2,13.6 16,13.6", fill="none", stroke="#FFFFFF", stroke_width=1,
           stroke_linecap="round", stroke_opacity=0.9)
    # the gem
    s.polygon([(16, 6.2), (20.2, 9.6), (16, 14.6), (11.8, 9.6)], fill="#4FC3F7", stroke="#0D3C61",
              stroke_width=1, stroke_linejoin="round")
    s.polygon([(16, 6.2), (20.2, 9.6), (16, 9.6)], fill="#B3E5FC")
    s.polygon([(11.8, 9.6), (16, 9.6), (16, 14.6)], fill="#0288D1", fill_opacity=0.7)
    sparkle(s, 24.6, 7.2, 3.2, "#FFFFFF", 0.95)
    out.append(s)

    s = Svg("amazeBox2", 32, 32, "a clear path box of the maze")
    bevel_box(s, "face", BOX_SAND, b=2)
    for (px, py, r) in ((8, 9, 0.9), (22.5, 7, 0.7), (14, 21, 0.8), (24, 24.5, 1.0), (7.5, 25, 0.6),
                        (18.5, 14.5, 0.6)):
        s.circle(px, py, r, fill="#D9C48F", fill_opacity=0.8)
    out.append(s)

    s = Svg("BrickWall", 32, 32, "a wall box: red bricks that tile seamlessly")
    s.rect(0, 0, 32, 32, fill="#E4D6BF")
    face = s.linear("brick", 0, 0, 0, 8, [(0, "#E0704B"), (1, "#B9472B")])
    for row in range(4):
        y0 = row * 8
        starts = (0, 16) if row % 2 == 0 else (-8, 8, 24)
        for x0 in starts:
            xa, xb = max(x0 + 1, 0), min(x0 + 16, 32)
            if xb <= xa:
                continue
            s.begin("translate(0,%d)" % y0)
            s.rect(xa, 1, xb - xa, 7, fill=face)
            s.rect(xa, 1, xb - xa, 1, fill="#F39A76")
            s.rect(xa, 7, xb - xa, 1, fill="#8A2F1A")
            s.end()
    out.append(s)

    s = Svg("home2", 32, 32, "Tibbly's home at the end of the maze")
    bevel_box(s, "face", BOX_SAND, b=2)
    s.ellipse(16, 27.6, 11, 1.6, fill="#000000", fill_opacity=0.15)
    s.rect(20.5, 6, 3.4, 6, fill="#B0432F", stroke="#5A1A0E", stroke_width=0.9)
    s.rect(8, 14, 16, 13.2, fill=s.linear("wall", 0, 14, 0, 27, [(0, "#FFF8DC"), (1, "#F5DFA6")]),
           stroke="#6B3A1E", stroke_width=1)
    s.polygon([(4.6, 15.6), (16, 4.6), (27.4, 15.6)],
              fill=s.linear("roof", 0, 4.6, 0, 15.6, [(0, "#FF6F4F"), (1, "#D5281B")]),
              stroke="#7A1410", stroke_width=1.2, stroke_linejoin="round")
    s.circle(16, 11.6, 2, fill="#FFE066", stroke="#7A1410", stroke_width=0.8)
    s.path("M13.5,27.2 L13.5,21.5 C13.5,18.4 18.5,18.4 18.5,21.5 L18.5,27.2 Z", fill="#F08C1E",
           stroke="#6B3A1E", stroke_width=0.9, stroke_linejoin="round")
    s.circle(17.1, 23.6, 0.7, fill="#6B3A1E")
    s.rect(9.6, 17.6, 2.8, 3, fill="#8FD3FF", stroke="#6B3A1E", stroke_width=0.7)
    s.rect(19.6, 17.6, 2.8, 3, fill="#8FD3FF", stroke="#6B3A1E", stroke_width=0.7)
    # flowers by the door
    for fx, col in ((6.2, "#FF5C8A"), (25.8, "#B05CFF")):
        s.path("M%s,27.2 L%s,24.2" % (num(fx), num(fx)), stroke="#3E8E2E", stroke_width=0.9)
        s.circle(fx, 23.6, 1.3, fill=col, stroke="#5A1A3A", stroke_width=0.5)
    out.append(s)

    s = Svg("TibblyFind", 32, 32, "Tibbly found under a find box")
    bevel_box(s, "face", BOX_SKY)
    tibbly(s)
    out.append(s)

    s = Svg("TibblyCap", 32, 32, "Tibbly on the capture board")
    bevel_box(s, "face", BOX_MINT)
    tibbly(s)
    out.append(s)

    s = Svg("TibblyAmz", 32, 32, "Tibbly in the maze")
    bevel_box(s, "face", BOX_SAND, b=2)
    tibbly(s)
    out.append(s)

    s = Svg("badee", 32, 32, "a Badee")
    bevel_box(s, "face", BOX_LILAC, b=2)
    badee(s, "translate(16,16.4) scale(1.07) translate(-16,-16.4)")
    out.append(s)

    s = Svg("helpIcon", 32, 32, "the help button")
    s.circle(16, 16.6, 15, fill="#000000", fill_opacity=0.18)
    s.circle(16, 15.6, 14.6, fill=s.radial("ball", 12, 9, 20, [(0, "#8FE0FF"), (0.5, "#2FA7E4"),
                                                               (1, "#1565C0")], fx=11, fy=8),
             stroke="#0B3C7A", stroke_width=1.2)
    s.ellipse(14, 7.6, 8.5, 4.2, fill=s.linear("shine", 0, 3.4, 0, 11.8,
                                                [(0, "#FFFFFF", 0.7), (1, "#FFFFFF", 0.05)]))
    scale = 1.85
    w = GLYPHS["?"][0] * scale
    draw_text(s, "?", 16 - w / 2, 15.8 - 5 * scale, scale, [
        dict(colour="#0B3C7A", sw=3.3),
        dict(colour="#FFFFFF", sw=2.15)])
    out.append(s)
    return out


# ---------------------------------------------------------------------------
# Small controls


def make_controls():
    out = []

    def lamp(name, note, glow, hi, mid, rim):
        s = Svg(name, 24, 24, note)
        s.circle(12, 12, 12, fill=s.radial("glow", 12, 12, 12, [(0, mid, 0.9), (0.75, mid, 0.55), (1, mid, 0)]))
        s.circle(12, 12, 9.9, fill=s.linear("bezel", 0, 2.1, 0, 21.9, [(0, "#FAFAFA"), (1, "#707070")]),
                 stroke="#2E2E2E", stroke_width=0.8)
        s.circle(12, 12, 8.1, fill=s.radial("lens", 11, 10.5, 9, [(0, hi), (0.3, hi), (0.62, glow), (1, rim)],
                                            fx=10, fy=9),
                 stroke="#222222", stroke_width=0.6, stroke_opacity=0.6)
        s.ellipse(9.5, 8.2, 3.4, 2.1, fill="#FFFFFF", fill_opacity=0.85)
        s.circle(15.6, 15.8, 1, fill="#FFFFFF", fill_opacity=0.5)
        return s

    out.append(lamp("greenLt2", "the green direction light", "#2EE83A", "#EFFFD6", "#5CFF5A", "#067A12"))
    out.append(lamp("redLt2", "the red direction light", "#FF2A1E", "#FFF1D6", "#FF5A3C", "#9A0604"))

    def check_face(s, checked):
        if checked:
            face = s.linear("face", 0, 1, 0, 21, [(0, "#6FB2FF"), (1, "#1F5CCB")])
            edge = "#133F91"
        else:
            face = s.linear("face", 0, 1, 0, 21, [(0, "#FFFFFF"), (1, "#D8E9FF")])
            edge = "#2F6FD6"
        s.rect(1.75, 1.75, 18.5, 18.5, rx=4.25, ry=4.25, fill=face, stroke=edge, stroke_width=1.5)
        if not checked:
            s.path("M3.6,6.5 C3.6,4.6 4.6,3.6 6.5,3.6 L15.5,3.6", fill="none", stroke="#A9C6F0",
                   stroke_width=1, stroke_linecap="round")

    s = Svg("blueCheckBox", 22, 22, "an unchecked check box")
    check_face(s, False)
    out.append(s)

    s = Svg("boxWithCheck", 22, 22, "a checked check box")
    check_face(s, True)
    s.rect(4.5, 3, 13, 5.5, rx=2.75, ry=2.75, fill="#FFFFFF", fill_opacity=0.25)
    s.path("M5.6,11.4 L9.3,15.2 L16.6,6.6", fill="none", stroke="#0B2A66", stroke_width=4.2,
           stroke_linecap="round", stroke_linejoin="round")
    s.path("M5.6,11.4 L9.3,15.2 L16.6,6.6", fill="none", stroke="#FFFFFF", stroke_width=2.6,
           stroke_linecap="round", stroke_linejoin="round")
    out.append(s)

    s = Svg("CkBoxMask", 22, 22, "the shape of the check boxes: opaque inside, clear outside")
    s.rect(1, 1, 20, 20, rx=5, ry=5, fill="#FFFFFF")
    out.append(s)

    def close_button(name, note, words):
        s = Svg(name, 150, 30, note)
        pill(s, "pill", 0, 0, 150, 30, "#FF8A6B", "#D9381E", "#7A1A0A", gloss=0.45)
        scale = 1.55
        tracking = 2.2
        w = text_width_px(words, scale, tracking)
        y = 15 - 5 * scale - (0.9 if "p" in words else 0)
        draw_text(s, words, 75 - w / 2, y, scale, [
            dict(colour="#000000", sw=3.6, dx=0.8, dy=1.2, op=0.25),
            dict(colour="#6A1205", sw=3.6),
            dict(colour="#FFFFFF", sw=2.2)], tracking=tracking)
        return s

    out.append(close_button("closeBtn", "the Close button of the game windows", "Close"))
    out.append(close_button("helpCloseBtn", "the Close Help button of the help window", "Close Help"))

    s = Svg("GrayBkg", 100, 40, "the soft grey backing of the score counters")
    s.rect(0.5, 0.5, 99, 39, rx=9, ry=9, fill=s.linear("face", 0, 0, 0, 40, [(0, "#ECEDF1"), (1, "#DCDEE5")]),
           stroke="#9497A6", stroke_width=1)
    s.rect(1.5, 1.5, 97, 37, rx=8, ry=8, fill="none", stroke="#FFFFFF", stroke_width=1, stroke_opacity=0.8)
    s.path("M9.5,2.5 L90.5,2.5", stroke="#B9BCC8", stroke_width=1, stroke_opacity=0.6)
    out.append(s)

    s = Svg("ButtonBkg", 150, 36, "the backing of the start window's game buttons")
    s.rect(1, 2, 148, 34, rx=17, ry=17, fill="#000000", fill_opacity=0.2)
    s.rect(0.5, 0.5, 149, 34, rx=17, ry=17,
           fill=s.linear("face", 0, 0, 0, 35, [(0, "#8E62F0"), (0.55, "#5B2FC8"), (1, "#3C1790")]),
           stroke="#22094F", stroke_width=1)
    s.rect(10, 2.4, 130, 12, rx=6, ry=6,
           fill=s.linear("gloss", 0, 2.4, 0, 14.4, [(0, "#FFFFFF", 0.32), (1, "#FFFFFF", 0.03)]))
    out.append(s)

    s = Svg("QVX_VaneLogoGray", 64, 64, "the emblem of the About window: a weather vane in a medallion")
    s.circle(32, 32, 30.5, fill=s.radial("disc", 26, 22, 40, [(0, "#F7F7F7"), (0.6, "#CFCFCF"), (1, "#9A9A9A")]),
             stroke="#5E5E5E", stroke_width=2)
    s.circle(32, 32, 25, fill="none", stroke="#8A8A8A", stroke_width=1.2)
    s.circle(32, 32, 23.2, fill="none", stroke="#FFFFFF", stroke_width=0.8, stroke_opacity=0.8)
    # wind lines
    for (y, x0, x1) in ((17, 14, 24), (44, 42, 52)):
        s.path("M%d,%d C%d,%d %d,%d %d,%d" % (x0, y, x0 + 3, y - 3, x1 - 3, y + 3, x1, y), fill="none",
               stroke="#FFFFFF", stroke_width=1.4, stroke_linecap="round", stroke_opacity=0.9)
    # a roof top with the vane on its pole
    s.path("M19,52.5 L32,45 L45,52.5 Z", fill=s.linear("roof", 0, 45, 0, 53, [(0, "#8A8A8A"), (1, "#5C5C5C")]),
           stroke="#3A3A3A", stroke_width=1, stroke_linejoin="round")
    s.path("M32,46 L32,17", stroke="#404040", stroke_width=2.2, stroke_linecap="round")
    s.path("M21,37 L43,37", stroke="#4A4A4A", stroke_width=1.6, stroke_linecap="round")
    for x in (21, 43):
        s.circle(x, 37, 2, fill="#7A7A7A", stroke="#3A3A3A", stroke_width=0.8)
    # the arrow that turns with the wind
    s.path("M18,25 L46,25", stroke="#3A3A3A", stroke_width=2.4, stroke_linecap="round")
    s.polygon([(52, 25), (44, 19.6), (45.8, 25), (44, 30.4)], fill="#505050", stroke="#2A2A2A",
              stroke_width=0.9, stroke_linejoin="round")
    s.polygon([(12, 18.6), (21.5, 25), (12, 31.4), (15.5, 25)], fill="#8C8C8C", stroke="#2A2A2A",
              stroke_width=0.9, stroke_linejoin="round")
    s.circle(32, 25, 2.8, fill=s.radial("pivot", 31, 24, 3.4, [(0, "#FFFFFF"), (1, "#6A6A6A")], fx=30.8, fy=23.8),
             stroke="#2A2A2A", stroke_width=0.8)
    s.circle(32, 14.6, 2.2, fill=s.radial("tip", 31.3, 13.8, 2.8, [(0, "#FFFFFF"), (1, "#707070")]),
             stroke="#2A2A2A", stroke_width=0.8)
    out.append(s)
    return out


# ---------------------------------------------------------------------------
# Titles and backdrops

TITLE_COLOURS = ["#FF5247", "#FFB300", "#3CC25A", "#24A3F0", "#9E5CF0", "#FF6FB0"]
EXTRUDE = "#1A1033"


def title_layers(fill, ink=INK, depth=3, step=(0.65, 0.85), sw_ink=3.6, sw_fill=2.5):
    """Bubble lettering: a dark 3-D extrusion, an outline, the colour and a shine."""
    layers = [dict(colour=EXTRUDE, sw=sw_ink, dx=step[0] * k, dy=step[1] * k) for k in range(depth, 0, -1)]
    layers += [dict(colour=ink, sw=sw_ink),
               dict(colour=fill, sw=sw_fill),
               dict(colour="#FFFFFF", sw=0.7, dx=-1.0, dy=-1.0, op=0.5)]
    return layers


def make_titles():
    out = []

    s = Svg("mainTitle", 460, 40, "the title of the start window")
    text = "Tibbly"
    scale, sx, tracking = 2.22, 3.25, 1.9
    extra = {0: 1.1, 1: 0.7}  # room for the face that dots the i
    w = text_width_px(text, scale, tracking, sx, extra)
    x0 = 230 - w / 2
    y0 = 5.1
    bounce = [(0, -3), (-0.4, 4), (0.4, -4), (-0.3, 4), (0.3, -4), (-0.6, 5)]
    pos = draw_text(s, text, x0, y0, scale, title_layers(TITLE_COLOURS), tracking=tracking, sx=sx,
                    per_glyph=bounce, skip_dots=(1,), extra=extra)
    # Tibbly's own face dots the i
    tibbly_face(s, x0 + pos[1] * sx + 0.6, y0 + 3.2, 6.0)
    # stars scattered on both sides
    left, right = x0 - 14, x0 + w + 16
    for (cx, cy, r, col) in ((left - 8, 12, 7, "#FFD23F"), (left - 40, 27, 5, "#FF8FC8"),
                             (left - 72, 13, 4, "#7FD7FF"), (left - 104, 25, 3, "#FFD23F"),
                             (right + 8, 12, 7, "#FFD23F"), (right + 40, 27, 5, "#7FD7FF"),
                             (right + 72, 13, 4, "#FF8FC8"), (right + 104, 25, 3, "#FFD23F")):
        s.polygon(star(cx, cy, r, r * 0.46), fill=col, stroke=INK, stroke_width=1.1, stroke_linejoin="round")
    for (cx, cy, r) in ((left - 24, 32, 3), (left - 88, 8, 2.6), (right + 24, 32, 3), (right + 88, 8, 2.6)):
        sparkle(s, cx, cy, r, "#FFB300")
    out.append(s)

    s = Svg("hiScores", 400, 40, "the title of the high-score window")
    text = "High Scores"
    scale, sx, tracking = 2.2, 2.4, 2.0
    w = text_width_px(text, scale, tracking, sx)
    x0 = 200 - w / 2
    y0 = 4.6
    gold = s.linear("gold", 0, y0, 0, y0 + 10 * scale, [(0, "#FFF6B0"), (0.5, "#FFC82A"), (1, "#F08C00")])
    draw_text(s, text, x0, y0, scale, title_layers(gold, ink="#5A2E00", depth=2), tracking=tracking, sx=sx)
    for side in (-1, 1):
        cx = 200 + side * (w / 2 + 30)
        s.polygon(star(cx, 19, 12, 5.4), fill=s.linear("star", 0, 7, 0, 31, [(0, "#FFF3A0"), (1, "#F5A300")]),
                  stroke="#5A2E00", stroke_width=1.5, stroke_linejoin="round")
        sparkle(s, cx + side * 20, 8, 4.4, "#FFD23F")
        sparkle(s, cx + side * 25, 31, 3.2, "#FFB300")
        s.polygon(star(cx + side * 44, 20, 4.5, 2), fill="#FFE066", stroke="#5A2E00", stroke_width=1,
                  stroke_linejoin="round")
    out.append(s)
    return out


def make_panel():
    s = Svg("TibblyPanel", 184, 545, "the backdrop of the right-hand panel of the game windows")
    # frame
    s.rect(0, 0, 184, 545, fill=s.linear("frame", 0, 0, 0, 545, [(0, "#FFB640"), (1, "#FF8A1C")]))
    # polka dots on the frame
    for y in range(44, 520, 22):
        s.circle(3.6, y, 1.6, fill="#FFFFFF", fill_opacity=0.45)
        s.circle(177.2, y + 11, 1.6, fill="#FFFFFF", fill_opacity=0.45)
    # header: the hero's name
    text = "Tibbly"
    scale, sx, tracking = 1.85, 2.3, 2.0
    w = text_width_px(text, scale, tracking, sx)
    x0 = 90 - w / 2
    y0 = 5.2
    draw_text(s, text, x0, y0, scale, [
        dict(colour="#7A3000", sw=3.8, dx=0.7, dy=0.9),
        dict(colour="#7A3000", sw=3.8),
        dict(colour="#FFFFFF", sw=2.5)], tracking=tracking, sx=sx)
    for (cx, cy, r) in ((22, 17, 6.5), (158, 17, 6.5)):
        s.polygon(star(cx, cy, r, r * 0.45), fill="#FFF3A0", stroke="#7A3000", stroke_width=1,
                  stroke_linejoin="round")
    sparkle(s, 38, 8, 2.6, "#FFFFFF", 0.9)
    sparkle(s, 142, 27, 2.6, "#FFFFFF", 0.9)
    # the calm card where the labels and counters sit
    s.rect(6, 35, 169, 488, rx=12, ry=12,
           fill=s.linear("card", 0, 35, 0, 523, [(0, "#FFFDF4"), (1, "#FFF2D2")]),
           stroke="#D96A00", stroke_width=1.5)
    s.rect(8, 37, 165, 484, rx=10.5, ry=10.5, fill="none", stroke="#FFFFFF", stroke_width=1.2)
    # faint confetti near the card's edges
    confetti = [(13, 70, "#FFB3C7"), (168, 150, "#A8DDFF"), (13, 265, "#B9F0A8"), (168, 372, "#FFB3C7"),
                (13, 460, "#A8DDFF"), (168, 500, "#B9F0A8"), (168, 66, "#FFE08A"), (13, 170, "#FFE08A")]
    for (cx, cy, col) in confetti:
        s.circle(cx, cy, 2.2, fill=col, fill_opacity=0.8)
    # meadow along the bottom
    hill = "M0,531 C22,523 44,523 66,529 C90,535 112,522 136,524 C156,526 170,530 184,527"
    s.path(hill + " L184,545 L0,545 Z", fill=s.linear("grass", 0, 522, 0, 545, [(0, "#7FD65C"), (1, "#3E9E34")]))
    s.path(hill, fill="none", stroke="#2F7A26", stroke_width=1)
    for (fx, col) in ((18, "#FF5C8A"), (52, "#FFE04D"), (96, "#B05CFF"), (128, "#FF5C8A"), (162, "#FFFFFF")):
        fy = 533
        for k in range(5):
            a = math.radians(k * 72 - 90)
            s.circle(fx + 2.1 * math.cos(a), fy + 2.1 * math.sin(a), 1.5, fill=col)
        s.circle(fx, fy, 1.3, fill="#FFB300")
    return s


def make_help_backdrop():
    s = Svg("helpBkg", 560, 360, "the backdrop of the help window")
    s.rect(0, 0, 560, 360, fill=s.linear("sky", 0, 0, 0, 360, [(0, "#8ED8FF"), (1, "#DDF4FF")]))
    # soft clouds in the side bands
    for (cx, cy, k) in ((17, 70, 1.0), (543, 120, 0.9), (15, 200, 0.8), (543, 250, 1.0)):
        s.begin("translate(%s,%s) scale(%s)" % (num(cx), num(cy), num(k)))
        for (dx, dy, r) in ((-8, 2, 7), (0, -3, 9), (9, 2, 7), (0, 5, 7)):
            s.circle(dx, dy, r, fill="#FFFFFF", fill_opacity=0.75)
        s.end()
    # twinkles in the border band
    for (cx, cy, r) in ((16, 140, 4), (543, 60, 4), (545, 190, 3.4), (15, 268, 3.4), (544, 300, 4)):
        sparkle(s, cx, cy, r, "#FFFFFF", 0.95)
    # frame around the text area
    s.rect(25, 35, 510, 270, rx=10, ry=10, fill="#FFFFFF", stroke="#2A7BC0", stroke_width=2)
    s.rect(28.5, 38.5, 503, 263, rx=6, ry=6, fill="none", stroke="#FFB640", stroke_width=3)
    # title
    text = "Help"
    scale, sx, tracking = 2.3, 2.9, 2.1
    w = text_width_px(text, scale, tracking, sx)
    x0 = 280 - w / 2
    y0 = 4.2
    draw_text(s, text, x0, y0, scale, title_layers(["#FF5247", "#FFB300", "#3CC25A", "#24A3F0"], depth=2),
              tracking=tracking, sx=sx)
    for side, col in ((-1, "#FFD23F"), (1, "#FF8FC8")):
        cx = 280 + side * (w / 2 + 26)
        s.polygon(star(cx, 17, 9, 4), fill=col, stroke=INK, stroke_width=1.2, stroke_linejoin="round")
    tibbly(s, "translate(18,1) scale(1.05)", shadow=False)
    badee(s, "translate(508,1) scale(1.05)", shadow=False)
    # hills along the bottom, with Tibbly and a Badee watching
    s.path("M0,330 C60,312 120,316 190,328 C250,338 300,318 370,316 C440,314 500,326 560,320 L560,360 L0,360 Z",
           fill=s.linear("hillBack", 0, 312, 0, 360, [(0, "#A6E68A"), (1, "#6CC24F")]))
    s.path("M0,344 C80,332 150,336 230,346 C310,356 380,334 460,336 C510,337 540,342 560,340 L560,360 L0,360 Z",
           fill=s.linear("hillFront", 0, 332, 0, 360, [(0, "#7FD65C"), (1, "#3E9E34")]))
    tibbly(s, "translate(70,306) scale(1.45)")
    badee(s, "translate(448,310) scale(1.3)")
    for (fx, fy, col) in ((30, 348, "#FF5C8A"), (150, 344, "#FFE04D"), (175, 352, "#B05CFF"),
                          (390, 345, "#FF5C8A"), (420, 352, "#FFFFFF"), (520, 346, "#FFE04D")):
        for k in range(5):
            a = math.radians(k * 72 - 90)
            s.circle(fx + 2.4 * math.cos(a), fy + 2.4 * math.sin(a), 1.7, fill=col)
        s.circle(fx, fy, 1.4, fill="#FFB300")
    return s


# ---------------------------------------------------------------------------
# Cursor


def make_cursor():
    s = Svg("FingerCurs", 32, 32, "the pointing-finger cursor; the fingertip is at pixel (12, 1)")
    hand = ("M9.5,20.5 L9.5,4.5 C9.5,2.84 10.84,1.5 12.5,1.5 C14.16,1.5 15.5,2.84 15.5,4.5 L15.5,13 "
            "C15.5,11.6 16.4,11 17.5,11 C18.6,11 19.5,11.6 19.5,13 "
            "C19.5,12.4 20.4,12 21.5,12 C22.6,12 23.5,12.6 23.5,14 "
            "C23.5,13.7 24.1,13.5 25,13.5 C25.9,13.5 26.5,14.2 26.5,15.2 L26.5,22.5 "
            "C26.5,26.5 24,29.5 20.5,29.5 L15,29.5 C12.5,29.5 11,28.5 10,27 L5,21.5 "
            "C4.2,20.6 4.3,19.3 5.2,18.6 C6.1,17.9 7.3,18.1 8,19 Z")
    s.path(hand, fill="#FFFFFF", stroke="#000000", stroke_width=1, stroke_linejoin="round")
    # a little shading for the glove
    s.path("M24.5,17 L24.5,22.5 C24.5,25.5 22.8,27.5 20.5,27.5 L16,27.5", fill="none", stroke="#C8C8C8",
           stroke_width=1, stroke_linecap="round")
    s.path("M15.5,13 L15.5,17 M19.5,13 L19.5,17 M23.5,14 L23.5,17.5", fill="none", stroke="#000000",
           stroke_width=1, stroke_linecap="butt")
    return s


# ---------------------------------------------------------------------------


def main():
    pictures = []
    pictures += make_box_pictures()
    pictures += make_controls()
    pictures += make_titles()
    pictures.append(make_panel())
    pictures.append(make_help_backdrop())
    for p in pictures:
        p.save(PICTURES)
    make_cursor().save(CURSORS)
    print("wrote %d pictures and the cursor" % len(pictures))


if __name__ == "__main__":
    main()
