"""Writes the game's images: python3 make.py OUTPUT_FOLDER [FAMILY ...]
                   or: python3 make.py --list (the file names, one a line)

Each family module (wuffin, platforms, ...) holds IMAGES, a table from image name
to a function that draws it; every image becomes OUTPUT_FOLDER/<name>.png. With no
family named, all are written. Images, not families, are shared out between two
worker processes, the slowest first, so that neither waits on the other at the end.
"""

import importlib
import multiprocessing
import os
import sys
import time

FAMILIES = ["wuffin", "platforms", "pickups", "goal", "decorations", "backgrounds",
            "frontend", "buttons", "terrain", "props"]

# Drawn first because they take longest (seconds each); the rest are quick.
SLOW_FAMILIES = ("backgrounds", "frontend")


def images_of(families):
    """(family, name) of every image of the families, slow families first."""
    ordered = sorted(families, key=lambda f: f not in SLOW_FAMILIES)
    return [(f, name) for f in ordered for name in importlib.import_module(f).IMAGES]


def write_image(family, name, folder):
    importlib.import_module(family).IMAGES[name]().save(os.path.join(folder, name + ".png"))


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    if argv[1] == "--list":
        print("\n".join(name + ".png" for _, name in images_of(FAMILIES)))
        return
    folder = argv[1]
    families = argv[2:] or FAMILIES
    unknown = [f for f in families if f not in FAMILIES]
    if unknown:
        sys.exit("unknown image family: " + ", ".join(unknown))
    os.makedirs(folder, exist_ok=True)
    start = time.time()
    jobs = [(f, n, folder) for f, n in images_of(families)]
    with multiprocessing.Pool(2) as pool:
        pool.starmap(write_image, jobs, chunksize=1)
    print("%d images in %s (%.1f s)" % (len(jobs), folder, time.time() - start))


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    main(sys.argv)
