"""The front end's buttons, 512x128: a glossy candy pill on a darker lip, an icon
badge at the left and the word in our own lettering. The game grows a button a
little under the cursor, so nothing touches the image's edge."""

import math

from colors import (
    INK, UI_BLUE, UI_GREEN, UI_ORANGE, UI_PURPLE, UI_RED, WHITE, darker, faded, lighter,
)
from geometry import Circle, Poly, RoundRect, Stroke, Union, arc
from lettering import advance, text_shape
from raster import Canvas, Linear
from toon import part, sticker

LINE = 5.0  # ink width, pixels
BADGE = (70.0, 59.0, 36.0)  # icon badge centre and radius
TEXT_BOX = (122.0, 482.0)  # left and right of the word's room
CAP = 50.0  # tallest cap height of the word, pixels


def pill(c, color):
    """The button body on its lip; returns the body's shape."""
    lip = RoundRect(10, 18, 502, 122, 50)
    body = RoundRect(10, 6, 502, 110, 50)
    c.fill(Union([lip, body]).grow(LINE), INK)
    c.fill(lip, darker(color, 0.45))
    c.fill(body, Linear((0, 6), (0, 110), [(0, lighter(color, 0.35)), (0.5, color), (1, darker(color, 0.18))]))
    c.fill(RoundRect(34, 13, 478, 50, 18), faded(WHITE, 0.3), clip=body)
    return body


def word(c, text, color):
    """The word, white with an ink outline and a drop shadow in the button's colour."""
    left, right = TEXT_BOX
    size = min(CAP, (right - left) / advance(text))
    shape = text_shape(text, (left + right) / 2, 58 - size / 2, size)
    sticker(c, shape, WHITE, lighter(color, 0.75), darker(color, 0.55), LINE)


# ---- icons: drawn in the button's colour inside the white badge ----------------------
def _triangle(x, y, r, facing=1):
    return Poly([(x - 0.5 * r * facing, y - 0.8 * r), (x + 0.85 * r * facing, y), (x - 0.5 * r * facing, y + 0.8 * r)])


def icon_play(x, y, r):
    return _triangle(x + 0.1 * r, y, r)


def icon_stopwatch(x, y, r):
    ring = Stroke(arc(x, y + 0.12 * r, 0.72 * r, 0.72 * r, 0, 2 * math.pi), 0.24 * r, closed=True)
    hand = Stroke([(x, y + 0.12 * r), (x + 0.3 * r, y - 0.3 * r)], 0.2 * r)
    crown = Stroke([(x, y - 0.62 * r), (x, y - 0.9 * r)], 0.26 * r)
    return Union([ring, hand, crown, Stroke([(x - 0.2 * r, y - 0.95 * r), (x + 0.2 * r, y - 0.95 * r)], 0.2 * r)])


def icon_gear(x, y, r):
    ring = Stroke(arc(x, y, 0.5 * r, 0.5 * r, 0, 2 * math.pi), 0.36 * r, closed=True)
    teeth = [Stroke([(x + 0.6 * r * math.cos(a), y + 0.6 * r * math.sin(a)),
                     (x + 0.88 * r * math.cos(a), y + 0.88 * r * math.sin(a))], 0.3 * r)
             for a in (math.pi * k / 4 for k in range(8))]
    return Union([ring] + teeth)


def icon_power(x, y, r):
    ring = Stroke(arc(x, y + 0.05 * r, 0.7 * r, 0.7 * r, -math.pi * 0.3, math.pi * 1.3), 0.24 * r)
    return Union([ring, Stroke([(x, y - 0.85 * r), (x, y - 0.05 * r)], 0.24 * r)])


