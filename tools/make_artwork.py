"""The host program's artwork, and the shapes, palette and output rules the
product module's artwork shares (tools/make-module-artwork imports this).

Writes every PNG image of the host into resources/host/images, the program
icon into resources/host/HostIcon.ico and the resource script fragment
resources/host/Images.rc that lists them.  The output is deterministic: the
same bytes on every run (no randomness, no timestamps, no PNG metadata), so
the generated files are kept in the repository and the build never needs
Python.

Shapes are drawn as coverage masks at SS times the target size and reduced
with a box filter, which gives clean anti-aliased edges; colours, gradients
and shadows are then applied at the target size.

Uses Debian's python3-pil and the DejaVu and Liberation fonts.

    tools/make-artwork                      regenerate the resources
    tools/make-artwork --preview OUT.png    also draw a preview sheet
"""

import argparse
import math
import os
import struct
import io

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "resources", "host")
IMAGE_DIR = os.path.join(OUT_DIR, "images")

SS = 4  # supersampling factor of the coverage masks

DEJAVU = "/usr/share/fonts/truetype/dejavu/"
LIBERATION = "/usr/share/fonts/truetype/liberation/"
SANS = DEJAVU + "DejaVuSans.ttf"
SANS_BOLD = DEJAVU + "DejaVuSans-Bold.ttf"
WORDMARK = LIBERATION + "LiberationSans-Bold.ttf"
UI = LIBERATION + "LiberationSans-Regular.ttf"

# Every image: resource number, short file name, width, height.
IMAGES = [
    (1004, "main-background", 1100, 655),
    (107, "list-dark-face", 232, 27),
    (108, "list-dark-top", 232, 16),
    (109, "list-dark-bottom", 232, 13),
    (110, "list-dark-item", 232, 20),
    (111, "title", 300, 24),
    (112, "logo", 180, 40),
    (114, "close-button", 30, 30),
    (115, "list-dark-highlight", 232, 20),
    (118, "document-title-bar", 820, 640),
    (122, "side-panel", 227, 380),
    (123, "pdf-bullet-icon", 16, 16),
    (124, "pdf-folder-icon", 16, 16),
    (125, "gray-header-bar", 800, 30),
    (126, "menu-expansions", 16, 16),
    (127, "mini-airplane-icon", 16, 16),
    (129, "zlp-icon", 32, 32),
    (131, "blue-header-bar", 800, 30),
    (132, "list-light-face", 232, 27),
    (133, "list-light-bottom", 232, 13),
    (134, "list-light-item", 232, 20),
    (135, "list-light-highlight", 232, 20),
    (136, "list-light-top", 232, 16),
    (137, "large-button", 150, 32),
    (138, "medium-button", 100, 28),
    (139, "gray-button", 80, 24),
    (140, "green-button", 80, 24),
    (141, "red-button", 80, 24),
    (142, "header-expand-button", 16, 16),
    (143, "header-collapse-button", 16, 16),
    (144, "progress-background-center", 8, 20),
    (145, "progress-background-left", 6, 20),
    (146, "progress-background-right", 6, 20),
    (147, "progress-dark", 8, 14),
    (148, "progress-end", 4, 14),
    (149, "progress-light", 8, 14),
    (150, "progress-start", 4, 14),
    (151, "home-button", 30, 30),
    (152, "menu-documentation", 16, 16),
    (154, "menu-liveries", 16, 16),
    (155, "menu-settings", 16, 16),
    (156, "menu-version", 16, 16),
    (158, "checkmark", 16, 16),
    (159, "livery-downloader-title", 300, 40),
    (160, "menu-display-settings", 16, 16),
    (161, "radio-on", 16, 16),
    (162, "radio-off", 16, 16),
    (163, "livery-config-accurate", 16, 16),
    (164, "large-gray-button", 150, 32),
    (165, "medium-gray-button", 100, 28),
    (166, "dark-info-balloon", 180, 30),
    (167, "light-info-balloon", 180, 30),
    (168, "splash-background", 474, 270),
    (169, "splash-spinner", 82, 82),
    (170, "splash-emblem", 42, 42),
    (171, "menu-sound-settings", 16, 16),
    (172, "manual-button", 30, 30),
]
ICON_SIZES = (16, 32, 48)
ICON_RESOURCE = 128

# ---------------------------------------------------------------- palette

BASE = (45, 58, 83)            # window face, 0xFF2D3A53
BASE_DARK = (34, 45, 66)
BASE_DEEP = (25, 33, 50)
PAGE = (241, 241, 241)         # pages and list backgrounds
LINE_DARK = (22, 30, 46)
TEXT = (238, 242, 247)         # text on dark parts
TEXT_SOFT = (170, 186, 210)
INK = (45, 58, 83)             # dark glyphs on light parts
INK_SOFT = (96, 110, 136)
AMBER = (244, 172, 62)
AMBER_DEEP = (214, 132, 34)
BLUE = (62, 126, 200)
BLUE_DEEP = (40, 92, 160)
BLUE_LIGHT = (104, 164, 230)
GREEN_DEEP = (40, 122, 66)
PDF_RED = (200, 54, 46)
WHITE = (255, 255, 255)


def rgba(color, alpha=255):
    return tuple(color[:3]) + (alpha,)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


# ---------------------------------------------------------------- shapes


class Pen:
    """Draws a coverage mask at SS times the target size.

    All coordinates are in target pixels (fractions allowed); a box
    (x0, y0, x1, y1) names pixel edges, so (0, 0, 16, 16) covers a whole
    16 x 16 image.  mask() returns the anti-aliased mask at target size.
    """

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.im = Image.new("L", (w * SS, h * SS), 0)
        self.d = ImageDraw.Draw(self.im)

    def _pts(self, pts):
        return [(x * SS, y * SS) for x, y in pts]

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [round(x0 * SS), round(y0 * SS), round(x1 * SS) - 1, round(y1 * SS) - 1]

    def rect(self, box, fill=255):
        self.d.rectangle(self._box(box), fill=fill)
        return self

    def rrect(self, box, r, fill=255):
        self.d.rounded_rectangle(self._box(box), radius=round(r * SS), fill=fill)
        return self

    def ellipse(self, box, fill=255):
        self.d.ellipse(self._box(box), fill=fill)
        return self

    def circle(self, cx, cy, r, fill=255):
        return self.ellipse((cx - r, cy - r, cx + r, cy + r), fill)

    def polygon(self, pts, fill=255):
        self.d.polygon(self._pts(pts), fill=fill)
        return self

    def line(self, pts, width, fill=255):
        """A polyline with round joins and round caps."""
        self.d.line(self._pts(pts), fill=fill, width=round(width * SS), joint="curve")
        for x, y in (pts[0], pts[-1]):
            self.circle(x, y, width / 2, fill)
        return self

    def arc(self, cx, cy, r, start, end, width, fill=255):
        """An arc of a circle of outer radius r; angles in degrees, clockwise from 3 o'clock."""
        self.d.arc(self._box((cx - r, cy - r, cx + r, cy + r)), start, end,
                   fill=fill, width=round(width * SS))
        return self

    def text(self, x, baseline, s, font, size, fill=255, tracking=0.0):
        """Text with its left end at x and its baseline at `baseline`."""
        f = ImageFont.truetype(font, round(size * SS))
        px = x * SS
        for ch in s:
            self.d.text((px, baseline * SS), ch, font=f, fill=fill, anchor="ls")
            px += f.getlength(ch) + tracking * SS
        return self

    def mask(self):
        return self.im.resize((self.w, self.h), Image.BOX)


def text_width(s, font, size, tracking=0.0):
    f = ImageFont.truetype(font, round(size * SS))
    return (sum(f.getlength(ch) for ch in s) + tracking * SS * (len(s) - 1)) / SS


def cap_height(font, size):
    f = ImageFont.truetype(font, round(size * SS))
    return -f.getbbox("H", anchor="ls")[1] / SS


def minus(a, b):
    return ImageChops.subtract(a, b)


def union(a, b):
    return ImageChops.lighter(a, b)


def intersect(a, b):
    return ImageChops.multiply(a, b)


def shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def scaled(mask, factor):
    return mask.point(lambda v: round(v * factor))


def binary(mask, threshold=128):
    return mask.point(lambda v: 255 if v >= threshold else 0)


# ---------------------------------------------------------------- paint


def layer(size, color):
    return Image.new("RGBA", size, rgba(color, color[3] if len(color) > 3 else 255))


