#!/usr/bin/env python3
"""The front end through the real executable with real X events: intro, a key
to the menu, "play", the first level, Escape to pause, resume, closing the
window, the quit question, yes. Each stop is photographed (PNG files beside the
game, e2e_*.png) and checked for what must show.

    front_end_flow.py GAME CLOSE_WINDOW

Needs DISPLAY (Xvfb), xdotool and xwd.
"""

import os
import subprocess
import sys
import tempfile
import time

from xwd_image import parse_xwd

UNITS = 10.0  # world units across the shorter window side in every front-end level


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.strip()


def wait_for_window(game):
    deadline = time.time() + 30
    while time.time() < deadline:
        if game.poll() is not None:
            sys.exit(f"the game ended before showing its window (exit {game.returncode})")
        found = subprocess.run(["xdotool", "search", "--name", "^TumboWuffin$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.2)
    sys.exit("no game window within 30 s")


class Session:
    def __init__(self, window):
        self.window = window
        geometry = run("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(line.split("=") for line in geometry.splitlines())
        self.width, self.height = int(values["WIDTH"]), int(values["HEIGHT"])
        self.failures = []

    def shot(self, name):
        dump = subprocess.run(["xwd", "-silent", "-id", self.window],
                              check=True, capture_output=True).stdout
        image = parse_xwd(dump)
        image.save_png(f"e2e_{name}.png")
        return image

    def await_shot(self, name, condition, timeout=45.0):
        """Shots until condition(image) holds or the time is up, so that a slow
        machine (a sanitizer build under load) gets its time; the last is kept."""
        deadline = time.monotonic() + timeout
        while True:
            image = self.shot(name)
            if condition(image) or time.monotonic() > deadline:
                return image
            time.sleep(0.25)

    def pixel_of(self, x, y):
        """The window pixel of a world point, the camera at the origin."""
        per_unit = min(self.width, self.height) / UNITS
        return int(self.width / 2 + x * per_unit), int(self.height / 2 - y * per_unit)

    def click(self, x, y):
        px, py = self.pixel_of(x, y)
        run("xdotool", "mousemove", "--window", self.window, str(px), str(py))
        time.sleep(0.3)
        run("xdotool", "mousedown", "1")
        time.sleep(0.15)
        run("xdotool", "mouseup", "1")

    def key(self, name):
        # Held across a few frames: the states look at the key state once a frame.
        run("xdotool", "keydown", "--window", self.window, name)
        time.sleep(0.15)
        run("xdotool", "keyup", "--window", self.window, name)

    def expect(self, what, condition):
        print(("ok   " if condition else "FAIL ") + what)
        if not condition:
            self.failures.append(what)


def bright(r, g, b):
    return r > 200 and g > 200 and b > 200


def sky(r, g, b):
    return b > 170 and b > r + 30


def purple(r, g, b):
    return b > r > g and b < 140


def dark_intro(r, g, b):
    return r < 40 and g < 35 and 25 < b < 60


def game_environment(home):
    """The test's environment with a fresh player home: no settings or best times
    of an earlier run (or of the real player) change what this run sees."""
    return dict(os.environ, SDL_AUDIODRIVER=os.environ.get("SDL_AUDIODRIVER", "dummy"),
                XDG_CONFIG_HOME=os.path.join(home, "config"),
                XDG_DATA_HOME=os.path.join(home, "data"))


def run_game(command, checks):
    """Starts the game (skipped without a display), waits for its window and hands
    a Session and the process to checks(s, game); fails when a check failed. The
    game is ended whatever happens."""
    if not os.environ.get("DISPLAY"):
        print("no display: skipped")
        sys.exit(77)
    with tempfile.TemporaryDirectory() as home:
        game = subprocess.Popen(command, env=game_environment(home))
        try:
            s = Session(wait_for_window(game))
            checks(s, game)
            if s.failures:
                sys.exit(f"{len(s.failures)} check(s) failed")
        finally:
            if game.poll() is None:
                game.kill()
                game.wait()


def front_end_checks(s, game, close_window):
    w, h = s.width, s.height
    top = (0, 0, w, h // 10)
    ox, oy = s.pixel_of(2.2, -1.1)
    orange = lambda r, g, b: r > g + 40 and g > b + 40
    # The forest is green too, so the orange speed-run button tells the menu apart.
    speedrun_button = lambda image: image.share(ox - 130, oy - 28, ox + 130, oy + 28, orange)

    dark_card = lambda image: image.share(0, 0, w, h // 8, dark_intro) > 0.9
    lit_logo = lambda image: image.share(w // 3, h // 3, 2 * w // 3, 2 * h // 3,
                                         lambda r, g, b: r + g + b > 300) > 0.2
    intro = s.await_shot("1_intro", lambda image: dark_card(image) and lit_logo(image))
    s.expect("intro: dark card around the logo", dark_card(intro))
    s.expect("intro: the logo lights the middle", lit_logo(intro))

    s.key("space")
    menu = s.await_shot("2_menu", lambda image: speedrun_button(image) > 0.2)
    s.expect("menu: sky over the top", menu.share(*top, sky) > 0.6)
    px, py = s.pixel_of(-2.2, -1.1)
    s.expect("menu: the green play button", menu.share(px - 60, py - 20, px + 60, py + 20,
                                                      lambda r, g, b: g > r + 40 and g > b + 40) > 0.3)
    s.expect("menu: the orange speed-run button", speedrun_button(menu) > 0.2)

    s.click(-2.2, -1.1)
    # Not the fade between them either: the forest's sky shows over the top.
    forest = lambda image: speedrun_button(image) < 0.05 and image.share(*top, sky) > 0.3
    play = s.await_shot("3_level1forest", forest)
    s.expect("play: the menu is gone, the forest shows", forest(play))
    s.expect("play: the process still runs", game.poll() is None)

    s.key("Escape")
    card = lambda image: (image.share(w // 2 - 40, h // 2 - 10, w // 2 + 40, h // 2 + 10, purple) > 0.3
                          or image.share(*top, purple) > 0.6)
    pause = s.await_shot("4_pause", card)
    s.expect("pause: the purple card in the middle", card(pause))

    s.click(0.0, 1.4)  # resume
    resumed = s.await_shot("5_resumed", lambda image: image.share(*top, purple) < 0.6)
    s.expect("resume: back in the level, the card gone", resumed.share(*top, purple) < 0.6)

    run(close_window, s.window)
    question = s.await_shot("6_quit", lambda image: image.share(*top, purple) > 0.6)
    s.expect("close: the quit question", question.share(*top, purple) > 0.6)
    s.expect("close: the game did not just end", game.poll() is None)

    s.click(-2.1, -0.9)  # yes
    try:
        code = game.wait(timeout=15)
    except subprocess.TimeoutExpired:
        code = None
    s.expect(f"yes: the process ends with code 0 (got {code})", code == 0)


def main():
    game_path, close_window = sys.argv[1], sys.argv[2]
    run_game([game_path], lambda s, game: front_end_checks(s, game, close_window))


if __name__ == "__main__":
    main()
