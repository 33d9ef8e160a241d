"""Scenery sprites placed in the levels: trees, bushes, mushrooms, clouds, the moon,
a ship's lantern and a ringed planet. The backgrounds reuse the tree, bush and
cloud drawings at other sizes through the draw_* functions."""

import math
import random

from colors import (
    BARK, BERRY, FUR_LIGHT, GHOST_TEAL, INK, LEAF, LEAF_DARK, METAL, MOONLIGHT, SCARF,
    WHITE, darker, faded, lighter, mix,
)
from geometry import Blob, Circle, Ellipse, Poly, RoundRect, Stroke, Union, arc, bezier
from raster import Canvas, Linear, Radial
from toon import part


def leafy(cx, cy, r, lumps=9, seed=1):
    """A round leafy crown: a blob with soft lumps on its rim."""
    rng = random.Random(seed)
    pts = []
    for i in range(2 * lumps):
        a = 2 * math.pi * i / (2 * lumps)
        k = 1.0 if i % 2 == 0 else 0.86 + 0.04 * rng.random()
        pts.append((cx + r * k * math.cos(a), cy + r * k * math.sin(a) * 0.9))
    return Blob(pts)


def draw_tree(c, x, base, height, outline=4.0, seed=2, leaf=LEAF, bark=BARK):
    """A round cartoon tree standing on (x, base), height in pixels."""
    s = height / 480.0
    trunk = Poly(bezier((x - 26 * s, base), (x - 14 * s, base - 160 * s), (x - 24 * s, base - 250 * s),
                        (x - 10 * s, base - 300 * s))
                 + bezier((x + 10 * s, base - 300 * s), (x + 24 * s, base - 250 * s), (x + 14 * s, base - 160 * s),
                          (x + 26 * s, base)))
    part(c, trunk, bark, outline=outline, crescent=0.15, gloss=0)
    branch = Stroke([(x, base - 220 * s), (x + 50 * s, base - 280 * s)], 16 * s)
    part(c, branch, bark, outline=outline, crescent=0, gloss=0)
    for k in range(3):
        c.fill(Stroke(bezier((x - 6 * s + 6 * k * s, base - 20 * s), (x - 12 * s + 8 * k * s, base - 120 * s),
                             (x - 2 * s + 6 * k * s, base - 200 * s)), 3 * s), faded(darker(bark, 0.4), 0.6),
               clip=trunk)
    crowns = [(x - 44 * s, base - 300 * s, 70 * s), (x + 46 * s, base - 312 * s, 68 * s),
              (x, base - 376 * s, 82 * s)]
    for i, (cx, cy, r) in enumerate(crowns):
        part(c, leafy(cx, cy, r, seed=seed + i), mix(leaf, LEAF_DARK, 0.25 * (i != 2)), outline=outline,
             crescent=0.1, gloss=0.25)
    rng = random.Random(seed)
    for _ in range(6):
        cx, cy, r = crowns[rng.randrange(3)]
        a, d = rng.uniform(0, 2 * math.pi), rng.uniform(0.2, 0.7) * r
        bx, by = cx + d * math.cos(a), cy + d * math.sin(a)
        part(c, Circle(bx, by, 9 * s), BERRY, outline=outline * 0.6, crescent=0, gloss=0.6)


def draw_bush(c, x, base, width, outline=4.0, seed=4, leaf=LEAF):
    """A bush of three lumps sitting on (x, base)."""
    s = width / 240.0
    lumps = [(x - 62 * s, base - 40 * s, 44 * s), (x + 58 * s, base - 42 * s, 46 * s),
             (x, base - 58 * s, 56 * s)]
    for i, (cx, cy, r) in enumerate(lumps):
        part(c, leafy(cx, cy, r, lumps=7, seed=seed + i), mix(leaf, LEAF_DARK, 0.3 * (i != 2)),
             outline=outline, crescent=0.1, gloss=0.3)
    for cx, cy in ((x - 40 * s, base - 52 * s), (x + 20 * s, base - 80 * s), (x + 70 * s, base - 40 * s)):
        part(c, Circle(cx, cy, 8 * s), BERRY, outline=outline * 0.6, crescent=0, gloss=0.6)


def draw_cloud(c, x, y, width, color=WHITE, outline=3.0, ink=None):
    """A fluffy cloud centred on (x, y)."""
    s = width / 240.0
    puffs = [(-70, 10, 40), (-28, -16, 50), (28, -24, 56), (76, 6, 40), (0, 14, 46)]
    shape = Union([Circle(x + dx * s, y + dy * s, r * s) for dx, dy, r in puffs]
                  + [RoundRect(x - 100 * s, y, x + 108 * s, y + 44 * s, 22 * s)])
    if outline > 0:
        c.fill(shape.grow(outline), ink or darker(color, 0.4))
    c.fill(shape, Linear((0, y - 80 * s), (0, y + 44 * s), [(0, color), (0.6, color),
                                                            (1, darker(color, 0.18))]))
    c.fill(Ellipse(x - 20 * s, y - 34 * s, 34 * s, 14 * s), faded(WHITE, 0.7), clip=shape)


def tree():
    c = Canvas(256, 512)
    c.fill(Ellipse(128, 498, 90, 10), faded(INK, 0.2))
    draw_tree(c, 128, 500, 490)
    return c


def bush():
    c = Canvas(256, 128)
    draw_bush(c, 128, 124, 230)
    return c


