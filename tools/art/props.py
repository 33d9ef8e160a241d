"""Props of the later worlds: the candy thorns and the night sea that send the dog
back, a ghost ship's mast and its ghost, the sky that darkens into space on the
rocket ride with its stars and asteroids, the closing trophy and a firework."""

import math
import random

from colors import (
    CANDY_GRAPE, CANDY_MINT, CANDY_PINK, FLAME_CORE, FLAME_EDGE, FLAME_HOT, GHOST_TEAL, GOLD,
    INK, METAL, MOONLIGHT, NIGHT, NIGHT_PURPLE, SKY, SPACE, SPACE_VIOLET, WHITE, WOOD, darker,
    faded, hex_color, lighter, mix,
)
from geometry import Blob, Circle, Ellipse, Poly, RoundRect, Stroke, Union, bezier, rect, star
from raster import Canvas, Linear, Radial
from toon import part


def thorns_candy():
    """A strip of hard-candy spikes, 512x128, standing on its bottom edge; it
    stretches sideways like a platform."""
    c = Canvas(512, 128)
    rng = random.Random(31)
    colours = [CANDY_PINK, CANDY_MINT, CANDY_GRAPE, lighter(CANDY_PINK, 0.3)]
    x = 4
    while x < 508:
        w = rng.uniform(34, 46)
        h = rng.uniform(70, 112)
        spike = Poly([(x, 124), (x + w / 2, 124 - h), (x + w, 124)])
        part(c, spike, colours[int(x) % 4], outline=4, crescent=0.1, gloss=0.5)
        c.fill(Stroke([(x + w * 0.35, 118), (x + w / 2 - 2, 132 - h)], 3), faded(WHITE, 0.6))
        x += w * 0.8
    c.fill(RoundRect(0, 112, 512, 128, 6).grow(3), INK)
    c.fill(RoundRect(0, 112, 512, 128, 6), darker(CANDY_PINK, 0.2))
    return c


def sea_water():
    """The dark sea beside and under the ghost ship, 512x256: a glinting wavy top
    over deep water; it stretches sideways."""
    c = Canvas(512, 256)
    top = [(x, 34 + 8 * math.sin(2 * math.pi * 4 * x / 512) + 4 * math.sin(2 * math.pi * 9 * x / 512 + 1))
           for x in range(0, 513, 8)]
    water = Poly([(0, 256)] + top + [(512, 256)])
    c.fill(water, Linear((0, 20), (0, 256), [(0, mix(GHOST_TEAL, NIGHT, 0.45)), (0.4, mix(NIGHT_PURPLE, NIGHT, 0.5)),
                                             (1, NIGHT)]))
    c.fill(Stroke(top, 5), faded(lighter(GHOST_TEAL, 0.4), 0.9))
    rng = random.Random(33)
    for _ in range(24):
        x, y = rng.uniform(0, 512), rng.uniform(60, 220)
        w = rng.uniform(20, 60)
        c.fill(Stroke([(x, y), (x + w, y)], 2.5), faded(MOONLIGHT, rng.uniform(0.15, 0.4)))
    return c


def mast():
    """A mast with two ghostly sails and a crow's nest, 256x1024."""
    c = Canvas(256, 1024)
    pole = RoundRect(116, 40, 140, 1024, 8)
    part(c, pole, darker(WOOD, 0.35), outline=4, crescent=0.1, gloss=0.2)
    for y, w in ((190, 112), (520, 124)):
        part(c, RoundRect(128 - w, y - 10, 128 + w, y + 8, 8), darker(WOOD, 0.4), outline=4,
             crescent=0, gloss=0)
        sail = Blob([(128 - w + 8, y + 12), (128 + w - 8, y + 12), (128 + w - 20, y + 250),
                     (128, y + 276), (128 - w + 20, y + 250)])
        c.fill(sail.grow(4), faded(INK, 0.7))
        c.fill(sail, Linear((0, y), (0, y + 276), [(0, faded(lighter(GHOST_TEAL, 0.5), 0.75)),
                                                  (1, faded(GHOST_TEAL, 0.45))]))
        for k in (0.33, 0.66):
            c.fill(Stroke([(128 - w + 30, y + 12 + 250 * k), (128 + w - 30, y + 12 + 250 * k)], 3),
                   faded(WHITE, 0.35), clip=sail)
    nest = RoundRect(84, 90, 172, 130, 10)
    part(c, nest, darker(WOOD, 0.3), outline=4, crescent=0.1, gloss=0.2)
    flag = Poly([(128, 10), (200, 28), (128, 46)])
    part(c, flag, GHOST_TEAL, outline=3.5, crescent=0, gloss=0.3)
    return c


