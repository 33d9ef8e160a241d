#!/usr/bin/env python3
"""The install: cmake --install into a fresh prefix lays out the executable, the
data tree, the desktop entry and the icon, and the installed game, started from
elsewhere, finds its data and plays a level.

    installed_game.py BUILD_FOLDER

Needs DISPLAY (Xvfb) for the game's window.
"""

import os
import subprocess
import sys
import tempfile


def main():
    if not os.environ.get("DISPLAY"):
        print("no display: skipped")
        sys.exit(77)
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run(["cmake", "--install", sys.argv[1], "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        failures = []
        for path in ("bin/tumbowuffin", "share/tumbowuffin/config/core_config.ini",
                     "share/tumbowuffin/levels/Level1Forest.txt", "share/tumbowuffin/textures/Title.png",
                     "share/tumbowuffin/sounds/Music", "share/tumbowuffin/fonts/DejaVuSans.ttf",
                     "share/applications/tumbowuffin.desktop",
                     "share/icons/hicolor/256x256/apps/tumbowuffin.png"):
            if not os.path.exists(os.path.join(prefix, path)):
                failures.append("not installed: " + path)
        with open(os.path.join(prefix, "share/applications/tumbowuffin.desktop")) as entry:
            lines = entry.read().splitlines()
        for line in ("Exec=tumbowuffin", "Icon=tumbowuffin", "Type=Application"):
            if line not in lines:
                failures.append("desktop entry without " + line)
        env = dict(os.environ, SDL_AUDIODRIVER="dummy", XDG_CONFIG_HOME=os.path.join(prefix, "home"),
                   XDG_DATA_HOME=os.path.join(prefix, "home"))
        game = subprocess.run([os.path.join(prefix, "bin/tumbowuffin"), "--state", "Gameplay",
                               "--frames", "20"], cwd=tempfile.gettempdir(), env=env,
                              capture_output=True, text=True, timeout=120)
        if game.returncode != 0:
            failures.append("the installed game ended with %d: %s" % (game.returncode, game.stderr))
        for failure in failures:
            print("FAIL " + failure)
        sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