def mushroom():
    c = Canvas(128, 128)
    stem = Blob([(52, 120), (50, 80), (56, 62), (72, 62), (78, 80), (76, 120)])
    part(c, stem, FUR_LIGHT, outline=4, crescent=0.1, gloss=0.2)
    cap = Blob([(10, 74), (20, 40), (64, 14), (108, 40), (118, 74), (64, 80)])
    part(c, cap, SCARF, outline=4.5, crescent=0.1, gloss=0.5)
    for x, y, r in ((40, 42, 9), (72, 30, 8), (94, 52, 7), (60, 60, 6), (24, 64, 5)):
        c.fill(Ellipse(x, y, r, r * 0.8), faded(WHITE, 0.95), clip=cap)
    return c


def cloud():
    c = Canvas(256, 128)
    draw_cloud(c, 128, 80, 210, outline=4, ink=(0.62, 0.68, 0.86, 1))
    return c


def draw_moon(c, x, y, r):
    """The moon with its halo, centred on (x, y), disc radius r."""
    c.fill(Circle(x, y, r * 1.7), Radial((x, y), r * 1.7, [(0.55, faded(MOONLIGHT, 0.5)),
                                                           (1, faded(MOONLIGHT, 0))]))
    disc = Circle(x, y, r)
    c.fill(disc.grow(r * 0.04), faded(lighter(MOONLIGHT, 0.5), 0.8))
    c.fill(disc, Radial((x - 0.3 * r, y - 0.37 * r), 1.45 * r, [(0, lighter(MOONLIGHT, 0.5)),
                                                             (0.6, MOONLIGHT), (1, darker(MOONLIGHT, 0.2))]))
    for dx, dy, k in ((-0.37, -0.32, 0.21), (0.37, -0.47, 0.13), (0.29, 0.29, 0.26), (-0.32, 0.42, 0.12),
                      (0.63, -0.03, 0.09)):
        cx, cy, cr = x + dx * r, y + dy * r, k * r
        c.fill(Circle(cx, cy, cr), faded(darker(MOONLIGHT, 0.25), 0.55), clip=disc)
        c.fill(Circle(cx + cr * 0.2, cy + cr * 0.25, cr * 0.8), faded(lighter(MOONLIGHT, 0.3), 0.5),
               clip=Circle(cx, cy, cr))


def moon():
    c = Canvas(256, 256)
    draw_moon(c, 128, 128, 75)
    return c


def lantern():
    c = Canvas(128, 256)
    c.fill(Circle(64, 150, 64), Radial((64, 150), 64, [(0, faded(GHOST_TEAL, 0.6)),
                                                       (1, faded(GHOST_TEAL, 0))]))
    c.fill(Stroke(arc(64, 40, 14, 16, math.pi, 2 * math.pi), 6).grow(2.5), INK)
    c.fill(Stroke(arc(64, 40, 14, 16, math.pi, 2 * math.pi), 6), METAL)
    part(c, RoundRect(36, 56, 92, 80, 8), darker(METAL, 0.3), outline=4, crescent=0.1, gloss=0.4)
    glass = RoundRect(40, 80, 88, 200, 16)
    c.fill(glass.grow(4), INK)
    c.fill(glass, Radial((64, 140), (30, 70), [(0, lighter(MOONLIGHT, 0.6)), (0.5, GHOST_TEAL),
                                               (1, darker(GHOST_TEAL, 0.4))]))
    c.fill(Ellipse(64, 146, 9, 16), Radial((64, 150), 16, [(0, WHITE), (1, faded(MOONLIGHT, 0.5))]))
    for x in (40, 64, 88):
        c.fill(Stroke([(x, 80), (x, 200)], 6).grow(2), INK)
        c.fill(Stroke([(x, 80), (x, 200)], 6), darker(METAL, 0.3))
    part(c, RoundRect(32, 196, 96, 218, 8), darker(METAL, 0.3), outline=4, crescent=0.1, gloss=0.4)
    c.fill(Stroke([(48, 92), (48, 186)], 4), faded(WHITE, 0.5))
    return c


def planet():
    c = Canvas(256, 256)
    tilt = -0.35
    ring = Ellipse(128, 134, 120, 30, tilt)
    hole = Ellipse(128, 134, 92, 19, tilt)
    ball = Circle(128, 128, 72)
    left, right = 134 + 128 * math.tan(-tilt), 134 - 128 * math.tan(-tilt)
    back = Poly([(0, 0), (256, 0), (256, right), (0, left)])
    c.fill(ring.grow(4), INK, cut=hole.grow(-4), clip=back)
    c.fill(ring, (1.0, 0.78, 0.45, 1), cut=hole, clip=back)
    part(c, ball, (0.62, 0.42, 0.95, 1), outline=4.5, crescent=0.12, gloss=0.4)
    for dy, k in ((-40, 0.15), (-8, 0.25), (26, 0.15)):
        band = Ellipse(128, 128 + dy, 90, 10, tilt)
        c.fill(band, faded(lighter((0.62, 0.42, 0.95, 1), k * 2), 0.6), clip=ball)
    front = Poly([(0, left), (256, right), (256, 256), (0, 256)])
    c.fill(ring.grow(4), INK, cut=hole.grow(-4), clip=front)
    c.fill(ring, (1.0, 0.78, 0.45, 1), cut=hole, clip=front)
    c.fill(Ellipse(128, 134, 106, 24, tilt), faded(darker((1.0, 0.78, 0.45, 1), 0.3), 0.8),
           cut=Ellipse(128, 134, 100, 22, tilt), clip=front)
    return c


IMAGES = {
    "Tree": tree,
    "Bush": bush,
    "Mushroom": mushroom,
    "Cloud": cloud,
    "Moon": moon,
    "Lantern": lantern,
    "Planet": planet,
}