def ghost():
    """A friendly sheet ghost, 256x256, its hem waving."""
    c = Canvas(256, 256)
    c.fill(Circle(128, 120, 120), Radial((128, 120), 120, [(0, faded(GHOST_TEAL, 0.45)),
                                                          (1, faded(GHOST_TEAL, 0))]))
    hem = [(x, 214 + 12 * math.sin(x / 14.0)) for x in range(200, 55, -6)]
    body = Blob([(56, 212), (52, 120), (78, 56), (128, 36), (178, 56), (204, 120), (200, 212)] + hem)
    part(c, body, faded(lighter(GHOST_TEAL, 0.75), 0.92), outline=5, ink=faded(INK, 0.8),
         crescent=0.08, gloss=0.5)
    for x in (104, 152):
        c.fill(Ellipse(x, 110, 11, 16), INK)
        c.fill(Circle(x - 3, 104, 4), WHITE)
    c.fill(Ellipse(128, 150, 12, 9), INK)
    c.fill(Ellipse(84, 136, 12, 7), faded(hex_color("#ff8fb0"), 0.6))
    c.fill(Ellipse(172, 136, 12, 7), faded(hex_color("#ff8fb0"), 0.6))
    return c


def sky_to_space():
    """The day sky of the rocket ride, 64x1024, stretched over the height of the
    level: day blue at the bottom, thinning to nothing at the top, where the
    space behind it shows through; no stars, since it is stretched sideways."""
    c = Canvas(64, 1024)
    c.fill(rect(0, 0, 64, 1024), Linear((0, 1024), (0, 0), [
        (0, SKY), (0.3, hex_color("#5aa0e8")), (0.55, faded(hex_color("#3b5fc4"), 0.8)),
        (0.8, faded(SPACE_VIOLET, 0.35)), (1, faded(SPACE_VIOLET, 0))]))
    return c


def star_field():
    """Stars for the upper sky, 512x512, on nothing: twinkles of a few sizes,
    some with four-pointed glints."""
    c = Canvas(512, 512)
    rng = random.Random(37)
    for _ in range(70):
        x, y, r = rng.uniform(8, 504), rng.uniform(8, 504), rng.uniform(1.0, 2.6)
        c.fill(Circle(x, y, r * 3), Radial((x, y), r * 3, [(0, faded(WHITE, 0.35)), (1, faded(WHITE, 0))]))
        c.fill(Circle(x, y, r), faded(lighter(MOONLIGHT, 0.5), rng.uniform(0.6, 1.0)))
    for _ in range(6):
        x, y, r = rng.uniform(30, 482), rng.uniform(30, 482), rng.uniform(9, 15)
        c.fill(Blob(star(x, y, r, r * 0.2, 4, 0)), faded(WHITE, 0.9))
    return c


