"""The front end: the title card, our engine's mark for the intro, the menu's
backdrop, the slider, the pause and quit panels, the iris and the game's icon."""

import math
import random

from backgrounds import haze, hill, sky, wrapped
from colors import (
    CANDY_LEMON, GOLD, GRASS, INK, LEAF, LEAF_DARK, NIGHT, NIGHT_PURPLE, SKY,
    SKY_LOW, UI_BLUE, UI_ORANGE, UI_PURPLE, WHITE, BLACK, darker, faded, hex_color, lighter, mix,
)
from decorations import draw_bush, draw_cloud
from geometry import Blob, Circle, Ellipse, Mapped, Poly, RoundRect, Stroke, Union, arc, rotate, star
from goal import bone_badge
from lettering import letters, text_shape
from raster import Canvas, Linear, Radial
from toon import part, sticker
from wuffin import FALL, Figure

W, H = 1024, 512


def bouncy_word(text, x, y, size, weight=0.3, tracking=0.06, seed=0.0):
    """The word's letters each tipped and lifted a little, as if mid-bounce."""
    shapes = []
    for i, (shape, cx) in enumerate(letters(text, x, y, size, weight, tracking)):
        angle = 0.07 * math.sin(1.9 * i + seed)
        lift = 0.07 * size * math.sin(1.3 * i + seed)
        cy = y + size / 2

        def turn(px, py, cx=cx, cy=cy, angle=angle, lift=lift):
            return rotate([(px, py - lift)], cx, cy - lift, angle)[0]
        shapes.append(Mapped(shape, turn))
    return Union(shapes)


def sparkle(c, x, y, r, color=WHITE):
    c.fill(Circle(x, y, 1.8 * r), Radial((x, y), 1.8 * r, [(0, faded(color, 0.5)), (1, faded(color, 0))]))
    c.fill(Blob(star(x, y, r, 0.22 * r, 4, 0)).grow(3), INK)
    c.fill(Blob(star(x, y, r, 0.22 * r, 4, 0)), color)


def title():
    c = Canvas(W, H)
    c.fill(Ellipse(225, 494, 120, 14), faded(INK, 0.25))
    Figure(c, FALL[0], 225, 494, 1.78).draw()
    top = bouncy_word("Tumbo", 690, 86, 118, seed=0.4)
    bottom = bouncy_word("Wuffin", 712, 270, 118, seed=2.1)
    sticker(c, top, lighter(CANDY_LEMON, 0.2), UI_ORANGE, darker(UI_ORANGE, 0.6), outline=9, drop=12)
    sticker(c, bottom, lighter(SKY, 0.3), UI_BLUE, darker(UI_BLUE, 0.6), outline=9, drop=12)
    for shape in (top, bottom):
        x0, y0, x1, _ = shape.bbox()
        c.fill(RoundRect(x0, y0 - 20, x1, y0 + 42, 0), faded(WHITE, 0.35), clip=shape)
    for x, y, r in ((420, 70, 24), (985, 110, 18), (420, 430, 16), (975, 440, 26), (660, 236, 12)):
        sparkle(c, x, y, r, lighter(CANDY_LEMON, 0.3))
    return c


