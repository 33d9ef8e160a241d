#!/usr/bin/env python3
"""Generates the benchmark scene "bench_sprites": 3,000 sprites of 32 pixels,
all on screen at 1280 x 720, for timing whole frames of the real renderer.

    python3 tools/levels/bench_levels.py [levels folder]
    tumbowuffin --state Gameplay --level bench_sprites --frames 600

The camera shows 22.5 units of height, so on a 720-pixel window a unit is 32
pixels and every sprite has scale 1. The sprites lie on a jittered grid over the
whole view, overlapping, over four textures and three layers in mixed order so
that sorting and batching have work to do. A fixed seed keeps the file stable.
"""

import os
import random
import sys

from levelfile import write_level

SPRITES = 3000
COLUMNS, ROWS = 75, 40
VIEW_HEIGHT = 22.5           # camera Size: world units shown top to bottom
VIEW_WIDTH = VIEW_HEIGHT * 16 / 9
TEXTURES = ("Bone", "Star", "Mushroom", "Spark")
LAYERS = 3


def transform(position, scale=(1, 1)):
    return {"Position": position, "Scale": scale, "Rotation": 0}


def sprite(index, rng):
    column, row = index % COLUMNS, index // COLUMNS
    x = (column + 0.5) / COLUMNS * VIEW_WIDTH - VIEW_WIDTH / 2 + rng.uniform(-0.2, 0.2)
    y = (row + 0.5) / ROWS * VIEW_HEIGHT - VIEW_HEIGHT / 2 + rng.uniform(-0.2, 0.2)
    tint = (round(rng.uniform(0.6, 1), 2), round(rng.uniform(0.6, 1), 2), 1, 1)
    return (f"Sprite{index}", {
        "Transform": {"Position": (round(x, 3), round(y, 3)), "Scale": (1, 1),
                      "Rotation": round(rng.uniform(-3.14, 3.14), 2)},
        "Color": {"color": tint},
        "Sprite": {"texture": rng.choice(TEXTURES), "layer": rng.randrange(LAYERS),
                   "DrawMesh": False}})


def bench_sprites():
    rng = random.Random(3000)
    entities = [
        ("LevelSettings", {"Transform": transform((0, 0)), "Color": {"color": (0.1, 0.1, 0.15, 1)},
                           "LevelSettings": {"GravitySpeed": 0, "EndTimer": 0, "NextLevel": "0"}}),
        ("Camera", {"Transform": transform((0, 0)), "Camera": {"Size": VIEW_HEIGHT}}),
    ]
    entities += [sprite(i, rng) for i in range(SPRITES)]
    return entities


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "data", "levels")
    write_level(folder, "bench_sprites", bench_sprites())


if __name__ == "__main__":
    main()
