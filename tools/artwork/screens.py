"""The four standard screens: 320 x 400 stored pixels, 256 colours, seen at 4:3.

All drawing happens in a 640 x 480 view, the shape the screens have when
Windows shows them; the raster takes care of the wide stored pixels.
"""

import math

import bitmapfont
from quantize import Mapper, bayer_threshold, dither, median_cut
from raster import (Raster, Rng, box, circle, clamp, fbm, gradient, hexrgb, intersect, mix,
                    polygon, smoothstep, stroke, union)

W, H = 320, 400          # stored pixels
VW, VH = 640.0, 480.0    # view units
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# The startup screen's animation: Windows rotates palette entries 236..255
# while it boots, so the band that uses them seems to flow.
CYCLE_FIRST = 236
CYCLE_LEN = 20


def new_screen():
    return Raster(W, H, VW, VH)


# --- The Vanu logo: a bold V cradling a rising sun, then "anu". ---

class Logo:
    """Geometry of the wordmark, with its baseline centred on (cx, base).
    cap is the height of the V in view units."""

    def __init__(self, cx, base, cap):
        self.cap = cap
        xh = cap * 0.64                 # x-height of a, n, u
        t = cap * 0.17                  # letter stroke
        arm = cap * 0.30                # horizontal thickness of the V's arms
        v_w = cap * 1.0
        gap = cap * 0.12
        a_w = xh
        n_w = xh * 0.86
        total = v_w + gap + a_w + gap + n_w + gap + n_w
        x = cx - total / 2
        top = base - cap
        self.base, self.top = base, top
        self.left, self.right = x, x + total

        # V: outer edges meet in a point on the baseline; the inner notch
        # edges run parallel to them.
        xc = x + v_w / 2
        k = cap * arm / (v_w / 2)
        self.v = polygon([(x, top), (x + arm, top), (xc, base - k),
                          (x + v_w - arm, top), (x + v_w, top), (xc, base)])
        notch_w = v_w - 2 * arm
        self.sun_r = notch_w * 0.40
        self.sun_c = (xc, top + self.sun_r * 0.3)
        self.sun = circle(self.sun_c[0], self.sun_c[1], self.sun_r)
        # Below the V's top line the sun shows only inside the notch: it rises
        # out of the valley.
        self.notch = polygon([(x - cap, top - cap), (x + v_w + cap, top - cap),
                              (x + v_w + cap, top), (x + v_w - arm * 0.55, top),
                              (xc, base - k * 0.9), (x + arm * 0.55, top), (x - cap, top)])

        x += v_w + gap
        band = box(-1e4, base - xh, 1e4, base)  # flat stem ends
        # a: a ring with a stem on its right.
        r = (xh - t) / 2
        acx = x + t / 2 + r
        a = stroke([("arc", acx, base - xh / 2, r, 0, 360),
                    ("line", x + xh - t / 2, base - xh, x + xh - t / 2, base)], t / 2)
        x += a_w + gap
        # n: a stem and an arch.
        r = (n_w - t) / 2
        n = stroke([("line", x + t / 2, base - xh, x + t / 2, base),
                    ("arc", x + t / 2 + r, base - xh + t / 2 + r, r, 180, 360),
                    ("line", x + n_w - t / 2, base - xh + t / 2 + r, x + n_w - t / 2, base)], t / 2)
        x += n_w + gap
        # u: the n turned upside down.
        u = stroke([("line", x + n_w - t / 2, base - xh, x + n_w - t / 2, base),
                    ("arc", x + t / 2 + r, base - t / 2 - r, r, 0, 180),
                    ("line", x + t / 2, base - xh, x + t / 2, base - t / 2 - r)], t / 2)
        self.anu = intersect(union(a, n, u), band)
        self.letters = union(self.v, self.anu)

    def bbox(self, margin=0.0):
        return (self.left - margin, self.top - margin,
                self.right + margin, self.base + margin)


def soft_shadow(raster, sdf, dx, dy, blur, colour, strength, box_):
    """A blurred copy of a shape's silhouette, offset down and right."""
    def f(x, y, o):
        d = sdf(x - dx, y - dy)
        a = strength * (1.0 - smoothstep(-blur, blur, d))
        return mix(o, colour, a) if a > 0 else o
    raster.shade(f, box_)


