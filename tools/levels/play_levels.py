#!/usr/bin/env python3
"""Generates the play levels, the chain a player goes through from the menu:
the forest, the bouncy world, the ghost ship at night, the rocket ride into the
sky and the closing level.

    python3 tools/levels/play_levels.py [levels folder]

Each level is closed (walls, a lid, ground under every floor), ends in a goal
that names the next level, and ships a recorded run that reaches it
(data/runs/<level>.run, found with run_search; see the README).
"""

import os
import sys

from levelfile import write_level
from play_parts import (
    Pickups, backdrop, block, bouncy, camera, curtain, drifting_rock, goal, ground, hazard, hud, patrol,
    picture, platform, player, relay, rocket_pad, settings, sign, solid, sprite, switch, transform,
    world_sides,
)


# Platforms over a floor leave either no room under them for the dog (1.6 tall)
# or plenty: a dog wedged between the two sinks into one of them. A low step
# is therefore a block standing on the floor.


def tree(name, x, base, size=1.0):
    return picture(name, "Tree", (x, base + 4 * size), (5 * size, 8 * size), -5)


def bush(name, x, base):
    return picture(name, "Bush", (x, base + 0.7), (3, 1.6), -4)


def forest(next_level):
    """A first world to learn the lean in: a meadow with low steps, a cliff to
    climb by its ledges, a row of stumps, and the high ridge where the doghouse
    stands. Nothing here can hurt; what takes time is the climbing."""
    left, right = -12.0, 196.0
    p = Pickups()
    grass = "PlatformGrass"
    entities = [
        settings((0.55, 0.78, 0.62, 1), "Forest", next_level),
        # Authored over the meadow, where the level editor opens on it; in play the
        # camera goes straight to the dog.
        camera((0, 0.5)),
        *backdrop("BgForestFar", "BgForestNear", x0=-16, x1=104),
        *world_sides(left, right, -16, 26, "CliffForest"),
        *ground("Floor", left - 2, right + 2, 0.0, "GroundForest"),
        # The meadow.
        *p.row(-4.5, 1.3, 3),
        *block("Ledge0", 2, 6, 0, 2.4, "GroundForest", "CliffForest"), p.bone(4, 3.6),
        platform("Ledge1", 10, 4.4, 4, grass), *p.arc(4.5, 3.6, 9.5, 5.6, 2, 1.2),
        p.star(10.5, 8.3),
        *block("LowRock", 15, 17, 0, 2.5, "GroundForest", "CliffForest"),
        *p.arc(13, 2.5, 19, 2.5, 3, 2.0),
        platform("Ledge2", 24, 3.4, 5, grass), *p.row(22.4, 4.7, 3),
        platform("Ledge3", 30, 5.5, 4, grass), p.bone(30, 6.8),
        # The cliff and its plateau.
        platform("Step0", 37, 3.4, 4, grass), p.bone(37, 4.7),
        platform("Step1", 41, 5.8, 3.5, grass), p.bone(41, 7.1),
        *block("Plateau", 44, 74, 0, 8.5, "GroundForest", "CliffForest"),
        *p.row(48, 9.8, 4, 2.0),
        platform("HighLedge", 60, 11.2, 3.5, grass), p.star(60, 13.4),
        *p.row(64, 9.8, 4, 2.0),
        # The stumps.
        *p.arc(74, 8.5, 80, 1.0, 3, 0.5),
        *block("Stump0", 86, 89, 0, 3, "GroundForest", "CliffForest"),
        *p.arc(84, 3, 91, 3, 2, 1.5),
        platform("StumpStep", 93.5, 2.2, 3, grass),
        *block("Stump1", 97, 100, 0, 5.5, "GroundForest", "CliffForest"),
        p.bone(98.5, 7.0),
        p.star(104, 1.2),
        *block("Stump2", 109, 112, 0, 3.5, "GroundForest", "CliffForest"),
        *p.arc(107, 3.5, 114, 3.5, 2, 1.5),
        *p.row(117, 1.3, 4),
        # The ridge.
        platform("Climb0", 133, 3.4, 4, grass), p.bone(133, 4.7),
        platform("Climb1", 138.5, 6.0, 3.5, grass), p.bone(138.5, 7.3),
        platform("Climb2", 143, 9.2, 3, grass), p.bone(143, 10.5),
        *block("Ridge", 146, 182, 0, 12.0, "GroundForest", "CliffForest"),
        *p.row(151, 13.3, 4, 2.0),
        p.star(166, 15.6),
        *p.row(172, 13.3, 4, 2.0),
        # The doghouse's yard lies a drop below the ridge: a dog skidding along
        # the ridge leaves the camera with the ridge at mid-height, and as the
        # dog drops the camera stays, so the yard lies low in the view at the goal.
        *block("Yard", 182, right + 2, 0, 8.0, "GroundForest", "CliffForest"),
        picture("Doghouse", "Doghouse", (191.5, 10.0), (5, 4), 1),
        goal((188, 9.5), next_level),
    ]
    for i, x in enumerate((-6, 9, 22, 35, 52, 68, 80, 102, 120, 128, 156, 180)):
        base = 8.5 if 44 < x < 74 else 12.0 if x > 146 else 0.0
        entities.append(tree("Tree%d" % i, x, base))
    for i, x in enumerate((-2, 13, 27, 47, 63, 92, 116, 125, 162, 177)):
        base = 8.5 if 44 < x < 74 else 12.0 if x > 146 else 0.0
        entities.append(bush("Bush%d" % i, x, base))
    entities += [player((-8, 1.0)), hud(), curtain()]
    return entities