def paint(img, mask, src, opacity=1.0):
    """Composites a colour or an RGBA image over img through a coverage mask."""
    if isinstance(src, tuple):
        src = layer(img.size, src)
    alpha = intersect(src.getchannel("A"), mask)
    if opacity != 1.0:
        alpha = scaled(alpha, opacity)
    top = src.copy()
    top.putalpha(alpha)
    img.alpha_composite(top)


def ramp(stops, t):
    """Colour at t on a list of (position, colour) stops."""
    t = min(max(t, 0.0), 1.0)
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            f = 0.0 if t1 == t0 else (t - t0) / (t1 - t0)
            return mix(rgba(c0, c0[3] if len(c0) > 3 else 255),
                       rgba(c1, c1[3] if len(c1) > 3 else 255), f)
    last = stops[-1][1]
    return rgba(last, last[3] if len(last) > 3 else 255)


def vgrad(size, stops, y0=0, y1=None):
    """Vertical gradient: stops run from row y0 to row y1."""
    w, h = size
    y1 = h if y1 is None else y1
    col = Image.new("RGBA", (1, h))
    for y in range(h):
        col.putpixel((0, y), ramp(stops, (y + 0.5 - y0) / max(y1 - y0, 1)))
    return col.resize((w, h), Image.NEAREST)


def hgrad(size, stops, x0=0, x1=None):
    """Horizontal gradient: stops run from column x0 to column x1."""
    w, h = size
    x1 = w if x1 is None else x1
    row = Image.new("RGBA", (w, 1))
    for x in range(w):
        row.putpixel((x, 0), ramp(stops, (x + 0.5 - x0) / max(x1 - x0, 1)))
    return row.resize((w, h), Image.NEAREST)


def radial(size, centre, radii, stops):
    """Elliptic radial gradient: stops run from the centre (0) to the radii (1)."""
    w, h = size
    cx, cy = centre
    rx, ry = radii
    dist = Image.new("L", (w, h), 255)
    # Pillow's radial gradient reaches 181 at a distance of 128 pixels.
    g = Image.radial_gradient("L").resize((round(2 * rx), round(2 * ry)), Image.BILINEAR)
    dist.paste(g, (round(cx - rx), round(cy - ry)))
    bands = []
    for ch in range(4):
        bands.append(dist.point(lambda v, ch=ch: ramp(stops, v / 181.0)[ch]))
    return Image.merge("RGBA", bands)


def shadow(img, mask, dx, dy, blur, color, opacity):
    m = shifted(mask, dx, dy)
    if blur:
        m = m.filter(ImageFilter.GaussianBlur(blur))
    paint(img, m, rgba(color), opacity)


def canvas(w, h, color=(0, 0, 0, 0)):
    return Image.new("RGBA", (w, h), color)


def rounded_body(w, h, box, r):
    return Pen(w, h).rrect(box, r).mask()


def border_of(w, h, box, r, width=1.0):
    """The ring between a rounded box and the same box inset by width."""
    outer = Pen(w, h).rrect(box, r).mask()
    x0, y0, x1, y1 = box
    inner = Pen(w, h).rrect((x0 + width, y0 + width, x1 - width, y1 - width),
                            max(r - width, 0)).mask()
    return minus(outer, inner)


def top_edge(mask, rows=1):
    """The upper edge band of a shape (for inner highlights)."""
    return minus(mask, shifted(mask, 0, rows))


def bottom_edge(mask, rows=1):
    return minus(mask, shifted(mask, 0, -rows))


# ---------------------------------------------------------------- motifs


def fin_points(x, y, w, h):
    """A swept airliner tail fin inside the box (x, y, w, h), nose to the left."""
    unit = [(0.00, 1.00), (0.56, 0.03), (0.62, 0.00), (0.90, 0.00),
            (0.93, 0.04), (0.80, 1.00)]
    return [(x + u * w, y + v * h) for u, v in unit]