def draw_logo(raster, logo, letter_fill, sun_fill, shadow=(0, 0, 40), shadow_strength=0.55,
              outline=None):
    m = logo.cap * 0.3
    bb = logo.bbox(m)
    if shadow is not None:
        soft_shadow(raster, logo.letters, logo.cap * 0.05, logo.cap * 0.06, logo.cap * 0.05,
                    shadow, shadow_strength, bb)
    raster.paint(intersect(logo.sun, logo.notch), sun_fill, bb)
    if outline is not None:
        raster.paint(logo.letters, outline, bb, softness=1.0)
        raster.paint(lambda x, y: logo.letters(x, y) + logo.cap * 0.025, letter_fill, bb)
    else:
        raster.paint(logo.letters, letter_fill, bb)


# --- Bitmap text on a screen. ---

def text_pixels(text, cx, top, big=False):
    """Stored pixels covered by text centred on stored column cx, its top on
    stored row top. One font pixel is 1 x 2 stored pixels; big doubles the
    font with rounded diagonals first."""
    rows = bitmapfont.render(text)
    if big:
        rows = bitmapfont.scale2x(rows)
        # One more column on each stroke's right: vertical strokes 3 stored
        # pixels wide look as heavy as the horizontal ones on screen.
        rows = [[on or (x > 0 and row[x - 1]) for x, on in enumerate(row)] + [row[-1]]
                for row in rows]
    width = len(rows[0])
    x0 = int(round(cx - width / 2))
    pix = set()
    for fy, row in enumerate(rows):
        for fx, on in enumerate(row):
            if on:
                pix.add((x0 + fx, top + 2 * fy))
                pix.add((x0 + fx, top + 2 * fy + 1))
    return pix


def draw_text(raster, pix, fill, shadow=None, halo=None):
    """fill is a colour or fn(stored_y) -> colour; shadow and halo are
    (colour, opacity) for a drop shadow and a one-pixel surround."""
    w = raster.w

    def put(x, y, c, a=1.0):
        if 0 <= x < raster.w and 0 <= y < raster.h:
            o = raster.px[y * w + x]
            raster.px[y * w + x] = mix(o, c, a)

    if halo is not None:
        ring = set()
        for (x, y) in pix:
            for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, -2), (0, 1), (0, 2),
                           (-1, -1), (1, -1), (-1, 1), (1, 1)):
                if (x + dx, y + dy) not in pix:
                    ring.add((x + dx, y + dy))
        for (x, y) in ring:
            put(x, y, halo[0], halo[1])
    if shadow is not None:
        for (x, y) in pix:
            if (x + 1, y + 2) not in pix:
                put(x + 1, y + 2, shadow[0], shadow[1])
    for (x, y) in pix:
        put(x, y, fill(y) if callable(fill) else fill)


# --- Scenery. ---

def cloud_layer(raster, seed, density, top, bottom, colour_lit, colour_shade, box_=None):
    """Soft cumulus made of fractal noise, lit from above."""
    def f(x, y, o):
        u, v = x / 150.0, y / 60.0
        n = fbm(u, v, 64, 64, seed, octaves=5)
        band = smoothstep(top, top + 60, y) * (1 - smoothstep(bottom - 60, bottom, y))
        c = (n - (1.0 - density)) * band
        a = smoothstep(0.0, 0.16, c)
        if a <= 0:
            return o
        lit = fbm(u, (y - 9) / 60.0, 64, 64, seed, octaves=5)
        shade = clamp(0.5 + (n - lit) * 6.0)
        col = mix(colour_shade, colour_lit, shade)
        return mix(o, col, a * 0.92)
    raster.shade(f, box_ or (0, top, VW, bottom))


def hills(raster, seed, base_y, amplitude, colour_fn, waves=3):
    """A silhouette of rolling hills whose top edge lies around base_y."""
    rng = Rng(seed)
    phases = [(rng.uniform(0, 6.28), rng.uniform(0.6, 1.4)) for _ in range(waves)]

    def ridge(x):
        h = 0.0
        for i, (ph, k) in enumerate(phases):
            h += math.sin(x / VW * math.pi * (1.3 + i * 1.7) * k + ph) / (i + 1)
        return base_y - amplitude * h

    def sdf(x, y):
        return ridge(x) - y

    raster.paint(sdf, colour_fn, (0, base_y - 2 * amplitude, VW, VH))
    return ridge


