"""Pickups and particle images. Particle images are white or nearly so where the
game tints them with a colour; their colour reaches right to the transparent edge
so filtering never darkens the glow."""

import math

from colors import (
    FLAME_CORE, FLAME_EDGE, FLAME_HOT, FUR_LIGHT, GOLD, INK, WHITE, faded, lighter,
)
from geometry import Blob, Circle, Ellipse, Poly, Stroke, Union, rotate, star
from raster import Canvas, Radial
from toon import part


def bone():
    c = Canvas(128, 128)
    c.fill(Circle(64, 64, 56), Radial((64, 64), 58, [(0, faded(GOLD, 0.45)), (1, faded(GOLD, 0))]))
    knobs = [Circle(x, y, 15) for x in (30, 98) for y in (51, 77)]
    shaft = Stroke([(32, 64), (96, 64)], 24)
    outline = [rotate(p, 64, 64, -0.45) for p in Union(knobs + [shaft]).polys()]
    shape = Union(Poly(p) for p in outline)
    part(c, shape, FUR_LIGHT, outline=4.5, crescent=0.08, gloss=0.5)
    return c


def star_pickup():
    c = Canvas(128, 128)
    c.fill(Circle(64, 66, 60), Radial((64, 66), 60, [(0, faded(GOLD, 0.5)), (1, faded(GOLD, 0))]))
    body = Blob(star(64, 68, 50, 24, 5))
    part(c, body, GOLD, outline=4.5, crescent=0.1, gloss=0.55)
    for dx in (-11, 11):
        c.fill(Ellipse(64 + dx, 64, 4, 6.5), INK)
        c.fill(Ellipse(64 + dx - 1, 61.5, 1.6, 2), WHITE)
    c.fill(Stroke([(56, 77), (64, 81), (72, 77)], 3.5), INK)
    return c


def glow():
    c = Canvas(64, 64)
    stops = [(0, WHITE), (0.25, faded(WHITE, 0.75)), (0.6, faded(WHITE, 0.22)), (1, faded(WHITE, 0))]
    c.fill(Circle(32, 32, 32), Radial((32, 32), 32, stops))
    return _white(c)


def spark():
    c = Canvas(64, 64)
    c.fill(Circle(32, 32, 26), Radial((32, 32), 26, [(0, faded(WHITE, 0.6)), (1, faded(WHITE, 0))]))
    points = []
    for i in range(8):
        r = 31 if i % 2 == 0 else 5.5
        a = math.pi * i / 4
        points.append((32 + r * math.cos(a), 32 + r * math.sin(a)))
    c.fill(Blob(points), WHITE)
    c.fill(Circle(32, 32, 6), Radial((32, 32), 6, [(0, WHITE), (1, faded(WHITE, 0.9))]))
    return _white(c)


def dust_puff():
    c = Canvas(64, 64)
    puffs = [(32, 36, 20), (20, 38, 13), (44, 38, 13), (27, 25, 13), (40, 27, 12)]
    for x, y, r in puffs:
        stops = [(0, WHITE), (0.6, faded(lighter((0.85, 0.82, 0.8, 1), 0.2), 0.85)),
                 (1, faded((0.85, 0.82, 0.8, 1), 0))]
        c.fill(Circle(x, y, r), Radial((x - r * 0.25, y - r * 0.3), r * 1.05, stops))
    return c


def flame():
    c = Canvas(64, 64)
    outer = Blob([(32, 2), (44, 22), (50, 40), (44, 56), (32, 62), (20, 56), (14, 40), (20, 22)])
    c.fill(outer, Radial((32, 44), (22, 40), [(0, FLAME_HOT), (0.7, faded(FLAME_EDGE, 0.85)),
                                              (1, faded(FLAME_EDGE, 0))]))
    inner = Blob([(32, 18), (39, 32), (42, 44), (38, 54), (32, 57), (26, 54), (22, 44), (25, 32)])
    c.fill(inner, Radial((32, 46), (12, 26), [(0, FLAME_CORE), (0.8, faded(FLAME_CORE, 0.8)),
                                              (1, faded(FLAME_HOT, 0))]))
    return c


def _white(canvas):
    """Particle images tint to any colour: colour is white everywhere, alpha kept."""
    for plane in canvas.planes[:3]:
        for y, line in enumerate(plane):
            line[:] = canvas.planes[3][y]
    return canvas


IMAGES = {
    "Bone": bone,
    "Star": star_pickup,
    "Glow": glow,
    "Spark": spark,
    "DustPuff": dust_puff,
    "Flame": flame,
}