def mushroom(name, x, base, size=1.6):
    return picture(name, "Mushroom", (x, base + size / 2), (size, size), -4)


def cloud(name, x, y, width=5.0):
    return picture(name, "Cloud", (x, y), (width, width / 2), -10, (0.8, 0.8))


def bounce(next_level):
    """Springs: pads that throw the dog high, a candy wall only a spring gets over,
    fields of candy thorns that send the dog back to the last safe place, and
    clouds that glide over them."""
    left, right = -12.0, 200.0
    p = Pickups()
    cloud_slab = "PlatformCloud"
    wall_top = (22.5, 11.5)      # where the first thorns send the dog
    ledge_top = (86.0, 6.5)
    tower_top = (129.0, 16.5)
    entities = [
        settings((0.98, 0.84, 0.93, 1), "Bounce", next_level),
        camera((-8, 1)),
        *backdrop("BgBounce"),
        *world_sides(left, right, -16, 32, "CliffCandy"),
        *ground("Floor", left - 2, right + 2, 0.0, "GroundCandy"),
        # A first spring, and a cloud to reach with it.
        *p.row(-5, 1.3, 3),
        bouncy("Pad0", 1, 0.8, 1.5), *[p.bone(1, y) for y in (3.5, 5.5, 7.5)],
        platform("Cloud0", 7, 7.0, 4, cloud_slab), p.star(7, 9.2),
        # The wall.
        bouncy("Pad1", 15, 0.8, 1.8), *p.arc(15, 2, 22, 11, 3, 4.0),
        *block("Wall", 20, 25, 0, 10.0, "GroundCandy", "CliffCandy"),
        # The first thorns, under gliding clouds and a floating spring.
        *hazard("Thorns0", 25, 72, 0, wall_top, "ThornsCandy"),
        patrol("Glide0", (40, 8.0), (30, 8.0), 4, cloud_slab, 2.5), *p.row(31, 9.5, 3, 2.5),
        bouncy("Pad2", 50, 5.0, 1.5), p.bone(50, 7),
        platform("Cloud1", 57, 11.0, 4, cloud_slab), p.bone(57, 12.3),
        patrol("Glide1", (70, 9.0), (62, 9.0), 4, cloud_slab, 2.0), p.star(66, 13.5),
        *block("Ledge", 72, 90, 0, 5.0, "GroundCandy", "CliffCandy"),
        *p.row(76, 6.3, 5, 2.0),
        # Spring stairs over the second thorns.
        *hazard("Thorns1", 90, 124, 0, ledge_top, "ThornsCandy"),
        *block("Pillar0", 96, 99, 0, 3.0, "GroundCandy", "CliffCandy"), bouncy("Pad3", 97.5, 3.8, 1.4),
        *block("Pillar1", 106, 109, 0, 7.0, "GroundCandy", "CliffCandy"), bouncy("Pad4", 107.5, 7.8, 1.4),
        *block("Pillar2", 116, 119, 0, 11.0, "GroundCandy", "CliffCandy"), bouncy("Pad5", 117.5, 11.8, 1.4),
        *p.arc(98, 5, 107, 9, 3, 3.0), *p.arc(108, 9, 117, 13, 3, 3.0),
        *block("Tower", 124, 134, 0, 15.0, "GroundCandy", "CliffCandy"),
        *p.row(126, 16.3, 4, 2.0), p.star(129, 21),
        # The last thorns and the glide home.
        *hazard("Thorns2", 134, 176, 0, tower_top, "ThornsCandy"),
        patrol("Glide2", (150, 12.0), (140, 12.0), 4, cloud_slab, 2.2), *p.row(141, 13.4, 4, 2.5),
        patrol("Glide3", (170, 10.0), (160, 10.0), 4, cloud_slab, 1.8), p.star(165, 15),
        *block("Home", 176, right + 2, 0, 6.0, "GroundCandy", "CliffCandy"),
        *p.row(179, 7.3, 4, 2.0),
        goal((193, 7.5), next_level),
    ]
    for i, x in enumerate((-4, 11, 31, 48, 58, 80, 101, 112, 139, 158, 187)):
        entities.append(cloud("Sky%d" % i, x, 14 + (i % 3) * 3, 5 + (i % 2) * 2))
    for i, (x, base) in enumerate(((-9, 0), (4, 0), (12, 0), (74, 5), (88, 5), (127, 15), (183, 6),
                                   (197, 6))):
        entities.append(mushroom("Mushroom%d" % i, x, base))
    entities += [player((-8, 1.0)), hud(), curtain()]
    return entities


