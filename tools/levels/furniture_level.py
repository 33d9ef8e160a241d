#!/usr/bin/env python3
"""Generates "Furniture", the room in which every piece of level furniture
stands once with a sign, for trying them by hand:

    python3 tools/levels/furniture_level.py [levels folder]
    tumbowuffin --state Gameplay --level Furniture

From the left: switches that open a gate and, through a relay, wake a rocket
pad; the touch blocks (colour, teleport, resize, fade, view flip); the movers
(patrol, spinner, lantern riding along, a chaser, an ice block, a flyer on the
arrow keys); the effects (pulse, rainbow, breathing, late sign, clickable
colours); the text adventure; and a pit where clicked crates fall out of the
world and the dog is sent back to the start. The floor's top is y = 0.5.
"""

import os
import sys

from levelfile import write_level
from frontend_levels import transform, text

WHITE = (1.0, 1.0, 1.0, 1.0)
SIGN = (1.0, 0.96, 0.86, 1.0)
SIGN_Y = 9.5
START = (0.0, 2.0)


def read_archetype(name):
    """The components of an archetype file, as the level writer takes them."""
    path = os.path.join(os.path.dirname(__file__), "..", "..", "data", "archetypes", name + ".txt")
    components, current = {}, None
    with open(path) as source:
        for line in source:
            line = line.strip()
            if line.endswith(":"):
                current = components.setdefault(line[:-1], {})
            elif "=" in line:
                key, value = line.split("=", 1)
                current[key] = value
    return components


def solid(texture, position, scale, colour=WHITE, layer=2, rotation=0.0):
    placed = transform(position, scale)
    placed["Rotation"] = rotation
    return {"Transform": placed, "Color": {"color": colour},
            "Sprite": {"texture": texture, "layer": layer, "DrawMesh": False},
            "RigidBody": {"Static": True}, "BoxCollider": {"Ghost": False}}


def sign(name, lines, x, y=SIGN_Y, height=0.45):
    """Lines of text centred on x, the first at y, each below the last."""
    return [text(f"{name}{i}", line, (x, y - 0.65 * i), height, SIGN, 5)
            for i, line in enumerate(lines)]


def room():
    """Settings, camera, the dog, the curtain and the walls."""
    dog = read_archetype("TumboWuffin")
    dog["Transform"]["Position"] = START
    dog["AirBoost"] = {"Boost": 4}
    dog["RoboWuffin"] = {}
    return [
        ("LevelSettings", {"Transform": transform((0, 0)), "Color": {"color": (0.52, 0.74, 0.9, 1)},
                           "LevelSettings": {"GravitySpeed": 10, "EndTimer": 3, "NextLevel": "0"},
                           "QuaternionCounter": {"Count": 0}}),
        # Riding above the dog, so the floor lies low and the signs stay in view.
        ("Camera", {"Transform": transform((START[0], START[1] + 3.5)), "Camera": {"Size": 14},
                    "FollowCam": {"ObjectName": "TumboWuffin", "FollowSize": 12, "ZoomSpeed": 1.5,
                                  "LowerBounds": 3.5, "UpperBounds": 2.5}}),
        ("TumboWuffin", dog),
        ("Curtain", {"Transform": transform((0, 0), (2.2, 2.2)), "Color": {"color": (0, 0, 0, 1)},
                     "Sprite": {"texture": "Default", "DrawMesh": False, "OnHud": True,
                                "Visible": False, "layer": 200},
                     "TransitionFade": {"startFadeDelay": 0.25, "startFadeDuration": 1,
                                        "endFadeDelay": 1, "endFadeDuration": 1.5}}),
        ("FloorLeft", solid("PlatformGrass", (46, 0), (104, 1))),
        ("FloorRight", solid("PlatformGrass", (112, 0), (16, 1))),
        ("WallLeft", solid("Wall", (-7, 12), (2, 26))),
        ("WallRight", solid("Wall", (121, 12), (2, 26))),
        ("Ceiling", solid("PlatformStone", (57, 25.5), (130, 1))),
    ] + sign("Welcome", ["The furniture room", "A / D lean, Q / E push in the air",
                         "T hands the dog to the autopilot", "keys 1 to 5 load the play levels"], 0)


