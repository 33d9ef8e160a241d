"""Wuffin, the dog on the spring stick: the impact frames and the falling frames.

The figure is drawn in design units on a 256 grid with the stick's foot at
(128, 251); a Figure maps those units to the target canvas, so the title card can
draw the same dog at any size. The foot never moves between frames: a pose only
changes the spring's length, how far the dog sinks into its knees, how much its
body squashes and where the ears, tail and scarf fly, so swapping frames does not
jitter. Body measures are given relative to the feet, so squashing scales them
about the feet and outlines keep their width.
"""

import math
from dataclasses import dataclass

from colors import (
    CHEEK, EAR, FUR, FUR_LIGHT, GOLD, INK, NOSE, RUBBER, SCARF, SHAFT, STEEL, TONGUE,
    WHITE, darker, faded,
)
from geometry import Blob, Ellipse, Mapped, RoundRect, Stroke, arc, bezier, rotate, spline
from raster import Canvas
from toon import part

FOOT = (128.0, 251.0)  # bottom of the rubber foot in design units
FOOT_TOP = 232.0  # where the spring sits on the foot
BAR_ABOVE_PEGS = 74.0  # handlebar height over the foot pegs
LINE = 3.8  # outline width in design units
FIT = 0.9  # the design's scale inside its square, leaving room for flying ears


@dataclass
class Pose:
    spring: float  # coil length between foot and pegs, design units (16 to 52)
    sink: float  # how far the body sinks into bent knees (negative stretches)
    squash: float  # body squash, 0 upright to about 0.15 flattened
    ear: float  # ear swing in radians: 0 hangs down, + swings back, about 2.6 is up
    ear_curl: float  # bend along the ear, radians
    eyes: str  # "open", "squint", "closed" or "wide"
    mouth: str  # "smile", "grin" or "open"
    tail: float  # tail lift in radians
    scarf: float  # flutter phase of the scarf ends, radians


IMPACT = [
    Pose(40, 0, 0.0, 0.35, 0.15, "open", "smile", 0.0, 0.0),
    Pose(28, 3, 0.05, 0.05, 0.3, "squint", "grin", -0.25, 0.8),
    Pose(17, 6, 0.1, -0.2, 0.45, "closed", "grin", -0.45, 1.6),
]
FALL = [
    Pose(48, -3, -0.03, 2.2, -0.35, "wide", "open", 0.35, 0.0),
    Pose(49, -4, -0.04, 2.45, -0.15, "wide", "open", 0.5, 2.1),
    Pose(48, -3, -0.03, 1.95, -0.5, "wide", "open", 0.3, 4.2),
]


