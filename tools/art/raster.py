"""A small anti-aliased rasteriser over the Python standard library.

Design: everything drawable is a set of closed polygons; a fill turns them into
per-row coverage runs (x0, x1, coverage) by scanning a few sub-scanlines per pixel
row with exact horizontal coverage at span ends. Interiors therefore arrive as long
runs of constant coverage, and a run of one colour is blended with bytes.translate
over a 256-entry lookup table, which runs at C speed. Only edge pixels and truly
varying paints fall back to per-pixel Python.

The canvas keeps four byte planes (red, green, blue, alpha) per row, premultiplied,
because "source over" on premultiplied values needs only the source for its table.
Straight alpha is restored, and colour bled into transparent pixels so filtered
edges do not darken, only when a PNG is written.

Rejected: per-pixel signed-distance evaluation (a 1024x512 background would take
minutes in pure Python) and a full coverage buffer per fill (cost grows with width
even for shapes that are all interior).
"""

import bisect
import itertools
import math
import re
import struct
import zlib

SAMPLES = 8  # sub-scanlines per pixel row (vertical anti-aliasing levels)
_EPS = 1e-6

_RUN_KINDS = re.compile(rb"(\xff+)|([\x01-\xfe]+)")
_EMPTY = re.compile(rb"\x00+")
_SAME_BYTE = re.compile(rb"(.)\1*", re.S)


def _edges(polys):
    """Edges as (y_top, y_bottom, x_at_y0, dx_per_dy, winding), sorted by top;
    x_at_y0 is where the edge's line crosses y = 0, so x(y) = x_at_y0 + y * dx_per_dy."""
    edges = []
    for poly in polys:
        n = len(poly)
        for i in range(n):
            x0, y0 = poly[i]
            x1, y1 = poly[(i + 1) % n]
            if y0 < y1:
                m = (x1 - x0) / (y1 - y0)
                edges.append((y0, y1, x0 - y0 * m, m, 1))
            elif y1 < y0:
                m = (x0 - x1) / (y0 - y1)
                edges.append((y1, y0, x1 - y1 * m, m, -1))
    edges.sort()
    return edges


def _spans(active, sy):
    """Nonzero-winding spans of one sub-scanline."""
    xs = sorted([(e[2] + sy * e[3], e[4]) for e in active])
    spans = []
    winding = 0
    start = 0.0
    for x, d in xs:
        if winding == 0:
            start = x
        winding += d
        if winding == 0 and x > start:
            spans.append((start, x))
    return spans


def _accumulate(spans, width, weight, full, part):
    """Adds span coverage: whole pixels as a difference list, span ends per pixel."""
    for xa, xb in spans:
        xa = max(xa, 0.0)
        xb = min(xb, float(width))
        if xb <= xa:
            continue
        ia = int(xa)
        ib = int(xb)
        if ia == ib:
            part[ia] = part.get(ia, 0.0) + (xb - xa) * weight
            continue
        part[ia] = part.get(ia, 0.0) + (ia + 1 - xa) * weight
        full[ia + 1] = full.get(ia + 1, 0.0) + weight
        full[ib] = full.get(ib, 0.0) - weight
        if ib < width and xb > ib:
            part[ib] = part.get(ib, 0.0) + (xb - ib) * weight


def _runs(full, part):
    """Turns one row's accumulations into sorted (x0, x1, coverage) runs."""
    runs = []
    level = 0.0
    cursor = 0
    for x in sorted(set(full) | set(part)):
        if x > cursor and level > _EPS:
            runs.append((cursor, x, min(level, 1.0)))
        level += full.get(x, 0.0)
        if x in part:
            c = level + part[x]
            if c > _EPS:
                runs.append((x, x + 1, min(c, 1.0)))
            cursor = x + 1
        else:
            cursor = x
    return runs


