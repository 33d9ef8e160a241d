"""The level backgrounds, 1024x512, drawn large behind the play field with parallax.

Hills and sea lines are sums of sines with whole cycles across the width, so the
left and right edges meet and two copies can sit side by side. Far layers are
hazy (mixed towards the sky colour, thin or no outlines); near layers carry the
full ink outline of the sprites in front of them.
"""

import math
import random

from colors import (
    CANDY_GRAPE, CANDY_LEMON, CANDY_MINT, CANDY_PINK, CANDY_SKY, GHOST_TEAL, GRASS, INK,
    LEAF, LEAF_DARK, MOONLIGHT, NIGHT, NIGHT_PURPLE, SKY, SKY_LOW, SPACE, SPACE_VIOLET,
    WHITE, darker, faded, hex_color, lighter, mix,
)
from decorations import draw_bush, draw_cloud, draw_moon, draw_tree
from geometry import Blob, Circle, Ellipse, Poly, RoundRect, Stroke, Union, arc, star
from raster import Canvas, Linear, Radial
from toon import part

W, H = 1024, 512


def wave_line(base, waves, step=8, x0=0, x1=W):
    """Points (x, y) of base + sum of a * sin(2 pi k x / W + phase) for (a, k, phase)."""
    return [(x, base + sum(a * math.sin(2 * math.pi * k * x / W + p) for a, k, p in waves))
            for x in range(x0, x1 + 1, step)]


def hill(base, waves, bottom=H + 8):
    """The ground below a wavy line, reaching past the bottom edge."""
    line = wave_line(base, waves)
    return Poly([(-8, line[0][1])] + line + [(W + 8, line[-1][1]), (W + 8, bottom), (-8, bottom)])


def sky(c, stops, bottom=H):
    c.fill(RoundRect(0, 0, W, H, 0), Linear((0, 0), (0, bottom), stops))


def wrapped(x, reach):
    """x, plus its copy across the seam when something that wide crosses an edge."""
    out = [x]
    if x - reach < 0:
        out.append(x + W)
    if x + reach > W:
        out.append(x - W)
    return out


def glow(c, x, y, r, color, strength=0.6):
    c.fill(Circle(x, y, r), Radial((x, y), r, [(0, faded(color, strength)), (1, faded(color, 0))]))


def haze(c, x, y, rx, ry, color, alpha, rings=20):
    """A wide soft glow as nested faint ellipses: far cheaper than a radial paint
    over the whole image, and the steps vanish under the rings' own faintness."""
    for k in range(rings):
        t = 1.0 - k / rings
        c.fill(Ellipse(x, y, rx * t, ry * t), faded(color, alpha / rings))


def twinkles(c, rng, count, y_max, color=WHITE):
    """Small stars: dots of varied size, every tenth a four-point sparkle."""
    for i in range(count):
        x, y = rng.uniform(0, W), rng.uniform(0, y_max) ** 1.15 / y_max ** 0.15
        if i % 10 == 0:
            size = rng.uniform(6, 11)
            glow(c, x, y, size * 1.8, color, 0.35)
            c.fill(Blob(star(x, y, size, size * 0.18, 4, 0)), faded(color, 0.95))
        else:
            c.fill(Circle(x, y, rng.uniform(0.7, 2.0)), faded(color, rng.uniform(0.45, 1.0)))


# ---- forest -------------------------------------------------------------------------
def _tree_line(c, base, waves, color, rng, size, gap):
    """A band of distant round treetops standing on a hill line."""
    crowns = []
    for x in range(0, W, gap):
        x += rng.uniform(-gap * 0.3, gap * 0.3)
        y = base + sum(a * math.sin(2 * math.pi * k * x / W + p) for a, k, p in waves)
        r = size * rng.uniform(0.7, 1.15)
        for cx in wrapped(x, r):
            crowns.append(Ellipse(cx, y - r * 0.5, r, r * 1.1))
    c.fill(Union(crowns), color)