def asteroid():
    """A drifting space rock, 256x256: lumpy, cratered, with a faint hot rim that
    says it is not to be touched."""
    c = Canvas(256, 256)
    rng = random.Random(39)
    outline = []
    for k in range(14):
        a = 2 * math.pi * k / 14
        r = 96 + rng.uniform(-14, 10)
        outline.append((128 + r * math.cos(a), 128 + r * math.sin(a)))
    rock = Blob(outline)
    c.fill(rock.grow(12), faded(FLAME_EDGE, 0.35))
    part(c, rock, hex_color("#8d7f96"), outline=5, crescent=0.14, gloss=0.25)
    for x, y, r in ((100, 96, 20), (160, 140, 26), (96, 170, 14), (166, 82, 11)):
        crater = Circle(x, y, r)
        c.fill(crater, darker(hex_color("#8d7f96"), 0.3), clip=rock)
        c.fill(Circle(x + r * 0.25, y + r * 0.25, r * 0.7), darker(hex_color("#8d7f96"), 0.1), clip=crater)
    return c


def trophy():
    """The closing trophy: a golden bone on a cup, 256x320."""
    c = Canvas(256, 320)
    c.fill(Circle(128, 130, 124), Radial((128, 130), 124, [(0, faded(GOLD, 0.5)), (1, faded(GOLD, 0))]))
    cup = Blob([(60, 110), (196, 110), (184, 170), (150, 200), (106, 200), (72, 170)])
    part(c, cup, GOLD, outline=5, crescent=0.12, gloss=0.55)
    for side in (-1, 1):
        handle = Stroke([(128 + side * 66, 120), (128 + side * 98, 124), (128 + side * 94, 160),
                         (128 + side * 70, 168)], 12)
        part(c, handle, GOLD, outline=4, crescent=0, gloss=0)
    part(c, RoundRect(116, 196, 140, 250, 6), darker(GOLD, 0.1), outline=4, crescent=0.1, gloss=0.3)
    part(c, RoundRect(78, 248, 178, 290, 10), darker(GOLD, 0.2), outline=5, crescent=0.1, gloss=0.4)
    bone = Union([RoundRect(82, 58, 174, 82, 12), Circle(80, 56, 16), Circle(80, 84, 16),
                  Circle(176, 56, 16), Circle(176, 84, 16)])
    part(c, bone, lighter(GOLD, 0.35), outline=5, crescent=0.1, gloss=0.6)
    for x, y, r in ((40, 40, 14), (220, 70, 10), (200, 24, 8)):
        c.fill(Blob(star(x, y, r, r * 0.25, 4, 0)), faded(WHITE, 0.9))
    return c


def firework():
    """A small firework rocket, 64x128, nose up, with its spark."""
    c = Canvas(64, 128)
    c.fill(Ellipse(32, 112, 14, 16), Radial((32, 108), 18, [(0, FLAME_CORE), (0.5, FLAME_HOT),
                                                            (1, faded(FLAME_EDGE, 0))]))
    body = RoundRect(20, 34, 44, 100, 6)
    part(c, body, hex_color("#e8403c"), outline=3.5, crescent=0.12, gloss=0.5)
    c.fill(rect(20, 60, 44, 70), faded(WHITE, 0.9), clip=body)
    part(c, Poly([(18, 36), (32, 8), (46, 36)]), GOLD, outline=3.5, crescent=0.1, gloss=0.4)
    part(c, Stroke([(32, 100), (32, 122)], 3), darker(WOOD, 0.2), outline=2, crescent=0, gloss=0)
    return c


def switch():
    """A push switch, 128x64: a red button on a steel base, pressed by a hop."""
    c = Canvas(128, 64)
    part(c, RoundRect(20, 14, 108, 44, 14), hex_color("#e8403c"), outline=4, crescent=0.12, gloss=0.55)
    part(c, RoundRect(6, 40, 122, 62, 8), METAL, outline=4, crescent=0.1, gloss=0.3)
    for x in (18, 110):
        c.fill(Circle(x, 51, 4), darker(METAL, 0.4))
    return c


IMAGES = {
    "Switch": switch,
    "ThornsCandy": thorns_candy,
    "SeaWater": sea_water,
    "Mast": mast,
    "Ghost": ghost,
    "SkyToSpace": sky_to_space,
    "StarField": star_field,
    "Asteroid": asteroid,
    "Trophy": trophy,
    "Firework": firework,
}