def starfield(raster, seed, count, y_max, fade_from, keep_clear=None):
    """Scattered stars; keep_clear is a view box (such as a text's) left dark."""
    rng = Rng(seed)
    w = raster.w
    for _ in range(count):
        x = rng.randint(0, W - 1)
        y = rng.randint(0, int(y_max / raster.sy))
        if keep_clear is not None:
            kx0, ky0, kx1, ky1 = keep_clear
            if kx0 <= x * raster.sx <= kx1 and ky0 <= y * raster.sy <= ky1:
                continue
        b = rng.random()
        vy = y * raster.sy
        a = (0.35 + 0.65 * b) * (1 - smoothstep(fade_from, y_max, vy))
        o = raster.px[y * w + x]
        raster.px[y * w + x] = mix(o, (255, 250, 235), a)
        if b > 0.85:  # the bright ones get a small cross
            for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
                xx, yy = x + dx, y + dy
                if 0 <= xx < W and 0 <= yy < H:
                    o = raster.px[yy * w + xx]
                    raster.px[yy * w + xx] = mix(o, (200, 210, 255), a * 0.45)


# --- Quantising a finished screen. ---

def finish(raster, reserved=256, keep=(BLACK, WHITE), region=None):
    """Chooses a palette for the picture and dithers it; returns (palette,
    indices) with palette entries 0..reserved-1 in use."""
    colours = raster.px if region is None else [
        raster.px[y * W + x] for y in range(H) for x in range(W) if region(x, y)]
    pal = median_cut(colours, reserved, keep)
    pal += [(0, 0, 0)] * (reserved - len(pal))
    mapper = Mapper(pal, allowed=range(len(pal)))
    idx = dither(raster, mapper, bayer_threshold(8), region)
    return pal, idx


# --- The screens. ---

def cycle_colours():
    """Twenty colours that run round smoothly: dawn blue, sky, gold, rose."""
    keys = [hexrgb(c) for c in ("#10307a", "#2a7fd8", "#8fd6ff", "#fff3c0",
                                 "#ffb347", "#e8567a", "#7a3aa8")]
    out = []
    n = len(keys)
    for i in range(CYCLE_LEN):
        p = i * n / CYCLE_LEN
        j = int(p)
        t = p - j
        t = t * t * (3 - 2 * t)
        c = mix(keys[j], keys[(j + 1) % n], t)
        out.append(tuple(int(round(v)) for v in c))
    return out


def boot_screen():
    """Startup: the logo against a morning sky, a flowing band along the bottom."""
    r = new_screen()
    sky = gradient([(0.0, "#071a52"), (0.35, "#1c4fa6"), (0.75, "#4f95db"), (1.0, "#b6dcf5")])
    r.shade(lambda x, y, o: sky(y / 465.0))
    # Morning light behind the logo.
    r.shade(lambda x, y, o: mix(o, (255, 236, 196),
                                0.38 * math.exp(-(((x - 320) / 230) ** 2 + ((y - 200) / 150) ** 2))))
    cloud_layer(r, 11, 0.46, 250, 470, (255, 255, 255), (150, 178, 214))
    cloud_layer(r, 12, 0.40, 10, 170, (236, 244, 255), (120, 150, 205))

    logo = Logo(320, 250, 120)
    sun = gradient([(0.0, "#fff6b0"), (0.45, "#ffc23a"), (1.0, "#f0702a")])
    sy0, sy1 = logo.sun_c[1] - logo.sun_r, logo.sun_c[1] + logo.sun_r
    r.glow(logo.sun, (255, 230, 150), logo.sun_r * 1.6, 0.55,
           (logo.sun_c[0] - 3 * logo.sun_r, sy0 - 2 * logo.sun_r,
            logo.sun_c[0] + 3 * logo.sun_r, sy1 + logo.sun_r))
    letters = gradient([(0.0, "#ffffff"), (0.6, "#eef4ff"), (1.0, "#bcd0ee")])
    draw_logo(r, logo, lambda x, y: letters((y - logo.top) / logo.cap),
              lambda x, y: sun((y - sy0) / (sy1 - sy0)))

    # The animated band: its own rows, its own twenty palette entries.
    band_top = 388
    r.shade(lambda x, y, o: (4, 14, 48), (0, (band_top - 2) * r.sy, VW, band_top * r.sy))

    pal, idx = finish(r, CYCLE_FIRST, region=lambda x, y: y < band_top)
    pal += cycle_colours()
    th = bayer_threshold(8)
    for y in range(band_top, H):
        for x in range(W):
            # One trip round the cycle across the width; the dither blends
            # neighbouring entries so the band has no visible steps.
            p = x * CYCLE_LEN / W
            k = int(p + th(x, y)) % CYCLE_LEN
            idx[y * W + x] = CYCLE_FIRST + k
    return pal, idx, CYCLE_FIRST


