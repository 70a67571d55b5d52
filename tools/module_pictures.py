"""The screenshot pictures and page images of the K50 module's product home
page and Expansions page, drawn with the shapes and palette of make_artwork.py.
tools/make-module-artwork imports this.

Every picture is a scene computed from its number alone (no randomness), so
the output is the same on every run.  Pictures are stored with an adaptive
palette of at most 96 colours, which keeps the library small.
"""

import math

from PIL import Image

import make_artwork as P

PICTURE_W, PICTURE_H = 720, 405

# resource number of the first picture, count, product line
HOME_PICTURES = (135, 25, "K50-200LR")
EXPANSION_PICTURES = (175, 9, "K50-300ER")

SKIES = [
    # top, horizon, ground, sea, caption of the time of day
    ((36, 74, 138), (150, 190, 228), (92, 118, 82), (44, 92, 136), "midday"),
    ((30, 40, 92), (240, 160, 96), (70, 76, 66), (40, 60, 96), "sunrise"),
    ((52, 44, 98), (236, 122, 86), (64, 58, 60), (46, 50, 84), "sunset"),
    ((8, 14, 34), (40, 58, 98), (20, 26, 30), (14, 22, 40), "night"),
    ((96, 112, 130), (196, 204, 212), (110, 118, 104), (90, 104, 118), "overcast"),
]

PLACES = ["over the coast", "on approach", "climbing out", "at cruise", "turning final", "over the mountains",
          "on the runway", "above the clouds", "in the hold", "crossing the ocean"]

LIVERIES = [P.AMBER, P.BLUE_LIGHT, (200, 60, 60), (70, 160, 110), (236, 236, 240)]


def _side_view(w, h, x, y, length, stretch):
    """The K50 from the side, nose to the right; stretch lengthens the cabin."""
    k = length / 100.0
    s = stretch

    def T(pts):
        return [(x + u * k, y + v * k) for u, v in pts]

    pen = P.Pen(w, h)
    body = [(0, 9.0), (6, 6.4), (16, 5.2), (84 + s, 5.2), (92 + s, 6.0), (97 + s, 7.6), (100 + s, 9.6),
            (97 + s, 11.8), (90 + s, 13.0), (20, 13.0), (9, 12.0), (2, 10.6)]
    pen.polygon(T(body))
    pen.polygon(T([(-1, 8.4), (-4, 6.8), (9, 7.0), (10, 8.6)]))
    pen.polygon(T([(0, 6.6), (-3, -2.0), (3, -2.0), (13, 5.6)]))  # fin
    pen.polygon(T([(38 + s / 2, 11.2), (62 + s / 2, 11.4), (54 + s / 2, 15.6), (40 + s / 2, 15.4)]))
    pen.rrect((x + (44 + s / 2) * k, y + 13.2 * k, x + (58 + s / 2) * k, y + 18.0 * k), 2.2 * k)
    windows = P.Pen(w, h)
    count = int(24 + s / 2.6)
    for i in range(count):
        windows.circle(x + (24 + i * 2.6) * k, y + 7.6 * k, 0.55 * k)
    windows.rrect((x + (92.5 + s) * k, y + 6.6 * k, x + (96.2 + s) * k, y + 7.9 * k), 0.4 * k)
    cheat = P.Pen(w, h).rect((x, y + 9.4 * k, x + (100 + s) * k, y + 10.4 * k)).mask()
    return pen.mask(), windows.mask(), cheat


def _clouds(img, n, horizon, sky):
    w, h = img.size
    pen = P.Pen(w, h)
    for i in range(5 + n % 4):
        cx = (n * 97 + i * 173) % (w + 160) - 80
        cy = 30 + (n * 31 + i * 53) % max(horizon - 60, 40)
        r = 26 + (n * 7 + i * 11) % 30
        for j in range(4):
            pen.ellipse((cx + j * r * 0.7, cy - r * 0.4 * (1 + (j % 2)), cx + j * r * 0.7 + r * 1.6, cy + r * 0.5))
    light = P.mix(sky[1], P.WHITE, 0.6)
    P.paint(img, pen.mask(), P.rgba(light, 150 if sky[4] != "night" else 40))