def icon_restart(x, y, r):
    ring = Stroke(arc(x, y, 0.68 * r, 0.68 * r, -math.pi * 0.35, math.pi * 1.35), 0.24 * r)
    tip = (x + 0.68 * r * math.cos(-math.pi * 0.35), y + 0.68 * r * math.sin(-math.pi * 0.35))
    head = Poly([(tip[0] - 0.4 * r, tip[1] - 0.25 * r), (tip[0] + 0.35 * r, tip[1] - 0.35 * r),
                 (tip[0] + 0.1 * r, tip[1] + 0.4 * r)])
    return Union([ring, head])


def icon_menu(x, y, r):
    return Union([Stroke([(x - 0.6 * r, y + dy * r), (x + 0.6 * r, y + dy * r)], 0.24 * r) for dy in (-0.5, 0, 0.5)])


def icon_back(x, y, r):
    return Union([Stroke([(x - 0.3 * r, y), (x + 0.7 * r, y)], 0.28 * r), _triangle(x - 0.25 * r, y, 0.8 * r, -1)])


def icon_fullscreen(x, y, r):
    k, m = 0.72 * r, 0.36 * r
    corners = []
    for sx in (-1, 1):
        for sy in (-1, 1):
            cx, cy = x + sx * k, y + sy * k
            corners.append(Stroke([(cx, cy - sy * m), (cx, cy), (cx - sx * m, cy)], 0.22 * r))
    return Union(corners)


def icon_monitor(x, y, r):
    screen = Stroke([(x - 0.8 * r, y - 0.6 * r), (x + 0.8 * r, y - 0.6 * r), (x + 0.8 * r, y + 0.35 * r),
                     (x - 0.8 * r, y + 0.35 * r)], 0.2 * r, closed=True)
    stand = Stroke([(x, y + 0.35 * r), (x, y + 0.7 * r)], 0.22 * r)
    return Union([screen, stand, Stroke([(x - 0.4 * r, y + 0.75 * r), (x + 0.4 * r, y + 0.75 * r)], 0.22 * r)])


def icon_check(x, y, r):
    return Stroke([(x - 0.6 * r, y + 0.05 * r), (x - 0.15 * r, y + 0.5 * r), (x + 0.65 * r, y - 0.5 * r)], 0.3 * r)


def icon_cross(x, y, r):
    k = 0.55 * r
    return Union([Stroke([(x - k, y - k), (x + k, y + k)], 0.3 * r), Stroke([(x + k, y - k), (x - k, y + k)], 0.3 * r)])


def button(text, color, icon):
    c = Canvas(512, 128)
    pill(c, color)
    x, y, r = BADGE
    part(c, Circle(x, y, r), WHITE, outline=4, crescent=0.08, gloss=0)
    glyph = icon(x, y, r * 0.62)
    c.fill(glyph.moved(0, 2.5), faded(darker(color, 0.5), 0.5))
    c.fill(glyph, darker(color, 0.1))
    word(c, text, color)
    return c


BUTTONS = {
    "ButtonPlay": ("PLAY", UI_GREEN, icon_play),
    "ButtonSpeedrun": ("SPEEDRUN", UI_ORANGE, icon_stopwatch),
    "ButtonOptions": ("OPTIONS", UI_BLUE, icon_gear),
    "ButtonQuit": ("QUIT", UI_RED, icon_power),
    "ButtonResume": ("RESUME", UI_GREEN, icon_play),
    "ButtonRestart": ("RESTART", UI_ORANGE, icon_restart),
    "ButtonMenu": ("MENU", UI_BLUE, icon_menu),
    "ButtonBack": ("BACK", UI_PURPLE, icon_back),
    "ButtonFullscreen": ("FULLSCREEN", UI_BLUE, icon_fullscreen),
    "ButtonResolution": ("RESOLUTION", UI_BLUE, icon_monitor),
    "ButtonYes": ("YES", UI_GREEN, icon_check),
    "ButtonNo": ("NO", UI_RED, icon_cross),
}

IMAGES = {name: (lambda spec=spec: button(*spec)) for name, spec in BUTTONS.items()}
