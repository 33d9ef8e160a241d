#!/usr/bin/env python3
"""The level editor through the real executable with real X events: from the
forest, Ctrl+F5 opens the editor on it; a platform archetype is picked, two
platforms are placed, one is dragged away, the drag is undone and redone, the
level is saved under a new name, test-played and left again, the dragged
platform is deleted, the saved level is loaded back over that change, and
Escape asks before the editor is left for the forest.

    level_editor.py GAME

Needs DISPLAY (Xvfb), xdotool and xwd. Pictures: e2e_editor_*.png beside the
game.
"""

import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no cache of the shared module beside the sources
from front_end_flow import purple, run, run_game, sky  # noqa: E402
from xwd_image import parse_xwd  # noqa: E402

LEVEL = "e2e_editor_level"
LEVEL_FILE = os.path.join("levels", LEVEL + ".txt")
TEST_FILE = os.path.join("levels", "__level_editor_test_level_.txt")
SIDEBAR = (0, 0, 215, 720)  # the sidebar's pixels on the 1280 x 720 window
# Where the sidebar's rows are, in window pixels.
TEST_LEVEL = (110, 16)
LEVEL_NAME = (140, 65)
SAVE = (24, 65)
LOAD_PICKER, LOAD = (130, 114), (24, 114)
ARCHETYPE_PICKER, CREATE = (135, 163), (29, 163)
FOREST_FILE = os.path.join("levels", "Level1Forest.txt")
MIDDLE = (640, 360)  # the forest camera's authored place, where the editor opens
# Where the two platforms are dragged, as offsets from the middle in world units.
MOVED_BY, MOVED_TOO_BY = (6, 3), (-4, 4)
# Under load a frame can take a good part of a second: every press is held
# long enough for frames to see it, at least this long (Editor.sync lengthens it).
HOLD = 0.6
# A bit of the "Test Level" button beside its label, and a spot of empty scene.
HOVER_SPOT = (12, 10, 40, 22)
PARK = (700, 600)


def ui_dark(r, g, b):
    return r < 60 and g < 60 and b < 80


def hovered(r, g, b):
    return r < 100 and 130 < g < 170 and b > 220


def orange(r, g, b):
    return r > 225 and 95 < g < 165 and b < 50


def box(centre, half_w=110, half_h=35):
    x, y = centre
    return x - half_w, y - half_h, x + half_w, y + half_h


def sidebar_shows(image):
    return image.share(*SIDEBAR, ui_dark) > 0.5


def outlined_at(centre):
    # The 4 x 1 platform is about 220 x 55 pixels at the forest's zoom; its outline runs round that box.
    return lambda image: image.share(*box(centre), orange) > 0.03


def difference(a, b, region):
    x0, y0, x1, y1 = region
    total = count = 0
    for y in range(y0, y1, 3):
        for x in range(x0, x1, 3):
            pa, pb = a.pixel(x, y), b.pixel(x, y)
            total += sum(abs(pa[i] - pb[i]) for i in range(3))
            count += 1
    return total / (3.0 * count)