def _exterior(n, line, stretch):
    w, h = PICTURE_W, PICTURE_H
    sky = SKIES[n % len(SKIES)]
    img = P.canvas(w, h)
    horizon = 250 + (n * 37) % 90
    P.paint(img, P.Pen(w, h).rect((0, 0, w, h)).mask(),
            P.vgrad((w, h), [(0, sky[0]), (1, sky[1])], 0, horizon))
    ground = sky[3] if n % 3 == 0 else sky[2]
    P.paint(img, P.Pen(w, h).rect((0, horizon, w, h)).mask(),
            P.vgrad((w, h), [(0, P.mix(ground, sky[1], 0.45)), (1, ground)], horizon, h))
    if n % 3 == 1:  # a runway running to the horizon
        P.paint(img, P.Pen(w, h).polygon([(w * 0.42, horizon), (w * 0.5, horizon), (w * 0.9, h), (w * 0.1, h)]).mask(),
                P.rgba((58, 60, 64)))
        stripes = P.Pen(w, h)
        for i in range(8):
            t0, t1 = (i + 0.2) / 8, (i + 0.55) / 8
            y0, y1 = horizon + (h - horizon) * t0 ** 1.6, horizon + (h - horizon) * t1 ** 1.6
            stripes.polygon([(w * 0.46 - 2 * t0, y0), (w * 0.46 + 2 * t0 + 1, y0),
                             (w * 0.5 - 0.04 * w * t1 + 4 * t1, y1), (w * 0.5 - 0.04 * w * t1 - 4 * t1, y1)])
        P.paint(img, stripes.mask(), P.rgba(P.WHITE, 200))
    _clouds(img, n, horizon, sky)
    length = 300 + (n * 53) % 220
    x = 40 + (n * 71) % max(w - length - 80, 1)
    y = 60 + (n * 43) % 150
    body, windows, cheat = _side_view(w, h, x, y, length / (1 + stretch / 100.0), stretch)
    P.shadow(img, body, 4, 8, 6, P.LINE_DARK, 0.35)
    paint_top = (236, 241, 248) if sky[4] != "night" else (120, 130, 150)
    P.paint(img, body, P.vgrad((w, h), [(0, paint_top), (1, P.mix(paint_top, P.BASE, 0.35))], y, y + length * 0.18))
    P.paint(img, windows, P.rgba(P.INK, 210))
    P.paint(img, P.intersect(cheat, body), P.rgba(LIVERIES[n % len(LIVERIES)], 230))
    return img, f"{line}  \u00b7  {sky[4]}, {PLACES[n % len(PLACES)]}"


def _cockpit(n, line):
    w, h = PICTURE_W, PICTURE_H
    sky = SKIES[(n + 1) % len(SKIES)]
    img = P.canvas(w, h)
    P.paint(img, P.Pen(w, h).rect((0, 0, w, h)).mask(), P.vgrad((w, h), [(0, sky[0]), (1, sky[1])], 0, 150))
    frame = P.Pen(w, h)
    frame.polygon([(0, 0), (w, 0), (w, 40), (w * 0.56, 24), (w * 0.52, 150), (w * 0.48, 150), (w * 0.44, 24), (0, 40)])
    frame.rect((0, 150, w, h))
    P.paint(img, frame.mask(), P.vgrad((w, h), [(0, (62, 68, 76)), (1, (34, 38, 44))]))
    P.paint(img, P.Pen(w, h).rrect((20, 150, w - 20, 186), 10).mask(), P.rgba((22, 24, 28)))  # glareshield
    for i in range(6):
        x0 = 26 + i * 114
        box = (x0, 200, x0 + 100, 300)
        P.paint(img, P.Pen(w, h).rrect(box, 4).mask(), P.rgba((8, 10, 12)))
        inner = (x0 + 6, 206, x0 + 94, 294)
        if i % 3 == 0:  # attitude: sky over earth
            tilt = ((n + i) % 7 - 3) * 3
            P.paint(img, P.Pen(w, h).rect(inner).mask(), P.rgba((40, 110, 200)))
            P.paint(img, P.Pen(w, h).polygon([(inner[0], 250 + tilt), (inner[2], 250 - tilt), (inner[2], inner[3]),
                                              (inner[0], inner[3])]).mask(), P.rgba((130, 86, 40)))
            P.paint(img, P.Pen(w, h).line([(x0 + 30, 250), (x0 + 70, 250)], 2).mask(), P.rgba(P.AMBER))
        elif i % 3 == 1:  # navigation arc
            P.paint(img, P.Pen(w, h).rect(inner).mask(), P.rgba((6, 8, 14)))
            P.paint(img, P.Pen(w, h).arc(x0 + 50, 300, 70, 215, 325, 1.5).mask(), P.rgba(P.WHITE, 220))
            route = [(x0 + 50, 286), (x0 + 50 + (n % 5) * 6, 250), (x0 + 30 + (n % 3) * 14, 218)]
            P.paint(img, P.Pen(w, h).line(route, 1.6).mask(), P.rgba((220, 90, 220)))
        else:  # engine dials
            P.paint(img, P.Pen(w, h).rect(inner).mask(), P.rgba((6, 8, 14)))
            for j in range(2):
                cx = x0 + 28 + j * 44
                P.paint(img, P.Pen(w, h).arc(cx, 240, 18, 150, 390, 2).mask(), P.rgba(P.WHITE, 200))
                a = math.radians(150 + 60 + ((n + j) % 5) * 30)
                P.paint(img, P.Pen(w, h).line([(cx, 240), (cx + 15 * math.cos(a), 240 + 15 * math.sin(a))], 1.5)
                        .mask(), P.rgba((80, 230, 120)))
    knobs = P.Pen(w, h)
    for i in range(14):
        knobs.circle(60 + i * 46, 340 + (i % 2) * 14, 7)
    P.paint(img, knobs.mask(), P.rgba((90, 96, 104)))
    return img, f"{line}  \u00b7  virtual cockpit, {sky[4]}"