def lantern(name, x, y):
    return picture(name, "Lantern", (x, y), (0.8, 1.6), 4)


def mast(name, x, base):
    return picture(name, "Mast", (x, base + 8), (4, 16), -6)


SEABED = 8.0  # depth of the ghost ship's seabed under its deck


def sea(name, x0, x1, back_to):
    """A gap in the deck down to the night sea, which sends the dog back aboard;
    a seabed under it holds whatever the sea misses."""
    return [*hazard(name, x0, x1, -5.5, back_to, "SeaWater", 2.0, 10.0, 12.0),
            solid(name + "Bed", ((x0 + x1) / 2, 1 - SEABED), (x1 - x0, 2))]


def ghost_ship(next_level):
    """A ship at night: gaps in the deck over the sea, planks gliding over them,
    a switch that raises a lift to the cabin roof, ghostly planks that fade as
    the dog stands on them, rigging up the main mast and a ghost that circles
    the dog, humming. The sea sends the dog back to the deck it left."""
    left, right = -12.0, 186.0
    p = Pickups()
    plank = "PlatformWood"
    deck, cliff = "GroundDeck", "CliffShip"
    entities = [
        settings((0.09, 0.07, 0.2, 1), "GhostShip", next_level),
        camera((-8, 1)),
        *backdrop("BgShipSky"),
        *world_sides(left, right, -16, 28, cliff),
        ("Creaks", {"IdleSound": {"IdleEffectOne": "Creak1", "IdleEffectTwo": "Creak2",
                                  "IdleEffectThree": "Creak3", "NumberOfEffects": 3, "Volume": 0.5,
                                  "TimeBetweenPlays": 5}}),
        # The stern deck and the first gap, crossed on gliding planks.
        *ground("Deck0", left - 2, 24, 0.0, deck, edges=cliff, depth=SEABED),
        *p.row(-4, 1.3, 3), *p.row(8, 1.3, 3),
        *sea("Sea0", 24, 44, (21, 1.5)),
        patrol("Glide0", (34, 0.8), (27, 0.8), 3.5, plank, 1.8), *p.row(27, 2.2, 4, 2.3),
        patrol("Glide1", (41, 2.0), (36, 2.0), 3.0, plank, 1.5), p.star(38.5, 5.5),
        # The mid deck: the switch raises the lift to the cabin roof.
        *ground("Deck1", 44, 84, 0.0, deck, edges=cliff, depth=SEABED),
        switch("Switch", 52, 0.0, "Lift"),
        p.bone(52, 2.2),
        platform("Lift", 58, 1.0, 3, plank),
        *block("Cabin", 62, 67, 0, 10.0, deck, cliff),
        *p.row(62.5, 11.3, 3, 2.0), p.star(64.5, 14.5),
        *p.row(70, 1.3, 4, 2.0),
        # Ghostly planks over the second gap, thick: a dog lying on its side across
        # the end of a thin one crosses it four times, which no push resolves.
        *sea("Sea1", 84, 112, (81, 1.5)),
        *p.arc(84, 1, 89, 2.5, 2, 1.2),
        platform("Ghostly0", 89, 2.0, 3, plank, 1.6), platform("Ghostly1", 96, 4.0, 3, plank, 1.6),
        platform("Ghostly2", 103, 2.5, 3, plank, 1.6),
        patrol("Rising0", (109, 5.0), (109, 1.0), 3, plank, 1.0, 1.6),
        p.bone(96, 5.3), p.bone(103, 3.8), p.star(100, 8.5),
        # The main deck, the rigging and the cargo stacked high.
        *ground("Deck2", 112, 150, 0.0, deck, edges=cliff, depth=SEABED),
        platform("Rigging0", 117.5, 3.8, 3, plank), platform("Rigging1", 122.5, 6.6, 3, plank),
        platform("Rigging2", 127.5, 9.4, 3, plank), platform("Rigging3", 132.5, 12.2, 3, plank),
        p.bone(117.5, 5.1), p.bone(122.5, 7.9), p.bone(127.5, 10.7), p.bone(132.5, 13.5),
        p.star(125, 15.5),
        *block("Cargo", 136, 144, 0, 13.0, deck, cliff), *p.row(137, 14.3, 4, 2.0),
        # The last gap and the bow.
        *sea("Sea2", 150, 170, (147, 1.5)),
        patrol("Glide2", (160, 3.0), (153, 3.0), 3.5, plank, 2.4),
        patrol("Rising1", (166, 7.0), (166, 2.0), 3, plank, 1.0, 1.8), *p.row(154, 4.4, 3, 2.5),
        *block("Bow", 170, right + 2, -SEABED, 9.0, deck, cliff), *p.row(172, 10.3, 3, 2.0),
        goal((181, 10.5), next_level),
        ("Ghost", {"Transform": {"Position": (70, 12), "Scale": (2, 2), "Rotation": 0},
                   "Color": {"color": (1, 1, 1, 0.85)}, "Sprite": {"texture": "Ghost", "DrawMesh": False,
                                                                   "layer": 9},
                   "RigidBody": {"Gravity": (0, 0), "Static": False},
                   "ObjectFollow": {"Object": "TumboWuffin", "MinFollowDist": 3, "MaxFollowDist": 9,
                                    "RotateSpeed": 0.3, "MoveSpeed": 3.5},
                   "SoundEmitter": {"Sound": "GhostHum", "PlayOnInit": True, "Loop": True, "Volume": 0},
                   "LocationalSound": {"ListenerName": "TumboWuffin", "HearingRange": 14, "MaxVolume": 0.8}}),
    ]
    for name in ("Ghostly0", "Ghostly1", "Ghostly2"):
        for entity_name, components in entities:
            if entity_name == name:
                components["CollideFade"] = {"FadeSpeed": 1.2, "FadeUntilCollide": False}
    _, lift = next(e for e in entities if e[0] == "Lift")
    lift["Moving"] = {"PosNew": (58, 7.5), "Time": 2.5}
    for i, x in enumerate((6, 56, 125, 180)):
        entities.append(mast("Mast%d" % i, x, 9.0 if x > 170 else 0.0))
    for i, (x, y) in enumerate(((-6, 3.5), (14, 3.5), (46, 3.5), (76, 3.5), (114, 3.5), (148, 3.5),
                                (66, 12.5), (176, 12.5))):
        entities.append(lantern("Lantern%d" % i, x, y))
    entities += [player((-8, 1.0)), hud(), curtain()]
    return entities