def message(raster, lines, top, colour_at, shadow=None, halo=None, line_gap=8):
    """Big centred lines of bitmap text starting at stored row top;
    colour_at(t) colours each line from its top (t = 0) to its baseline (1)."""
    cap = (bitmapfont.BASELINE + 1) * 4      # stored rows from top to baseline
    y = top
    for line in lines:
        pix = text_pixels(line, W / 2, y, big=True)
        draw_text(raster, pix, lambda py, y0=y: colour_at((py - y0) / cap), shadow, halo)
        y += bitmapfont.HEIGHT * 4 + line_gap


def wait_screen():
    """Wait: the sun sets behind hills at dusk while the message is shown."""
    r = new_screen()
    sky = gradient([(0.0, "#150b36"), (0.40, "#4a2470"), (0.70, "#b2456e"),
                    (0.88, "#f08a4a"), (1.0, "#ffd27a")])
    r.shade(lambda x, y, o: sky(y / 372.0))
    sun_c, sun_r = (320.0, 372.0), 92.0
    sun = gradient([(0.0, "#fff4b8"), (0.5, "#ffc654"), (1.0, "#ff8a3a")])
    r.glow(circle(*sun_c, sun_r), (255, 214, 140), 150, 0.5, (0, 180, VW, VH))
    r.paint(circle(*sun_c, sun_r), lambda x, y: sun((y - sun_c[1] + sun_r) / (1.6 * sun_r)))
    cloud_layer(r, 21, 0.34, 200, 330, (255, 196, 150), (150, 70, 110))
    far = gradient([(0.0, "#6e2f63"), (1.0, "#3a1848")])
    hills(r, 5, 378, 14, lambda x, y: far((y - 360) / 80))
    near = gradient([(0.0, "#2a0f35"), (1.0, "#12061c")])
    hills(r, 9, 420, 22, lambda x, y: near((y - 395) / 85))

    logo = Logo(320, 122, 72)
    letters = gradient([(0.0, "#ffffff"), (1.0, "#f3d9e8")])
    lsun = gradient([(0.0, "#fff0a0"), (1.0, "#ff9a3a")])
    sy0 = logo.sun_c[1] - logo.sun_r
    draw_logo(r, logo, lambda x, y: letters((y - logo.top) / logo.cap),
              lambda x, y: lsun((y - sy0) / (2 * logo.sun_r)), shadow=(20, 6, 40))

    text = gradient([(0.0, "#ffffff"), (1.0, "#ffe2c4")])
    message(r, ["Please wait while your", "computer shuts down."], 142, text,
            shadow=((24, 8, 48), 0.8))
    pal, idx = finish(r)
    return pal, idx


def crescent(cx, cy, rad, phase):
    """A crescent moon: a disc with an offset disc taken away."""
    outer = circle(cx, cy, rad)
    inner = circle(cx - rad * phase, cy - rad * 0.25, rad * 0.95)
    return lambda x, y: max(outer(x, y), -inner(x, y))


def shut_screen():
    """Shutdown: a quiet night, the message in warm amber."""
    r = new_screen()
    sky = gradient([(0.0, "#020309"), (0.55, "#081130"), (0.85, "#13235a"), (1.0, "#23356e")])
    r.shade(lambda x, y, o: sky(y / 420.0))
    starfield(r, 33, 230, 380, 250, keep_clear=(40, 196, 600, 312))
    moon = crescent(520, 78, 30, 0.55)
    r.glow(circle(520, 78, 30), (120, 140, 200), 70, 0.35, (400, 0, VW, 180))
    r.paint(moon, lambda x, y: mix((255, 248, 220), (226, 214, 170), clamp((y - 48) / 60)))
    hills(r, 7, 420, 16, lambda x, y: (10, 14, 34))
    hills(r, 13, 445, 20, lambda x, y: (3, 4, 12))

    logo = Logo(320, 132, 64)
    letters = gradient([(0.0, "#dfe6f5"), (1.0, "#8794b8")])
    lsun = gradient([(0.0, "#fff2c0"), (1.0, "#e8b45a")])
    sy0 = logo.sun_c[1] - logo.sun_r
    draw_logo(r, logo, lambda x, y: letters((y - logo.top) / logo.cap),
              lambda x, y: lsun((y - sy0) / (2 * logo.sun_r)), shadow=None)

    text = gradient([(0.0, "#ffd27a"), (0.5, "#ffad3c"), (1.0, "#f07a1e")])
    message(r, ["It's now safe to turn off", "your computer."], 170, text,
            halo=((40, 20, 4), 0.5))
    pal, idx = finish(r)
    return pal, idx