def bg_forest_far():
    c = Canvas(W, H)
    rng = random.Random(11)
    sky(c, [(0, hex_color("#5fb8f5")), (0.65, SKY), (1, SKY_LOW)], 420)
    glow(c, 810, 96, 190, hex_color("#fff6c8"), 0.75)
    c.fill(Circle(810, 96, 44), hex_color("#fffbe6"))
    for x, y, w in ((150, 90, 230), (430, 60, 170), (640, 130, 140), (960, 70, 200)):
        for cx in wrapped(x, w / 2):
            draw_cloud(c, cx, y, w, color=faded(WHITE, 0.9), outline=0)
    haze = [(mix(SKY_LOW, LEAF, 0.3), 300, [(26, 2, 0.4), (14, 5, 1.3)], 46),
            (mix(SKY_LOW, LEAF, 0.5), 360, [(22, 3, 2.2), (10, 7, 0.1)], 38),
            (mix(SKY, LEAF_DARK, 0.62), 420, [(18, 2, 4.0), (9, 6, 2.6)], 30)]
    for color, base, waves, size in haze:
        _tree_line(c, base, waves, lighter(color, 0.06), rng, size, int(size * 1.3))
        c.fill(hill(base, waves), color)
    c.fill(hill(470, [(10, 3, 1.0), (5, 8, 0.3)]), mix(SKY, GRASS, 0.7))
    return c


def bg_forest_near():
    c = Canvas(W, H)
    rng = random.Random(12)
    back = [(22, 2, 0.9), (12, 5, 2.0)]
    for x, height in ((90, 300), (330, 340), (600, 280), (860, 320)):
        x += rng.uniform(-20, 20)
        base = 330 + sum(a * math.sin(2 * math.pi * k * x / W + p) for a, k, p in back)
        for tx in wrapped(x, height * 0.3):
            draw_tree(c, tx, base + 30, height, outline=3.5, seed=int(x), leaf=mix(LEAF, LEAF_DARK, 0.2))
    ground = hill(330, back)
    c.fill(ground.grow(4), INK)
    c.fill(ground, Linear((0, 300), (0, H), [(0, lighter(GRASS, 0.1)), (1, darker(LEAF_DARK, 0.2))]))
    front = [(14, 3, 0.2), (8, 7, 1.4)]
    for x in range(40, W, 150):
        x += rng.uniform(-30, 30)
        base = 430 + sum(a * math.sin(2 * math.pi * k * x / W + p) for a, k, p in front)
        for bx in wrapped(x, 90):
            draw_bush(c, bx, base + 12, rng.uniform(130, 180), outline=3.5, seed=int(x))
    near = hill(430, front)
    c.fill(near.grow(4), INK)
    c.fill(near, Linear((0, 410), (0, H), [(0, GRASS), (1, darker(GRASS, 0.3))]))
    for _ in range(40):
        x = rng.uniform(0, W)
        y = 446 + front[0][0] * math.sin(2 * math.pi * 3 * x / W + 0.2) + rng.uniform(0, 50)
        tuft = [(x - 8, y + 6), (x - 4, y - 8), (x, y + 2), (x + 4, y - 10), (x + 8, y + 6)]
        c.fill(Stroke(tuft, 3), faded(darker(GRASS, 0.35), 0.8), clip=near)
    for _ in range(18):
        x, y = rng.uniform(10, W - 10), rng.uniform(458, 500)
        petal = rng.choice([WHITE, CANDY_LEMON, CANDY_PINK])
        for a in range(5):
            t = 2 * math.pi * a / 5
            c.fill(Circle(x + 5 * math.cos(t), y + 5 * math.sin(t), 4), petal)
        c.fill(Circle(x, y, 3.2), hex_color("#ffb43b"))
    return c


# ---- candy bounce world --------------------------------------------------------------
def _lollipop(c, x, base, r, colors):
    part(c, RoundRect(x - 5, base - 2.2 * r, x + 5, base, 4), WHITE, outline=3.5, crescent=0, gloss=0)
    disc = Circle(x, base - 2.2 * r - r * 0.6, r)
    c.fill(disc.grow(3.5), INK)
    c.fill(disc, colors[0])
    cx, cy = x, base - 2.2 * r - r * 0.6
    swirl = [(cx + (r * t / 14) * math.cos(t), cy + (r * t / 14) * math.sin(t))
             for t in [i * 0.2 for i in range(71)]]
    c.fill(Stroke(swirl, r * 0.28), colors[1], clip=disc)
    c.fill(Ellipse(cx - r * 0.35, cy - r * 0.4, r * 0.32, r * 0.18, -0.6), faded(WHITE, 0.6))