def rocket(next_level):
    """The rocket ride into the sky: a launch yard where two switches, one on the
    ground and one up the gantry, wake the rocket pad through a relay; a sky deck
    of gliding plates and drifting asteroids with a second pad, woken by its own
    switch; and up in space a moon ledge, a belt of asteroids over thin beams and
    the summit with the flag. The day sky thins into space on the way up.
    Asteroids send the dog back to the last deck; a missed landing falls back to
    the pad below, which flies the dog again."""
    left, right = -12.0, 92.0
    p = Pickups()
    metal = "PlatformMetal"
    sky_deck = (42.0, 49.5)   # where the sky deck's asteroids send the dog
    moon_ledge = (58.0, 101.5)
    entities = [
        settings((0.56, 0.8, 1.0, 1), "Rocket", next_level),
        camera((0, 0.5)),
        *backdrop("BgSpace"),
        picture("Sky", "SkyToSpace", ((left + right) / 2, 60), (right - left + 40, 150), -25),
        *[picture("Stars%d" % i, "StarField", (x, y), (24, 24), -24)
          for i, (x, y) in enumerate((x, y) for y in (82, 106, 130) for x in (-10, 14, 38, 62, 86))],
        picture("Planet", "Planet", (74, 84), (12, 12), -22),
        picture("EarthMoon", "Moon", (8, 124), (9, 9), -22),
        *world_sides(left, right, -16, 140, "CliffTower"),
        *ground("Floor", left - 2, right + 2, 0.0, "GroundLaunch", depth=2.0),
        # The yard: a switch on the ground, one up the gantry, the relay and the pad.
        *sign("Hint", ["Press both switches", "to wake the rocket"], -4, 5.2),
        *p.row(-5, 1.3, 3),
        switch("SwitchA", 8, 0.0, "Relay"), p.bone(8, 2.4),
        *block("Step0", 11.5, 14.5, 0, 2.4, "GroundLaunch", "CliffTower"), p.bone(13, 3.7),
        platform("Step1", 17, 5.4, 3, metal), p.bone(17, 6.7),
        *block("Gantry", 20, 25, 0, 8.4, "GroundLaunch", "CliffTower"),
        switch("SwitchB", 23, 8.4, "Relay"), p.star(21.5, 10.8),
        relay("Relay", 2, "Pad1", (26, 3)),
        *rocket_pad("Pad1", 30, 0.8, 3.0),
        *[p.bone(30, y) for y in (6, 12, 18, 24, 30)],
        *p.row(38, 1.3, 4, 2.0), p.star(52, 1.5), *p.row(60, 1.3, 4, 2.0),
        # The sky deck: gliding plates between its two decks, asteroids drifting.
        platform("Deck0", 42, 48, 12, metal), *p.row(38, 49.3, 5, 2.0),
        patrol("Glide0", (57, 50.0), (51, 50.0), 3.5, metal, 2.2),
        drifting_rock("Rock0", (55, 61), (55, 53.5), sky_deck, leg_y=2.6),
        *p.row(51, 51.4, 4, 2.0),
        platform("Deck1", 69, 52, 10, metal), p.star(65, 54.5),
        switch("SwitchC", 66, 52.0, "Pad2"),
        *rocket_pad("Pad2", 72, 52.8, 2.5),
        drifting_rock("Rock1", (78, 58), (60, 58), sky_deck, leg_x=3.0),
        *[p.bone(72, y) for y in (60, 68, 76, 84, 92)],
        # Space: the moon ledge, thin beams through the asteroid belt, the summit.
        *block("MoonLedge", 50, 66, 96, 100, "GroundMoon", "CliffMoon", sunk=0), *p.row(53, 101.3, 4, 2.0),
        platform("Beam0", 45, 102, 3, metal), p.bone(45, 103.3),
        drifting_rock("Rock2", (41, 110), (41, 101), moon_ledge, leg_y=2.2),
        platform("Beam1", 37, 104, 3, metal), p.bone(37, 105.3),
        bouncy("Spring0", 29, 104.8, 1.5), *p.arc(29, 106, 21, 110, 3, 3),
        drifting_rock("Rock3", (25, 117), (25, 104), moon_ledge, leg_y=2.8),
        *block("Summit", left - 2, 17, 96, 108, "GroundMoon", "CliffMoon", sunk=0),
        *p.row(12, 109.3, 3, 2.0), p.star(-2, 112),
        goal((2, 109.5), next_level),
    ]
    # Clouds over the yard and along the ride, thinning out towards space.
    for i, (x, y) in enumerate(((-7.5, 7.6), (0, 6.8), (4.5, 8.6), (9, 6), (14, 8.5), (24, 6.5), (33, 9.0), (44, 7.0),
                                (56, 8.0), (66, 6.0), (-4, 14), (10, 16), (28, 18), (46, 15),
                                (62, 19), (2, 24), (20, 27), (40, 30), (58, 26), (70, 34))):
        entities.append(cloud("Cloud%d" % i, x, y, 4 + (i % 3) * 1.5))
    entities += [player((-8, 1.0)), hud(), curtain()]
    return entities