class Figure:
    """Draws one pose of the dog onto a canvas, the foot at (x, y), size times the
    256-unit design."""

    def __init__(self, canvas, pose, x=FOOT[0], y=FOOT[1], size=1.0):
        self.canvas = canvas
        self.pose = pose
        size *= FIT
        self.map = lambda u, v: (x + (u - FOOT[0]) * size, y + (v - FOOT[1]) * size)
        self.size = size
        self.pegs = FOOT_TOP - pose.spring
        self.feet = self.pegs + pose.sink
        self.bar = self.pegs - BAR_ABOVE_PEGS
        self.sx = 1.0 + 0.6 * pose.squash
        self.sy = 1.0 - pose.squash
        self.head_drop = -124 * (1.0 - 0.4 * pose.squash)  # the head squashes less

    # ---- helpers in design units ----------------------------------------------
    def at(self, dx, dy):
        """A body point given relative to the feet, squashed with the body."""
        return (FOOT[0] + dx * self.sx, self.feet + dy * self.sy)

    def ellipse(self, dx, dy, rx, ry, angle=0.0):
        cx, cy = self.at(dx, dy)
        return Ellipse(cx, cy, rx * self.sx, ry * self.sy, angle)

    def shape(self, s):
        return Mapped(s, self.map)

    def part(self, s, color, line=LINE, **kw):
        part(self.canvas, self.shape(s), color, outline=line * self.size, **kw)

    def flat(self, s, color, **kw):
        self.canvas.fill(self.shape(s), color, **kw)

    def line(self, points, width, color=INK):
        self.flat(Stroke(points, width), color)

    # ---- the whole figure, back to front --------------------------------------
    def draw(self):
        self.tail()
        self.ear(far=True)
        self.scarf_ends()
        self.arm(far=True)
        self.body()
        self.spring()
        self.stick()
        self.leg()
        self.scarf_band()
        self.head()
        self.ear(far=False)
        self.arm(far=False)

    def tail(self):
        base = self.at(-26, -40)
        lift = self.pose.tail
        pts = [base]
        for i in range(1, 5):
            t = i / 4
            a = -2.3 + lift * t - 0.5 * t
            pts.append((base[0] + 34 * t * math.cos(a) - 6 * t, base[1] + 34 * t * math.sin(a)))
        tail = Stroke(spline(pts), (15, 8))
        self.part(tail, FUR, crescent=0, gloss=0)
        tip = pts[-1]
        self.flat(Ellipse(tip[0], tip[1], 5.5, 5.5), FUR_LIGHT, clip=self.shape(tail))

    def ear(self, far):
        root = (FOOT[0] - (6 if far else 12) * self.sx, self.feet + self.head_drop - 26)
        if far:
            root = (root[0] + 22, root[1] - 2)
        p = self.pose
        swing = p.ear + (0.25 if far else 0.0)
        local = [(-9, 0), (9, 0), (13, 16), (10, 34), (2, 46), (-9, 44), (-15, 30), (-13, 12)]
        bent = []
        for x, y in local:
            k = p.ear_curl * (y / 46.0) ** 2
            bx, by = rotate([(x, y)], 0, 0, k)[0]
            bent.append((root[0] + bx, root[1] + by))
        shape = Blob(rotate(bent, root[0], root[1], swing))
        color = darker(EAR, 0.3) if far else EAR
        self.part(shape, color, crescent=0.1, gloss=0.0 if far else 0.25)

    def body(self):
        torso = Blob([self.at(*q) for q in [(-6, -96), (14, -84), (18, -52), (12, -20),
                                            (-12, -8), (-36, -22), (-40, -56), (-28, -88)]])
        self.part(torso, FUR, crescent=0.1)
        belly = self.ellipse(4, -46, 15, 30, -0.15)
        self.flat(belly, FUR_LIGHT, clip=self.shape(torso))

    def spring(self):
        top, bottom = self.pegs + 2, FOOT_TOP + 2
        turns = 5
        span = bottom - top
        back, front = [], []
        for i in range(turns):
            y0 = top + span * i / turns
            y1 = top + span * (i + 0.5) / turns
            y2 = top + span * (i + 1) / turns
            back.append(bezier((143, y0), (143, y0 - 4), (113, y1 - 4), (113, y1)))
            front.append(bezier((113, y1), (113, y1 + 5), (143, y2 + 5), (143, y2)))
        for coil in back:
            self.part(Stroke(coil, 4.5), darker(STEEL, 0.35), line=2.2, crescent=0, gloss=0)
        self.part(RoundRect(123, self.pegs, 133, FOOT_TOP + 4, 4), darker(STEEL, 0.1),
                  line=2.5, crescent=0, gloss=0)
        for coil in front:
            self.part(Stroke(coil, 5), STEEL, line=2.2, crescent=0, gloss=0)
        self.part(RoundRect(112, FOOT_TOP - 1, 144, FOOT_TOP + 7, 3), SHAFT, line=2.5,
                  crescent=0, gloss=0.3)
        self.part(RoundRect(116, FOOT_TOP + 6, 140, FOOT[1], 9), RUBBER, crescent=0.08,
                  gloss=0.3)

    def stick(self):
        pegs, bar = self.pegs, self.bar
        self.part(RoundRect(123, bar, 133, pegs, 5), SHAFT, crescent=0, gloss=0.3)
        self.flat(RoundRect(125, bar + 6, 127.5, pegs - 4, 1.2), faded(WHITE, 0.55))
        self.part(RoundRect(100, pegs - 5, 156, pegs + 4, 4.5), STEEL, crescent=0.15,
                  gloss=0.3)
        self.part(Stroke([(106, bar + 4), (128, bar), (150, bar - 4)], 7), darker(STEEL, 0.2),
                  crescent=0, gloss=0)
        self.part(Stroke([(148, bar - 3), (164, bar - 6)], 11), SCARF, crescent=0, gloss=0.3)
        self.part(Ellipse(128, bar - 1, 7, 6), SHAFT, crescent=0.1, gloss=0.3)

    def leg(self):
        p = self.pose
        paw = (124, self.pegs - 8)
        haunch = self.ellipse(-16, -24, 21, 19, -0.3)
        knee = self.at(4, -26)
        self.part(Stroke([self.at(-12, -22), knee, (paw[0] - 4, paw[1] - 2)], 15), FUR,
                  crescent=0, gloss=0)
        self.part(haunch, FUR, crescent=0.12, gloss=0.25)
        self.part(Ellipse(paw[0], paw[1], 15, 7.5 - 0.08 * p.squash * 20), FUR_LIGHT,
                  crescent=0.15, gloss=0.3)
        for dx in (-3, 4):
            self.line([(paw[0] + dx + 4, paw[1] - 3), (paw[0] + dx + 5, paw[1] + 2)], 1.6)

    def scarf_band(self):
        band = Stroke([self.at(-26, -96), self.at(-8, -90), self.at(14, -94)], 11)
        self.part(band, SCARF, crescent=0.05, gloss=0.2)
        tag = self.at(12, -86)
        self.part(Ellipse(tag[0], tag[1], 5, 5), GOLD, line=2.2, crescent=0, gloss=0.5)

    def scarf_ends(self):
        start = self.at(-24, -94)
        ph = self.pose.scarf
        for k, length in ((0.0, 38), (0.9, 30)):
            pts = [start]
            for i in range(1, 5):
                t = i / 4
                wave = 5 * math.sin(ph + k + 3.2 * t) * t
                pts.append((start[0] - length * t, start[1] + 6 * t + wave - 6 * t * self.pose.tail))
            end = Stroke(spline(pts), (9, 13))
            self.part(end, darker(SCARF, 0.15) if k else SCARF, line=3, crescent=0, gloss=0)

    def arm(self, far):
        shoulder = self.at(0 if far else -6, -80)
        hand = (154, self.bar - 6) if far else (159, self.bar - 3)
        elbow = ((shoulder[0] + hand[0]) / 2, max(shoulder[1], hand[1]) + 5)
        color = darker(FUR, 0.25) if far else FUR
        self.part(Stroke(spline([shoulder, elbow, hand]), 11), color, crescent=0, gloss=0)
        self.part(Ellipse(hand[0], hand[1], 8, 7.5), darker(FUR_LIGHT, 0.25) if far else FUR_LIGHT,
                  crescent=0.15, gloss=0.3)

    # ---- the head ---------------------------------------------------------------
    def head(self):
        hx, hy = FOOT[0] + 12 * self.sx, self.feet + self.head_drop
        skull = Blob([(hx - 30, hy - 4), (hx - 22, hy - 30), (hx + 4, hy - 38), (hx + 28, hy - 26),
                      (hx + 34, hy), (hx + 20, hy + 26), (hx - 6, hy + 30), (hx - 26, hy + 20)])
        snout = Blob([(hx + 16, hy - 4), (hx + 42, hy - 12), (hx + 62, hy - 6), (hx + 64, hy + 10),
                      (hx + 46, hy + 22), (hx + 20, hy + 20)])
        self.canvas.fill(self.shape(skull.grow(LINE) + snout.grow(LINE)), INK)
        self.part(skull, FUR, line=0, crescent=0.1, gloss=0.3)
        self.part(snout, FUR_LIGHT, line=0, crescent=0.1, gloss=0.0)
        self.flat(Ellipse(hx - 2, hy + 14, 14, 8, -0.3), faded(FUR_LIGHT, 0.7), clip=self.shape(skull))
        self.flat(Ellipse(hx + 20, hy + 8, 7, 4.5), CHEEK)
        self.mouth(hx, hy)
        self.part(Ellipse(hx + 62, hy - 6, 9, 7), NOSE, line=0, crescent=0, gloss=0)
        self.flat(Ellipse(hx + 60, hy - 9, 3.5, 2.2, -0.3), faded(WHITE, 0.8))
        self.eye(hx + 20, hy - 14)

    def mouth(self, hx, hy):
        kind = self.pose.mouth
        if kind == "smile":
            self.line(bezier((hx + 58, hy + 6), (hx + 50, hy + 16), (hx + 36, hy + 16), (hx + 28, hy + 8)), 3)
            return
        opening = 14 if kind == "open" else 9
        lip = bezier((hx + 58, hy + 6), (hx + 50, hy + 12), (hx + 36, hy + 12), (hx + 27, hy + 6))
        jaw = bezier((hx + 27, hy + 6), (hx + 32, hy + 10 + opening), (hx + 50, hy + 12 + opening),
                     (hx + 58, hy + 6))
        mouth = Blob(lip[::2] + jaw[1::2])
        self.flat(mouth.grow(2.5), INK)
        self.flat(mouth, darker(TONGUE, 0.6))
        tongue = Ellipse(hx + 41, hy + 12 + opening * 0.8, 9, 6)
        self.flat(tongue, TONGUE, clip=self.shape(mouth))

    def eye(self, ex, ey):
        kind = self.pose.eyes
        if kind == "closed":
            self.line(arc(ex, ey + 4, 8, 7, math.pi * 1.1, math.pi * 1.9), 3.5)
            return
        big = 1.15 if kind == "wide" else 1.0
        white = Ellipse(ex, ey, 8.5 * big, 11 * big)
        self.part(white, WHITE, line=2.5, crescent=0, gloss=0)
        pupil = Ellipse(ex + 2.5, ey + 1, 5.5 * big, 7.5 * big)
        self.flat(pupil, INK, clip=self.shape(white))
        self.flat(Ellipse(ex + 1, ey - 3, 2.2, 2.6), WHITE)
        self.flat(Ellipse(ex + 5, ey + 4, 1.1, 1.1), faded(WHITE, 0.8))
        if kind == "squint":
            lid = Ellipse(ex, ey - 15, 14, 13)
            self.flat(lid, FUR, clip=self.shape(white.grow(3)))
            self.line(bezier((ex - 10, ey - 3), (ex, ey - 6), (ex + 10, ey - 3)), 3.2)
        brow = -4 if kind == "wide" else 0
        self.line(bezier((ex - 8, ey - 17 + brow), (ex, ey - 21 + brow), (ex + 9, ey - 18 + brow)), 3)


def frame(pose, size=256):
    canvas = Canvas(size, size)
    Figure(canvas, pose, FOOT[0] * size / 256, FOOT[1] * size / 256, size / 256).draw()
    return canvas


IMAGES = {}
for _i, _p in enumerate(IMPACT, 1):
    IMAGES["wuffinImpact_%d" % _i] = (lambda p=_p: frame(p))
for _i, _p in enumerate(FALL, 1):
    IMAGES["wuffinFall_%d" % _i] = (lambda p=_p: frame(p))