def _gumdrop(c, x, base, r, color, rng):
    drop = Blob([(x - r, base), (x - r * 0.9, base - r * 0.8), (x, base - r * 1.3),
                 (x + r * 0.9, base - r * 0.8), (x + r, base)])
    part(c, drop, color, outline=3.5, crescent=0.1, gloss=0.5)
    for _ in range(7):
        c.fill(Circle(x + rng.uniform(-0.7, 0.7) * r, base - rng.uniform(0.2, 1.0) * r, 2.2),
               faded(WHITE, 0.85), clip=drop)


def _frosted_hill(c, base, waves, color, icing, drips_seed):
    """A candy hill with a band of icing along its crest, dripping down."""
    ground = hill(base, waves)
    c.fill(ground.grow(4), INK)
    c.fill(ground, Linear((0, base - 40), (0, H), [(0, color), (1, darker(color, 0.3))]))
    rng = random.Random(drips_seed)
    line = wave_line(base, waves, step=16)
    lower = []
    for x, y in line:
        lower.append((x, y + (26 + rng.uniform(0, 26) if (x // 16) % 3 == 0 else 16)))
    cap = Poly([(-8, line[0][1] - 6)] + [(x, y - 6) for x, y in line] + [(W + 8, line[-1][1] - 6),
                                                                        (W + 8, lower[-1][1])]
               + lower[::-1] + [(-8, lower[0][1])])
    c.fill(cap, icing, clip=ground.grow(1))
    c.fill(Stroke([(x, y + 4) for x, y in line], 4), faded(WHITE, 0.55), clip=ground)
    return ground


def bg_bounce():
    c = Canvas(W, H)
    rng = random.Random(21)
    sky(c, [(0, hex_color("#b9a4ff")), (0.55, CANDY_SKY), (1, hex_color("#fff0f6"))])
    for k in range(16):
        a0 = 2 * math.pi * k / 16
        ray = Poly([(512, 560)] + arc(512, 560, 900, 900, a0, a0 + math.pi / 16, n=4))
        c.fill(ray, faded(WHITE, 0.12))
    for x, y, w in ((140, 80, 200), (520, 50, 160), (860, 100, 220)):
        for cx in wrapped(x, w / 2):
            draw_cloud(c, cx, y, w, color=hex_color("#fff4fb"), outline=3, ink=hex_color("#e6a2cc"))
    _frosted_hill(c, 300, [(30, 2, 0.5), (12, 5, 1.8)], CANDY_MINT, WHITE, 1)
    for x, r, colors in ((120, 30, (CANDY_PINK, WHITE)), (420, 38, (CANDY_LEMON, CANDY_PINK)),
                         (700, 26, (CANDY_GRAPE, WHITE)), (930, 34, (CANDY_MINT, CANDY_PINK))):
        base = 392 + 20 * math.sin(2 * math.pi * 3 * x / W + 1.0)
        _lollipop(c, x, base, r, colors)
    near = _frosted_hill(c, 400, [(20, 3, 1.0), (8, 7, 0.4)], CANDY_PINK, hex_color("#fff7d6"), 2)
    for _ in range(30):
        c.fill(Circle(rng.uniform(0, W), rng.uniform(440, 510), rng.uniform(4, 8)),
               faded(rng.choice([WHITE, CANDY_LEMON, CANDY_MINT]), 0.85), clip=near)
    for x, r, color in ((60, 30, CANDY_GRAPE), (300, 24, CANDY_LEMON), (560, 34, CANDY_MINT),
                        (820, 26, CANDY_GRAPE), (990, 22, CANDY_LEMON)):
        base = 476 + 10 * math.sin(x / 60)
        _gumdrop(c, x, base, r, color, rng)
    return c


# ---- ghost ship at night -------------------------------------------------------------
SEA = hex_color("#1d2f5a")
SEA_LINE = 392


def _sea(c, rng, glint_x=None):
    water = hill(SEA_LINE, [(3, 4, 0.0), (2, 11, 1.0)])
    c.fill(water, Linear((0, SEA_LINE), (0, H), [(0, mix(SEA, GHOST_TEAL, 0.25)), (1, darker(SEA, 0.5))]))
    for i in range(22):
        y = SEA_LINE + 10 + i * 5.2
        x = rng.uniform(0, W)
        length = rng.uniform(40, 140)
        c.fill(Stroke([(x, y), (x + length, y)], 2.2), faded(lighter(GHOST_TEAL, 0.3), 0.25))
    if glint_x is not None:
        for i in range(12):
            y = SEA_LINE + 8 + i * 9
            half = 70 - 4 * i + rng.uniform(-10, 10)
            c.fill(Stroke([(glint_x - half, y), (glint_x + half, y)], 3.5 - 0.15 * i),
                   faded(MOONLIGHT, 0.7 - 0.04 * i))


def bg_ship_sky():
    c = Canvas(W, H)
    rng = random.Random(31)
    sky(c, [(0, darker(NIGHT, 0.3)), (0.5, NIGHT), (0.95, NIGHT_PURPLE)], SEA_LINE)
    twinkles(c, rng, 160, SEA_LINE - 40, lighter(MOONLIGHT, 0.4))
    draw_moon(c, 760, 130, 66)
    for x, y, w in ((180, 140, 320), (560, 230, 260), (900, 290, 300), (320, 310, 240)):
        for cx in wrapped(x, w / 2):
            c.fill(Ellipse(cx, y, w / 2, 14), faded(mix(NIGHT_PURPLE, GHOST_TEAL, 0.5), 0.35))
            c.fill(Ellipse(cx + w * 0.1, y - 10, w / 3, 10), faded(mix(NIGHT_PURPLE, GHOST_TEAL, 0.6), 0.3))
    haze(c, 512, SEA_LINE + 10, 640, 300, GHOST_TEAL, 0.3)
    _sea(c, rng, glint_x=760)
    return c


def _ship(c, x, waterline, s):
    """The ghost ship seen from the side, bow to the right, s pixels per unit."""
    hull_dark = hex_color("#2a1d4e")
    rim = mix(GHOST_TEAL, WHITE, 0.2)
    P = lambda u, v: (x + u * s, waterline + v * s)  # noqa: E731
    sails = []
    for mx, top, width in ((-1.6, -5.2, 1.5), (0.2, -6.0, 1.8), (1.9, -4.4, 1.3)):
        c.fill(Stroke([P(mx, -0.9), P(mx, top)], 0.16 * s), hull_dark)
        c.fill(Stroke([P(mx - width * 0.8, top + 0.5), P(mx + width * 0.8, top + 0.5)], 0.1 * s), hull_dark)
        for k, (y0, y1) in enumerate(((top + 0.55, top + 2.3), (top + 2.45, top + 4.0))):
            w = width * (0.95 - 0.1 * k) if k == 0 else width
            rag = [P(mx - w, y0), P(mx + w, y0)]
            for i in range(9):
                t = 1 - i / 8
                rag.append(P(mx - w + 2 * w * t, y1 + (0.25 if i % 2 else -0.05) - 0.35 * math.sin(math.pi * t)))
            sails.append(Poly(rag))
        c.fill(Poly([P(mx, top - 0.1), P(mx + 0.9, top + 0.15), P(mx, top + 0.4)]), faded(GHOST_TEAL, 0.7))
    c.fill(Stroke([P(1.9, -4.0), P(4.6, -0.9)], 0.07 * s), hull_dark)
    c.fill(Stroke([P(-1.6, -4.8), P(0.2, -5.6), P(1.9, -4.0)], 0.06 * s), hull_dark)
    for sail in sails:
        c.fill(sail, Linear((0, waterline - 6 * s), (0, waterline - s),
                            [(0, faded(lighter(GHOST_TEAL, 0.5), 0.55)), (1, faded(GHOST_TEAL, 0.25))]))
    hull = Poly([P(-4.2, -1.6), P(-3.6, -1.9), P(-3.0, -1.3), P(2.6, -1.2), P(3.4, -1.5),
                 P(4.8, -1.3), P(3.6, 0.4), P(-3.4, 0.4)])
    c.fill(hull.grow(0.06 * s), faded(rim, 0.7))
    c.fill(hull, Linear((0, waterline - 1.9 * s), (0, waterline + 0.4 * s),
                        [(0, lighter(hull_dark, 0.12)), (1, darker(hull_dark, 0.4))]))
    c.fill(Stroke([P(-3.3, -0.9), P(3.9, -0.8)], 0.06 * s), faded(rim, 0.5))
    for u in (-2.4, -1.2, 0.0, 1.2, 2.4):
        glow(c, *P(u, -0.35), 0.5 * s, GHOST_TEAL, 0.5)
        c.fill(Circle(*P(u, -0.35), 0.17 * s), lighter(GHOST_TEAL, 0.4))
    for u, v in ((-3.7, -2.2), (4.2, -1.8)):
        glow(c, *P(u, v), 0.7 * s, MOONLIGHT, 0.55)
        c.fill(RoundRect(*P(u - 0.1, v - 0.15), *P(u + 0.1, v + 0.15), 0.04 * s), MOONLIGHT)


def bg_ship_far():
    c = Canvas(W, H)
    rng = random.Random(32)
    _ship(c, 520, SEA_LINE + 6, 60)
    _sea(c, rng)
    for x in range(0, W + 1, 128):
        c.fill(Ellipse(x + rng.uniform(-20, 20), SEA_LINE + 4, 110, 14), faded(lighter(GHOST_TEAL, 0.4), 0.18))
    return c


# ---- space ---------------------------------------------------------------------------
def _planet(c, x, y, r, color, bands):
    ball = Circle(x, y, r)
    part(c, ball, color, outline=3.5, crescent=0.14, gloss=0.35)
    for dy, k in bands:
        c.fill(Ellipse(x, y + dy * r, r * 1.2, r * 0.12, -0.2), faded(lighter(color, k), 0.55), clip=ball)


def bg_space():
    c = Canvas(W, H)
    rng = random.Random(41)
    sky(c, [(0, darker(SPACE, 0.3)), (0.6, SPACE), (1, SPACE_VIOLET)])
    for x, y, rx, ry, color in ((260, 190, 260, 120, CANDY_GRAPE), (700, 130, 240, 110, GHOST_TEAL),
                                (880, 330, 200, 90, CANDY_PINK), (90, 380, 180, 80, GHOST_TEAL)):
        c.fill(Ellipse(x, y, rx, ry), Radial((x, y), (rx, ry), [(0, faded(color, 0.28)), (1, faded(color, 0))]))
    twinkles(c, rng, 220, H)
    _planet(c, 860, 110, 38, hex_color("#ff9f6b"), [(-0.3, 0.3), (0.25, 0.2)])
    _planet(c, 150, 90, 18, CANDY_MINT, [(0.0, 0.4)])
    horizon = Circle(512, H + 1500, 1580)
    for k in range(24):
        c.fill(Circle(512, H + 1500, 1580 + 2.5 * (k + 1)), faded(SKY, 0.045))
    c.fill(horizon, Linear((0, H - 80), (0, H), [(0, hex_color("#5fb8f5")), (0.35, hex_color("#2f6fd6")),
                                                 (1, hex_color("#1d3f8f"))]))
    for x, w in ((200, 170), (560, 220), (880, 160)):
        c.fill(Ellipse(x, H - 40, w, 16), faded(WHITE, 0.5), clip=horizon)
    return c


IMAGES = {
    "BgForestFar": bg_forest_far,
    "BgForestNear": bg_forest_near,
    "BgBounce": bg_bounce,
    "BgShipSky": bg_ship_sky,
    "BgShipFar": bg_ship_far,
    "BgSpace": bg_space,
}
