"""The four background tiles of the main window.

Each tile repeats without a seam: shapes that cross an edge are drawn again
on the opposite side, noise lattices repeat with the tile, and the dither uses
hashed thresholds rather than a matrix whose period would not divide the size.
The leaves are dark (the captions over them turn white); granite, marble and
bricks are mid to light (their captions stay black).
"""

import math

from quantize import Mapper, dither, median_cut, noise_threshold
from raster import Raster, Rng, clamp, fbm, hash01, hexrgb, mix, smoothstep, value_noise


def quantised(r, palette, seed):
    mapper = Mapper(palette, nearest=6, penalty=0.3)
    return dither(r, mapper, noise_threshold(seed))


def own_palette(r, seed):
    pal = median_cut(r.px, 256)
    pal += [pal[-1]] * (256 - len(pal))
    return pal, quantised(r, pal, seed)


def wrapped(w, h, x0, y0, x1, y1):
    """The copies of a box, shifted by whole tiles, that touch the tile."""
    for dy in (-h, 0, h):
        for dx in (-w, 0, w):
            if x1 + dx >= 0 and x0 + dx < w and y1 + dy >= 0 and y0 + dy < h:
                yield dx, dy


# --- Leaves: 200 x 150, 16 colours. ---

LEAF_PALETTE = [hexrgb(c) for c in (
    "#08110a", "#0f1d10", "#162a14", "#1f3a18", "#284a1d", "#335d24", "#40712b", "#508634",
    "#649b3e", "#7cb04a", "#2f3d16", "#4d5a1e", "#6e4f1c", "#98702a", "#223428", "#a9c670")]


def leaves():
    w, h = 200, 150
    r = Raster(w, h)
    r.shade(lambda x, y, o: mix((6, 14, 8), (22, 40, 20),
                                fbm(x / 25.0, y / 25.0, 8, 6, 71, octaves=3)))
    rng = Rng(2024)
    for i in range(95):
        cx, cy = rng.uniform(0, w), rng.uniform(0, h)
        length = rng.uniform(26, 44)
        width = length * rng.uniform(0.36, 0.5)
        angle = rng.uniform(0, 2 * math.pi)
        # Older leaves at the back are darker; a few turn olive or brown.
        depth = i / 95.0
        kind = rng.random()
        if kind < 0.08:
            base = mix(hexrgb("#6e4f1c"), hexrgb("#98702a"), rng.random())
        elif kind < 0.22:
            base = mix(hexrgb("#3a4818"), hexrgb("#5e6a22"), rng.random())
        else:
            base = mix(hexrgb("#1d3a17"), hexrgb("#44782a"), rng.random())
        base = mix(base, (10, 20, 10), 0.55 * (1 - depth))
        leaf(r, w, h, cx, cy, length, width, angle, base)
    return LEAF_PALETTE, quantised(r, LEAF_PALETTE, 5)