class Editor:
    def __init__(self, s):
        self.s = s
        self.hold = HOLD

    def hover_shows(self, lit, timeout=30.0):
        """Waits until the button at HOVER_SPOT is lit (or unlit, as asked)."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            dump = subprocess.run(["xwd", "-silent", "-id", self.s.window],
                                  check=True, capture_output=True).stdout
            spot = parse_xwd(dump, HOVER_SPOT)
            if (spot.share(0, 0, spot.width, spot.height, hovered) > 0.5) == lit:
                return True
            time.sleep(0.05)
        return False

    def sync(self):
        """Has the game show the cursor going onto a button and off it again, and
        holds presses for as long as that took, two changes on screen: a press and
        its release seen in one frame are no click to the game's scene."""
        start = time.monotonic()
        run("xdotool", "mousemove", "--window", self.s.window,
            str((HOVER_SPOT[0] + HOVER_SPOT[2]) // 2), str((HOVER_SPOT[1] + HOVER_SPOT[3]) // 2))
        self.s.expect("the button under the cursor lights up", self.hover_shows(True))
        run("xdotool", "mousemove", "--window", self.s.window, str(PARK[0]), str(PARK[1]))
        self.hover_shows(False)
        self.hold = min(5.0, max(HOLD, time.monotonic() - start))
        print(f"presses held {self.hold:.2f} s")

    def move(self, point):
        run("xdotool", "mousemove", "--window", self.s.window, str(point[0]), str(point[1]))
        time.sleep(0.25)

    def click(self, point):
        self.move(point)
        run("xdotool", "mousedown", "1")
        time.sleep(self.hold)
        run("xdotool", "mouseup", "1")
        time.sleep(self.hold)

    def drag(self, start, end):
        self.move(start)
        run("xdotool", "mousedown", "1")
        time.sleep(self.hold)
        for i in range(1, 9):
            x = start[0] + (end[0] - start[0]) * i // 8
            y = start[1] + (end[1] - start[1]) * i // 8
            run("xdotool", "mousemove", "--window", self.s.window, str(x), str(y))
            time.sleep(0.1)
        time.sleep(self.hold)
        run("xdotool", "mouseup", "1")
        time.sleep(self.hold)

    def keys(self, *names):
        """A chord held across a few frames: the states look at the keys once a frame."""
        for name in names:
            run("xdotool", "keydown", name)
        time.sleep(self.hold)
        for name in reversed(names):
            run("xdotool", "keyup", name)
        time.sleep(self.hold)

    def type(self, text):
        run("xdotool", "type", "--delay", "80", text)
        time.sleep(0.3)

    def pick(self, picker, name):
        """Opens a picker, narrows it to the name and takes the first left."""
        self.click(picker)
        self.type(name)
        self.keys("Return")


def level_entries(path):
    """(name, position) of every entity of a saved level."""
    entries, name, in_transform = [], None, False
    with open(path) as level:
        for line in level:
            line = line.strip()
            if line.startswith("Name="):
                name = line[5:]
            elif line == "Transform:":
                in_transform = True
            elif in_transform and line.startswith("Position="):
                entries.append((name, tuple(float(v) for v in line[9:].split(","))))
                in_transform = False
    return entries


def forest_camera():
    """Position and Size of the forest's camera as its file holds them."""
    entity = position = None
    with open(FOREST_FILE) as level:
        for line in level:
            line = line.strip()
            if line.startswith("Name="):
                entity = line[5:]
            elif entity == "Camera" and line.startswith("Position=") and position is None:
                position = tuple(float(v) for v in line[9:].split(","))
            elif entity == "Camera" and line.startswith("Size="):
                return position, float(line[5:])
    raise RuntimeError(FOREST_FILE + ": no Camera with a Size")


def pixel_at(offset, per_unit):
    return (MIDDLE[0] + round(offset[0] * per_unit), MIDDLE[1] - round(offset[1] * per_unit))


def editor_checks(s, game):
    centre, size = forest_camera()
    per_unit = s.height / size
    moved_at, moved_too_at = pixel_at(MOVED_BY, per_unit), pixel_at(MOVED_TOO_BY, per_unit)
    # Where the drags leave the platforms: whole pixels of the cursor, so near the targets.
    targets = [(centre[0] + (p[0] - MIDDLE[0]) / per_unit, centre[1] - (p[1] - MIDDLE[1]) / per_unit)
               for p in (moved_at, moved_too_at)]
    e = Editor(s)
    for path in (LEVEL_FILE, TEST_FILE):
        if os.path.exists(path):
            os.remove(path)
    top = (0, 0, s.width, s.height // 10)
    s.await_shot("editor_0_forest", lambda image: image.share(*top, sky) > 0.3)
    run("xdotool", "mousemove", "--window", s.window, str(MIDDLE[0]), str(MIDDLE[1]))
    run("xdotool", "windowfocus", "--sync", s.window)
    time.sleep(0.5)

    e.keys("ctrl", "F5")
    opened = s.await_shot("editor_1_opened", sidebar_shows)
    s.expect("Ctrl+F5: the editor's sidebar shows over the forest", sidebar_shows(opened))
    s.expect("Ctrl+F5: the forest is still the level", opened.share(*top, sky) > 0.2)
    e.sync()

    e.pick(ARCHETYPE_PICKER, "Platform")
    e.click(CREATE)
    first = s.await_shot("editor_2_created", outlined_at(MIDDLE))
    s.expect("create: the new platform is chosen, outlined in the middle", outlined_at(MIDDLE)(first))
    e.sync()
    e.drag(MIDDLE, moved_at)
    moved = s.await_shot("editor_3_moved", outlined_at(moved_at))
    s.expect("drag: the platform went with the cursor", outlined_at(moved_at)(moved))
    e.click(CREATE)
    second = s.await_shot("editor_4_second", outlined_at(MIDDLE))
    s.expect("create: a second platform in the middle", outlined_at(MIDDLE)(second))
    s.expect("create: the first one stays where it went",
             difference(moved, second, box(moved_at, 80, 15)) < 20)

    e.sync()
    e.drag(MIDDLE, moved_too_at)
    dragged = s.await_shot("editor_5_dragged", outlined_at(moved_too_at))
    s.expect("drag: the second platform went with the cursor", outlined_at(moved_too_at)(dragged))
    e.move(PARK)
    e.keys("ctrl", "z")
    undone = s.await_shot("editor_6_undone", outlined_at(MIDDLE))
    s.expect("Ctrl+Z: the second platform is back in the middle", outlined_at(MIDDLE)(undone))
    s.expect("Ctrl+Z: and gone from where it was dragged",
             difference(undone, moved, box(moved_too_at, 80, 15)) < 20)
    e.keys("ctrl", "y")
    redone = s.await_shot("editor_7_redone", outlined_at(moved_too_at))
    s.expect("Ctrl+Y: the second platform is where it was dragged again", outlined_at(moved_too_at)(redone))

    e.click(LEVEL_NAME)
    e.keys("ctrl", "a")
    e.type(LEVEL)
    e.click(SAVE)
    deadline = time.monotonic() + 20
    while not os.path.exists(LEVEL_FILE) and time.monotonic() < deadline:
        time.sleep(0.25)
    s.expect("save: the level file is written", os.path.exists(LEVEL_FILE))
    entries = level_entries(LEVEL_FILE) if os.path.exists(LEVEL_FILE) else []
    platforms = [position for name, position in entries if name == "Platform"]
    print("saved platforms:", platforms)
    s.expect("save: the two platforms where they were dragged",
             len(platforms) == 2 and all(any(abs(p[0] - t[0]) < 0.05 and abs(p[1] - t[1]) < 0.05
                                             for p in platforms) for t in targets))

    e.click(TEST_LEVEL)
    playing = s.await_shot("editor_8_test_play", lambda image: not sidebar_shows(image))
    s.expect("test play: the sidebar is gone, the level plays", not sidebar_shows(playing))
    s.expect("test play: its level file exists while it runs", os.path.exists(TEST_FILE))
    e.keys("Escape")
    s.await_shot("editor_9_pause", lambda image: image.share(*top, purple) > 0.6)
    e.click((640, 445))  # "menu": back past the play state
    back = s.await_shot("editor_10_back", sidebar_shows)
    s.expect("return: the editor shows again", sidebar_shows(back))
    s.expect("return: the test level file is gone", not os.path.exists(TEST_FILE))
    s.expect("return: the platform is where it was", outlined_at(moved_too_at)(back))
    e.sync()

    e.move(PARK)
    e.keys("Delete")
    deleted = s.await_shot("editor_11_deleted", lambda image: not outlined_at(moved_too_at)(image))
    s.expect("delete: the dragged platform is gone", difference(redone, deleted, box(moved_too_at, 80, 15)) > 25)

    e.pick(LOAD_PICKER, LEVEL)
    e.click(LOAD)
    question = (560, 342, 720, 374)  # the popup's two lines of text, in the middle of the window
    asked = s.await_shot("editor_12_asked", lambda image: image.share(*question, ui_dark) > 0.5)
    s.expect("load: unsaved changes are asked about", asked.share(*question, ui_dark) > 0.5)
    e.keys("Return")  # the popup's first button, "Load"
    loaded = s.await_shot("editor_13_loaded",
                          lambda image: difference(redone, image, box(moved_too_at, 80, 15)) < 20)
    s.expect("load: the saved level is back, the deleted platform with it",
             difference(redone, loaded, box(moved_too_at, 80, 15)) < 20)
    s.expect("load: nothing is chosen in the loaded level", not outlined_at(moved_too_at)(loaded))

    e.keys("Escape")
    quit_question = (560, 345, 720, 370)
    asked = s.await_shot("editor_14_quit_asked",
                         lambda image: image.share(*quit_question, ui_dark) > 0.5)
    s.expect("Escape: the editor asks before it is left", asked.share(*quit_question, ui_dark) > 0.5)
    e.keys("Return")  # "Quit"
    left = s.await_shot("editor_15_left", lambda image: not sidebar_shows(image))
    s.expect("quit: the editor is gone", not sidebar_shows(left))
    s.expect("quit: the forest shows again", left.share(*top, sky) > 0.2)
    s.expect("the game still runs", game.poll() is None)
    if os.path.exists(LEVEL_FILE):
        os.remove(LEVEL_FILE)


def main():
    run_game([sys.argv[1], "--state", "Gameplay", "--level", "Level1Forest"], editor_checks)


if __name__ == "__main__":
    main()
