#!/usr/bin/env python3
"""The dog in the forest through the real executable and real X key events:
holding the lean key, the dog leans over (its coat moves to the right of the
middle, where the follow camera keeps its feet) and keeps bouncing (its height on
screen changes from picture to picture).

    lean_bounce.py GAME

Needs DISPLAY (Xvfb), xdotool and xwd.
"""

import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no cache of the shared module beside the sources
from front_end_flow import run_game  # noqa: E402


def dog_orange(r, g, b):
    # The dog's coat; the apples are redder, the flowers yellower.
    return r > 200 and 110 < g < 185 and b < 100 and r - g > 45


def dog_place(image):
    """Where the dog's coat shows near the middle, where the camera keeps it: its
    mean row, and its slant (columns gained per row upward; leaning right is
    positive); None when too little of it shows."""
    w, h = image.width, image.height
    points = [(x, y) for y in range(0, h, 2) for x in range(w // 2 - 80, w // 2 + 80, 2)
              if dog_orange(*image.pixel(x, y))]
    if len(points) <= 8:
        return None
    # Only what lies near the bulk of it: a flower's orange heart is not the dog.
    middle = sorted(y for _, y in points)[len(points) // 2]
    points = [(x, y) for x, y in points if abs(y - middle) <= 50]
    mx = sum(x for x, _ in points) / len(points)
    my = sum(y for _, y in points) / len(points)
    spread = sum((y - my) ** 2 for _, y in points) or 1.0
    slant = -sum((x - mx) * (y - my) for x, y in points) / spread
    return my, slant


def lean_checks(s, game):
    s.await_shot("lean_0_upright", lambda image: dog_place(image) is not None)
    # The keys go to the focused window, and a window without focus pauses.
    subprocess.run(["xdotool", "mousemove", "--window", s.window, str(s.width // 2), str(s.height // 2)],
                   check=True)
    subprocess.run(["xdotool", "windowfocus", "--sync", s.window], check=True)
    time.sleep(0.5)
    upright = dog_place(s.shot("lean_0_upright"))
    subprocess.run(["xdotool", "keydown", "--window", s.window, "d"], check=True)
    places = []
    for i in range(6):
        time.sleep(0.35)
        places.append(dog_place(s.shot(f"lean_{i + 1}")))
    subprocess.run(["xdotool", "keyup", "--window", s.window, "d"], check=True)
    print("upright:", upright, "leaning:", places)
    found = [p for p in places if p is not None]
    s.expect("the dog shows upright in the middle of the view", upright is not None)
    s.expect("the dog shows in the middle while leaning", len(found) >= 4)
    # Most pictures, not all: a squash frame can hide the slant.
    slants = sorted(slant for _, slant in found[1:])
    s.expect("the dog leaned right: its coat slants to the right",
             upright is not None and len(slants) >= 3 and slants[len(slants) // 2] - upright[1] >= 0.8)
    heights = [y for y, _ in found]
    s.expect("the dog bounced: its height changed by 20 pixels or more",
             len(heights) >= 2 and max(heights) - min(heights) >= 20)
    s.expect("the game still runs", game.poll() is None)


def main():
    run_game([sys.argv[1], "--state", "Gameplay", "--level", "Level1Forest"], lean_checks)


if __name__ == "__main__":
    main()