def leaf(r, w, h, cx, cy, length, width, angle, base):
    ca, sa = math.cos(angle), math.sin(angle)
    reach = length * 0.6

    def local(x, y):
        dx, dy = x - cx, y - cy
        return dx * ca + dy * sa, -dx * sa + dy * ca  # along, across

    def sdf(x, y):
        u, v = local(x, y)
        t = u / length + 0.5                      # 0 at the stalk, 1 at the tip
        if t <= 0 or t >= 1:
            return max(-t, t - 1) * length + abs(v)
        half = width / 2 * math.sin(math.pi * t) ** 0.75 * (1.0 - 0.25 * t)
        return abs(v) - half

    def shadow_sdf(x, y):
        return sdf(x - 1.5, y - 2.0)

    def colour(x, y):
        u, v = local(x, y)
        t = u / length + 0.5
        light = 1.0 + (0.18 if v > 0 else -0.05)       # one half catches the light
        light -= 0.25 * abs(v) / (width / 2)           # darker at the rim
        light += 0.1 * (t - 0.5)
        c = tuple(clamp(ch * light, 0, 255) for ch in base)
        # The midrib and a few side veins, thin and pale.
        rib = 1.0 - smoothstep(0.3, 0.9, abs(v))
        vein = 0.0
        if 0.1 < t < 0.9:
            ph = (t * 7.0 - abs(v) / width * 2.2) % 1.0
            vein = (1.0 - smoothstep(0.0, 0.12, min(ph, 1 - ph))) * 0.35
        pale = tuple(clamp(ch * 1.35 + 14, 0, 255) for ch in base)
        return mix(c, pale, max(rib * 0.7, vein))

    stalk_x = cx - ca * length * 0.5
    stalk_y = cy - sa * length * 0.5
    for dx, dy in wrapped(w, h, cx - reach, cy - reach, cx + reach, cy + reach):
        bb = (cx - reach + dx, cy - reach + dy, cx + reach + dx, cy + reach + dy)
        r.paint(lambda x, y: shadow_sdf(x - dx, y - dy), (4, 8, 4), bb, opacity=0.55, softness=2.0)
        r.paint(lambda x, y: sdf(x - dx, y - dy), lambda x, y: colour(x - dx, y - dy), bb)
        # A short stalk beyond the base.
        sx0, sy0 = stalk_x + dx, stalk_y + dy
        sx1, sy1 = sx0 - ca * 5, sy0 - sa * 5

        def stalk(x, y, ax=sx0, ay=sy0, bx=sx1, by=sy1):
            ex, ey = bx - ax, by - ay
            t = clamp(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey))
            return math.hypot(x - ax - ex * t, y - ay - ey * t) - 0.6
        r.paint(stalk, mix(base, (120, 150, 70), 0.3), (min(sx0, sx1) - 2, min(sy0, sy1) - 2,
                                                         max(sx0, sx1) + 2, max(sy0, sy1) + 2))


# --- Granite: 101 x 101, flecked grains of several sizes. ---

class Grains:
    """Jittered grain centres on a grid that wraps with the tile; lookups
    give the nearest grain."""

    def __init__(self, size, cells, seed):
        self.size, self.cells, self.step, self.seed = size, cells, size / cells, seed
        self.pts = {(i, j): ((i + 0.1 + 0.8 * hash01(seed, i, j)) * self.step,
                             (j + 0.1 + 0.8 * hash01(seed + 1, i, j)) * self.step)
                    for j in range(cells) for i in range(cells)}

    def nearest(self, x, y):
        n, c = self.size, self.cells
        ci, cj = int(x / self.step) % c, int(y / self.step) % c
        best, owner = 1e9, None
        for dj in (-1, 0, 1):
            for di in (-1, 0, 1):
                key = ((ci + di) % c, (cj + dj) % c)
                px, py = self.pts[key]
                ddx = (x - px + n / 2) % n - n / 2       # shortest way round the tile
                ddy = (y - py + n / 2) % n - n / 2
                d = ddx * ddx + ddy * ddy
                if d < best:
                    best, owner = d, key
        return owner, math.sqrt(best)


def granite():
    n = 101
    fine = Grains(n, 34, 11)
    coarse = Grains(n, 25, 21)
    light = [
        (0.55, hexrgb("#cdc8c1"), hexrgb("#e6e2dc")),   # pale feldspar
        (0.25, hexrgb("#c9a89e"), hexrgb("#dcbcb0")),   # pink feldspar
        (0.20, hexrgb("#a7a4a1"), hexrgb("#bdb9b4")),   # grey quartz
    ]

    def pick(table, key, seed):
        p = hash01(seed, *key)
        acc = 0.0
        for share, lo, hi in table:
            acc += share
            if p < acc:
                return mix(lo, hi, hash01(seed + 1, *key))
        return table[0][1]

    def f(x, y, o):
        # A little warping keeps the grains from looking like tiles.
        wx = x + 3.0 * (fbm(x / n * 6, y / n * 6, 6, 6, 12, 2) - 0.5)
        wy = y + 3.0 * (fbm(x / n * 6, y / n * 6, 6, 6, 13, 2) - 0.5)
        key, _ = fine.nearest(wx, wy)
        c = pick(light, key, 14)
        # Darker crystals are whole cells of a coarser grain, so they keep
        # angular outlines; only a few of them are dark.
        ckey, _ = coarse.nearest(wx, wy)
        dark = hash01(22, *ckey)
        if dark < 0.10:
            c = mix(hexrgb("#5e5a62"), hexrgb("#77737b"), hash01(25, *ckey))
        elif dark < 0.24:
            c = mix(hexrgb("#9a96a0"), hexrgb("#b0acb4"), hash01(25, *ckey))
        # Fine black flecks of mica.
        if hash01(26, int(x), int(y)) < 0.012:
            c = mix(c, (40, 38, 42), 0.5)
        mottle = fbm(x / n * 4, y / n * 4, 4, 4, 15, octaves=3) - 0.5
        k = 1.0 + 0.16 * mottle + 0.08 * (hash01(16, int(x), int(y)) - 0.5)
        return tuple(clamp(v * k, 0, 255) for v in c)

    r = Raster(n, n)
    r.shade(f)
    return own_palette(r, 17)


