#!/usr/bin/env python3
"""Generates the front-end levels: the two intro cards, the menu with its
options beside it, the pause card, the quit question and the two plain screens.

    python3 tools/levels/frontend_levels.py [levels folder]

Every screen is laid out for a camera whose shorter window side shows 10 world
units; buttons are 4 x 1 (their images are 512 x 128).
"""

import os
import sys

from levelfile import write_level

ESCAPE = 41
RETURN = 40
WHITE = (1.0, 1.0, 1.0, 1.0)
HOVER = (1.0, 1.0, 0.82, 1.0)
INK = (0.16, 0.12, 0.26, 1.0)
CREAM = (1.0, 0.96, 0.86, 1.0)
BUTTON = (4.0, 1.0)
EVERY_STATE = 99  # a pop count above any stack depth ends the program
HOVER_SOUND = "MenuHover"
CLICK_SOUND = "MenuClick"


def transform(position, scale=(1.0, 1.0)):
    return {"Position": position, "Scale": scale, "Rotation": 0}


def settings(background):
    return ("LevelSettings", {"Transform": transform((0, 0)), "Color": {"color": background},
                              "LevelSettings": {"GravitySpeed": 0, "EndTimer": 0,
                                                "NextLevel": "0"}})


def camera(position=(0, 0), size=10):
    return ("Camera", {"Transform": transform(position), "Camera": {"Size": size}})


def picture(name, texture, position, scale, layer, parallax=(1, 1)):
    return (name, {"Transform": transform(position, scale), "Color": {"color": WHITE},
                   "Sprite": {"texture": texture, "layer": layer, "parallax": parallax,
                              "DrawMesh": False}})


def text(name, string, position, height, colour=CREAM, layer=5, outline=2, align=1):
    """align: 0 starts the text at position, 1 centres it there, 2 ends it there."""
    return (name, {"Transform": transform(position, (1, height)), "Color": {"color": colour},
                   "SpriteText": {"Text": string, "Outline": outline, "Align": align,
                                  "layer": layer}})


def clickable(components, colour=WHITE):
    """A solid static box for the click test, and the hover that grows it."""
    components["RigidBody"] = {"Static": True}
    components["BoxCollider"] = {"Ghost": False}
    components["ExpandOnMouseOver"] = {"ScaleUp": 0.2, "NewColor": HOVER if colour == WHITE
                                       else colour}
    return components


def button(name, texture, position, behaviour, fields=None):
    _, components = picture(name, texture, position, BUTTON, 10)
    components = clickable(components)
    components[behaviour] = fields or {}
    return (name, components)


def text_button(name, string, position, behaviour, fields):
    _, components = text(name, string, position, 0.6, CREAM, 10)
    components = clickable(components, (1.0, 0.85, 0.3, 1.0))
    components[behaviour] = fields
    return (name, components)


def with_sounds(entity):
    """A hover tick on the button; its Timer keeps the tick from repeating
    within a fifth of a second when the cursor brushes in and out."""
    _, components = entity
    components["SoundEmitter"] = {"Sound": HOVER_SOUND, "Volume": 0.8, "PitchRand": 0.04}
    components["Timer"] = {}
    components["SoundOnMouseOver"] = {}
    return entity


# SliderBar is 512 x 64 pixels; its first and last ticks (volume 0 and 1) sit
# 36 and 476 pixels in, so 2.75 units either side of the centre at this size.
SLIDER_BAR = (6.4, 0.8)
SLIDER_REACH = 2.75
EFFECTS, MUSIC = 0, 1  # the slider's "Type"


def volume_slider(name, label, position, group):
    """A labelled track with a knob that sets a master volume as it is dragged."""
    x, y = position
    knob = picture(name + "Knob", "SliderKnob", position, (0.9, 0.9), 6)
    _, components = knob
    clickable(components)
    components["ExpandOnMouseOver"]["ScaleUp"] = 0.15
    components["SoundSlider"] = {"MinX": x - SLIDER_REACH, "MaxX": x + SLIDER_REACH, "Type": group}
    return [text(name + "Label", label, (x - SLIDER_BAR[0] / 2 - 0.3, y), 0.6, CREAM, 5, 2, 2),
            picture(name + "Track", "SliderBar", position, SLIDER_BAR, 4),
            with_sounds(knob)]


def intro():
    return [settings((0.09, 0.07, 0.16, 1)), camera(),
            picture("Logo", "StudioLogo", (0, 0.4), (8, 4), 2),
            text("Presents", "presents", (0, -2.6), 0.7)]


def intro2():
    return [settings((0.45, 0.72, 0.95, 1)), camera(),
            picture("Sky", "MenuBackground", (0, 0), (20, 10), 0),
            picture("Title", "Title", (0, 0.8), (10, 5), 2),
            text("PressAnyKey", "press any key", (0, -3.4), 0.8, CREAM, 5, 3)]