def roreror_screen():
    """A second startup screen: a striped sun over a glowing grid."""
    r = new_screen()
    horizon = 300.0
    sky = gradient([(0.0, "#07021a"), (0.45, "#26094a"), (0.8, "#7a1a78"), (1.0, "#ff5fa8")])
    r.shade(lambda x, y, o: sky(y / horizon), (0, 0, VW, horizon))
    starfield(r, 47, 160, 210, 120)

    sun_c, sun_r = (320.0, horizon - 10), 132.0
    sun_grad = gradient([(0.0, "#fff27a"), (0.45, "#ffb23e"), (1.0, "#ff3d8e")])

    def sun_sdf(x, y):
        d = math.hypot(x - sun_c[0], y - sun_c[1]) - sun_r
        # Horizontal slots that widen towards the horizon.
        y0 = sun_c[1] - sun_r * 0.72
        rel = (y - y0) / (horizon - y0)
        if rel > 0:
            period = 17.0
            ph = (y - y0) % period
            slot = 1.5 + 8.0 * rel
            if ph < slot:
                d = max(d, min(ph, slot - ph))
        return d
    r.glow(circle(*sun_c, sun_r), (255, 80, 160), 90, 0.45, (0, 60, VW, horizon))
    r.paint(sun_sdf, lambda x, y: sun_grad((y - sun_c[1] + sun_r) / (sun_r * 1.1)),
            (sun_c[0] - sun_r, sun_c[1] - sun_r, sun_c[0] + sun_r, horizon))

    # Mountains on the horizon, then the floor with its grid.
    hills(r, 3, horizon - 6, 16, lambda x, y: (40, 8, 60), waves=4)
    floor = gradient([(0.0, "#2a0838"), (1.0, "#0a0214")])
    r.shade(lambda x, y, o: floor((y - horizon) / (VH - horizon)), (0, horizon, VW, VH))

    def grid(x, y, o):
        depth = y - horizon
        if depth <= 0:
            return o
        # Lines across lie at equal steps of distance z = 900 / depth, lines
        # along the floor at equal steps sideways; both are antialiased by
        # their width on screen.
        z = 900.0 / depth
        step = 2.5
        dz = step / 2 - abs((z / step) % 1.0 - 0.5) * step
        across = clamp(1.4 - dz * depth * depth / 900.0)
        lat = (x - 320.0) / depth
        dl = abs((lat / 0.8) % 1.0 - 0.5) * 0.8
        along = clamp(1.4 - (0.8 / 2 - dl) * depth / 1.1)
        a = max(across * smoothstep(6.0, 40.0, depth), along * smoothstep(2.0, 50.0, depth))
        near = smoothstep(0.0, 180.0, depth)
        line = mix((255, 60, 200), (80, 230, 255), near)
        o = mix(o, line, a)
        return mix(o, (255, 110, 190), 0.6 * math.exp(-depth / 8.0))
    r.shade(grid, (0, horizon, VW, VH))

    logo = Logo(320, 190, 116)
    chrome = gradient([(0.0, "#ffffff"), (0.42, "#9fd8ff"), (0.5, "#2a3d8f"),
                       (0.62, "#ff9ad6"), (1.0, "#ffffff")])
    lsun = gradient([(0.0, "#fff6a0"), (1.0, "#ff8a3a")])
    sy0 = logo.sun_c[1] - logo.sun_r
    draw_logo(r, logo, lambda x, y: chrome((y - logo.top) / logo.cap),
              lambda x, y: lsun((y - sy0) / (2 * logo.sun_r)), shadow=(10, 0, 30),
              shadow_strength=0.7, outline=(20, 8, 60))
    pal, idx = finish(r)
    return pal, idx
