"""A float RGB raster, shapes given as signed distance functions, and noise.

Pictures are drawn in view units: the coordinates in which a person sees them.
The standard screens are stored at 320 x 400 pixels but shown stretched to
4:3, so each stored pixel covers 2.0 x 1.2 view units of a 640 x 480 view.
Drawing in view units keeps circles round on screen. Distances are negative
inside a shape; their edges are antialiased over about one stored pixel.
"""

import functools
import math


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def smoothstep(e0, e1, v):
    t = clamp((v - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def gradient(stops):
    """Returns f(t) for t in 0..1 through [(t, colour), ...] stops."""
    stops = [(t, hexrgb(c) if isinstance(c, str) else c) for t, c in stops]

    def f(t):
        if t <= stops[0][0]:
            return stops[0][1]
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
        return stops[-1][1]

    return f


class Raster:
    def __init__(self, width, height, view_width=None, view_height=None, fill=(0, 0, 0)):
        self.w = width
        self.h = height
        self.sx = (view_width or width) / width
        self.sy = (view_height or height) / height
        self.aa = 0.5 * (self.sx + self.sy)
        self.px = [tuple(fill)] * (width * height)

    def pixel_box(self, box):
        """Stored pixel ranges that cover a view box (x0, y0, x1, y1)."""
        if box is None:
            return range(self.w), range(self.h)
        x0, y0, x1, y1 = box
        xs = range(max(0, int(x0 / self.sx) - 1), min(self.w, int(x1 / self.sx) + 2))
        ys = range(max(0, int(y0 / self.sy) - 1), min(self.h, int(y1 / self.sy) + 2))
        return xs, ys

    def shade(self, fn, box=None):
        """Sets each pixel to fn(X, Y, old_colour) at its centre in view units."""
        xs, ys = self.pixel_box(box)
        px, w, sx, sy = self.px, self.w, self.sx, self.sy
        for y in ys:
            vy = (y + 0.5) * sy
            base = y * w
            for x in xs:
                px[base + x] = fn((x + 0.5) * sx, vy, px[base + x])

    def paint(self, sdf, colour, box=None, opacity=1.0, softness=1.0):
        """Blends colour (a tuple or fn(X, Y)) over the inside of sdf."""
        xs, ys = self.pixel_box(box)
        px, w, sx, sy = self.px, self.w, self.sx, self.sy
        edge = self.aa * softness
        const = not callable(colour)
        for y in ys:
            vy = (y + 0.5) * sy
            base = y * w
            for x in xs:
                vx = (x + 0.5) * sx
                d = sdf(vx, vy)
                cov = 0.5 - d / edge
                if cov <= 0.0:
                    continue
                a = opacity if cov >= 1.0 else cov * opacity
                c = colour if const else colour(vx, vy)
                if a >= 1.0:
                    px[base + x] = c
                else:
                    o = px[base + x]
                    px[base + x] = (o[0] + (c[0] - o[0]) * a,
                                    o[1] + (c[1] - o[1]) * a,
                                    o[2] + (c[2] - o[2]) * a)

    def glow(self, sdf, colour, radius, strength=1.0, box=None):
        """Adds a soft halo that fades over radius view units outside sdf."""
        def f(vx, vy, o):
            d = sdf(vx, vy)
            if d >= radius:
                return o
            a = strength * (1.0 - smoothstep(0.0, radius, max(d, 0.0)))
            return mix(o, colour, a)
        self.shade(f, box)


# Signed distance functions (view units, negative inside).

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def box(x0, y0, x1, y1):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def f(x, y):
        dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0)
    return f


def polygon(points):
    pts = list(points)
    n = len(pts)

    def f(x, y):
        d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
        inside = False
        j = n - 1
        for i in range(n):
            xi, yi = pts[i]
            xj, yj = pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
            bx, by = wx - ex * t, wy - ey * t
            d = min(d, bx * bx + by * by)
            if (yi > y) != (yj > y) and x < xi + (y - yi) * ex / ey:
                inside = not inside
            j = i
        d = math.sqrt(d)
        return -d if inside else d
    return f


def segment_distance(x, y, ax, ay, bx, by):
    ex, ey = bx - ax, by - ay
    t = clamp(((x - ax) * ex + (y - ay) * ey) / (ex * ex + ey * ey))
    return math.hypot(x - ax - ex * t, y - ay - ey * t)


def stroke(parts, half_width):
    """A stroked path of ("line", ax, ay, bx, by) and
    ("arc", cx, cy, r, from_deg, to_deg) parts (angles clockwise from +x on
    screen, y down), with round ends."""
    def f(x, y):
        best = 1e9
        for p in parts:
            if p[0] == "line":
                d = segment_distance(x, y, *p[1:])
            else:
                _, cx, cy, r, a0, a1 = p
                ang = math.degrees(math.atan2(y - cy, x - cx)) % 360.0
                span = a1 - a0
                if span >= 360.0 or (ang - a0) % 360.0 <= span % 360.0:
                    d = abs(math.hypot(x - cx, y - cy) - r)
                else:
                    d = min(math.hypot(x - cx - r * math.cos(math.radians(a)),
                                       y - cy - r * math.sin(math.radians(a)))
                            for a in (a0, a1))
            if d < best:
                best = d
        return best - half_width
    return f


def union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def intersect(*fs):
    return lambda x, y: max(f(x, y) for f in fs)


# Deterministic noise. Everything derives from integer hashing, so the output
# never depends on the Python version or on a random module's seeding rules.

def hash01(*ints):
    h = 0x9E3779B9
    for v in ints:
        h ^= (v & 0xFFFFFFFF) + 0x7F4A7C15 + ((h << 6) & 0xFFFFFFFF) + (h >> 2)
        h &= 0xFFFFFFFF
        h = ((h ^ (h >> 16)) * 0x45D9F3B) & 0xFFFFFFFF
        h = ((h ^ (h >> 16)) * 0x45D9F3B) & 0xFFFFFFFF
        h ^= h >> 16
    return h / 4294967296.0


class Rng:
    """A tiny deterministic generator (hash of seed and counter)."""

    def __init__(self, seed):
        self.seed = seed
        self.n = 0

    def random(self):
        self.n += 1
        return hash01(self.seed, self.n)

    def uniform(self, a, b):
        return a + (b - a) * self.random()

    def randint(self, a, b):
        return a + min(b - a, int(self.random() * (b - a + 1)))


lattice = functools.lru_cache(maxsize=1 << 20)(hash01)


def value_noise(u, v, period_u, period_v, seed):
    """Smooth noise on a lattice that repeats every period_u x period_v cells."""
    iu, iv = math.floor(u), math.floor(v)
    fu, fv = u - iu, v - iv
    fu = fu * fu * (3 - 2 * fu)
    fv = fv * fv * (3 - 2 * fv)
    u0, u1 = iu % period_u, (iu + 1) % period_u
    v0, v1 = iv % period_v, (iv + 1) % period_v
    a = lattice(seed, u0, v0)
    b = lattice(seed, u1, v0)
    c = lattice(seed, u0, v1)
    d = lattice(seed, u1, v1)
    return (a + (b - a) * fu) + ((c + (d - c) * fu) - (a + (b - a) * fu)) * fv


def fbm(u, v, period_u, period_v, seed, octaves=4, gain=0.5):
    """Fractal sum of value noise; each octave doubles the lattice, so the
    result repeats with the same period as the first octave. Range about 0..1."""
    total, amp, norm = 0.0, 1.0, 0.0
    for o in range(octaves):
        s = 1 << o
        total += amp * value_noise(u * s, v * s, period_u * s, period_v * s, seed + o * 101)
        norm += amp
        amp *= gain
    return total / norm
