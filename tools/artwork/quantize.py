"""From a float RGB raster to palette indices.

The palette comes from the picture itself (median cut, refined by a few rounds
of k-means), and each pixel is then written as an ordered dither of the two
palette colours whose mixture comes closest to it, so smooth gradients stay
smooth with only 256 colours.
"""

from raster import clamp, hash01

# Channel weights of the colour distance: the eye is most sensitive to green
# and least to blue.
WR, WG, WB = 3.0, 4.0, 2.0


def dist2(a, b):
    return WR * (a[0] - b[0]) ** 2 + WG * (a[1] - b[1]) ** 2 + WB * (a[2] - b[2]) ** 2


def bayer(n):
    """The n x n ordered-dither matrix (n a power of two), thresholds in 0..1."""
    m = [[0]]
    size = 1
    while size < n:
        m = [[4 * m[y % size][x % size] + (0, 2, 3, 1)[(y // size) * 2 + (x // size)]
              for x in range(2 * size)] for y in range(2 * size)]
        size *= 2
    return [[(v + 0.5) / (n * n) for v in row] for row in m]


def bayer_threshold(n=8):
    m = bayer(n)
    return lambda x, y: m[y % n][x % n]


def noise_threshold(seed):
    """Per-pixel hashed thresholds: no period, so textures tile without a seam
    whatever their size."""
    return lambda x, y: hash01(seed, x, y)


def luminance(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def median_cut(colours, count, keep=()):
    """Chooses count palette colours for the given pixel colours; the colours in
    keep are always included (exact text colours and the like)."""
    hist = {}
    for c in colours:
        key = (int(c[0]) >> 2, int(c[1]) >> 2, int(c[2]) >> 2)
        e = hist.get(key)
        if e is None:
            hist[key] = [c[0], c[1], c[2], 1]
        else:
            e[0] += c[0]
            e[1] += c[1]
            e[2] += c[2]
            e[3] += 1
    entries = [(e[0] / e[3], e[1] / e[3], e[2] / e[3], e[3]) for e in hist.values()]
    entries.sort()
    free = count - len(keep)

    def spread(box):
        n = sum(e[3] for e in box)
        ranges = [max(e[i] for e in box) - min(e[i] for e in box) for i in range(3)]
        weighted = [ranges[0] * WR ** 0.5, ranges[1] * WG ** 0.5, ranges[2] * WB ** 0.5]
        axis = max(range(3), key=lambda i: weighted[i])
        return n ** 0.5 * weighted[axis], axis

    boxes = [entries]
    while len(boxes) < free:
        scored = [(spread(b), i) for i, b in enumerate(boxes) if len(b) > 1]
        if not scored:
            break
        (score, axis), i = max(scored)
        if score <= 0:
            break
        box = sorted(boxes.pop(i), key=lambda e: e[axis])
        half = sum(e[3] for e in box) / 2
        acc = 0
        for cut in range(1, len(box)):
            acc += box[cut - 1][3]
            if acc >= half:
                break
        boxes += [box[:cut], box[cut:]]

    centres = []
    for b in boxes:
        n = sum(e[3] for e in b)
        centres.append(tuple(sum(e[i] * e[3] for e in b) / n for i in range(3)))

    # A few rounds of k-means move the centres to where the pixels are.
    fixed = [tuple(map(float, k)) for k in keep]
    for _ in range(4):
        sums = [[0.0, 0.0, 0.0, 0] for _ in centres]
        allc = centres + fixed
        for e in entries:
            j = min(range(len(allc)), key=lambda k: dist2(e, allc[k]))
            if j < len(centres):
                s = sums[j]
                s[0] += e[0] * e[3]
                s[1] += e[1] * e[3]
                s[2] += e[2] * e[3]
                s[3] += e[3]
        centres = [(s[0] / s[3], s[1] / s[3], s[2] / s[3]) if s[3] else c
                   for s, c in zip(sums, centres)]

    palette = [tuple(int(round(clamp(v, 0, 255))) for v in c) for c in centres + fixed]
    palette = sorted(set(palette), key=lambda c: (luminance(c), c))
    return palette


class Mapper:
    """Maps colours to palette indices by dithering between the best pair."""

    def __init__(self, palette, allowed=None, nearest=8, penalty=0.15):
        self.pal = palette
        self.allowed = list(allowed) if allowed is not None else list(range(len(palette)))
        self.nearest = nearest
        self.penalty = penalty
        self.cache = {}

    def pair(self, c):
        key = (int(c[0] + 0.5), int(c[1] + 0.5), int(c[2] + 0.5))
        hit = self.cache.get(key)
        if hit is not None:
            return hit
        pal = self.pal
        near = sorted(self.allowed, key=lambda i: dist2(key, pal[i]))[:self.nearest]
        best = (dist2(key, pal[near[0]]), near[0], near[0], 0.0)
        for ai in range(len(near)):
            a = pal[near[ai]]
            for bi in range(ai + 1, len(near)):
                b = pal[near[bi]]
                e = (b[0] - a[0], b[1] - a[1], b[2] - a[2])
                ee = WR * e[0] * e[0] + WG * e[1] * e[1] + WB * e[2] * e[2]
                if ee == 0:
                    continue
                t = clamp((WR * (key[0] - a[0]) * e[0] + WG * (key[1] - a[1]) * e[1]
                           + WB * (key[2] - a[2]) * e[2]) / ee)
                m = (a[0] + e[0] * t, a[1] + e[1] * t, a[2] + e[2] * t)
                err = dist2(key, m) + self.penalty * ee * t * (1 - t)
                if err < best[0]:
                    best = (err, near[ai], near[bi], t)
        hit = best[1:]
        self.cache[key] = hit
        return hit

    def index(self, c, threshold):
        a, b, t = self.pair(c)
        return b if t > threshold else a


def dither(raster, mapper, threshold, region=None):
    """Indices for every pixel of the raster; region(x, y) may say which
    pixels to leave as None for the caller to fill."""
    out = []
    w = raster.w
    for y in range(raster.h):
        for x in range(w):
            if region is not None and not region(x, y):
                out.append(None)
                continue
            out.append(mapper.index(raster.px[y * w + x], threshold(x, y)))
    return out