OPTIONS_X = 20.0
CHOSEN = (0.55, 1.0, 0.45, 1.0)  # the window size the game has now


def resolution(name, width, height, x):
    entity = text_button(name, "%d x %d" % (width, height), (x, 0.1),
                         "ChangeResolutionOnClick", {"Width": width, "Height": height})
    entity[1]["ExpandOnMouseOver"]["ChosenColor"] = CHOSEN
    return with_sounds(entity)


def back(entity):
    """Escape and a gamepad's B press this button while its card is in view."""
    entity[1]["BackButton"] = {}
    return entity


def menu():
    return [settings((0.45, 0.72, 0.95, 1)), camera(),
            # One wide sky for both cards, moving at half speed as the view pans.
            picture("Sky", "MenuBackground", (5, 0), (36, 18), 0, (0.5, 0.5)),
            picture("Title", "Title", (0, 2.4), (8, 4), 2),
            with_sounds(button("Play", "ButtonPlay", (-2.2, -1.1), "PushGSOnClick",
                               {"Gamestate": "Gameplay"})),
            with_sounds(button("Speedrun", "ButtonSpeedrun", (2.2, -1.1), "PushGSOnClick",
                               {"Gamestate": "SpeedrunGS"})),
            with_sounds(button("Options", "ButtonOptions", (-2.2, -2.4), "MoveCamera",
                               {"Position": (OPTIONS_X, 0), "Sound": CLICK_SOUND})),
            with_sounds(button("Quit", "ButtonQuit", (2.2, -2.4), "PopGSOnClick", {"PopCount": 1})),
            text("EditorHint", "Ctrl+F5 opens the level editor", (0, -3.9), 0.42, CREAM, 5, 2),
            *options_card()]


def options_card():
    x = OPTIONS_X
    return [text("OptionsHeading", "Options", (x, 3.7), 1.1, CREAM, 5, 3),
            with_sounds(button("Fullscreen", "ButtonFullscreen", (x, 2.3), "FullscreenOnClick")),
            picture("ResolutionLabel", "ButtonResolution", (x, 1.05), (3.2, 0.8), 4),
            resolution("Res720", 1280, 720, x - 4.2),
            resolution("Res900", 1600, 900, x),
            resolution("Res1080", 1920, 1080, x + 4.2),
            *volume_slider("Music", "Music", (x + 1.0, -1.2), MUSIC),
            *volume_slider("Effects", "Effects", (x + 1.0, -2.3), EFFECTS),
            # The speed run's ghost; its text is set by the button from the settings.
            with_sounds(text_button("Ghost", "Ghost: off", (x - 4.2, -3.6), "GhostOnClick", {})),
            back(with_sounds(button("Back", "ButtonBack", (x, -3.6), "MoveCamera",
                                    {"Position": (0, 0), "Sound": CLICK_SOUND})))]


def pause():
    # The stack under the card is intro, menu, play state: two pops reach the menu.
    return [settings((0.10, 0.08, 0.20, 1)), camera(),
            picture("Panel", "PausePanel", (0, 0), (7.6, 7.6), 2),
            with_sounds(button("Resume", "ButtonResume", (0, 1.4), "PopGSOnClick", {"PopCount": 1})),
            with_sounds(button("Restart", "ButtonRestart", (0, 0.1), "RestartButton")),
            with_sounds(button("Menu", "ButtonMenu", (0, -1.2), "PopGSOnClick", {"PopCount": 2})),
            with_sounds(button("Quit", "ButtonQuit", (0, -2.5), "PushGSOnClick",
                               {"Gamestate": "QuitGS"}))]


def quit_question():
    return [settings((0.10, 0.08, 0.20, 1)), camera(),
            picture("Panel", "QuitPanel", (0, 0.3), (9, 4.5), 2),
            text("Question", "Leave the game?", (0, 0.6), 0.7, CREAM, 5, 2),
            with_sounds(button("Yes", "ButtonYes", (-2.1, -0.9), "PopGSOnClick",
                               {"PopCount": EVERY_STATE})),
            with_sounds(button("No", "ButtonNo", (2.1, -0.9), "PopGSOnClick", {"PopCount": 1}))]


def plain_screen(words):
    # These screens run no systems: nothing is drawn and only the key is polled.
    return [settings((0, 0, 0, 1)), camera(),
            ("Leave", {"PopGSOnKey": {"PopCount": 1, "Scancode": ESCAPE}}),
            text("Words", words, (0, 0), 0.8)]


LEVELS = {
    "Intro": intro,
    "Intro2": intro2,
    "menu": menu,
    "pause": pause,
    "Quit": quit_question,
    "confirm": lambda: plain_screen("Done"),
    "endscreen": lambda: plain_screen("The end. Thanks for playing!"),
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "data", "levels")
    for name, build in LEVELS.items():
        write_level(folder, name, build())


if __name__ == "__main__":
    main()
