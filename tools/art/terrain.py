"""The ground under each world's floor and the cliffs that close its sides.

A ground panel is 512x512 and stands for a 16 x 16 block of world under the
floor line: its top edge is where the dog lands, its body fills every frame down
to the bottom of the view, and its left and right edges meet, so panels side by
side make one ground. A cliff is 384x1024, a tall rock (or wall) that closes a
world at its side, wide enough that the view never looks past it; both long edges
carry the outline, so one image serves either side.
"""

import math
import random

from colors import (
    CANDY_GRAPE, CANDY_LEMON, CANDY_MINT, CANDY_PINK, EARTH, EARTH_DARK, GHOST_TEAL, GRASS,
    HAZARD, INK, LEAF, LEAF_DARK, METAL, NIGHT, NIGHT_PURPLE, STONE, WHITE, WOOD, darker,
    faded, hex_color, lighter, mix,
)
from geometry import Blob, Circle, Ellipse, Poly, RoundRect, Stroke, rect
from raster import Canvas, Linear

G = 512           # ground panel side, pixels
CW, CH = 384, 1024  # cliff size, pixels
LINE = 5.0


def _wave(base, waves, x0=0, x1=G, step=8, width=G):
    """Points of base + sum of a * sin(2 pi k x / width + phase): whole cycles, so the
    ends meet across the panel seam."""
    return [(x, base + sum(a * math.sin(2 * math.pi * k * x / width + p) for a, k, p in waves))
            for x in range(x0, x1 + 1, step)]


def _band(top, bottom):
    """The area between two wave lines given as point lists of the same xs."""
    return Poly(top + bottom[::-1])


def _specks(c, rng, count, y0, y1, color, size, width=G, clip=None):
    """Scattered pebbles; those crossing an edge are drawn on both sides."""
    for _ in range(count):
        x, y = rng.uniform(0, width), rng.uniform(y0, y1)
        rx, ry = size * rng.uniform(0.6, 1.3), size * rng.uniform(0.4, 0.8)
        for cx in (x - width, x, x + width):
            if -rx <= cx <= width + rx:
                c.fill(Ellipse(cx, y, rx, ry, rng.uniform(-0.4, 0.4)), color, clip=clip)
                c.fill(Ellipse(cx - rx * 0.25, y - ry * 0.35, rx * 0.4, ry * 0.3),
                       faded(WHITE, 0.25), clip=clip)


def _ground(body_stops, strata, top_color, top_depth, seed, speck_color, top_ink=True):
    """A ground panel: a body gradient down the panel, wavy strata, pebbles, and a
    top layer (grass, frosting, planks...) whose lower edge waves."""
    c = Canvas(G, G)
    rng = random.Random(seed)
    c.fill(rect(0, 0, G, G), Linear((0, 0), (0, G), body_stops))
    for depth, amp, color in strata:
        waves = [(amp, 2, rng.uniform(0, 6)), (amp * 0.5, 5, rng.uniform(0, 6))]
        c.fill(Stroke(_wave(depth, waves, -8, G + 8), 6), color)
    _specks(c, rng, 34, top_depth + 30, G - 20, speck_color, 9)
    edge = _wave(top_depth, [(5, 4, 0.3), (3, 9, 1.1)], 0, G)
    top = Poly([(0, -2)] + edge + [(G, -2)])
    if top_ink:
        c.fill(Stroke(edge, LINE * 1.4), INK)
    c.fill(top, top_color)
    c.fill(rect(0, 0, G, 4), faded(WHITE, 0.35))
    return c, rng


def ground_forest():
    c, rng = _ground([(0, EARTH), (0.5, darker(EARTH, 0.2)), (1, EARTH_DARK)],
                     [(120, 6, faded(darker(EARTH, 0.25), 0.6)), (230, 8, faded(darker(EARTH, 0.3), 0.6)),
                      (360, 7, faded(EARTH_DARK, 0.7)), (450, 9, faded(darker(EARTH_DARK, 0.2), 0.7))],
                     Linear((0, 0), (0, 40), [(0, lighter(GRASS, 0.3)), (1, darker(GRASS, 0.15))]),
                     34, 21, darker(EARTH, 0.35))
    for x in range(6, G, 19):
        x += rng.uniform(-5, 5)
        blade = [(x - 6, 30), (x - 2, 12 + rng.uniform(0, 6)), (x + 1, 28), (x + 5, 10 + rng.uniform(0, 6)),
                 (x + 8, 30)]
        c.fill(Stroke(blade, 2.5), faded(darker(GRASS, 0.35), 0.7))
    for x in (70, 250, 410):
        root = [(x, 40), (x + 14, 90), (x - 6, 150), (x + 10, 210)]
        c.fill(Stroke(root, 7), faded(darker(EARTH_DARK, 0.2), 0.8))
        c.fill(Stroke([(x + 14, 90), (x + 40, 120)], 4), faded(darker(EARTH_DARK, 0.2), 0.8))
    return c