def studio_logo():
    c = Canvas(512, 256)
    x, y, r = 96, 128, 46
    c.fill(Circle(x, y, 1.6 * r), Radial((x, y), 1.6 * r, [(0.6, faded(UI_PURPLE, 0.5)), (1, faded(UI_PURPLE, 0))]))
    orbit = [arc(x, y, 1.5 * r, 0.45 * r, a0, a0 + math.pi, -0.45) for a0 in (math.pi, 0.0)]
    for half in orbit:
        if half is orbit[1]:
            part(c, Circle(x, y, r), UI_PURPLE, outline=6, crescent=0.14, gloss=0.45)
            c.fill(Stroke(arc(x, y, 0.52 * r, 0.52 * r, 0, 2 * math.pi), 0.26 * r, closed=True),
                   faded(WHITE, 0.92))
        c.fill(Stroke(half, 8).grow(4), INK)
        c.fill(Stroke(half, 8), GOLD)
    tip = orbit[1][len(orbit[1]) // 4]
    part(c, Circle(tip[0], tip[1], 9), lighter(GOLD, 0.3), outline=4, crescent=0, gloss=0.6)
    word = text_shape("Orvex", 338, 78, 68, weight=0.27, tracking=0.08)
    sticker(c, word, WHITE, lighter(UI_PURPLE, 0.6), darker(UI_PURPLE, 0.5), outline=6, drop=6)
    caption = text_shape("ENGINE", 338, 172, 22, weight=0.24, tracking=0.5)
    c.fill(caption.grow(4), INK)
    c.fill(caption, GOLD)
    return c


def app_icon():
    """The desktop's picture of the game: the dog mid-bounce on a round patch of sky."""
    c = Canvas(256, 256)
    x, y, r = 128, 128, 118
    c.fill(Circle(x, y, r + 6), INK)
    c.fill(Circle(x, y, r), Radial((x, 70), 1.5 * r, [(0, lighter(SKY, 0.35)), (1, SKY_LOW)]))
    c.fill(Ellipse(x, 214, 70, 12), faded(INK, 0.25), clip=Circle(x, y, r))
    Figure(c, FALL[0], x, 226, 0.86).draw()
    c.fill(Stroke(arc(x, y, r - 3, r - 3, 0, 2 * math.pi), 6, closed=True), lighter(CANDY_LEMON, 0.2))
    sparkle(c, 52, 62, 14, lighter(CANDY_LEMON, 0.3))
    sparkle(c, 208, 88, 10, lighter(CANDY_LEMON, 0.3))
    return c


def menu_background():
    c = Canvas(W, H)
    rng = random.Random(51)
    sky(c, [(0, hex_color("#4fb0f7")), (0.7, SKY), (1, SKY_LOW)], 400)
    for k in range(20):
        a0 = 2 * math.pi * k / 20
        ray = Poly([(512, 150)] + arc(512, 150, 1100, 1100, a0, a0 + math.pi / 20, n=4))
        c.fill(ray, faded(WHITE, 0.13))
    haze(c, 512, 150, 260, 260, WHITE, 0.5)
    for x, y, w in ((120, 70, 200), (900, 110, 240), (300, 220, 150), (760, 250, 140)):
        for cx in wrapped(x, w / 2):
            draw_cloud(c, cx, y, w, outline=3, ink=hex_color("#8fb4e8"))
    far = hill(380, [(30, 2, 1.3), (12, 5, 0.2)])
    c.fill(far.grow(4), INK)
    c.fill(far, Linear((0, 340), (0, H), [(0, mix(GRASS, SKY, 0.3)), (1, mix(LEAF_DARK, SKY, 0.2))]))
    for x in (80, 300, 720, 950):
        draw_bush(c, x, 470 + 6 * math.sin(x), rng.uniform(150, 200), outline=3.5, seed=x, leaf=LEAF)
    near = hill(460, [(16, 3, 0.4), (6, 8, 1.1)])
    c.fill(near.grow(4), INK)
    c.fill(near, Linear((0, 440), (0, H), [(0, GRASS), (1, darker(GRASS, 0.3))]))
    for x, y, angle in ((190, 300, -0.4), (850, 330, 0.5), (560, 430, 0.1)):
        bone_badge(c, x, y, 56, outline=4, angle=angle)
    for x, y, r in ((70, 200, 14), (970, 220, 12), (430, 300, 10), (640, 330, 12)):
        c.fill(Blob(star(x, y, r, 0.25 * r, 4, 0)), faded(WHITE, 0.9))
    return c


def slider_bar():
    c = Canvas(512, 64)
    track = RoundRect(18, 20, 494, 44, 12)
    c.fill(track.grow(5), INK)
    c.fill(track, Linear((0, 20), (0, 44), [(0, darker(NIGHT_PURPLE, 0.4)), (1, NIGHT_PURPLE)]))
    c.fill(RoundRect(24, 36, 488, 42, 3), faded(WHITE, 0.18))
    for i in range(11):
        x = 36 + i * 44
        c.fill(Circle(x, 32, 3.2 if i % 5 else 4.5), faded(lighter(UI_PURPLE, 0.4), 0.8))
    return c


def paw(cx, cy, r):
    """A paw print: a broad pad and four toes, r the pad's half width."""
    toes = [Ellipse(cx + dx * r, cy + dy * r, 0.3 * r, 0.38 * r, tilt)
            for dx, dy, tilt in ((-0.72, -0.5, -0.4), (-0.26, -0.92, -0.1), (0.26, -0.92, 0.1), (0.72, -0.5, 0.4))]
    pad = Blob([(cx - 0.8 * r, cy + 0.35 * r), (cx - 0.45 * r, cy - 0.2 * r), (cx, cy - 0.3 * r),
                (cx + 0.45 * r, cy - 0.2 * r), (cx + 0.8 * r, cy + 0.35 * r), (cx, cy + 0.6 * r)])
    return Union(toes + [pad])


def slider_knob():
    c = Canvas(128, 128)
    c.fill(Ellipse(64, 112, 40, 8), faded(INK, 0.25))
    part(c, Circle(64, 60, 48), GOLD, outline=6, crescent=0.14, gloss=0.5)
    c.fill(Stroke(arc(64, 60, 38, 38, 0, 2 * math.pi), 3, closed=True), faded(darker(GOLD, 0.3), 0.6))
    c.fill(paw(64, 70, 26), darker(UI_ORANGE, 0.25))
    return c


def panel(width, height, heading, color):
    """A translucent rounded panel with its heading on a ribbon across the top."""
    c = Canvas(width, height)
    body = RoundRect(12, 40, width - 12, height - 12, 36)
    c.fill(body.grow(6), faded(INK, 0.9))
    c.fill(body, faded(mix(NIGHT_PURPLE, NIGHT, 0.5), 0.84))
    c.fill(RoundRect(12, 40, width - 12, 40 + 0.45 * (height - 52), 36), faded(lighter(NIGHT_PURPLE, 0.2), 0.3),
           clip=body)
    c.fill(Stroke(RoundRect(26, 54, width - 26, height - 26, 24).polys()[0], 3, closed=True),
           faded(WHITE, 0.22))
    ribbon = RoundRect(width * 0.18, 8, width * 0.82, 84, 26)
    part(c, ribbon, color, outline=6, crescent=0.1, gloss=0.35)
    word = text_shape(heading, width / 2, 24, 44)
    sticker(c, word, WHITE, lighter(color, 0.75), darker(color, 0.55), outline=5, drop=4)
    return c


def pause_panel():
    return panel(512, 512, "PAUSED", UI_BLUE)


def quit_panel():
    return panel(512, 256, "QUIT?", UI_ORANGE)


def iris():
    c = Canvas(512, 512, BLACK)
    c.erase(Circle(256, 256, 150))
    return c


IMAGES = {
    "Title": title,
    "StudioLogo": studio_logo,
    "MenuBackground": menu_background,
    "SliderBar": slider_bar,
    "SliderKnob": slider_knob,
    "PausePanel": pause_panel,
    "QuitPanel": quit_panel,
    "Iris": iris,
    "AppIcon": app_icon,
}