def finale(x, y, words):
    """The closing level's final object: the words shown when the dog reaches the
    trophy, which also hold the last points and burst into them when the dog
    touches them; Space then leaves the game. Its picture stays hidden, since the
    words set its width."""
    return ("Finale", {
        "Transform": transform((x, y), (1, 0.8)), "Color": {"color": (1, 0.9, 0.45, 1)},
        "Sprite": sprite("Default", 5, Visible=False), "RigidBody": {"Static": True},
        "BoxCollider": {"Ghost": True},
        "SpriteText": {"Text": words, "Outline": 3, "Align": 1, "layer": 20, "Visible": False},
        "Pickup": {"Score": 20, "destroyDelay": 100000},
        "ParticleEmitter": {"layer": 6, "texture": "Glow", "active": False, "particleDuration": 1},
        "EndParticles": {"numExplosions": 20, "explosionFrequency": 0.4, "randSpawnOffset": (5, 1.5)},
        "EndingPop": {},
        "SoundEmitter": {"Sound": "LevelEnd", "Volume": 1}})


def ending(next_level):
    """On the moon, where the dog hops high: craters to cross with the last stars,
    Space sends fireworks up from the dog, and at the trophy the world stops
    falling, the camera goes to the words of the end, the last points burst out
    of them and Space ends the game."""
    left, right = -12.0, 76.0
    p = Pickups()
    entities = [
        settings((0.04, 0.05, 0.16, 1), "Ending", next_level, gravity=6.0),
        # The moon's low gravity gives hops of about 6.8 units; the camera follows
        # them as it follows 4-unit hops elsewhere.
        camera((0, 0.5), below=3.5),
        *backdrop("BgSpace"),
        *[picture("Stars%d" % i, "StarField", (x, y), (24, 24), -24)
          for i, (x, y) in enumerate((x, y) for y in (8, 30) for x in (-8, 16, 40, 64, 88))],
        picture("Planet", "Planet", (30, 16), (10, 10), -22),
        *world_sides(left, right, -16, 22, "CliffMoon"),
        *ground("Floor", left - 2, right + 2, 0.0, "GroundMoon"),
        *sign("Welcome", ["The moon! Space fires fireworks,", "the trophy waits at the end"], -2, 6),
        ("Fireworks", {"Transform": transform((-8, 1)), "AttachTo": {"ObjectName": "TumboWuffin"},
                       "Fireworks": {"Archetype": "Firework", "Count": 3}}),
        *p.row(-5, 1.3, 3),
        *block("Crater0", 8, 14, 0, 2.0, "GroundMoon", "CliffMoon"), p.star(11, 5),
        *p.arc(14, 2, 22, 0, 3, 2.5),
        *block("Crater1", 24, 30, 0, 4.0, "GroundMoon", "CliffMoon"), *p.row(25, 5.3, 3, 2.0),
        *p.arc(30, 4, 40, 0, 4, 3.5), p.star(36, 9),
        platform("Ledge0", 44, 3.0, 4, "PlatformMetal"), *p.row(43, 4.3, 2, 2.0),
        *p.row(50, 1.3, 3, 2.0),
        # The trophy: reaching it stops the world and shows the words above it.
        solid("Pedestal", (64, 0.5), (5, 1), "PlatformMetal", 3),
        picture("Trophy", "Trophy", (64, 3.0), (2.6, 3.25), 4),
        ("TrophyReached", {"Transform": transform((64, 2.75), (5, 5.5)), "RigidBody": {"Static": True},
                           "BoxCollider": {"Ghost": True}, "EndingTrigger": {"FinalObjectName": "Finale"}}),
        finale(64, 6.6, "Thanks for playing! Space: menu"),
    ]
    entities += [player((-8, 1.0)), hud(), curtain()]
    return entities


# The chain in play order; each goal names the level after it, the last one
# leads back to the menu ("0").
CHAIN = [
    ("Level1Forest", forest),
    ("Level2Bounce", bounce),
    ("Level3GhostShip", ghost_ship),
    ("Level4Rocket", rocket),
    ("Level4Rocket_end", ending),
]


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "data", "levels")
    names = [name for name, _ in CHAIN] + ["0"]
    for i, (name, build) in enumerate(CHAIN):
        write_level(folder, name, build(names[i + 1]))


if __name__ == "__main__":
    main()