def ground_candy():
    c, rng = _ground([(0, hex_color("#ffd9a8")), (1, hex_color("#e8a86b"))],
                     [(150, 5, faded(CANDY_PINK, 0.9)), (160, 5, faded(lighter(CANDY_PINK, 0.3), 0.9)),
                      (300, 6, faded(CANDY_MINT, 0.9)), (440, 6, faded(CANDY_GRAPE, 0.85))],
                     Linear((0, 0), (0, 50), [(0, WHITE), (1, lighter(CANDY_PINK, 0.55))]),
                     30, 33, faded(hex_color("#c9854e"), 0.8), top_ink=True)
    drips = [(x, 30 + rng.uniform(18, 46)) for x in range(20, G, 48)]
    for x, y in drips:
        c.fill(RoundRect(x - 9, 24, x + 9, y, 9), lighter(CANDY_PINK, 0.55))
    for _ in range(40):
        x, y = rng.uniform(0, G), rng.uniform(6, 26)
        color = rng.choice([CANDY_MINT, CANDY_LEMON, CANDY_GRAPE, CANDY_PINK])
        c.fill(RoundRect(x - 5, y - 2, x + 5, y + 2, 2), color)
    return c


def ground_deck():
    """The ship's hull under its deck: dark planks, a rail of glowing portholes."""
    wood = darker(WOOD, 0.55)
    c, rng = _ground([(0, mix(wood, NIGHT_PURPLE, 0.2)), (1, mix(wood, NIGHT, 0.6))],
                     [(y, 0, faded(darker(wood, 0.5), 0.9)) for y in range(70, G, 46)],
                     Linear((0, 0), (0, 36), [(0, lighter(WOOD, 0.05)), (1, darker(WOOD, 0.25))]),
                     28, 41, faded(darker(wood, 0.4), 0.6))
    for x in range(0, G, 64):
        c.fill(Stroke([(x + 32, 6), (x + 32, 28)], 3), darker(WOOD, 0.45))
    for x in (64, 192, 320, 448):
        c.fill(Circle(x, 150, 30), INK)
        c.fill(Circle(x, 150, 25), darker(METAL, 0.35))
        c.fill(Circle(x, 150, 19), Linear((0, 131), (0, 169), [(0, lighter(GHOST_TEAL, 0.4)),
                                                                (1, darker(GHOST_TEAL, 0.2))]))
        c.fill(Ellipse(x - 6, 143, 7, 4), faded(WHITE, 0.6))
    c.fill(Stroke(_wave(250, [(10, 1, 0.5)], -8, G + 8), 9), faded(hex_color("#c9b48a"), 0.9))
    return c


def ground_launch():
    """Concrete of the launch site under a hazard-striped steel deck."""
    c, rng = _ground([(0, lighter(STONE, 0.05)), (1, darker(STONE, 0.35))],
                     [(y, 0, faded(darker(STONE, 0.3), 0.8)) for y in (140, 280, 420)],
                     METAL, 36, 51, faded(darker(STONE, 0.25), 0.7))
    c.fill(rect(0, 0, G, 18), HAZARD)
    for x in range(-36, G + 36, 36):
        c.fill(Poly([(x, 0), (x + 18, 0), (x, 18), (x - 18, 18)]), INK)
    c.fill(Stroke([(0, 19), (G, 19)], 3), INK)
    for x in range(16, G, 64):
        c.fill(Circle(x, 28, 4), darker(METAL, 0.4))
    for x in range(0, G, 128):
        c.fill(Stroke([(x, 40), (x, G)], 4), faded(darker(STONE, 0.3), 0.7))
    return c


def ground_moon():
    c, rng = _ground([(0, hex_color("#c9c6d6")), (1, hex_color("#6f6a86"))],
                     [(180, 8, faded(hex_color("#9a96ae"), 0.7)), (340, 9, faded(hex_color("#837e99"), 0.7))],
                     Linear((0, 0), (0, 30), [(0, hex_color("#eeeaf7")), (1, hex_color("#c4c0d3"))]),
                     26, 61, faded(hex_color("#8d88a3"), 0.9))
    for x, y, r in ((90, 110, 30), (300, 200, 42), (440, 90, 22), (180, 330, 36), (400, 420, 28)):
        c.fill(Ellipse(x, y, r, r * 0.55), faded(hex_color("#5d5875"), 0.55))
        c.fill(Ellipse(x + r * 0.12, y + r * 0.1, r * 0.8, r * 0.4), faded(hex_color("#a7a2bb"), 0.8))
    return c


