#!/usr/bin/env python3
"""Writes the engine's built-in textures as RGBA PNG files into a folder.

  Default.png  plain white, so that a sprite's colour tint shows as it is
  Square.png   a white square whose alpha fades out towards its edges (particles)

Usage: generate_textures.py OUTPUT_FOLDER
Standard library only; the PNG writer is the image generator's (art/raster.py).
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "art"))
from raster import write_png  # noqa: E402


def smoothstep(t):
    t = min(max(t, 0.0), 1.0)
    return t * t * (3.0 - 2.0 * t)


def white_rows(size, alpha):
    """Rows of white RGBA pixels, alpha(x, y) 0 to 255; row 0 is the top."""
    return [bytes(v for x in range(size) for v in (255, 255, 255, alpha(x, y)))
            for y in range(size)]


def soft_edge(size, fade):
    """Alpha 255 inside, easing to 0 across the outer fade fraction of each side."""
    centre = (size - 1) / 2.0

    def alpha(x, y):
        # Distance to the nearer edge: 0 at the border, 1 where the fade ends.
        edge = min(centre - abs(x - centre), centre - abs(y - centre)) / (fade * size)
        return round(255 * smoothstep(edge))
    return alpha


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: generate_textures.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, "Default.png"), 16, 16, white_rows(16, lambda x, y: 255))
    write_png(os.path.join(folder, "Square.png"), 64, 64, white_rows(64, soft_edge(64, 0.25)))


if __name__ == "__main__":
    main()
