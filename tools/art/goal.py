"""The level-end goals: a flag on a grassy mound and the dog's own house."""

import math

from colors import (
    EARTH, FUR_LIGHT, GOLD, GRASS, INK, METAL, NIGHT_PURPLE, SCARF, WHITE, WOOD, darker,
    faded, lighter,
)
from geometry import Blob, Circle, Ellipse, Mapped, Poly, RoundRect, Stroke, Union, arc, rotate
from raster import Canvas, Linear
from toon import part


def bone_badge(c, x, y, size, color=FUR_LIGHT, outline=3.0, angle=0.0):
    """A little bone emblem centred at (x, y), size its length in pixels, turned by
    angle radians."""
    r = size * 0.17
    ends = [Circle(x + sx * size * 0.36, y + sy * r * 0.9, r) for sx in (-1, 1) for sy in (-1, 1)]
    shape = Union(ends + [Stroke([(x - size * 0.36, y), (x + size * 0.36, y)], r * 1.6)])
    if angle:
        shape = Mapped(shape, lambda px, py: rotate([(px, py)], x, y, angle)[0])
    part(c, shape, color, outline=outline, crescent=0.06, gloss=0.4)


def mound(c, y_top):
    hill = Blob([(20, 256), (36, y_top + 14), (128, y_top), (220, y_top + 14), (236, 256)])
    part(c, hill, EARTH, outline=4.5, crescent=0.05, gloss=0)
    turf = Blob([(24, y_top + 30), (40, y_top + 10), (128, y_top - 4), (216, y_top + 10), (232, y_top + 30),
                 (128, y_top + 22)])
    part(c, turf, GRASS, outline=4.5, crescent=0.1, gloss=0.3)


def goal_flag():
    c = Canvas(256, 256)
    mound(c, 206)
    part(c, RoundRect(76, 30, 88, 218, 6), lighter(METAL, 0.1), outline=4, crescent=0.1, gloss=0.4)
    part(c, Circle(82, 26, 11), GOLD, outline=4, crescent=0.1, gloss=0.6)
    top, bottom = [], []
    for i in range(21):
        t = i / 20
        x = 88 + 140 * t
        wave = 10 * math.sin(t * 5.2 - 0.6) * t
        top.append((x, 38 + wave + 6 * t))
        bottom.append((x, 118 + wave - 10 * t))
    flag = Poly(top + bottom[::-1])
    part(c, flag, SCARF, outline=4.5, crescent=0.06, gloss=0.25)
    for i in range(4):
        t0, t1 = i / 4 + 0.02, i / 4 + 0.14
        fold = [(88 + 140 * t, 30) for t in (t0, t1)] + [(88 + 140 * t, 130) for t in (t1, t0)]
        c.fill(Poly(fold), faded(darker(SCARF, 0.35), 0.35), clip=flag)
    bone_badge(c, 158, 80, 62)
    return c


def doghouse():
    c = Canvas(256, 256)
    c.fill(Ellipse(128, 240, 108, 12), faded(INK, 0.25))
    walls = Poly([(40, 236), (40, 112), (128, 58), (216, 112), (216, 236)])
    part(c, walls, (0.95, 0.55, 0.3, 1), outline=5, crescent=0.06, gloss=0)
    for y in range(126, 236, 18):
        c.fill(Stroke([(40, y), (216, y)], 3), faded(darker(WOOD, 0.4), 0.5), clip=walls)
    door = Union([RoundRect(92, 148, 164, 236, 0), Ellipse(128, 152, 36, 36)])
    c.fill(door.grow(5), INK)
    c.fill(door, Linear((0, 120), (0, 236), [(0, NIGHT_PURPLE), (1, darker(NIGHT_PURPLE, 0.6))]))
    roof_l = Poly([(16, 126), (128, 34), (136, 48), (30, 140)])
    roof_r = Poly([(240, 126), (128, 34), (120, 48), (226, 140)])
    for roof in (roof_l, roof_r):
        part(c, roof, (0.26, 0.52, 0.95, 1), outline=5, crescent=0.1, gloss=0.3)
    part(c, Circle(128, 38, 9), GOLD, outline=4, crescent=0.1, gloss=0.5)
    bone_badge(c, 128, 108, 58)
    part(c, Ellipse(196, 234, 24, 9), SCARF, outline=3.5, crescent=0.1, gloss=0.4)
    c.fill(Ellipse(196, 229, 16, 4), darker(SCARF, 0.4))
    c.fill(Stroke(arc(128, 152, 28, 28, math.pi * 1.15, math.pi * 1.55), 4), faded(WHITE, 0.15))
    return c


IMAGES = {"GoalFlag": goal_flag, "Doghouse": doghouse}
