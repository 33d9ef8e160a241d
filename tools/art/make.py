"""Writes the game's images: python3 make.py OUTPUT_FOLDER [FAMILY ...]

Each family module (wuffin, platforms, ...) holds IMAGES, a table from image name
to a function that draws it; every image becomes OUTPUT_FOLDER/<name>.png. With no
family named, all are written, two at a time.
"""

import importlib
import multiprocessing
import os
import sys
import time

FAMILIES = ["wuffin", "platforms", "pickups", "goal", "decorations", "backgrounds",
            "frontend", "buttons"]


def write_family(family, folder):
    module = importlib.import_module(family)
    for name, draw in module.IMAGES.items():
        draw().save(os.path.join(folder, name + ".png"))
    return family, len(module.IMAGES)


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    folder = argv[1]
    families = argv[2:] or FAMILIES
    unknown = [f for f in families if f not in FAMILIES]
    if unknown:
        sys.exit("unknown image family: " + ", ".join(unknown))
    os.makedirs(folder, exist_ok=True)
    start = time.time()
    with multiprocessing.Pool(min(2, len(families))) as pool:
        done = pool.starmap(write_family, [(f, folder) for f in families])
    count = sum(n for _, n in done)
    print("%d images in %s (%.1f s)" % (count, folder, time.time() - start))


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    main(sys.argv)
