"""The house style: bold dark outline, soft light from the upper left, a darker
crescent on the side away from the light and a small gloss. Every family draws its
parts through these, so the whole game shares one look."""

from colors import INK, WHITE, darker, faded, lighter
from geometry import Ellipse
from raster import Linear, Radial


def shaded(shape, base, light=(-0.3, -0.4), shade=0.3):
    """A radial paint lit from the upper left of the shape's box."""
    x0, y0, x1, y1 = shape.bbox()
    w, h = x1 - x0, y1 - y0
    cx, cy = (x0 + x1) / 2 + light[0] * w, (y0 + y1) / 2 + light[1] * h
    stops = [(0.0, lighter(base, 0.3)), (0.45, base), (1.0, darker(base, shade))]
    return Radial((cx, cy), (max(1.0, 1.2 * w), max(1.0, 1.2 * h)), stops)


def part(canvas, shape, base, outline=3.0, ink=INK, crescent=0.12, gloss=0.35, shade=0.3):
    """Draws one outlined, shaded part. outline: ink width in pixels; crescent:
    how far (as a share of the part's size) the shadow crescent reaches in;
    gloss: opacity of the highlight, 0 for none."""
    if outline > 0:
        canvas.fill(shape.grow(outline), ink)
    canvas.fill(shape, shaded(shape, base, shade=shade))
    x0, y0, x1, y1 = shape.bbox()
    w, h = x1 - x0, y1 - y0
    if crescent > 0:
        lit = shape.moved(-crescent * w, -crescent * h)
        canvas.fill(shape, darker(base, 0.28), cut=lit, opacity=0.55)
    if gloss > 0:
        spot = Ellipse(x0 + 0.3 * w, y0 + 0.24 * h, 0.16 * w, 0.09 * h, -0.5)
        canvas.fill(spot, faded(WHITE, gloss), clip=shape)


def ink_line(canvas, stroke, ink=INK):
    """A plain line in the outline colour."""
    canvas.fill(stroke, ink)


def sticker(canvas, shape, top, bottom, shadow, outline=5.0, drop=5.0):
    """Lettering and logos: a drop shadow, the ink outline, then a fill fading from
    top to bottom colour over the shape's height. drop: shadow offset in pixels."""
    x0, y0, x1, y1 = shape.bbox()
    canvas.fill(shape.moved(0, drop).grow(outline), shadow)
    canvas.fill(shape.grow(outline), INK)
    canvas.fill(shape, Linear((0, y0), (0, y1), [(0, top), (1, bottom)]))
