"""Our own bold rounded lettering: every glyph is a few strokes on a grid one unit
tall (0 at the cap line, 1 on the baseline), drawn as thick round-capped lines.
Stroke letters suit the game's soft cartoon look and need no font files."""

import math

from geometry import Stroke, Union, arc, bezier, spline

WEIGHT = 0.24  # stroke width as a share of the cap height
TRACKING = 0.13  # gap between letters as a share of the cap height


def _arc(cx, cy, rx, ry, a0, a1):
    """An arc in degrees, one chord per 4 degrees (glyphs are tiny until placed)."""
    return arc(cx, cy, rx, ry, math.radians(a0), math.radians(a1), n=max(4, abs(a1 - a0) // 4))


def _bezier(*ctrl):
    return bezier(*ctrl, n=24)


def _spline(points):
    return spline(points, steps=10)


def _glyphs():
    """Glyph strokes and advance widths (without the stroke's own width)."""
    P = (lambda *pts: list(pts))
    return {
        "A": ([P((0, 1), (0.36, 0), (0.72, 1)), P((0.15, 0.64), (0.57, 0.64))], 0.72),
        "B": ([P((0, 0.5), (0, 0), (0.3, 0)) + _arc(0.3, 0.25, 0.25, 0.25, -90, 90) + P((0, 0.5)),
               P((0, 0.5), (0.34, 0.5)) + _arc(0.34, 0.75, 0.26, 0.25, -90, 90) + P((0, 1), (0, 0.5))],
              0.6),
        "C": ([_arc(0.4, 0.5, 0.4, 0.5, 42, 318)], 0.72),
        "D": ([P((0, 0), (0, 1), (0.25, 1)) + _arc(0.25, 0.5, 0.38, 0.5, 90, -90) + P((0, 0))], 0.63),
        "E": ([P((0.52, 0), (0, 0), (0, 1), (0.52, 1)), P((0, 0.5), (0.42, 0.5))], 0.52),
        "F": ([P((0.52, 0), (0, 0), (0, 1)), P((0, 0.5), (0.42, 0.5))], 0.5),
        "G": ([P((0.48, 0.56), (0.8, 0.56), (0.8, 0.7)) + _arc(0.41, 0.5, 0.39, 0.5, 28, 318)], 0.8),
        "H": ([P((0, 0), (0, 1)), P((0.6, 0), (0.6, 1)), P((0, 0.5), (0.6, 0.5))], 0.6),
        "I": ([P((0, 0), (0, 1))], 0.0),
        "J": ([P((0.46, 0), (0.46, 0.7)) + _arc(0.23, 0.7, 0.23, 0.3, 0, 180)], 0.46),
        "K": ([P((0, 0), (0, 1)), P((0.56, 0), (0, 0.6)), P((0.2, 0.42), (0.6, 1))], 0.6),
        "L": ([P((0, 0), (0, 1), (0.5, 1))], 0.5),
        "M": ([P((0, 1), (0, 0), (0.38, 0.62), (0.76, 0), (0.76, 1))], 0.76),
        "N": ([P((0, 1), (0, 0), (0.62, 1), (0.62, 0))], 0.62),
        "O": ([_arc(0.42, 0.5, 0.42, 0.5, 0, 360)], 0.84),
        "P": ([P((0, 1), (0, 0), (0.3, 0)) + _arc(0.3, 0.27, 0.27, 0.27, -90, 90) + P((0, 0.54))], 0.57),
        "Q": ([_arc(0.42, 0.5, 0.42, 0.5, 0, 360), P((0.52, 0.7), (0.86, 1.04))], 0.86),
        "R": ([P((0, 1), (0, 0), (0.3, 0)) + _arc(0.3, 0.27, 0.27, 0.27, -90, 90) + P((0, 0.54)),
               P((0.28, 0.54), (0.6, 1))], 0.6),
        "S": ([_spline([(0.6, 0.14), (0.33, 0.0), (0.06, 0.1), (0.06, 0.36), (0.33, 0.5),
                        (0.6, 0.64), (0.6, 0.9), (0.32, 1.0), (0.0, 0.88)])], 0.6),
        "T": ([P((0, 0), (0.64, 0)), P((0.32, 0), (0.32, 1))], 0.64),
        "U": ([P((0, 0), (0, 0.64)) + _arc(0.3, 0.64, 0.3, 0.36, 180, 0) + P((0.6, 0))], 0.6),
        "V": ([P((0, 0), (0.35, 1), (0.7, 0))], 0.7),
        "W": ([P((0, 0), (0.22, 1), (0.47, 0.34), (0.72, 1), (0.94, 0))], 0.94),
        "X": ([P((0, 0), (0.6, 1)), P((0.6, 0), (0, 1))], 0.6),
        "Y": ([P((0, 0), (0.33, 0.52), (0.66, 0)), P((0.33, 0.52), (0.33, 1))], 0.66),
        "Z": ([P((0, 0), (0.6, 0), (0, 1), (0.62, 1))], 0.62),
        "?": ([_spline([(0.02, 0.2), (0.26, 0.0), (0.5, 0.18), (0.26, 0.48), (0.26, 0.66)]),
               P((0.26, 0.98))], 0.52),
        "b": ([P((0, 0), (0, 1)), _arc(0.28, 0.7, 0.28, 0.3, 0, 360)], 0.56),
        "e": ([P((0.02, 0.7), (0.56, 0.7)) + _arc(0.29, 0.7, 0.27, 0.3, 0, -310)], 0.58),
        "f": ([P((0.14, 1), (0.14, 0.22)) + _bezier((0.14, 0.22), (0.14, 0.0), (0.38, -0.02), (0.46, 0.06)),
               P((0, 0.42), (0.38, 0.42))], 0.44),
        "i": ([P((0, 0.42), (0, 1)), P((0, 0.1))], 0.0),
        "m": ([P((0, 1), (0, 0.42)), P((0, 0.62)) + _arc(0.2, 0.62, 0.2, 0.2, 180, 360) + P((0.4, 1)),
               P((0.4, 0.62)) + _arc(0.6, 0.62, 0.2, 0.2, 180, 360) + P((0.8, 1))], 0.8),
        "n": ([P((0, 1), (0, 0.42)), P((0, 0.64)) + _arc(0.25, 0.64, 0.25, 0.22, 180, 360) + P((0.5, 1))],
              0.5),
        "o": ([_arc(0.29, 0.7, 0.29, 0.3, 0, 360)], 0.58),
        "r": ([P((0, 1), (0, 0.42)), P((0, 0.66)) + _bezier((0, 0.66), (0.06, 0.42), (0.26, 0.38), (0.42, 0.44))],
              0.42),
        "u": ([P((0, 0.42), (0, 0.74)) + _arc(0.25, 0.74, 0.25, 0.26, 180, 0) + P((0.5, 0.42)),
               P((0.5, 0.42), (0.5, 1))], 0.5),
        "v": ([P((0, 0.42), (0.28, 1), (0.56, 0.42))], 0.56),
        "x": ([P((0, 0.42), (0.52, 1)), P((0.52, 0.42), (0, 1))], 0.52),
        " ": ([], 0.3),
    }


GLYPHS = _glyphs()


def advance(text, weight=WEIGHT, tracking=TRACKING):
    """Width of the text in cap heights."""
    return sum(GLYPHS[c][1] + weight + tracking for c in text) - tracking


def letters(text, x, y, size, weight=WEIGHT, tracking=TRACKING, align="center"):
    """One shape per letter (spaces left out), the caps from y to y + size; x is
    the left edge, the centre or the right edge by align. Returns
    [(shape, centre_x)]."""
    width = advance(text, weight, tracking) * size
    left = {"left": x, "center": x - width / 2, "right": x - width}[align]
    pen = left + weight * size / 2
    out = []
    for c in text:
        strokes, w = GLYPHS[c]
        if strokes:
            shape = Union(Stroke([(pen + u * size, y + v * size) for u, v in s], weight * size)
                          for s in strokes)
            out.append((shape, pen + w * size / 2))
        pen += (w + weight + tracking) * size
    return out


def text_shape(text, x, y, size, weight=WEIGHT, tracking=TRACKING, align="center"):
    """The whole text as one shape."""
    return Union(s for s, _ in letters(text, x, y, size, weight, tracking, align))