def _cliff(base, seed, moss=None, crack=0.35):
    """A tall rock: outlined long edges, layered bands of stone, cracks, and moss
    (or snow) along its top."""
    c = Canvas(CW, CH)
    rng = random.Random(seed)
    left = [(18 + 8 * math.sin(y / 70.0 + 1.0), y) for y in range(0, CH + 1, 32)]
    right = [(CW - 18 - 8 * math.sin(y / 83.0), y) for y in range(CH, -1, -32)]
    body = Poly(left + right)
    c.fill(body.grow(LINE), INK)
    c.fill(body, Linear((0, 0), (CW, 0), [(0, lighter(base, 0.12)), (0.6, base), (1, darker(base, 0.3))]))
    y = 0
    while y < CH:
        h = rng.uniform(60, 120)
        tone = lighter(base, rng.uniform(-0.1, 0.12))
        # Inside the wobbling edges, so nothing needs clipping to the body.
        band = RoundRect(30, y + 6, CW - 30, y + h - 6, 18)
        c.fill(band, Linear((0, y), (0, y + h), [(0, lighter(tone, 0.15)), (1, darker(tone, 0.15))]))
        c.fill(Stroke([(30, y + h - 4), (CW - 30, y + h - 4 + rng.uniform(-8, 8))], 3),
               faded(darker(base, 0.45), 0.8))
        y += h
    for _ in range(9):
        x, y = rng.uniform(60, CW - 60), rng.uniform(40, CH - 80)
        crack_line = [(x, y), (x + rng.uniform(-14, 14), y + 30), (x + rng.uniform(-20, 20), y + 62)]
        c.fill(Stroke(crack_line, 3), faded(darker(base, 0.5), crack + 0.4))
    c.fill(Stroke([(34, 20), (34, CH - 20)], 4), faded(WHITE, 0.22))
    if moss is not None:
        for y0 in range(0, CH, 230):
            y0 += rng.uniform(0, 80)
            patch = Blob([(30, y0), (80 + rng.uniform(0, 40), y0 + 10), (120, y0 + 40), (70, y0 + 64),
                          (30, y0 + 80)])
            c.fill(patch, faded(moss, 0.85))
    return c


def cliff_forest():
    return _cliff(STONE, 71, moss=LEAF_DARK)


def cliff_candy():
    """A wall of wafer: a biscuit body in candy-striped bands."""
    c = Canvas(CW, CH)
    body = RoundRect(14, -20, CW - 14, CH + 20, 30)
    c.fill(body.grow(LINE), INK)
    c.fill(body, hex_color("#f2c58c"))
    stripes = [CANDY_PINK, WHITE, CANDY_MINT, WHITE]
    for i, y in enumerate(range(-40, CH + 40, 64)):
        band = Poly([(0, y), (CW, y - 60), (CW, y - 30), (0, y + 30)])
        c.fill(band, faded(stripes[i % 4], 0.9), clip=body)
    for x in range(60, CW - 40, 64):
        c.fill(Stroke([(x, 0), (x, CH)], 3), faded(darker(hex_color("#f2c58c"), 0.3), 0.5), clip=body)
    c.fill(Stroke([(34, 20), (34, CH - 20)], 5), faded(WHITE, 0.35), clip=body)
    return c


def cliff_ship():
    """The ship's castle: dark timber with a lit window and a lantern hook."""
    wood = darker(WOOD, 0.5)
    c = _cliff(mix(wood, NIGHT_PURPLE, 0.25), 73, crack=0.1)
    for y in (200, 560, 880):
        c.fill(RoundRect(120, y, 264, y + 110, 14), INK)
        c.fill(RoundRect(128, y + 8, 256, y + 102, 10),
               Linear((0, y), (0, y + 110), [(0, lighter(GHOST_TEAL, 0.45)), (1, darker(GHOST_TEAL, 0.3))]))
        c.fill(Stroke([(192, y + 8), (192, y + 102)], 5), INK)
        c.fill(Stroke([(128, y + 55), (256, y + 55)], 5), INK)
    return c


def cliff_tower():
    """The launch tower: a steel lattice of girders, closed at the back."""
    c = Canvas(CW, CH)
    back = rect(20, 0, CW - 20, CH)
    c.fill(back.grow(LINE), INK)
    c.fill(back, Linear((0, 0), (CW, 0), [(0, darker(METAL, 0.25)), (1, darker(METAL, 0.5))]))
    for x in (40, CW - 40):
        c.fill(rect(x - 16, 0, x + 16, CH).grow(3), INK)
        c.fill(rect(x - 16, 0, x + 16, CH), Linear((x - 16, 0), (x + 16, 0),
                                                   [(0, lighter(METAL, 0.25)), (1, darker(METAL, 0.2))]))
    for y in range(0, CH, 128):
        for a, b in (((40, y), (CW - 40, y + 128)), ((CW - 40, y), (40, y + 128))):
            c.fill(Stroke([a, b], 18), INK)
            c.fill(Stroke([a, b], 11), METAL)
        c.fill(rect(24, y - 8, CW - 24, y + 8), INK)
        c.fill(rect(24, y - 5, CW - 24, y + 5), lighter(METAL, 0.1))
    for y in range(64, CH, 256):
        c.fill(Circle(CW / 2, y, 12), INK)
        c.fill(Circle(CW / 2, y, 8), HAZARD)
    return c


def cliff_moon():
    return _cliff(hex_color("#a9a5bd"), 79, crack=0.2)


IMAGES = {
    "GroundForest": ground_forest,
    "GroundCandy": ground_candy,
    "GroundDeck": ground_deck,
    "GroundLaunch": ground_launch,
    "GroundMoon": ground_moon,
    "CliffForest": cliff_forest,
    "CliffCandy": cliff_candy,
    "CliffShip": cliff_ship,
    "CliffTower": cliff_tower,
    "CliffMoon": cliff_moon,
}