def switches():
    """A gate switch, and two switches that wake the rocket pad through a relay."""
    def switch(name, x, target):
        return (name, dict(solid("PlatformMetal", (x, 0.8), (1.2, 0.6), (1, 0.8, 0.3, 1), 3),
                           SoundEmitter={"Volume": 0.8},
                           CollideMove={"FinishSound": "Switch", "PosOriginal": (x, 0.8),
                                        "PosNew": (x + 0.01, 0.35), "Speed": 1, "DeltaX": 0,
                                        "Activatable": True},
                           Activator={"EntityName": target}))
    return [
        switch("GateSwitch", 8, "Gate"),
        ("Gate", dict(solid("PlatformWood", (11, 3.5), (0.8, 6)),
                      Moving={"PosNew": (11, 9.5), "Time": 1.5})),
        switch("PadSwitchA", 14, "Relay"),
        switch("PadSwitchB", 17, "Relay"),
        ("Relay", {"Transform": transform((15.5, 3)), "MultiActivator": {"ActivationsUntilActivate": 2},
                   "Activator": {"EntityName": "Rocket", "Sound": "Switch"}}),
        ("Rocket", dict(solid("RocketPad", (21, 0.8), (2.4, 0.6), (0.45, 0.45, 0.5, 1), 3),
                        RocketPad={"TimeLength": 2.5, "JumpFactor": 1.6, "Activated": False})),
        ("RocketHint", {"Transform": transform((21, 1.2)),
                        "ParticleEmitter": {"texture": "Spark", "layer": 4, "emitRate": 0.3,
                                            "emitCount": 3, "particleDuration": 0.6,
                                            "fadeDuration": 0.3, "velocity": (0, 1.5),
                                            "randomVelocity": (0.6, 0.4),
                                            "color": (1, 0.8, 0.3, 1), "scale": (0.3, 0.3)},
                        "ActivatorParticles": {"rocketPad": "Rocket"}}),
    ] + sign("SwitchSign", ["Switches: the first opens the gate,", "the next two together",
                            "wake the rocket pad"], 15)


def touch_blocks():
    """What reacts to the dog's touch."""
    return [
        ("Bouncer", dict(solid("BouncyPad", (26, 0.8), (2.4, 0.6), (1, 0.5, 0.9, 1), 3),
                         Bouncy={"Scale": 1.5})),
        ("ColourBlock", dict(solid("PlatformStone", (30, 1.5), (1.5, 1.5)),
                             CollideColor={"Active": True, "Red": 0.3, "Green": 0.9, "Blue": 0.4,
                                           "Alpha": 1})),
        ("GrowBlock", dict(solid("PlatformStone", (33, 1.2), (1, 1)),
                           ResizeOnCollide={"Size": (0.05, 0.05)})),
        ("FadePlank", dict(solid("PlatformWood", (37, 3), (3, 0.5)),
                           CollideFade={"FadeSpeed": 0.8, "FadeUntilCollide": False})),
        ("FlipBlock", dict(solid("PlatformMetal", (41, 1.2), (1, 1), (0.6, 0.6, 1, 1)),
                           CollideInvert={})),
    ] + sign("TouchSign", ["Touch: a bouncy pad, a colour block,", "a growing block, a fading plank,",
                           "a block that turns the world over"], 33)