# --- Marble: 64 x 64, pale stone with soft grey veins. ---

def marble():
    n = 64
    stone = (238, 235, 228)
    cloud = (216, 214, 212)
    vein = (138, 140, 150)

    def f(x, y, o):
        u, v = x / n, y / n
        # Whole numbers of waves across and down keep the veins continuous;
        # fractal warping bends them like real veining.
        warp = fbm(u * 3, v * 3, 3, 3, 31, octaves=4)
        s = abs(math.sin(2 * math.pi * (u + v) + 4.0 * warp))
        warp2 = fbm(u * 4 + 7, v * 4, 4, 4, 36, octaves=4)
        s2 = abs(math.sin(2 * math.pi * (2 * u - v) + 5.0 * warp2))
        c = mix(stone, cloud, smoothstep(0.3, 0.8, fbm(u * 2, v * 2, 2, 2, 33, octaves=4)))
        c = mix(c, mix(cloud, vein, 0.4), 0.6 * (1 - smoothstep(0.0, 0.45, s)))
        c = mix(c, vein, 0.75 * (1 - smoothstep(0.0, 0.12, s)))
        c = mix(c, vein, 0.28 * (1 - smoothstep(0.0, 0.16, s2)))
        return mix(c, (240, 230, 218), 0.3 * value_noise(u * 3, v * 3, 3, 3, 34))

    r = Raster(n, n)
    r.shade(f)
    return own_palette(r, 35)


# --- Bricks: 61 x 61, six courses of light brick in stretcher bond. ---

def bricks():
    n = 61
    courses = [10, 10, 10, 10, 10, 11]          # adds up to the tile height
    mortar = (214, 208, 196)
    tops = [sum(courses[:k]) for k in range(len(courses))]

    def f(x, y, o):
        px, py = int(x), int(y)
        k = max(i for i, t in enumerate(tops) if t <= py)
        top, height = tops[k], courses[k]
        shift = 0 if k % 2 == 0 else 15           # every other course half a brick on
        bx = (px - shift) % n
        # Two bricks per course, 30 and 31 pixels including their joint.
        b, left, length = (0, 0, 30) if bx < 30 else (1, 30, 31)
        rx, ry = bx - left, py - top
        grain = hash01(41, px, py) - 0.5
        if ry >= height - 2 or rx >= length - 2:
            m = 1.0 + 0.10 * grain
            return tuple(clamp(v * m, 0, 255) for v in mortar)
        seed = (k, b)
        base = mix(hexrgb("#d18c6a"), hexrgb("#e6b394"), hash01(42, *seed))
        base = mix(base, hexrgb("#c49880"), 0.4 * hash01(43, *seed))
        c = base
        if ry == 0 or rx == 0:
            c = mix(c, (255, 235, 215), 0.25)      # lit top and left edges
        elif ry == height - 3 or rx == length - 3:
            c = mix(c, (90, 50, 40), 0.25)         # shaded lower and right edges
        spots = fbm(x / n * 8, y / n * 8, 8, 8, 44, octaves=2) - 0.5
        m = 1.0 + 0.10 * grain + 0.18 * spots
        return tuple(clamp(v * m, 0, 255) for v in c)

    r = Raster(n, n)
    r.shade(f)
    return own_palette(r, 45)
