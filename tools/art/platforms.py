"""Platforms and walls. Platforms are stretched sideways to any length, so their
detail runs along the slab (grass fringe, strata, plank seams, bolts) and nothing
round dominates; the top edge sits at the top of the image where the dog lands."""

import random

from colors import (
    CANDY_LEMON, CANDY_MINT, CANDY_PINK, EARTH, GRASS, HAZARD, INK, LEAF_DARK,
    METAL, STONE, WHITE, WOOD, darker, faded, lighter,
)
from geometry import Blob, Circle, Ellipse, Poly, RoundRect, Stroke, Union, bezier, rect
from raster import Canvas, Linear
from toon import part

LINE = 5.0  # outline width of platforms, pixels


def _slab(c, box, base, radius=18):
    """An outlined slab lit from above."""
    x0, y0, x1, y1 = box
    shape = RoundRect(x0, y0, x1, y1, radius)
    c.fill(shape.grow(LINE), INK)
    c.fill(shape, Linear((0, y0), (0, y1), [(0, lighter(base, 0.2)), (0.5, base),
                                             (1, darker(base, 0.35))]))
    return shape


def platform_grass():
    c = Canvas(512, 128)
    rng = random.Random(3)
    earth = _slab(c, (6, 22, 506, 122), EARTH, 22)
    for y, k in ((62, 0.18), (88, 0.28), (108, 0.36)):
        wave = [(x, y + 3 * ((x // 37) % 3 - 1)) for x in range(0, 513, 16)]
        c.fill(Stroke(wave, 4), faded(darker(EARTH, k), 0.7), clip=earth)
    for _ in range(26):
        x, y = rng.uniform(30, 482), rng.uniform(56, 110)
        c.fill(Ellipse(x, y, rng.uniform(5, 9), rng.uniform(3, 5)), darker(EARTH, 0.25), clip=earth)
        c.fill(Ellipse(x - 1, y - 1.5, 3, 1.5), faded(lighter(EARTH, 0.4), 0.6), clip=earth)
    top = [(6, 30)] + [(x, 40 + 7 * (x % 3 == 0)) for x in range(14, 500, 14)] + [(506, 30)]
    fringe = Blob([(2, 26), (3, 12)] + [(x, 7) for x in range(40, 480, 60)] + [(509, 12), (510, 26)]
                  + top[::-1])
    c.fill(fringe.grow(LINE), INK)
    c.fill(fringe, Linear((0, 4), (0, 50), [(0, lighter(GRASS, 0.35)), (0.6, GRASS), (1, darker(GRASS, 0.2))]))
    for x in range(14, 500, 23):
        x += rng.uniform(-6, 6)
        tuft = [(x - 7, 38), (x - 3, 26 - rng.uniform(0, 5)), (x, 36), (x + 4, 24 - rng.uniform(0, 5)),
                (x + 8, 38)]
        c.fill(Stroke(tuft, 2.5), faded(darker(GRASS, 0.3), 0.7), clip=fringe)
    c.fill(Stroke([(24, 14), (488, 14)], 4), faded(WHITE, 0.3), clip=fringe)
    return c


def platform_stone():
    c = Canvas(512, 128)
    rng = random.Random(5)
    slab = _slab(c, (6, 8, 506, 122), STONE, 16)
    for row, (y0, y1) in enumerate(((8, 66), (66, 122))):
        x = 6 - (40 if row else 0)
        while x < 506:
            w = rng.uniform(70, 110)
            brick = RoundRect(x + 4, y0 + 4, x + w - 4, y1 - 4, 8)
            tone = lighter(STONE, rng.uniform(-0.05, 0.12)) if rng.random() < 0.5 else darker(STONE, 0.08)
            c.fill(brick, Linear((0, y0), (0, y1), [(0, lighter(tone, 0.2)), (1, darker(tone, 0.15))]),
                   clip=slab)
            c.fill(Stroke([(x + 12, y0 + 8), (x + w - 12, y0 + 8)], 3), faded(WHITE, 0.35), clip=brick)
            x += w
    c.fill(Stroke([(6, 66), (506, 66)], 4), darker(STONE, 0.45), clip=slab)
    for _ in range(10):
        x, y = rng.uniform(30, 480), rng.uniform(20, 110)
        c.fill(Stroke([(x, y), (x + 6, y + 4), (x + 4, y + 11)], 1.6), darker(STONE, 0.35), clip=slab)
    moss = Blob([(6, 18), (6, 6)] + [(x, 3) for x in range(60, 460, 80)] + [(506, 6), (506, 18)]
                + [(x, 14 + 5 * (i % 2)) for i, x in enumerate(range(490, 10, -24))])
    c.fill(moss, faded(darker(GRASS, 0.1), 0.9), clip=slab)
    return c


def platform_wood():
    c = Canvas(512, 128)
    rng = random.Random(7)
    deck = _slab(c, (6, 10, 506, 120), WOOD, 10)
    planks = ((10, 46), (46, 84), (84, 120))
    for i, (y0, y1) in enumerate(planks):
        tone = darker(WOOD, 0.06 * i)
        board = rect(0, y0 + 2, 512, y1 - 2)
        c.fill(board, Linear((0, y0), (0, y1), [(0, lighter(tone, 0.15)), (1, darker(tone, 0.2))]), clip=deck)
        for _ in range(3):
            y = rng.uniform(y0 + 8, y1 - 8)
            grain = [(x, y + 2.2 * ((x // 50) % 2)) for x in range(0, 513, 25)]
            c.fill(Stroke(grain, 1.8), faded(darker(tone, 0.35), 0.6), clip=deck)
        c.fill(Stroke([(0, y1), (512, y1)], 4), darker(WOOD, 0.55), clip=deck)
        for x in (40, 472):
            c.fill(Circle(x, (y0 + y1) / 2, 4.5), darker(METAL, 0.3), clip=deck)
            c.fill(Circle(x - 1, (y0 + y1) / 2 - 1, 1.8), faded(WHITE, 0.7))
    c.fill(Stroke([(14, 15), (498, 15)], 3), faded(WHITE, 0.3), clip=deck)
    return c


def platform_cloud():
    c = Canvas(512, 128)
    bumps = [(40, 58, 36), (110, 44, 44), (200, 38, 46), (290, 42, 46), (380, 40, 44), (460, 56, 40),
             (80, 82, 34), (180, 84, 34), (280, 84, 34), (380, 84, 34), (460, 80, 34), (30, 80, 26)]
    shapes = [Circle(x, y, r) for x, y, r in bumps] + [RoundRect(24, 40, 488, 110, 30)]
    cloud = Union(shapes)
    c.fill(cloud.grow(LINE), faded(darker(WHITE, 0.55), 1.0))
    c.fill(cloud, Linear((0, 0), (0, 124), [(0, WHITE), (0.55, (0.93, 0.95, 1.0, 1)), (1, (0.72, 0.78, 0.95, 1))]))
    for x, y, r in bumps[:6]:
        c.fill(Ellipse(x - r * 0.25, y - r * 0.35, r * 0.4, r * 0.2), faded(WHITE, 0.9))
    return c


def platform_metal():
    c = Canvas(512, 128)
    slab = _slab(c, (6, 10, 506, 120), METAL, 10)
    c.fill(rect(0, 10, 512, 34), HAZARD, clip=slab)
    for x in range(-40, 540, 40):
        c.fill(Poly([(x, 10), (x + 20, 10), (x, 34), (x - 20, 34)]), INK, clip=slab)
    c.fill(Stroke([(0, 35), (512, 35)], 4), INK, clip=slab)
    for y in (60, 96):
        c.fill(Stroke([(0, y + 20), (512, y + 20)], 3), darker(METAL, 0.4), clip=slab)
    for x in range(28, 500, 56):
        for y in (54, 98):
            c.fill(Circle(x, y, 5.5), darker(METAL, 0.35))
            c.fill(Circle(x - 1.2, y - 1.5, 2.5), faded(WHITE, 0.8))
    c.fill(Stroke([(0, 44), (512, 44)], 3), faded(WHITE, 0.5), clip=slab)
    return c


def bouncy_pad():
    c = Canvas(256, 128)
    for x in (78, 128, 178):
        coil = []
        for i in range(4):
            y = 70 + 12 * i
            coil += bezier((x - 13, y), (x - 13, y + 8), (x + 13, y + 4), (x + 13, y + 12))
        part(c, Stroke(coil, 5), lighter(METAL, 0.2), outline=2.5, crescent=0, gloss=0)
    part(c, RoundRect(40, 108, 216, 124, 7), darker(CANDY_MINT, 0.1), outline=4, crescent=0.1)
    cap = Blob([(8, 74), (22, 36), (70, 10), (128, 5), (186, 10), (234, 36), (248, 74), (128, 84)])
    part(c, cap, CANDY_PINK, outline=5, crescent=0.12, gloss=0.5)
    for x, y, r in ((60, 44, 12), (112, 28, 10), (164, 32, 13), (210, 54, 9), (128, 60, 8), (30, 64, 6)):
        c.fill(Ellipse(x, y, r, r * 0.75), faded(WHITE, 0.92), clip=cap)
    c.fill(Stroke(bezier((16, 72), (80, 88), (176, 88), (240, 72)), 4), darker(CANDY_PINK, 0.4), clip=cap)
    return c


def rocket_pad():
    c = Canvas(256, 128)
    part(c, RoundRect(22, 86, 234, 124, 12), darker(METAL, 0.1), outline=5, crescent=0.1, gloss=0.2)
    for x in (56, 100, 156, 200):
        c.fill(RoundRect(x - 10, 98, x + 10, 112, 4), darker(METAL, 0.6))
        c.fill(RoundRect(x - 7, 101, x + 7, 109, 3), faded(CANDY_LEMON, 0.9))
    top = RoundRect(6, 40, 250, 88, 16)
    c.fill(top.grow(LINE), INK)
    c.fill(top, Linear((0, 40), (0, 88), [(0, lighter(METAL, 0.3)), (1, darker(METAL, 0.25))]))
    c.fill(rect(0, 40, 256, 56), HAZARD, clip=top)
    for x in range(-20, 280, 28):
        c.fill(Poly([(x, 40), (x + 14, 40), (x, 56), (x - 14, 56)]), INK, clip=top)
    c.fill(Stroke([(0, 57), (256, 57)], 3.5), INK, clip=top)
    arrow = Poly([(128, 6), (156, 34), (140, 34), (140, 50), (116, 50), (116, 34), (100, 34)])
    part(c, arrow, (1.0, 0.42, 0.25, 1), outline=4, crescent=0.08, gloss=0.4)
    for x in (48, 208):
        c.fill(Circle(x, 72, 6), darker(METAL, 0.4))
        c.fill(Circle(x - 1.5, 70.5, 2.5), faded(WHITE, 0.8))
    return c


def wall():
    c = Canvas(128, 512)
    rng = random.Random(9)
    body = RoundRect(8, 4, 120, 508, 14)
    c.fill(body.grow(LINE), INK)
    c.fill(body, Linear((8, 0), (120, 0), [(0, lighter(STONE, 0.15)), (1, darker(STONE, 0.3))]))
    y, row = 4, 0
    while y < 508:
        h = rng.uniform(46, 62)
        x = 8 - (28 if row % 2 else 0)
        while x < 120:
            w = 56
            block = RoundRect(x + 4, y + 4, x + w - 4, y + h - 4, 8)
            tone = lighter(STONE, rng.uniform(-0.08, 0.12))
            c.fill(block, Linear((0, y), (0, y + h), [(0, lighter(tone, 0.2)), (1, darker(tone, 0.2))]),
                   clip=body)
            x += w
        y += h
        row += 1
    c.fill(Stroke([(20, 16), (20, 496)], 3), faded(WHITE, 0.3), clip=body)
    c.fill(Blob([(8, 4), (70, 2), (120, 6), (116, 30), (84, 22), (50, 34), (12, 24)]),
           faded(LEAF_DARK, 0.85), clip=body)
    return c


IMAGES = {
    "PlatformGrass": platform_grass,
    "PlatformStone": platform_stone,
    "PlatformWood": platform_wood,
    "PlatformCloud": platform_cloud,
    "PlatformMetal": platform_metal,
    "BouncyPad": bouncy_pad,
    "RocketPad": rocket_pad,
    "Wall": wall,
}
