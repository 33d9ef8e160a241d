"""Shapes as closed polygons in pixel units (y down), and the curves that make them.

Every shape answers polys() (its polygons, all turned the same way round so that
overlapping pieces fill as a union under the nonzero rule) and grow(d) (the shape
widened by d pixels on every side, which is how outlines are drawn: the grown shape
in the outline colour, then the shape itself on top). Circles, ellipses, rounded
rectangles and strokes grow exactly; any other polygon grows by the union with a
stroke along its boundary.
"""

import math


def _area(points):
    return 0.5 * sum(
        x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1])
    )


def _oriented(points):
    return points if _area(points) >= 0 else points[::-1]


def _segments_for(radius):
    """Enough chords to keep a circle of this radius within 0.05 px."""
    if radius <= 0.5:
        return 8
    return max(8, int(math.ceil(math.pi / math.acos(max(-1.0, 1.0 - 0.05 / radius)))))


class Shape:
    def polys(self):
        raise NotImplementedError

    def grow(self, d):
        return Union([self] + [Stroke(p, 2 * d, closed=True) for p in self.polys()])

    def bbox(self):
        xs = [x for p in self.polys() for x, _ in p]
        ys = [y for p in self.polys() for _, y in p]
        return min(xs), min(ys), max(xs), max(ys)

    def moved(self, dx, dy):
        return Mapped(self, lambda x, y: (x + dx, y + dy))

    def __add__(self, other):
        return Union([self, other])


class Poly(Shape):
    def __init__(self, points):
        self.points = _oriented([tuple(p) for p in points])

    def polys(self):
        return [self.points]


class Union(Shape):
    def __init__(self, shapes):
        self.shapes = list(shapes)

    def polys(self):
        return [p for s in self.shapes for p in s.polys()]

    def grow(self, d):
        return Union([s.grow(d) for s in self.shapes])


class Mapped(Shape):
    """A shape with every point passed through fn(x, y); fn should be rigid or a
    uniform scale so that grown outlines keep their width."""

    def __init__(self, shape, fn):
        self.shape = shape
        self.fn = fn

    def polys(self):
        return [_oriented([self.fn(x, y) for x, y in p]) for p in self.shape.polys()]

    def grow(self, d):
        return Mapped(self.shape.grow(d), self.fn)


class Ellipse(Shape):
    """Centre, radii and a turn in radians (clockwise on screen)."""

    def __init__(self, cx, cy, rx, ry=None, angle=0.0):
        self.cx, self.cy, self.rx = cx, cy, rx
        self.ry = rx if ry is None else ry
        self.angle = angle

    def polys(self):
        return [arc(self.cx, self.cy, self.rx, self.ry, 0.0, 2 * math.pi, self.angle)[:-1]]

    def grow(self, d):
        return Ellipse(self.cx, self.cy, self.rx + d, self.ry + d, self.angle)


def Circle(cx, cy, r):
    return Ellipse(cx, cy, r, r)


class RoundRect(Shape):
    """Axis-aligned box from (x0, y0) to (x1, y1) with corners of radius r."""

    def __init__(self, x0, y0, x1, y1, r):
        self.box = (x0, y0, x1, y1)
        self.r = max(0.0, min(r, (x1 - x0) / 2, (y1 - y0) / 2))

    def polys(self):
        x0, y0, x1, y1 = self.box
        r = self.r
        if r <= 0:
            return [_oriented([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])]
        q = math.pi / 2
        pts = (
            arc(x1 - r, y0 + r, r, r, -q, 0)
            + arc(x1 - r, y1 - r, r, r, 0, q)
            + arc(x0 + r, y1 - r, r, r, q, 2 * q)
            + arc(x0 + r, y0 + r, r, r, 2 * q, 3 * q)
        )
        return [_oriented(pts)]

    def grow(self, d):
        x0, y0, x1, y1 = self.box
        return RoundRect(x0 - d, y0 - d, x1 + d, y1 + d, self.r + d)


def rect(x0, y0, x1, y1):
    return RoundRect(x0, y0, x1, y1, 0)