def draw_fin(img, x, y, w, h, body=(AMBER, AMBER_DEEP), stripe=TEXT, stripe_alpha=235):
    """The brand's tail fin: amber body with a white cheat line sweeping up."""
    iw, ih = img.size
    fin = Pen(iw, ih).polygon(fin_points(x, y, w, h)).mask()
    paint(img, fin, vgrad(img.size, [(0, body[0]), (1, body[1])], y, y + h))
    band = Pen(iw, ih).polygon([
        (x - w * 0.1, y + h * 0.98), (x + w * 1.1, y + h * 0.28),
        (x + w * 1.1, y + h * 0.42), (x - w * 0.1, y + h * 1.14)]).mask()
    paint(img, intersect(fin, band), rgba(stripe, stripe_alpha))
    thin = Pen(iw, ih).polygon([
        (x - w * 0.1, y + h * 0.80), (x + w * 1.1, y + h * 0.13),
        (x + w * 1.1, y + h * 0.18), (x - w * 0.1, y + h * 0.86)]).mask()
    paint(img, intersect(fin, thin), rgba(stripe, stripe_alpha // 2))
    paint(img, top_edge(fin), rgba(WHITE, 90))


def edge_band(pen, width=1.0):
    """The inner edge band of everything drawn on pen, width target pixels wide."""
    size = 2 * round(width * SS) + 1
    inner = pen.im.filter(ImageFilter.MinFilter(size))
    return minus(pen.im, inner).resize((pen.w, pen.h), Image.BOX)


def airliner(w, h, cx, top, length, span):
    """A twin-engine airliner seen from above, nose up.

    Returns the masks (airframe, engines, outline, details) on a w x h image.
    """
    def P(u, v):  # u across the span (-0.5 .. 0.5), v along the length (0 .. 1)
        return (cx + u * span, top + v * length)

    def both(pts):
        return [pts, [(2 * cx - x, y) for x, y in pts]]

    fw = 0.046  # fuselage half width, in spans
    fuselage = [P(0, 0)]
    for i in range(1, 10):  # rounded nose
        a = math.pi / 2 * i / 9
        fuselage.append(P(-fw * math.sin(a), 0.115 * (1 - math.cos(a))))
    fuselage += [P(-fw, 0.76), P(-0.016, 0.955), P(-0.006, 0.99), P(0, 0.995)]
    fuselage += [(2 * cx - x, y) for x, y in reversed(fuselage[1:-1])]
    wing = [P(-0.03, 0.36), P(-0.470, 0.600), P(-0.492, 0.602), P(-0.500, 0.575),
            P(-0.505, 0.605), P(-0.490, 0.632), P(-0.29, 0.605), P(-0.03, 0.535)]
    stab = [P(-0.01, 0.835), P(-0.205, 0.935), P(-0.212, 0.962), P(-0.01, 0.928)]
    body = Pen(w, h)
    body.polygon(fuselage)
    for pts in both(wing) + both(stab):
        body.polygon(pts)
    engines = Pen(w, h)
    for side in (-1, 1):
        ex = cx + side * 0.225 * span
        hw = 0.032 * span
        y0, y1 = top + 0.375 * length, top + 0.495 * length
        engines.polygon([(ex - hw, y0 + 1), (ex + hw, y0 + 1), (ex + hw * 0.92, y1 - 6),
                         (ex + hw * 0.45, y1), (ex - hw * 0.45, y1), (ex - hw * 0.92, y1 - 6)])
        engines.rrect((ex - hw, y0, ex + hw, y0 + 6), 2)
    airframe = union(body.mask(), engines.mask())
    outline = union(edge_band(body), edge_band(engines))
    details = Pen(w, h)
    for pts in both(wing):
        details.line([mix(pts[7], pts[6], 0.08), mix(pts[7], pts[6], 0.95)], 0.6)  # flaps
        details.line([mix(pts[0], pts[1], 0.06), mix(pts[7], pts[6], 0.06)], 0.5)
    for pts in both(stab):
        details.line([mix(pts[3], pts[2], 0.1), mix(pts[3], pts[2], 0.9)], 0.5)
    wy = top + 0.05 * length
    details.line([(cx - fw * span * 0.62, wy + 3), (cx, wy + 1), (cx + fw * span * 0.62, wy + 3)], 1.3)
    for side in (-1, 1):  # engine fans
        ex = cx + side * 0.225 * span
        details.line([(ex - 0.024 * span, top + 0.375 * length + 3),
                      (ex + 0.024 * span, top + 0.375 * length + 3)], 0.7)
    for i in range(14):  # cabin windows
        y = top + (0.16 + i * 0.04) * length
        if 0.34 < (y - top) / length < 0.56:
            continue
        details.circle(cx - fw * span * 0.62, y, 0.55)
        details.circle(cx + fw * span * 0.62, y, 0.55)
    return airframe, engines.mask(), outline, details.mask()


def mini_airplane(pen, ox=0.0, oy=0.0, k=1.0):
    """A small airliner silhouette, nose up, on a 16 x 16 grid."""
    def T(pts):
        return [(ox + x * k, oy + y * k) for x, y in pts]
    pen.rrect((ox + 6.9 * k, oy + 0.6 * k, ox + 9.1 * k, oy + 15.2 * k), 1.1 * k)
    wing = [(7.2, 5.6), (0.6, 9.8), (0.6, 11.0), (7.2, 9.4)]
    tail = [(7.4, 12.3), (4.2, 14.4), (4.2, 15.4), (7.4, 14.6)]
    for pts in (wing, tail):
        pen.polygon(T(pts))
        pen.polygon(T([(16 - x, y) for x, y in pts]))
    for ex in (3.6, 12.4):
        pen.rrect((ox + (ex - 0.8) * k, oy + 7.0 * k, ox + (ex + 0.8) * k, oy + 9.6 * k), 0.7 * k)


# ---------------------------------------------------------------- main window


def main_background():
    w, h = 1100, 655
    img = canvas(w, h, rgba(BASE))
    # A soft light behind the left column; gone well before the window edges.
    img.alpha_composite(radial((w, h), (140, 390), (300, 250),
                               [(0, rgba(WHITE, 16)), (0.55, rgba(WHITE, 6)),
                                (1, rgba(WHITE, 0))]))
    # Top bar: a darker band that fades out towards the right edge, so that a
    # wider window continues in the plain face colour.
    across = hgrad((w, h), [(0, rgba(WHITE)), (0.6, rgba(WHITE)), (1, rgba(WHITE, 0))])
    band = intersect(Pen(w, h).rect((0, 0, w, 60)).mask(), across.getchannel("A"))
    paint(img, band, vgrad((w, h), [(0, rgba(BASE_DEEP, 150)), (0.85, rgba(BASE_DEEP, 90)),
                                    (1, rgba(BASE_DEEP, 0))], 0, 60))
    # a hairline under the bar, across the left column
    rule = hgrad((w, h), [(0, rgba(WHITE, 0)), (0.12, rgba(WHITE)), (1, rgba(WHITE))],
                 0, 260).getchannel("A")
    paint(img, intersect(Pen(w, h).rect((0, 59, 260, 60)).mask(), rule), rgba(LINE_DARK), 0.55)
    paint(img, intersect(Pen(w, h).rect((0, 60, 260, 61)).mask(), rule), rgba(WHITE), 0.07)
    # Seats for the controls that draw themselves: the product list and the menu tree.
    seat = Pen(w, h).rrect((23, 100, 250, 245), 3).mask()
    shadow(img, seat, 0, 2, 5, LINE_DARK, 0.55)
    paint(img, border_of(w, h, (22, 99, 251, 246), 4), rgba(LINE_DARK), 0.6)
    paint(img, seat, rgba(PAGE))
    shadow(img, Pen(w, h).rrect((23, 70, 255, 97), 4).mask(), 0, 2, 4, LINE_DARK, 0.45)
    # Content frame: a light inset panel where the module pages appear.
    frame = (260, 60, w - 15, h - 15)
    panel = Pen(w, h).rrect(frame, 4).mask()
    shadow(img, panel, 0, 2, 4, LINE_DARK, 0.6)
    outer = (frame[0] - 1, frame[1] - 1, frame[2] + 1, frame[3] + 1)
    paint(img, border_of(w, h, outer, 5), rgba(LINE_DARK), 0.7)
    paint(img, panel, rgba(PAGE))
    paint(img, intersect(panel, top_edge(panel, 6)),
          vgrad((w, h), [(0, rgba(BASE_DEEP, 40)), (1, rgba(BASE_DEEP, 0))], 60, 66))
    return img


def draw_wordmark(img, x, cy, size, tracking):
    """The brand: tail fin and "ZELVA", starting at x, centred on row cy."""
    fin = size * 1.2
    draw_fin(img, x, cy - fin * 0.47, fin * 1.06, fin)
    base = cy + cap_height(WORDMARK, size) / 2
    mark = Pen(*img.size).text(x + fin * 1.06 + size * 0.4, base, "ZELVA", WORDMARK, size,
                               tracking=tracking)
    paint(img, mark.mask(), rgba(TEXT))


def wordmark_width(size, tracking):
    return size * 1.2 * 1.06 + size * 0.4 + text_width("ZELVA", WORDMARK, size, tracking)


def draw_product_name(img, cx, cy, size):
    """ "Hangardesk" centred on (cx, cy): "Hangar" bold white, "desk" regular and softer."""
    a, b, track = "Hangar", "desk", size * 0.035
    wa = text_width(a, SANS_BOLD, size, track) + track
    x = cx - (wa + text_width(b, SANS, size, track)) / 2
    base = cy + cap_height(SANS, size) / 2
    paint(img, Pen(*img.size).text(x, base, a, SANS_BOLD, size, tracking=track).mask(),
          rgba(TEXT))
    paint(img, Pen(*img.size).text(x + wa, base, b, SANS, size, tracking=track).mask(),
          rgba(TEXT_SOFT))


def logo():
    img = canvas(180, 40)
    draw_wordmark(img, 3, 20, 27, 3.2)
    return img


def title():
    img = canvas(300, 24)
    draw_product_name(img, 150, 12, 17)
    return img


def side_panel():
    w, h = 227, 380
    img = canvas(w, h)
    cx, top, length, span = 113.5, 22, 316, 212
    # Faint range rings and a centre line, like a drawing board.
    rings = Pen(w, h)
    for r in (60, 100, 140):
        rings.arc(cx, 190, r, 0, 360, 0.8)
    rings.line([(cx, 6), (cx, 372)], 0.7)
    rings.line([(6, 190), (w - 6, 190)], 0.7)
    paint(img, rings.mask(), rgba(WHITE, 22))
    airframe, engines, outline, details = airliner(w, h, cx, top, length, span)
    shadow(img, airframe, 3, 5, 4, LINE_DARK, 0.45)
    paint(img, airframe, vgrad((w, h), [(0, rgba(WHITE, 40)), (1, rgba(WHITE, 16))],
                               top, top + length))
    paint(img, engines, rgba(WHITE, 14))
    paint(img, outline, rgba((200, 218, 244), 150))
    paint(img, details, rgba((200, 218, 244), 70))
    # Fade everything out towards the edges and the bottom.
    fade = radial((w, h), (cx, 175), (150, 230),
                  [(0, rgba(WHITE)), (0.55, rgba(WHITE)), (1, rgba(WHITE, 0))])
    alpha = intersect(img.getchannel("A"), fade.getchannel("A"))
    img.putalpha(alpha)
    return img


def top_button(glyph):
    """A round translucent chip with a white glyph, for the top bar."""
    w = h = 30
    img = canvas(w, h)
    chip = Pen(w, h).circle(15, 15, 13.5).mask()
    paint(img, chip, vgrad((w, h), [(0, rgba(WHITE, 40)), (1, rgba(WHITE, 16))], 1, 29))
    paint(img, border_of(w, h, (1.5, 1.5, 28.5, 28.5), 13.5), rgba(WHITE, 50))
    pen = Pen(w, h)
    glyph(pen)
    g = pen.mask()
    shadow(img, g, 0, 1, 0.6, LINE_DARK, 0.5)
    paint(img, g, rgba(TEXT))
    return img


def glyph_home(pen):
    pen.line([(8.2, 14.6), (15, 8.4), (21.8, 14.6)], 2.0)
    pen.line([(10.5, 14), (10.5, 21.5), (19.5, 21.5), (19.5, 14)], 1.8)
    pen.rrect((13.4, 16.4, 16.6, 21.6), 0.8)


def glyph_manual(pen):
    # an open book
    pen.line([(15, 11), (12, 9.6), (8, 9.4), (8, 19.6), (12, 19.8), (15, 21.2)], 1.6)
    pen.line([(15, 11), (18, 9.6), (22, 9.4), (22, 19.6), (18, 19.8), (15, 21.2)], 1.6)
    pen.line([(15, 11), (15, 20.6)], 1.2)


def glyph_close(pen):
    pen.line([(10.5, 10.5), (19.5, 19.5)], 2.2)
    pen.line([(19.5, 10.5), (10.5, 19.5)], 2.2)


def info_balloon(top, bottom, edge):
    w, h = 180, 30
    img = canvas(w, h)
    box = (1, 1.5, w - 1, 28.5)
    pill = rounded_body(w, h, box, 13.5)
    shadow(img, pill, 0, 1, 1.0, LINE_DARK, 0.55)
    paint(img, pill, vgrad((w, h), [(0, top), (1, bottom)], 1, 29))
    paint(img, intersect(pill, top_edge(pill, 1)), rgba(WHITE, 70))
    paint(img, border_of(w, h, box, 13.5), rgba(edge))
    return img


def main_window_images():
    return {
        1004: main_background(),
        112: logo(),
        111: title(),
        122: side_panel(),
        151: top_button(glyph_home),
        172: top_button(glyph_manual),
        114: top_button(glyph_close),
        167: info_balloon((98, 154, 222), (60, 116, 188), (44, 90, 156)),
        166: info_balloon((48, 62, 90), (34, 45, 66), (90, 108, 140)),
    }


# ---------------------------------------------------------------- product list skins

DARK_SKIN = {
    "face": ((40, 53, 78), (28, 37, 56)), "edge": (84, 102, 134), "arrow": AMBER,
    "body": (36, 47, 70), "body_edge": (84, 102, 134),
    "hl": ((70, 124, 192), (50, 96, 162)), "hl_edge": (84, 140, 210), "marker": AMBER,
}
LIGHT_SKIN = {
    "face": ((112, 142, 182), (86, 114, 154)), "edge": (62, 86, 122), "arrow": TEXT,
    "body": (96, 124, 162), "body_edge": (62, 86, 122),
    "hl": ((58, 92, 140), (44, 74, 118)), "hl_edge": (40, 66, 106), "marker": AMBER,
}


def list_face(skin):
    w, h = 232, 27
    img = canvas(w, h)
    box = (0, 0, w, h)
    body = rounded_body(w, h, box, 4)
    paint(img, body, vgrad((w, h), [(0, skin["face"][0]), (1, skin["face"][1])]))
    paint(img, intersect(body, top_edge(body, 1)), rgba(WHITE, 36))
    paint(img, border_of(w, h, box, 4), rgba(skin["edge"]))
    # the drop button section at the right
    sx = w - 28
    paint(img, Pen(w, h).rect((sx, 5, sx + 1, h - 5)).mask(), rgba(LINE_DARK, 110))
    paint(img, Pen(w, h).rect((sx + 1, 5, sx + 2, h - 5)).mask(), rgba(WHITE, 30))
    ax, ay = sx + 14, 13.8
    chevron = Pen(w, h).line([(ax - 4.5, ay - 2.2), (ax, ay + 2.3), (ax + 4.5, ay - 2.2)], 1.8).mask()
    paint(img, chevron, rgba(skin["arrow"]))
    return img


def list_top(skin):
    """Top cap; pure white marks the see-through corners (keyed, hard edged)."""
    w, h = 232, 16
    img = canvas(w, h, rgba(WHITE))
    box = (0, 0, w, h + 8)
    body = binary(rounded_body(w, h, box, 6))
    inner = canvas(w, h)
    paint(inner, body, vgrad((w, h), [(0, mix(skin["body"], WHITE, 0.06)), (1, skin["body"])]))
    paint(inner, intersect(body, border_of(w, h, box, 6)), rgba(skin["body_edge"]))
    # a short accent rule in the middle of the cap
    rule = Pen(w, h).rrect((w / 2 - 18, 7, w / 2 + 18, 9), 1).mask()
    paint(inner, rule, rgba(skin["marker"], 150))
    paint(inner, Pen(w, h).rect((8, h - 1, w - 8, h)).mask(), rgba(LINE_DARK, 60))
    img.paste(inner, (0, 0), body)
    return keep_key_white(img.convert("RGB"), body)


def keep_key_white(img, inside):
    """Makes sure no drawn pixel is pure white, so only the corners are keyed."""
    px = img.load()
    m = inside.load()
    for y in range(img.height):
        for x in range(img.width):
            if m[x, y] and px[x, y] == (255, 255, 255):
                px[x, y] = (254, 254, 254)
    return img


def list_item(skin):
    w, h = 232, 20
    img = canvas(w, h, rgba(skin["body"]))
    paint(img, Pen(w, h).rect((0, 0, 1, h)).mask(), rgba(skin["body_edge"]))
    paint(img, Pen(w, h).rect((w - 1, 0, w, h)).mask(), rgba(skin["body_edge"]))
    return img


def list_bottom(skin):
    w, h = 232, 13
    img = canvas(w, h)
    box = (0, -10, w, h - 1)
    body = rounded_body(w, h, box, 6)
    shadow(img, body, 0, 1, 0.6, LINE_DARK, 0.4)
    paint(img, body, rgba(skin["body"]))
    paint(img, border_of(w, h, box, 6), rgba(skin["body_edge"]))
    return img


def list_highlight(skin):
    w, h = 232, 20
    img = canvas(w, h)
    box = (3, 1, w - 3, h - 1)
    band = rounded_body(w, h, box, 3)
    paint(img, band, vgrad((w, h), [(0, skin["hl"][0]), (1, skin["hl"][1])], 1, 19))
    paint(img, border_of(w, h, box, 3), rgba(skin["hl_edge"], 160))
    paint(img, intersect(band, top_edge(band, 1)), rgba(WHITE, 40))
    marker = Pen(w, h).rrect((3, 3, 6, h - 3), 1.5).mask()
    paint(img, marker, rgba(skin["marker"]))
    return img


def list_skin_images():
    return {
        107: list_face(DARK_SKIN), 108: list_top(DARK_SKIN), 109: list_bottom(DARK_SKIN),
        110: list_item(DARK_SKIN), 115: list_highlight(DARK_SKIN),
        132: list_face(LIGHT_SKIN), 136: list_top(LIGHT_SKIN), 133: list_bottom(LIGHT_SKIN),
        134: list_item(LIGHT_SKIN), 135: list_highlight(LIGHT_SKIN),
    }


# ---------------------------------------------------------------- status window

RING_CENTRE = (196 + 41, 113 + 41)
STATUS_STRIP = (46, 238, 46 + 382, 238 + 20)


def splash_background():
    w, h = 474, 270
    img = canvas(w, h)
    img.alpha_composite(vgrad((w, h), [(0, (54, 69, 98)), (0.6, BASE), (1, BASE_DARK)]))
    img.alpha_composite(radial((w, h), RING_CENTRE, (200, 130),
                               [(0, rgba(WHITE, 22)), (1, rgba(WHITE, 0))]))
    # a large faint tail fin in the lower right corner
    wm = canvas(w, h)
    draw_fin(wm, 330, 120, 170, 170, body=(WHITE, WHITE), stripe=BASE, stripe_alpha=255)
    img.alpha_composite(Image.blend(canvas(w, h), wm, 0.05))
    # logo and title, centred
    draw_wordmark(img, (w - wordmark_width(30, 4)) / 2, 39, 30, 4)
    draw_product_name(img, w / 2, 80, 17)
    rule = hgrad((w, h), [(0, rgba(AMBER, 0)), (0.5, rgba(AMBER, 200)), (1, rgba(AMBER, 0))],
                 w / 2 - 70, w / 2 + 70)
    paint(img, Pen(w, h).rect((w / 2 - 70, 97, w / 2 + 70, 98)).mask(), rule)
    # plain strip for the status text
    sx0, sy0, sx1, sy1 = STATUS_STRIP
    strip = Pen(w, h).rrect((sx0 - 10, sy0 - 4, sx1 + 10, sy1 + 4), 5).mask()
    paint(img, strip, rgba(BASE_DEEP, 110))
    paint(img, border_of(w, h, (sx0 - 10, sy0 - 4, sx1 + 10, sy1 + 4), 5), rgba(WHITE, 18))
    # frame
    paint(img, border_of(w, h, (0, 0, w, h), 0), rgba((96, 114, 146)))
    paint(img, border_of(w, h, (1, 1, w - 1, h - 1), 0), rgba(WHITE, 14))
    return img.convert("RGB").convert("RGBA")


def splash_spinner():
    w = h = 82
    img = canvas(w, h)
    c, r, width = 41, 38, 5
    track = Pen(w, h).arc(c, c, r, 0, 360, width).mask()
    paint(img, track, rgba(WHITE, 34))
    # a bright arc with a fading tail; its head is at 0 degrees
    steps = 60
    sweep = 150.0
    for i in range(steps):
        a0 = -sweep + sweep * i / steps
        seg = Pen(w, h).arc(c, c, r, a0, a0 + sweep / steps + 0.8, width).mask()
        t = (i + 1) / steps
        paint(img, seg, rgba(mix(AMBER_DEEP, AMBER, t), round(255 * t ** 1.6)))
    head = Pen(w, h).circle(c + r - width / 2, c, width / 2 + 0.6).mask()
    glow = head.filter(ImageFilter.GaussianBlur(2.5))
    paint(img, glow, rgba(AMBER), 0.8)
    paint(img, head, rgba((255, 226, 170)))
    return img


def splash_emblem():
    w = h = 42
    img = canvas(w, h)
    disc = Pen(w, h).circle(21, 21, 19.5).mask()
    paint(img, disc, vgrad((w, h), [(0, (58, 74, 106)), (1, BASE_DEEP)], 2, 40))
    paint(img, minus(disc, Pen(w, h).circle(21, 21, 18.3).mask()), rgba(WHITE, 60))
    draw_fin(img, 11, 10, 21, 21)
    return img


def status_window_images():
    return {168: splash_background(), 169: splash_spinner(), 170: splash_emblem()}


# ---------------------------------------------------------------- buttons and bars


def button(w, h, top, bottom, edge):
    img = canvas(w, h)
    box = (0.5, 0.5, w - 0.5, h - 1.5)
    r = min(6, h / 4.5)
    body = rounded_body(w, h, box, r)
    shadow(img, body, 0, 1, 0.7, LINE_DARK, 0.35)
    paint(img, body, vgrad((w, h), [(0, top), (1, bottom)], 0, h - 1))
    gloss = Pen(w, h).rect((0, 0, w, (h - 1) / 2)).mask()
    paint(img, intersect(body, gloss), rgba(WHITE, 18))
    paint(img, intersect(body, top_edge(body, 1)), rgba(WHITE, 80))
    paint(img, border_of(w, h, box, r), rgba(edge))
    return img


def button_images():
    blue = ((84, 146, 216), (46, 102, 174), (36, 82, 146))
    gray = ((170, 178, 191), (132, 141, 157), (108, 117, 133))
    green = ((90, 182, 112), (48, 138, 74), (36, 110, 58))
    red = ((222, 104, 92), (178, 58, 50), (140, 42, 36))
    return {
        138: button(100, 28, *blue), 165: button(100, 28, *gray),
        137: button(150, 32, *blue), 164: button(150, 32, *gray),
        139: button(80, 24, *gray), 140: button(80, 24, *green), 141: button(80, 24, *red),
    }


def header_bar(top, bottom, edge):
    w, h = 800, 30
    img = canvas(w, h)
    box = (0, 0, w, h)
    body = rounded_body(w, h, box, 4)
    paint(img, body, vgrad((w, h), [(0, top), (1, bottom)]))
    paint(img, intersect(body, top_edge(body, 1)), rgba(WHITE, 60))
    paint(img, intersect(body, bottom_edge(body, 1)), rgba(edge))
    paint(img, border_of(w, h, box, 4), rgba(edge), 0.6)
    return img


def header_toggle(expand):
    w = h = 16
    img = canvas(w, h)
    disc = Pen(w, h).circle(8, 8, 7).mask()
    shadow(img, disc, 0, 1, 0.5, LINE_DARK, 0.35)
    paint(img, disc, vgrad((w, h), [(0, (252, 252, 253)), (1, (222, 227, 235))], 1, 15))
    paint(img, minus(disc, Pen(w, h).circle(8, 8, 6.1).mask()), rgba(INK, 90))
    if expand:
        pts = [(5, 6.6), (8, 9.6), (11, 6.6)]
    else:
        pts = [(5, 9.4), (8, 6.4), (11, 9.4)]
    paint(img, Pen(w, h).line(pts, 1.7).mask(), rgba(INK))
    return img


def progress_images():
    # The trough: one rounded shape, cut into left, centre and right.
    tw, th = 20, 20
    trough = canvas(tw, th)
    box = (0, 0, tw, th)
    body = rounded_body(tw, th, box, 6)
    paint(trough, body, vgrad((tw, th), [(0, (206, 211, 219)), (0.35, (226, 230, 236)),
                                         (1, (236, 239, 243))]))
    paint(trough, intersect(body, top_edge(body, 2)), rgba(LINE_DARK, 30))
    paint(trough, border_of(tw, th, box, 6), rgba((160, 169, 183)))
    # The fill, 14 high: light and dark tiles alternate in groups of three.
    def strip(top, bottom):
        sw, sh = 24, 14
        im = canvas(sw, sh)
        b = rounded_body(sw, sh, (0, 0, sw, sh), 4)
        paint(im, b, vgrad((sw, sh), [(0, top), (1, bottom)]))
        paint(im, intersect(b, top_edge(b, 1)), rgba(WHITE, 110))
        paint(im, intersect(b, bottom_edge(b, 1)), rgba(LINE_DARK, 50))
        return im
    light = strip((118, 178, 240), (68, 132, 208))
    dark = strip((84, 146, 220), (46, 102, 178))
    return {
        145: trough.crop((0, 0, 6, 20)),
        144: trough.crop((6, 0, 14, 20)),
        146: trough.crop((14, 0, 20, 20)),
        150: light.crop((0, 0, 4, 14)),
        149: light.crop((8, 0, 16, 14)),
        147: dark.crop((8, 0, 16, 14)),
        148: dark.crop((20, 0, 24, 14)),
    }


def bar_images():
    imgs = {
        125: header_bar((156, 164, 178), (124, 133, 150), (98, 107, 124)),
        131: header_bar((74, 116, 172), (46, 80, 128), (34, 62, 104)),
        143: header_toggle(expand=False),
        142: header_toggle(expand=True),
    }
    imgs.update(progress_images())
    return imgs


def document_title_bar():
    """The document window's face, stretched over the whole window: a title
    band 46 px high over the page colour, which the text and browser fill."""
    w, h = 820, 640
    img = canvas(w, h)
    box = (0, 0, w, h)
    body = rounded_body(w, h, box, 6)
    paint(img, body, rgba(PAGE))
    band = intersect(body, Pen(w, h).rect((0, 0, w, 46)).mask())
    paint(img, band, vgrad((w, h), [(0, (252, 252, 253)), (1, (218, 224, 233))], 0, 46))
    paint(img, intersect(body, top_edge(body, 1)), rgba(WHITE, 200))
    paint(img, Pen(w, h).rect((0, 46, w, 47)).mask(), rgba((176, 185, 200)))
    paint(img, intersect(body, Pen(w, h).rect((0, 47, w, 49)).mask()), rgba(AMBER))
    paint(img, border_of(w, h, box, 6), rgba((150, 160, 176)))
    return img


def document_images():
    return {118: document_title_bar()}


# ---------------------------------------------------------------- small icons


def icon(draw, size=16):
    img = canvas(size, size)
    draw(img)
    return img


def pdf_bullet(img):
    w, h = img.size
    page = [(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)]
    m = Pen(w, h).polygon(page).mask()
    shadow(img, m, 0, 1, 0.4, LINE_DARK, 0.25)
    paint(img, m, rgba((252, 252, 252)))
    paint(img, minus(m, Pen(w, h).polygon([(4, 2), (9.6, 2), (12, 4.4), (12, 14), (4, 14)]).mask()),
          rgba((128, 138, 154)))
    paint(img, Pen(w, h).polygon([(10, 1), (10, 4), (13, 4)]).mask(), rgba((196, 202, 212)))
    for y in (5, 7):
        paint(img, Pen(w, h).rect((5, y, 9.5, y + 1)).mask(), rgba((170, 178, 190)))
    paint(img, Pen(w, h).rrect((1, 9, 11, 13.5), 1).mask(), rgba(PDF_RED))
    for x in (3, 5.5, 8):
        paint(img, Pen(w, h).rect((x, 10.6, x + 1.4, 12)).mask(), rgba(WHITE, 230))


def pdf_folder(img):
    w, h = img.size
    back = Pen(w, h).polygon([(1, 3), (6, 3), (7.5, 4.5), (15, 4.5), (15, 14), (1, 14)]).mask()
    paint(img, back, rgba((206, 146, 52)))
    doc = Pen(w, h).rect((4, 6, 12, 12)).mask()
    paint(img, doc, rgba((250, 250, 250)))
    paint(img, Pen(w, h).rect((4, 6, 12, 8)).mask(), rgba(PDF_RED))
    front = Pen(w, h).polygon([(1, 8.2), (15, 8.2), (15, 14), (1, 14)]).mask()
    front = union(front, Pen(w, h).rrect((1, 7.5, 15, 14.5), 1).mask())
    paint(img, front, vgrad((w, h), [(0, (246, 196, 96)), (1, (228, 162, 60))], 7, 15))
    paint(img, intersect(front, top_edge(front, 1)), rgba(WHITE, 110))


def mini_airplane_icon(img):
    w, h = img.size
    pen = Pen(w, h)
    mini_airplane(pen)
    paint(img, pen.mask(), vgrad((w, h), [(0, BLUE_LIGHT), (1, BLUE_DEEP)]))


def zlp_icon(img):
    w, h = img.size
    top = [(15, 3), (27, 8.5), (15, 14), (3, 8.5)]
    left = [(3, 8.5), (15, 14), (15, 28), (3, 22.5)]
    right = [(15, 14), (27, 8.5), (27, 22.5), (15, 28)]
    whole = Pen(w, h).polygon([(15, 3), (27, 8.5), (27, 22.5), (15, 28), (3, 22.5), (3, 8.5)]).mask()
    shadow(img, whole, 1, 1, 1.0, LINE_DARK, 0.35)
    paint(img, Pen(w, h).polygon(left).mask(), rgba((222, 168, 86)))
    paint(img, Pen(w, h).polygon(right).mask(), rgba((190, 134, 58)))
    paint(img, Pen(w, h).polygon(top).mask(), rgba((242, 204, 138)))
    # packing tape
    paint(img, Pen(w, h).polygon([(8.2, 6.1), (10.6, 5.0), (22.6, 10.5), (20.2, 11.6)]).mask(),
          rgba((200, 150, 78)))
    paint(img, Pen(w, h).polygon([(20.2, 11.6), (22.6, 10.5), (22.6, 18), (20.2, 19.1)]).mask(),
          rgba((168, 114, 44)))
    edges = Pen(w, h).line([(3, 8.5), (15, 14), (27, 8.5)], 0.8).line([(15, 14), (15, 28)], 0.8).mask()
    paint(img, edges, rgba((130, 88, 32), 150))
    # a paint brush resting across the front corner
    handle = Pen(w, h).line([(30.5, 14.5), (22.5, 22.5)], 2.6).mask()
    shadow(img, handle, 0, 1, 0.5, LINE_DARK, 0.35)
    paint(img, handle, rgba(INK))
    paint(img, Pen(w, h).line([(23.2, 21.8), (20.6, 24.4)], 3.4).mask(), rgba((196, 204, 216)))
    bristles = Pen(w, h).polygon([(19.2, 23.0), (22.0, 25.8), (18.6, 30.4), (15.6, 30.8),
                                  (16.0, 27.2)]).mask()
    paint(img, bristles, rgba(BLUE))
    paint(img, Pen(w, h).line([(17.4, 29.2), (19.6, 26.2)], 0.7).mask(), rgba(WHITE, 120))
    paint(img, Pen(w, h).line([(3.5, 30.5), (9, 29.2), (14, 30.6)], 1.6).mask(), rgba(BLUE, 200))


def menu_gear(img):
    w, h = img.size
    cx = cy = 8
    pts = []
    teeth = 8
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4) + math.pi / (teeth * 4)
        r = 7.4 if (i % 4) in (1, 2) else 5.4
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    gear = minus(Pen(w, h).polygon(pts).mask(), Pen(w, h).circle(cx, cy, 2.3).mask())
    paint(img, gear, vgrad((w, h), [(0, (104, 118, 144)), (1, INK)]))


def menu_version(img):
    w, h = img.size
    tag = [(1.6, 8.0), (8.0, 1.6), (14.0, 1.6), (14.4, 2.0), (14.4, 8.0), (8.0, 14.4)]
    body = Pen(w, h).polygon(tag).mask()
    body = minus(body, Pen(w, h).circle(11.2, 4.8, 1.4).mask())
    paint(img, body, vgrad((w, h), [(0, (250, 186, 86)), (1, AMBER_DEEP)]))
    lines = Pen(w, h).line([(5.4, 8.6), (8.4, 5.6)], 1.1).line([(7.4, 10.6), (10.4, 7.6)], 1.1).mask()
    paint(img, lines, rgba(WHITE, 230))


def menu_expansions(img):
    w, h = img.size
    pen = Pen(w, h)
    mini_airplane(pen)
    paint(img, pen.mask(), vgrad((w, h), [(0, (98, 112, 138)), (1, INK)]))


def menu_documentation(img):
    w, h = img.size
    cover = Pen(w, h).rrect((3, 1, 14, 13.5), 1.2).mask()
    paint(img, cover, vgrad((w, h), [(0, BLUE_LIGHT), (1, BLUE_DEEP)]))
    pages = Pen(w, h).rrect((3, 12, 14, 15.2), 1.2).mask()
    paint(img, pages, rgba((236, 238, 242)))
    paint(img, border_of(w, h, (3, 12, 14, 15.2), 1.2, 0.8), rgba(INK, 180))
    paint(img, Pen(w, h).rect((3, 1, 5, 13)).mask(), rgba(BLUE_DEEP))
    paint(img, Pen(w, h).rect((7, 4, 12, 5)).mask(), rgba(WHITE, 200))
    paint(img, Pen(w, h).rect((7, 6.5, 11, 7.3)).mask(), rgba(WHITE, 140))


def menu_liveries(img):
    w, h = img.size
    handle = Pen(w, h).line([(14.2, 1.8), (8.6, 7.4)], 2.2).mask()
    paint(img, handle, rgba(INK))
    paint(img, Pen(w, h).line([(9.1, 6.9), (7.2, 8.8)], 2.8).mask(), rgba((160, 170, 186)))
    bristle = Pen(w, h).polygon([(5.9, 7.9), (8.1, 10.1), (5.6, 13.8), (2.0, 14.6),
                                 (2.6, 11.0)]).mask()
    paint(img, bristle, vgrad((w, h), [(0, (250, 186, 86)), (1, AMBER_DEEP)], 8, 15))


def menu_display(img):
    w, h = img.size
    frame = Pen(w, h).rrect((1, 2, 15, 12), 1.5).mask()
    paint(img, frame, rgba(INK))
    screen = Pen(w, h).rect((2.4, 3.4, 13.6, 10.6)).mask()
    paint(img, screen, vgrad((w, h), [(0, BLUE_LIGHT), (1, BLUE_DEEP)], 3, 11))
    paint(img, Pen(w, h).polygon([(2.4, 3.4), (9, 3.4), (4.5, 10.6), (2.4, 10.6)]).mask(),
          rgba(WHITE, 40))
    paint(img, Pen(w, h).rect((7, 12, 9, 14)).mask(), rgba(INK))
    paint(img, Pen(w, h).rrect((4.5, 13.5, 11.5, 15), 0.7).mask(), rgba(INK))


def menu_sound(img):
    w, h = img.size
    speaker = Pen(w, h).polygon([(1.5, 5.8), (4.2, 5.8), (8, 2.2), (8, 13.8), (4.2, 10.2),
                                 (1.5, 10.2)]).mask()
    paint(img, speaker, rgba(INK))
    waves = Pen(w, h).arc(8.6, 8, 3.6, -50, 50, 1.3).arc(8.6, 8, 6.4, -55, 55, 1.3).mask()
    paint(img, waves, rgba(BLUE))


def checkmark(img):
    w, h = img.size
    m = Pen(w, h).line([(3, 8.6), (6.4, 12), (13.2, 4.2)], 2.4).mask()
    shadow(img, m, 0, 1, 0.4, LINE_DARK, 0.18)
    paint(img, m, vgrad((w, h), [(0, (82, 184, 108)), (1, GREEN_DEEP)], 3, 13))


def radio(img, on):
    w, h = img.size
    disc = Pen(w, h).circle(8, 8, 6.8).mask()
    shadow(img, disc, 0, 1, 0.5, LINE_DARK, 0.2)
    paint(img, disc, vgrad((w, h), [(0, (236, 239, 243)), (1, WHITE)], 1, 15))
    ring = minus(disc, Pen(w, h).circle(8, 8, 5.8).mask())
    paint(img, ring, rgba(BLUE_DEEP if on else (140, 150, 166)))
    if on:
        dot = Pen(w, h).circle(8, 8, 3.4).mask()
        paint(img, dot, vgrad((w, h), [(0, BLUE_LIGHT), (1, BLUE_DEEP)], 4.6, 11.4))


def config_accurate(img):
    w, h = img.size
    pts = []
    n = 12
    for i in range(n * 2):
        a = math.pi * i / n
        r = 7.6 if i % 2 == 0 else 6.3
        pts.append((8 + r * math.cos(a), 8 + r * math.sin(a)))
    badge = Pen(w, h).polygon(pts).mask()
    paint(img, badge, vgrad((w, h), [(0, (92, 190, 118)), (1, GREEN_DEEP)]))
    tick = Pen(w, h).line([(4.9, 8.2), (7.1, 10.4), (11.2, 5.8)], 1.7).mask()
    paint(img, tick, rgba(WHITE))


def livery_downloader_title():
    w, h = 300, 40
    img = canvas(w, h)
    # a round badge with a downward arrow
    disc = Pen(w, h).circle(16, 20, 13).mask()
    shadow(img, disc, 0, 1, 0.8, LINE_DARK, 0.25)
    paint(img, disc, vgrad((w, h), [(0, BLUE_LIGHT), (1, BLUE_DEEP)], 7, 33))
    arrow = Pen(w, h).line([(16, 12.5), (16, 25)], 2.4).line([(10.8, 20.2), (16, 25.6), (21.2, 20.2)], 2.4)
    paint(img, arrow.mask(), rgba(WHITE))
    paint(img, Pen(w, h).line([(10, 29), (22, 29)], 1.6).mask(), rgba(WHITE, 210))
    size = 20
    base = 20 + cap_height(SANS, size) / 2
    a, b = "Livery", " Downloader"
    wa = text_width(a, SANS_BOLD, size)
    paint(img, Pen(w, h).text(38, base, a, SANS_BOLD, size).mask(), rgba(INK))
    paint(img, Pen(w, h).text(38 + wa, base, b, SANS, size).mask(), rgba(INK_SOFT))
    rule = hgrad((w, h), [(0, rgba(AMBER)), (1, rgba(AMBER, 0))], 38, 240)
    paint(img, Pen(w, h).rect((38, 36, 240, 38)).mask(), rule)
    return img


def icon_images():
    return {
        123: icon(pdf_bullet), 124: icon(pdf_folder), 127: icon(mini_airplane_icon),
        129: icon(zlp_icon, 32),
        155: icon(menu_gear), 156: icon(menu_version), 126: icon(menu_expansions),
        152: icon(menu_documentation), 154: icon(menu_liveries), 160: icon(menu_display),
        171: icon(menu_sound), 158: icon(checkmark),
        162: icon(lambda im: radio(im, False)), 161: icon(lambda im: radio(im, True)),
        163: icon(config_accurate), 159: livery_downloader_title(),
    }


# ---------------------------------------------------------------- program icon


def app_icon(size):
    s = size / 48.0
    img = canvas(size, size)
    box = (1 * s, 1 * s, size - 1 * s, size - 1 * s)
    tile = rounded_body(size, size, box, 9 * s)
    paint(img, tile, vgrad((size, size), [(0, (66, 84, 118)), (1, BASE_DEEP)]))
    paint(img, border_of(size, size, box, 9 * s, max(1.0, s)), rgba(LINE_DARK, 200))
    if size >= 32:
        paint(img, intersect(tile, top_edge(tile, 1)), rgba(WHITE, 60))
    if size > 16:
        draw_fin(img, 10 * s, 9 * s, 30 * s, 30 * s)
    else:  # a bigger fin keeps the smallest icon legible
        draw_fin(img, 2.2, 2.4, 12, 11.2)
    return img


def write_ico(path, images):
    """An icon file with one 32-bit BMP entry per size."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for img in images:
        w, h = img.size
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
        px = img.load()
        rows = []
        for y in range(h - 1, -1, -1):
            rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                                 for r, g, b, a in (px[x, y] for x in range(w))))
        stride = ((w + 31) // 32) * 4
        mask_rows = []
        for y in range(h - 1, -1, -1):
            bits = bytearray(stride)
            for x in range(w):
                if px[x, y][3] == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask_rows.append(bytes(bits))
        blob = header + b"".join(rows) + b"".join(mask_rows)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs))


# ---------------------------------------------------------------- output


def all_images():
    images = {}
    for family in (main_window_images, list_skin_images, status_window_images,
                   button_images, bar_images, icon_images, document_images):
        for number, img in family().items():
            if number in images:
                raise SystemExit(f"make-artwork: image {number} drawn twice")
            images[number] = img
    return images


def check(images):
    """Every listed number is drawn, with its stated size, and nothing else."""
    listed = {n: (w, h) for n, _, w, h in IMAGES}
    problems = []
    for n, size in sorted(listed.items()):
        if n not in images:
            problems.append(f"{n}: not drawn")
        elif images[n].size != size:
            problems.append(f"{n}: drawn {images[n].size}, expected {size}")
    for n in sorted(set(images) - set(listed)):
        problems.append(f"{n}: drawn but not listed")
    for n in (108, 136):  # keyed caps: opaque, see-through corners pure white
        if n in images:
            cap = images[n]
            if cap.mode != "RGB":
                problems.append(f"{n}: keyed cap must be opaque")
            elif cap.getpixel((0, 0)) != WHITE or cap.getpixel((116, 12)) == WHITE:
                problems.append(f"{n}: keyed cap corners must be white, its body not")
    if 1004 in images:  # the right and bottom edges continue in the window fill
        bg = images[1004].convert("RGB")
        w, h = bg.size
        edge = [bg.getpixel((w - 1, y)) for y in range(h)] + \
               [bg.getpixel((x, h - 1)) for x in range(w)]
        if any(px != BASE for px in edge):
            problems.append("1004: right or bottom edge differs from the window fill")
    if problems:
        raise SystemExit("make-artwork: " + "; ".join(problems))


def png_bytes(img):
    """PNG data without metadata; opaque images are stored without alpha."""
    if img.mode == "RGBA" and img.getchannel("A").getextrema() == (255, 255):
        img = img.convert("RGB")
    clean = Image.new(img.mode, img.size)
    clean.putdata(list(img.getdata()))
    buf = io.BytesIO()
    clean.save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def write_outputs(images):
    os.makedirs(IMAGE_DIR, exist_ok=True)
    names = {n: name for n, name, _, _ in IMAGES}
    wanted = set()
    for n in sorted(images):
        fname = f"{n}-{names[n]}.png"
        wanted.add(fname)
        write_if_changed(os.path.join(IMAGE_DIR, fname), png_bytes(images[n]))
    for stale in sorted(set(os.listdir(IMAGE_DIR)) - wanted):
        if stale.endswith(".png"):
            os.remove(os.path.join(IMAGE_DIR, stale))
    write_ico(os.path.join(OUT_DIR, "HostIcon.ico"), [app_icon(s) for s in ICON_SIZES])
    lines = ["// Generated by tools/make-artwork; edit the generator, not this file.",
             f'{ICON_RESOURCE} ICON "HostIcon.ico"']
    for n in sorted(images):
        lines.append(f'{n} PNG "images/{n}-{names[n]}.png"')
    write_if_changed(os.path.join(OUT_DIR, "Images.rc"), ("\n".join(lines) + "\n").encode())


def main():
    ap = argparse.ArgumentParser(description="Regenerates the host program's artwork.")
    ap.add_argument("--preview", metavar="PNG", help="also write a preview sheet to this file")
    args = ap.parse_args()
    images = all_images()
    check(images)
    write_outputs(images)
    if args.preview:
        preview(images, args.preview)
    print(f"make-artwork: {len(images)} images, icon and Images.rc in {os.path.relpath(OUT_DIR, ROOT)}")


# ---------------------------------------------------------------- preview


def preview_text(img, xy, s, size, color, bold=False, anchor="la"):
    font = ImageFont.truetype(WORDMARK if bold else UI, size)
    ImageDraw.Draw(img).text(xy, s, font=font, fill=rgba(color), anchor=anchor)


def preview_window(images, w, h):
    """The main window as the host composes it, with a few controls mocked up."""
    win = canvas(w, h, rgba(BASE))
    win.alpha_composite(images[1004])
    win.alpha_composite(images[122], (23, 249))
    win.alpha_composite(images[112], (10, 10))
    win.alpha_composite(images[111], ((w - 300) // 2, 24))
    for n, x in ((114, w - 45), (172, w - 85), (151, w - 125)):
        win.alpha_composite(images[n], (x, 15))
    win.alpha_composite(images[167], (w - 310, 15))
    preview_text(win, (w - 290 + 100, 15 + 15), "You have 3 new notifications", 12, WHITE,
                 anchor="mm")
    win.alpha_composite(images[107], (23, 70))
    preview_text(win, (23 + 15, 70 + 5), "K50-200LR", 15, WHITE)
    # the menu tree
    menu = ((155, "Settings"), (156, "Version"), (126, "Expansions"), (152, "Documentation"),
            (154, "Liveries"), (160, "Display Settings"), (171, "Sound Settings"))
    for i, (n, label) in enumerate(menu):
        y = 104 + i * 19
        win.alpha_composite(images[n], (30, y))
        preview_text(win, (52, y + 1), label, 13, INK)
    return win


def preview_dropped_list(images, dark):
    face, top, bottom, item, hl = (107, 108, 109, 110, 115) if dark else (132, 136, 133, 134, 135)
    names = ("K50-200LR", "K50F Freighter", "K50-300ER")
    out = canvas(232, 27 + 16 + 20 * len(names) + 13)
    out.alpha_composite(images[face])
    preview_text(out, (15 if dark else 5, 5 if dark else 1), "K50F Freighter", 15, WHITE)
    cap = images[top].convert("RGBA")
    key = Image.eval(cap.convert("L"), lambda v: 0)
    px = cap.load()
    for y in range(cap.height):
        for x in range(cap.width):
            if px[x, y][:3] != (255, 255, 255):
                key.putpixel((x, y), 255)
    out.paste(cap, (0, 27), key)
    y = 27 + 16
    for i, name in enumerate(names):
        out.alpha_composite(images[item], (0, y))
        if i == 1:
            out.alpha_composite(images[hl], (0, y))
        preview_text(out, (10, y + 2), name, 13, WHITE if i != 2 else (211, 211, 211))
        y += 20
    out.alpha_composite(images[bottom], (0, y))
    return out


def preview_page(images, win):
    """Some named images in use on the content panel."""
    x0, y0 = 280, 80
    win.alpha_composite(images[131].crop((0, 0, 780, 30)), (x0, y0))
    win.alpha_composite(images[143], (x0 + 6, y0 + 7))
    preview_text(win, (x0 + 28, y0 + 6), "K50-200LR Exterior", 15, WHITE, bold=True)
    win.alpha_composite(images[125].crop((0, 0, 780, 30)), (x0, y0 + 250))
    win.alpha_composite(images[142], (x0 + 6, y0 + 257))
    preview_text(win, (x0 + 28, y0 + 256), "K50F Freighter", 15, WHITE, bold=True)
    y = y0 + 44
    for n, label in ((123, "Flight Crew Operating Manual"), (123, "Quick Reference Handbook"),
                     (124, "Performance Tables"), (127, "K50-300ER Supplement")):
        win.alpha_composite(images[n], (x0 + 10, y))
        preview_text(win, (x0 + 32, y + 1), label, 13, INK)
        y += 22
    # buttons with their text drawn over them
    bx, by = x0 + 300, y0 + 44
    for n, label, w in ((137, "Back", 150), (164, "Save", 150)):
        win.alpha_composite(images[n], (bx, by))
        preview_text(win, (bx + w // 2, by + 3), label, 14, WHITE, anchor="ma")
        bx += 160
    bx, by = x0 + 300, y0 + 84
    for n, label, w in ((138, "Download", 100), (165, "Disabled", 100)):
        win.alpha_composite(images[n], (bx, by))
        preview_text(win, (bx + w // 2, by + 3), label, 14, WHITE, anchor="ma")
        bx += 110
    bx, by = x0 + 300, y0 + 122
    for n, label in ((139, "Cancel"), (140, "Install"), (141, "Delete")):
        win.alpha_composite(images[n], (bx, by))
        preview_text(win, (bx + 40, by + 3), label, 13, WHITE, anchor="ma")
        bx += 90
    # progress bar, 400 wide, 55 percent
    px, py, pw = x0 + 10, y0 + 150, 400
    win.alpha_composite(images[145], (px, py))
    win.alpha_composite(images[144].resize((pw - 12, 20), Image.NEAREST), (px + 6, py))
    win.alpha_composite(images[146], (px + pw - 6, py))
    fill = int((pw - 6) * 0.55)
    x = px + 3
    win.alpha_composite(images[150], (x, py + 3))
    x += 4
    i = 0
    while x < px + 3 + fill - 4:
        win.alpha_composite(images[149 if (i // 3) % 2 == 0 else 147], (x, py + 3))
        x += 8
        i += 1
    win.alpha_composite(images[148], (x, py + 3))
    preview_text(win, (px + pw + 10, py + 2), "Downloading... 55%", 13, INK)
    # radio buttons, checkmark, badge
    rx, ry = x0 + 10, y0 + 186
    for n, label in ((161, "Accurate configuration"), (162, "Generic configuration")):
        win.alpha_composite(images[n], (rx, ry))
        preview_text(win, (rx + 22, ry + 1), label, 13, INK)
        rx += 200
    win.alpha_composite(images[158], (rx, ry))
    preview_text(win, (rx + 22, ry + 1), "Installed", 13, INK)
    win.alpha_composite(images[163], (rx + 100, ry))
    preview_text(win, (rx + 122, ry + 1), "Verified livery", 13, INK)
    win.alpha_composite(images[159], (x0 + 10, y0 + 290))
    win.alpha_composite(images[129], (x0 + 330, y0 + 294))
    win.alpha_composite(images[166], (x0 + 380, y0 + 296))
    preview_text(win, (x0 + 380 + 100, y0 + 296 + 15), "You have 1 new notification", 12,
                 WHITE, anchor="mm")
    win.alpha_composite(preview_dropped_list(images, dark=False), (x0 + 560, y0 + 300))


def preview_splash(images, angle):
    sp = canvas(474, 270, (0xED, 0xED, 0xED, 255))
    sp.alpha_composite(images[168])
    sp.alpha_composite(images[170], (216, 132))
    ring = images[169].rotate(-angle, resample=Image.BICUBIC)
    sp.alpha_composite(ring, (196, 113))
    preview_text(sp, (46 + 191, 238 + 10), "Loading Products...", 14, WHITE, anchor="mm")
    return sp


def preview_grid(images):
    numbers = [n for n, _, w, h in sorted(IMAGES, key=lambda e: (e[3] * e[2], e[0]))
               if w * h < 20000 and n not in (1004,)]
    cols_w, x, y, row_h = 1100, 10, 10, 0
    cells = []
    for n in numbers:
        w, h = images[n].size
        zoom = 3 if w <= 32 else 1
        cw, ch = max(w * zoom, 60) + 14, h * zoom + 22
        if x + cw > cols_w:
            x, y, row_h = 10, y + row_h + 8, 0
        cells.append((n, zoom, x, y))
        x += cw
        row_h = max(row_h, ch)
    grid = canvas(cols_w, y + row_h + 10, rgba(PAGE))
    for n, zoom, x, y in cells:
        img = images[n].convert("RGBA")
        if zoom != 1:
            img = img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)
        dark = n in (151, 172, 114, 112, 111, 122, 169, 170)
        bg = canvas(img.width + 8, img.height + 8, rgba(BASE if dark else (226, 226, 226)))
        grid.alpha_composite(bg, (x - 4, y - 4))
        grid.alpha_composite(img, (x, y))
        preview_text(grid, (x, y + img.height + 5), str(n), 11, INK)
    return grid


def preview(images, path):
    main_win = preview_window(images, 1100, 655)
    preview_page(images, main_win)
    main_win.alpha_composite(preview_dropped_list(images, dark=True), (23, 70))
    big = preview_window(images, 1400, 800)
    big = big.resize((602, 344), Image.LANCZOS)
    grid = preview_grid(images)
    sheet_w = 1140
    sheet_h = 20 + 655 + 20 + 344 + 20 + grid.height + 20
    sheet = canvas(sheet_w, sheet_h, (20, 20, 24, 255))
    sheet.alpha_composite(main_win, (20, 20))
    sheet.alpha_composite(preview_splash(images, 40), (20, 695))
    sheet.alpha_composite(big, (516, 695))
    sheet.alpha_composite(grid, (20, 20 + 655 + 20 + 344 + 20))
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    sheet.convert("RGB").save(path)
    print(f"make-artwork: preview in {path}")