def movers():
    return [
        ("PatrolPlank", dict(solid("PlatformCloud", (47, 3), (3, 0.6)),
                             Patrol={"target": (51, 5), "travelTimeX": 3, "travelTimeY": 2})),
        ("Lantern", {"Transform": transform((47, 3.8), (0.7, 0.9)), "Color": {"color": WHITE},
                     "Sprite": {"texture": "Lantern", "layer": 4, "DrawMesh": False},
                     "AttachTo": {"ObjectName": "PatrolPlank"}}),
        ("Spinner", dict(solid("PlatformWood", (56, 4), (4, 0.4)), Rotate={"RotSpeed": 0.8})),
        ("Chaser", {"Transform": transform((60, 7), (0.6, 0.6)), "Color": {"color": (1, 0.9, 0.4, 1)},
                    "Sprite": {"texture": "Star", "layer": 6, "DrawMesh": False},
                    "RigidBody": {"Static": False},
                    "ObjectFollow": {"Object": "TumboWuffin", "MinFollowDist": 2,
                                     "MaxFollowDist": 5, "RotateSpeed": 0.3, "MoveSpeed": 4}}),
        ("IceBlock", dict(solid("PlatformCloud", (64, 1.23), (1.2, 1.2), (0.75, 0.9, 1, 1)),
                          RigidBody={"Static": False, "Gravity": (0, 1)}, IceBlock={})),
        ("Flyer", dict(solid("PlatformMetal", (68, 5), (1, 1), (1, 0.6, 0.3, 1)),
                       RigidBody={"Static": False}, ObjectController={"Speed": 4})),
    ] + sign("MoverSign", ["Movers: a patrol with a lantern on it,", "a spinner, a chaser, an ice block,",
                           "a flyer on the arrow keys (R stops it)"], 57)


def late_sign():
    name, components = text("LateSign", "This sign showed up after five seconds", (81, SIGN_Y + 1),
                            0.45, SIGN, 5)
    components["SpriteText"]["Visible"] = False
    components["MakeVisibleAfterTime"] = {"Time": 5}
    return (name, components)


def effects():
    return [
        ("Pulse", {"Transform": transform((74, 3), (1.5, 1.5)), "Color": {"color": WHITE},
                   "Sprite": {"texture": "Glow", "layer": 4, "DrawMesh": False},
                   "Fade": {"Speed": 0.6, "Offset": 0.5, "TimeForFade": 0.7}}),
        ("RainbowBlock", {"Transform": transform((77, 3), (1.5, 1.5)), "Color": {"color": WHITE},
                          "Sprite": {"texture": "Default", "layer": 4, "DrawMesh": False},
                          "Rainbow": {"Speed": 0.4}}),
        ("Breathing", {"Transform": transform((81, 3.5), (3, 1.8)), "Color": {"color": WHITE},
                       "Sprite": {"texture": "Cloud", "layer": 4, "DrawMesh": False},
                       "ZoomInAndOut": {"Speed": 0.6, "Length": 1.5}}),
        ("ClickSquare", dict(solid("Default", (85, 3), (1.5, 1.5)), RandomColorOnClick={})),
        ("BounceDiamond", {"Transform": {"Position": (88, 3), "Scale": (1.2, 1.2),
                                         "Rotation": 0.785},
                           "Color": {"color": WHITE},
                           "Sprite": {"texture": "Default", "layer": 4, "DrawMesh": False},
                           "RandomColorOnEvent": {"Message": "MSG_BOUNCE"}}),
        late_sign(),
        ("TurnOver", {"Timer": {}, "InvertAfterTime": {"Active": True, "Time": 180}}),
        ("CrateMaker", {"CreateOnClick": {"Archetype": "Crate"}, "ChangeLevelOnKey": {}}),
    ] + sign("EffectSign", ["Effects: a pulse, a rainbow, a breathing cloud;", "click the square;",
                            "the diamond changes at every bounce;",
                            "after three minutes the world turns over"], 81)


def adventure_and_pit():
    quest = text("Quest", "", (96, 8), 0.5, SIGN, 5)
    quest[1]["Quest"] = {"xp": 0}
    return [
        quest,
        ("PitFloor", dict(solid("PlatformStone", (101, -22), (8, 1)),
                          CollideTeleport={"NewPos": START})),
    ] + sign("QuestSign", ["Y begins the adventure", "(1 and 2 load levels here too)"], 96, 2.6) + sign(
        "PitSign", ["Every click drops a crate;", "the pit takes crates away", "and sends the dog home"],
        111)


def furniture():
    return room() + switches() + touch_blocks() + movers() + effects() + adventure_and_pit()


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "data", "levels")
    write_level(folder, "Furniture", furniture())


if __name__ == "__main__":
    main()