class Stroke(Shape):
    """A thick line along points with round caps and joins; width in pixels, or
    a (start, end) pair for a line that tapers."""

    def __init__(self, points, width, closed=False):
        self.points = [tuple(p) for p in points]
        self.width = width if isinstance(width, tuple) else (width, width)
        self.closed = closed

    def grow(self, d):
        return Stroke(self.points, (self.width[0] + 2 * d, self.width[1] + 2 * d), self.closed)

    def _half(self, i, n):
        w0, w1 = self.width
        return 0.5 * (w0 + (w1 - w0) * (i / (n - 1) if n > 1 else 0))

    def polys(self):
        pts = _dedupe(self.points + (self.points[:1] if self.closed else []))
        n = len(pts)
        if n == 1:
            h = self._half(0, 1)
            return Ellipse(pts[0][0], pts[0][1], h).polys()
        normals = [_normal(pts[i], pts[i + 1]) for i in range(n - 1)]
        polys = []
        for i in range(n - 1):
            a = self._joint(normals, i, True)
            b = self._joint(normals, i + 1, False)
            ha, hb = self._half(i, n), self._half(i + 1, n)
            (ax, ay), (bx, by) = pts[i], pts[i + 1]
            quad = [
                (ax + a[0] * ha, ay + a[1] * ha),
                (bx + b[0] * hb, by + b[1] * hb),
                (bx - b[0] * hb, by - b[1] * hb),
                (ax - a[0] * ha, ay - a[1] * ha),
            ]
            polys.append(_oriented(quad))
        for i in range(n):
            if self._sharp(normals, i):
                polys += Ellipse(pts[i][0], pts[i][1], self._half(i, n)).polys()
        return polys

    def _neighbours(self, normals, i):
        """Normals of the segments before and after point i (None at open ends)."""
        m = len(normals)
        before = normals[i - 1] if i > 0 else (normals[-1] if self.closed else None)
        after = normals[i] if i < m else (normals[0] if self.closed else None)
        return before, after

    def _sharp(self, normals, i):
        before, after = self._neighbours(normals, i)
        if before is None or after is None:
            return True
        return before[0] * after[0] + before[1] * after[1] < 0.9

    def _joint(self, normals, i, starting):
        """The offset direction at point i for the segment starting or ending there:
        a mitred average at smooth joints, the segment's own normal at sharp ones."""
        own = normals[i] if starting else normals[i - 1]
        if self._sharp(normals, i):
            return own
        before, after = self._neighbours(normals, i)
        mx, my = before[0] + after[0], before[1] + after[1]
        k = (mx * own[0] + my * own[1]) or 1.0
        return (mx / k, my / k)


def _normal(p, q):
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy) or 1.0
    return (-dy / length, dx / length)


def _dedupe(points):
    out = [points[0]]
    for p in points[1:]:
        if math.hypot(p[0] - out[-1][0], p[1] - out[-1][1]) > 1e-6:
            out.append(p)
    return out


# ---- curves -------------------------------------------------------------------
def arc(cx, cy, rx, ry, a0, a1, angle=0.0, n=None):
    """Points along an elliptic arc from angle a0 to a1 (radians, y down); n chords,
    by default enough for the arc's size in pixels."""
    if n is None:
        n = max(2, int(math.ceil(_segments_for(max(rx, ry)) * abs(a1 - a0) / (2 * math.pi))))
    ca, sa = math.cos(angle), math.sin(angle)
    pts = []
    for i in range(n + 1):
        t = a0 + (a1 - a0) * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * ca - y * sa, cy + x * sa + y * ca))
    return pts


def bezier(p0, p1, p2, p3=None, n=None):
    """Points along a quadratic (three points) or cubic (four points) curve; n
    pieces, by default one per 3 pixels of control polygon."""
    ctrl = [p0, p1, p2] + ([p3] if p3 is not None else [])
    if n is None:
        length = sum(math.hypot(b[0] - a[0], b[1] - a[1]) for a, b in zip(ctrl, ctrl[1:]))
        n = max(4, int(length / 3))
    return [_de_casteljau(ctrl, i / n) for i in range(n + 1)]


def _de_casteljau(ctrl, t):
    pts = ctrl
    while len(pts) > 1:
        pts = [(a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t) for a, b in zip(pts, pts[1:])]
    return pts[0]


def spline(points, closed=False, steps=None):
    """A smooth curve through the points (Catmull-Rom); steps pieces between two
    points, by default one per 3 pixels."""
    pts = [tuple(p) for p in points]
    n = len(pts)
    out = []
    last = n if closed else n - 1
    for i in range(last):
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1, p2 = pts[i], pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else p2
        pieces = steps or max(3, int(math.hypot(p2[0] - p1[0], p2[1] - p1[1]) / 3))
        for s in range(pieces):
            out.append(_catmull(p0, p1, p2, p3, s / pieces))
    if not closed:
        out.append(pts[-1])
    return out


def _catmull(p0, p1, p2, p3, t):
    t2, t3 = t * t, t * t * t
    return tuple(
        0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3)
        for a, b, c, d in zip(p0, p1, p2, p3)
    )


def Blob(points):
    """A closed smooth shape through the points."""
    return Poly(spline(points, closed=True))


def rotate(points, cx, cy, angle):
    """Points turned about (cx, cy) by angle radians (clockwise on screen)."""
    ca, sa = math.cos(angle), math.sin(angle)
    return [(cx + (x - cx) * ca - (y - cy) * sa, cy + (x - cx) * sa + (y - cy) * ca) for x, y in points]


def star(cx, cy, outer, inner, tips, angle=-math.pi / 2):
    """Points of a star with the given number of tips, first tip at angle."""
    pts = []
    for i in range(2 * tips):
        r = outer if i % 2 == 0 else inner
        t = angle + math.pi * i / tips
        pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts
