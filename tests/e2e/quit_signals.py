#!/usr/bin/env python3
"""A terminal's Ctrl+C (SIGINT) and the system's SIGTERM end the real game at once,
without the quit question, and with exit code 0: once in the menu and once in
play. How long each took is printed; the limit is generous, for a loaded machine.

    quit_signals.py GAME

Needs DISPLAY (Xvfb) and xdotool.
"""

import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # no cache of the shared module beside the sources
from front_end_flow import run_game  # noqa: E402

LIMIT = 10.0  # seconds; on an idle machine it takes a few frames


def signal_checks(number):
    def checks(s, game):
        time.sleep(1.0)  # the first frames drawn: the loop runs
        s.expect("the game runs before the signal", game.poll() is None)
        start = time.monotonic()
        game.send_signal(number)
        try:
            code = game.wait(timeout=LIMIT)
        except subprocess.TimeoutExpired:
            code = None
        took = time.monotonic() - start
        print("%s: exit %s after %.3f s" % (signal.Signals(number).name, code, took))
        s.expect("%s ends the game with code 0 (got %s)" % (signal.Signals(number).name, code),
                 code == 0)
    return checks


def main():
    game = sys.argv[1]
    run_game([game, "--state", "MenuGS"], signal_checks(signal.SIGTERM))
    run_game([game, "--state", "Gameplay", "--level", "Level1Forest"], signal_checks(signal.SIGINT))


if __name__ == "__main__":
    main()
