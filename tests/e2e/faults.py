#!/usr/bin/env python3
"""Faults a player or a designer meets, through the real executable: bad data
files, a missing image, font or sound, no audio device and no OpenGL 3.3. Each
run is a few frames into a level of our own (--frames, so errors are printed and
never wait in a box); a fault that stops the game must end it with a non-zero
exit and a text naming what is wrong.

    faults.py GAME

Runs beside the data tree (build/bin); needs DISPLAY (Xvfb).
"""

import os
import subprocess
import sys

GAME = os.path.abspath(sys.argv[1])
LEVEL = "__e2e_fault"
MESH = "__e2e_flat"


def level(components):
    """A 1.3 level of one fully described entity, "Box", holding components
    (a list of (name, "key=value" lines))."""
    body = "".join(f"    {name}:\n    {{\n" + "".join(f"      {line}\n" for line in lines) + "    }\n"
                   for name, lines in components)
    return ("LevelData:\n{\n  VersionMajor=1\n  VersionMinor=3\n  LevelSettings=\n  Camera=\n}\n\n"
            "Entities:\n{\n  0:\n  {\n    Name=Box\n    Flags=00\n    Archetype=\n"
            f"{body}  }}\n}}\n")


def run(level_text, env=None):
    with open(f"levels/{LEVEL}.txt", "w") as out:
        out.write(level_text)
    game = subprocess.run([GAME, "--state", "Gameplay", "--level", LEVEL, "--frames", "5"],
                          env=dict(os.environ, **(env or {})), capture_output=True, text=True, timeout=60)
    return game.returncode, game.stdout, game.stderr


def main():
    if not os.environ.get("DISPLAY"):
        print("no display: skipped")
        sys.exit(77)
    os.chdir(os.path.dirname(GAME))
    with open(f"meshes/{MESH}.txt", "w") as out:
        out.write("Points:\n{\n  0=0,0\n  1=1,0\n}\nEdges:\n{\n  0=0,1\n  1=1,1\n}\nFaces:\n{\n}\n")
    place = f"./levels/{LEVEL}.txt: entity 0 (Box)"
    sprite = ("Transform", ["Position=0,0"])
    # name, level text, extra environment, exit code, stream, text it must hold
    cases = [
        ("a value that does not read", level([]).replace("Flags=00", "Flags=2x"), None, 1, "err",
         f"Unhandled Exception: Error in a file: {place}, key Flags: '2x' is not two binary digits"),
        ("a number that does not read", level([sprite, ("Sprite", ["layer=top"])]), None, 1, "err",
         f"Unhandled Exception: Error in a file: {place}, component Sprite, key layer: 'top' is not a whole number"),
        ("an edge of no length", level([sprite, ("Sprite", [f"Mesh={MESH}"])]), None, 1, "err",
         f"Unhandled Exception: Error in a file: ./meshes/{MESH}.txt: Edges, key 1: '1,1' is an edge of no "
         f"length: both its ends are at 1,0 (read for {place}, component Sprite, key Mesh)"),
        ("a missing image", level([sprite, ("Sprite", ["texture=__e2e_absent"])]), None, 1, "err",
         "Unhandled Exception: GraphicsManager: given texture does not exist: __e2e_absent "
         f"(read for {place}, component Sprite, key texture)"),
        ("a missing font", level([sprite, ("SpriteText", ["Font=__e2e_absent"])]), None, 1, "err",
         f"Unhandled Exception: Font could not be loaded: __e2e_absent (read for {place}, component "
         "SpriteText, key Font)"),
        ("a missing sound", level([("SoundEmitter", ["Sound=__e2e_absent"])]), None, 0, "out",
         "ERROR: Sound file not found, it stays silent: ./sounds/__e2e_absent.ogg"),
        ("no audio device", level([]), {"SDL_AUDIODRIVER": "__e2e_no_such_driver"}, 0, "err",
         "No audio device: sound runs without output."),
        ("no OpenGL 3.3", level([]), {"MESA_GL_VERSION_OVERRIDE": "2.1"}, 1, "err",
         "Unhandled Exception: Could not create an OpenGL 3.3 context"),
        # SDL may make the context through EGL on X, which has no GLX display.
        ("an EGL context", level([]), {"SDL_VIDEO_X11_FORCE_EGL": "1"}, 0, "err", ""),
    ]
    failures = 0
    try:
        for name, text, env, code, stream, expected in cases:
            returned, out, err = run(text, env)
            shown = out if stream == "out" else err
            if returned != code or expected not in shown:
                failures += 1
                print(f"FAILED: {name}: exit {returned} (wanted {code}), {stream} lacks:\n  {expected}\n"
                      f"stdout:\n{out}\nstderr:\n{err}")
            else:
                print(f"ok: {name}")
    finally:
        for path in (f"levels/{LEVEL}.txt", f"meshes/{MESH}.txt"):
            if os.path.exists(path):
                os.remove(path)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