def coverage(polys, width, height, samples=SAMPLES):
    """Yields (row, runs) for every row the polygons touch inside the canvas."""
    edges = _edges(polys)
    if not edges:
        return
    first = max(0, int(edges[0][0]))
    last = min(height, int(math.ceil(max(e[1] for e in edges))))
    step = 1.0 / samples
    active = []
    taken = 0
    count = len(edges)
    expiry = math.inf  # the lowest bottom among the active edges
    for row in range(first, last):
        full = {}
        part = {}
        for k in range(samples):
            sy = row + (k + 0.5) * step
            while taken < count and edges[taken][0] <= sy:
                active.append(edges[taken])
                expiry = min(expiry, edges[taken][1])
                taken += 1
            if expiry <= sy:
                active = [e for e in active if e[1] > sy]
                expiry = min((e[1] for e in active), default=math.inf)
            if active:
                _accumulate(_spans(active, sy), width, step, full, part)
        if full or part:
            yield row, _runs(full, part)


def combine_runs(runs, mask, keep_inside=True):
    """Multiplies runs by a mask's runs (or by one minus them when cutting)."""
    cuts = sorted({p for r in runs for p in r[:2]} | {p for r in mask for p in r[:2]})
    result = []
    ia = ib = 0
    for x0, x1 in zip(cuts, cuts[1:]):
        while ia < len(runs) and runs[ia][1] <= x0:
            ia += 1
        if ia == len(runs):
            break
        if runs[ia][0] > x0:
            continue
        while ib < len(mask) and mask[ib][1] <= x0:
            ib += 1
        m = mask[ib][2] if ib < len(mask) and mask[ib][0] <= x0 else 0.0
        c = runs[ia][2] * (m if keep_inside else 1.0 - m)
        if c > _EPS:
            result.append((x0, x1, c))
    return result