def picture(n, line, stretch):
    img, caption = (_cockpit if n % 5 == 4 else lambda n, line: _exterior(n, line, stretch))(n, line)
    w, h = img.size
    P.paint(img, P.Pen(w, h).rect((0, h - 28, w, h)).mask(), P.rgba(P.BASE_DEEP, 200))
    P.paint(img, P.Pen(w, h).text(12, h - 9, caption, P.SANS, 12).mask(), P.rgba(P.TEXT))
    P.draw_wordmark(img, w - 100, h - 14, 11, 1.4)
    return img.convert("RGB")


def section_bar():
    w, h = 740, 26
    img = P.canvas(w, h)
    box = (0, 0, w, h)
    body = P.rounded_body(w, h, box, 4)
    P.paint(img, body, P.hgrad((w, h), [(0, (36, 65, 107)), (0.7, P.BASE), (1, P.BASE_DARK)]))
    P.paint(img, P.intersect(body, P.top_edge(body, 1)), P.rgba(P.WHITE, 50))
    P.paint(img, P.Pen(w, h).rect((0, h - 3, w, h)).mask(), P.rgba(P.AMBER, 220))
    P.paint(img, P.border_of(w, h, box, 4), P.rgba(P.LINE_DARK), 0.5)
    return img


def badge(label, fill):
    size = 13
    width = int(P.text_width(label, P.WORDMARK, size, 1.2)) + 28
    h = 26
    img = P.canvas(width, h)
    body = P.rounded_body(width, h, (0, 0, width, h), h / 2)
    P.paint(img, body, P.vgrad((width, h), [(0, P.mix(fill, P.WHITE, 0.25)), (1, fill)]))
    base = h / 2 + P.cap_height(P.WORDMARK, size) / 2
    P.paint(img, P.Pen(width, h).text(14, base, label, P.WORDMARK, size, tracking=1.2).mask(), P.rgba(P.BASE_DEEP))
    return img


def page_images():
    """Resource number: image, for the two pages."""
    images = {162: section_bar(), 163: badge("BASE PACKAGE", P.AMBER), 164: badge("EXPANSION", P.BLUE_LIGHT)}
    for first, count, line in (HOME_PICTURES, EXPANSION_PICTURES):
        stretch = 18 if line.endswith("300ER") else 0
        for i in range(count):
            images[first + i] = picture(i + (first - 135), line, stretch)
    return images


def image_list():
    """(resource number, short file name, width, height) of every page image."""
    entries = [(162, "section-bar", 740, 26),
               (163, "base-badge", badge("BASE PACKAGE", P.AMBER).size[0], 26),
               (164, "expansion-badge", badge("EXPANSION", P.BLUE_LIGHT).size[0], 26)]
    for first, count, line in (HOME_PICTURES, EXPANSION_PICTURES):
        prefix = "home" if first == 135 else "expansion"
        entries += [(first + i, f"{prefix}-screenshot-{i + 1:02d}", PICTURE_W, PICTURE_H) for i in range(count)]
    return entries


def picture_bytes(img):
    """An adaptive palette of at most 96 colours, without dithering or metadata."""
    import io
    small = img.quantize(96, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    buf = io.BytesIO()
    small.save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()


def is_picture(number):
    return any(first <= number < first + count for first, count, _ in (HOME_PICTURES, EXPANSION_PICTURES))