def _over_table(src, inverse, cache={}):
    """Table of src + v * inverse / 255 for every byte v (never above 255)."""
    key = (src, inverse)
    table = cache.get(key)
    if table is None:
        table = bytes([src + (v * inverse + 127) // 255 for v in range(256)])
        cache[key] = table
    return table


class Canvas:
    """An RGBA image being drawn, premultiplied, row 0 at the top."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        self.planes = [[bytearray(width) for _ in range(height)] for _ in range(4)]
        if background is not None:
            self.fill_rect_all(background)

    def fill_rect_all(self, color):
        """Covers the whole canvas with one colour."""
        paint = Solid(color)
        for row in range(self.height):
            paint.blend(self, row, 0, self.width, 1.0)

    # ---- filling ---------------------------------------------------------------
    def fill(self, shape, paint, clip=None, cut=None, opacity=1.0):
        """Fills a shape (or polygon list) with a colour tuple or a gradient paint;
        clip keeps only what lies inside another shape, cut removes what does."""
        paint = _as_paint(paint, opacity)
        masks = {}
        for which, other in (("clip", clip), ("cut", cut)):
            if other is not None:
                masks[which] = dict(coverage(_polys(other), self.width, self.height))
        for row, runs in coverage(_polys(shape), self.width, self.height):
            if "clip" in masks:
                runs = combine_runs(runs, masks["clip"].get(row, []), True)
            if "cut" in masks:
                runs = combine_runs(runs, masks["cut"].get(row, []), False)
            for x0, x1, c in runs:
                paint.blend(self, row, x0, x1, c)

    def erase(self, shape, amount=1.0):
        """Makes the shape's area transparent (destination-out)."""
        for row, runs in coverage(_polys(shape), self.width, self.height):
            for x0, x1, c in runs:
                keep = 255 - int(round(c * amount * 255))
                table = _over_table(0, keep)
                for plane in self.planes:
                    line = plane[row]
                    line[x0:x1] = line[x0:x1].translate(table)

    # ---- layers -----------------------------------------------------------------
    def composite(self, layer, opacity=1.0):
        """Draws another canvas of the same size over this one."""
        k = int(round(opacity * 255))
        for y in range(self.height):
            src_alpha = layer.planes[3][y]
            for m in _RUN_KINDS.finditer(src_alpha):
                x0, x1 = m.span()
                if m.group(1) and k == 255:
                    for plane, src in zip(self.planes, layer.planes):
                        plane[y][x0:x1] = src[y][x0:x1]
                else:
                    self._over_pixels(layer, y, x0, x1, k)

    def _over_pixels(self, layer, y, x0, x1, k):
        alphas = [a * k // 255 for a in layer.planes[3][y][x0:x1]]
        for plane, src in zip(self.planes, layer.planes):
            dst = plane[y]
            dst[x0:x1] = bytes(
                [
                    (s * k + 127) // 255 + (d * (255 - a) + 127) // 255
                    for s, d, a in zip(src[y][x0:x1], dst[x0:x1], alphas)
                ]
            )

    def shadow(self, layer, dx, dy, radius, color, opacity=1.0):
        """Draws the blurred silhouette of a layer, shifted, in one colour."""
        mask = blurred_alpha(layer, radius)
        r, g, b = (int(round(v * 255)) for v in color[:3])
        k = opacity * color[3] if len(color) > 3 else opacity
        for y in range(self.height):
            sy = y - dy
            if not 0 <= sy < self.height:
                continue
            src = mask[sy]
            x0 = max(0, dx)
            x1 = min(self.width, self.width + dx)
            self._tint_pixels(y, x0, [src[x - dx] * k for x in range(x0, x1)], (r, g, b))

    def _tint_pixels(self, y, x0, alphas, rgb):
        """Blends one colour at per-pixel alphas (0 to 255) from x0 on."""
        x1 = x0 + len(alphas)
        for plane, value in zip(self.planes, rgb + (255,)):
            dst = plane[y]
            dst[x0:x1] = bytes(
                [
                    (int(value * a) + 127) // 255 + (d * (255 - int(a)) + 127) // 255
                    for d, a in zip(dst[x0:x1], alphas)
                ]
            )

    # ---- output -----------------------------------------------------------------
    def straight_rows(self):
        """Rows of interleaved straight-alpha RGBA bytes, colour bled into the
        transparent pixels from their neighbours."""
        planes = [[bytearray(line) for line in plane] for plane in self.planes]
        _unpremultiply(planes)
        _bleed(planes, self.width)
        for y in range(self.height):
            row = bytearray(4 * self.width)
            for i, plane in enumerate(planes):
                row[i::4] = plane[y]
            yield bytes(row)

    def save(self, path):
        write_png(path, self.width, self.height, self.straight_rows())


def _unpremultiply(planes):
    alpha = planes[3]
    for y, arow in enumerate(alpha):
        for m in re.finditer(rb"[\x01-\xfe]+", arow):
            x0, x1 = m.span()
            a = arow[x0:x1]
            for plane in planes[:3]:
                line = plane[y]
                line[x0:x1] = bytes(
                    [min(255, (c * 255 + (q >> 1)) // q) for c, q in zip(line[x0:x1], a)]
                )


def _bleed(planes, width):
    """Gives fully transparent pixels the colour of the nearest drawn one."""
    alpha = planes[3]
    filled = []
    for y, arow in enumerate(alpha):
        if arow.count(0) == width:
            continue
        filled.append(y)
        for m in _EMPTY.finditer(arow):
            x0, x1 = m.span()
            for plane in planes[:3]:
                line = plane[y]
                left = line[x0 - 1] if x0 > 0 else line[x1]
                right = line[x1] if x1 < width else left
                mid = (x0 + x1) // 2 if x0 > 0 and x1 < width else (x1 if x0 > 0 else x0)
                line[x0:mid] = bytes([left]) * (mid - x0)
                line[mid:x1] = bytes([right]) * (x1 - mid)
    if not filled:
        return
    for y in range(len(alpha)):
        i = bisect.bisect_left(filled, y)
        if i < len(filled) and filled[i] == y:
            continue
        near = min(filled[max(0, i - 1) : i + 1], key=lambda f: abs(f - y))
        for plane in planes[:3]:
            plane[y][:] = plane[near]


def blurred_alpha(canvas, radius):
    """The canvas's alpha after three box blurs (close to a Gaussian), as lists."""
    rows = [list(line) for line in canvas.planes[3]]
    if radius < 1:
        return rows
    rows = _box_rows(rows, radius)
    cols = _box_rows([list(c) for c in zip(*rows)], radius)
    return [list(r) for r in zip(*cols)]


def _box_rows(rows, radius):
    size = 2 * radius + 1
    for _ in range(3):
        out = []
        for line in rows:
            padded = [0] * (radius + 1) + line + [0] * radius
            sums = list(itertools.accumulate(padded))
            out.append([(hi - lo) / size for hi, lo in zip(sums[size:], sums)])
        rows = out
    return rows


# ---- paints -------------------------------------------------------------------
class Solid:
    """One straight-alpha colour (r, g, b, a in 0 to 1)."""

    def __init__(self, color, opacity=1.0):
        a = (color[3] if len(color) > 3 else 1.0) * opacity
        self.rgb = tuple(min(1.0, max(0.0, v)) for v in color[:3])
        self.alpha = min(1.0, max(0.0, a))

    def blend(self, canvas, row, x0, x1, c):
        big = int(round(self.alpha * c * 255))
        if big == 0:
            return
        inverse = 255 - big
        for plane, value in zip(canvas.planes, self.rgb + (1.0,)):
            src = int(round(value * big))
            line = plane[row]
            if x1 - x0 > 6:
                line[x0:x1] = line[x0:x1].translate(_over_table(src, inverse))
            else:
                for x in range(x0, x1):
                    line[x] = src + (line[x] * inverse + 127) // 255


class Gradient:
    """Base of paints that map each pixel to one of 256 colours of a ramp."""

    def __init__(self, stops, opacity=1.0):
        ramp = [_ramp_color(stops, i / 255.0) for i in range(256)]
        self.alpha = [c[3] * opacity for c in ramp]
        self.premul = [[v * a * 255 for v, a in zip(ch, self.alpha)] for ch in zip(*ramp)][:3]
        self.opaque = all(a >= 1.0 for a in self.alpha)
        self.luts = [bytes(int(round(v)) for v in ch) for ch in self.premul]

    def indices(self, row, x0, x1):
        raise NotImplementedError

    def blend(self, canvas, row, x0, x1, c):
        idx = self.indices(row, x0, x1)
        planes = canvas.planes
        if self.opaque and c >= 1.0 - _EPS:
            for plane, lut in zip(planes, self.luts):
                plane[row][x0:x1] = idx.translate(lut)
            planes[3][row][x0:x1] = b"\xff" * (x1 - x0)
            return
        groups = [m.span() for m in _SAME_BYTE.finditer(idx)]
        if 3 * len(groups) <= x1 - x0:
            self._blend_groups(planes, row, x0, idx, groups, c)
        else:
            self._blend_pixels(planes, row, x0, x1, idx, c)

    def _blend_groups(self, planes, row, x0, idx, groups, c):
        """Pixels of one ramp colour in a row blend like a solid colour, by table."""
        for a, b in groups:
            i = idx[a]
            inverse = 255 - int(round(self.alpha[i] * c * 255))
            sources = [int(round(ch[i] * c)) for ch in self.premul] + [255 - inverse]
            for plane, src in zip(planes, sources):
                line = plane[row]
                line[x0 + a : x0 + b] = line[x0 + a : x0 + b].translate(_over_table(src, inverse))

    def _blend_pixels(self, planes, row, x0, x1, idx, c):
        alphas = [self.alpha[i] * c for i in idx]
        for plane, ch in zip(planes, self.premul + [[a * 255.0 for a in self.alpha]]):
            line = plane[row]
            line[x0:x1] = bytes(
                [
                    min(255, int(ch[i] * c + d * (1.0 - a) + 0.5))
                    for i, d, a in zip(idx, line[x0:x1], alphas)
                ]
            )


class Linear(Gradient):
    """Colour ramp from point p0 (t = 0) to point p1 (t = 1), clamped beyond."""

    def __init__(self, p0, p1, stops, opacity=1.0):
        super().__init__(stops, opacity)
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        length2 = dx * dx + dy * dy or 1.0
        self.gx, self.gy = 255.0 * dx / length2, 255.0 * dy / length2
        self.origin = p0

    def indices(self, row, x0, x1):
        base = ((row + 0.5 - self.origin[1]) * self.gy + (0.5 - self.origin[0]) * self.gx)
        gx = self.gx
        if gx == 0.0:
            return bytes([min(255, max(0, int(base + 0.5)))]) * (x1 - x0)
        return bytes([min(255, max(0, int(base + x * gx + 0.5))) for x in range(x0, x1)])


class Radial(Gradient):
    """Colour ramp outwards from a centre; (rx, ry) is where t reaches 1."""

    def __init__(self, center, radius, stops, opacity=1.0):
        super().__init__(stops, opacity)
        rx, ry = radius if isinstance(radius, tuple) else (radius, radius)
        self.center = center
        self.kx = 1.0 / (rx * rx)
        self.ky = 1.0 / (ry * ry)

    def indices(self, row, x0, x1):
        cx, cy = self.center
        dy2 = (row + 0.5 - cy) ** 2 * self.ky
        kx = self.kx
        sqrt = math.sqrt
        return bytes(
            [min(255, int(255.0 * sqrt((x + 0.5 - cx) ** 2 * kx + dy2) + 0.5)) for x in range(x0, x1)]
        )


def _ramp_color(stops, t):
    """Linear interpolation of (position, colour) stops at t."""
    if t <= stops[0][0]:
        return _rgba(stops[0][1])
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            f = (t - p0) / (p1 - p0) if p1 > p0 else 1.0
            a, b = _rgba(c0), _rgba(c1)
            return tuple(u + (v - u) * f for u, v in zip(a, b))
    return _rgba(stops[-1][1])


def _rgba(color):
    return tuple(color) if len(color) == 4 else tuple(color) + (1.0,)


def _as_paint(paint, opacity):
    if isinstance(paint, (Solid, Gradient)):
        if opacity != 1.0:
            raise ValueError("give a gradient its opacity when making it")
        return paint
    return Solid(paint, opacity)


def _polys(shape):
    return shape.polys() if hasattr(shape, "polys") else shape


# ---- PNG ----------------------------------------------------------------------
def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, width, height, rows):
    """Writes 8-bit RGBA rows (no filtering) as a PNG file."""
    raw = b"".join(b"\x00" + row for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(_chunk(b"IHDR", header))
        out.write(_chunk(b"IDAT", zlib.compress(raw, 6)))
        out.write(_chunk(b"IEND", b""))


def read_png(path):
    """Reads an 8-bit RGBA PNG as written here: (width, height, rows of bytes)."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + ": not a PNG file")
    pos = 8
    idat = b""
    width = height = 0
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind = data[pos + 4 : pos + 8]
        body = data[pos + 8 : pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, ctype = struct.unpack(">IIBB", body[:10])
            if (depth, ctype) != (8, 6):
                raise ValueError(path + ": only 8-bit RGBA images are read")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = 4 * width + 1
    rows = []
    for y in range(height):
        line = raw[y * stride : (y + 1) * stride]
        if line[0] != 0:
            raise ValueError(path + ": filtered rows are not read")
        rows.append(line[1:])
    return width, height, rows
