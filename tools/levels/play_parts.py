"""The pieces every play level is built from: settings, camera, player, score
display, pickups, goal, and the ground, cliffs and backgrounds that frame a world.

World units: the floor line of a level is y = 0 unless a level says otherwise;
the player is 1.2 x 1.6 and hops about 4 units high at the level's usual gravity.
Every frame of play shows the world on purpose: ground panels fill the view
below any floor, cliffs close each side wider than half a view, the backgrounds
cover the rest.
"""

WHITE = (1.0, 1.0, 1.0, 1.0)
PLAYER = "TumboWuffin"
CAMERA_SIZE = 11.0      # world units across the shorter window side, once zoomed in
CAMERA_START_SIZE = 13.0
# The camera may sit this far above the dog (so the floor lies low in the view)
# and the dog may rise this far above the camera before it follows. A full hop
# (about 4 units) lifts the camera to about 4 above the floor the dog hops on,
# and the band is wider than a hop, so hopping on one floor keeps the camera
# still: the floor stays in the lowest fifth of the view, however the camera
# came there.
CAMERA_ABOVE = 3.5
CAMERA_BELOW = 0.9
GROUND_PANEL = 16.0     # a ground image stands for a 16 x 16 block
CLIFF = (16.0, 42.67)   # a cliff image (384 x 1024) at this size
CLIFF_MARGIN = 0.7      # transparent edge of a cliff image, world units


def transform(position, scale=(1.0, 1.0), rotation=0.0):
    return {"Position": position, "Scale": scale, "Rotation": rotation}


def sprite(texture, layer, **extra):
    fields = {"texture": texture, "DrawMesh": False, "layer": layer}
    fields.update(extra)
    return fields


def picture(name, texture, position, scale, layer, parallax=None, colour=WHITE):
    fields = sprite(texture, layer)
    if parallax is not None:
        fields["parallax"] = parallax
    return (name, {"Transform": transform(position, scale), "Color": {"color": colour},
                   "Sprite": fields})


def solid(name, position, scale, texture=None, layer=2, rotation=0.0):
    """A static box the dog bounces on; without a texture it is unseen (the
    pictures around it show it)."""
    components = {"Transform": transform(position, scale, rotation), "RigidBody": {"Static": True},
                  "BoxCollider": {"Ghost": False}}
    if texture:
        components["Color"] = {"color": WHITE}
        components["Sprite"] = sprite(texture, layer)
    return (name, components)


def platform(name, x, y, width, texture, height=1.0):
    """A slab whose top is at y."""
    return solid(name, (x, y - height / 2), (width, height), texture)


def settings(background, music, next_level, gravity=10.0, end_timer=3.0):
    return ("LevelSettings", {
        "Transform": transform((0, 0)), "Color": {"color": background},
        "LevelSettings": {"GravitySpeed": gravity, "EndTimer": end_timer, "NextLevel": next_level},
        "SoundEmitter": {"Sound": "Music/" + music, "PlayOnInit": True, "Loop": True, "Volume": 0.6}})


def camera(start, size=CAMERA_SIZE, above=CAMERA_ABOVE, below=CAMERA_BELOW, iris=True):
    x, y = start
    components = {
        "Transform": transform((x, y + above)), "Camera": {"Size": CAMERA_START_SIZE},
        "FollowCam": {"ObjectName": PLAYER, "FollowSize": size, "ZoomSpeed": 1.5,
                      "LowerBounds": above, "UpperBounds": below}}
    if iris:
        components["IrisOnLevelEnd"] = {"startRadius": 2, "endRadius": 0, "pauseTime": 1,
                                        "interpolateAlpha": True}
    return ("Camera", components)


def player(start):
    return (PLAYER, {
        "Transform": transform(start, (1.2, 1.6)),
        "RigidBody": {"Velocity": (0, 0), "Gravity": (0, 1), "Static": False},
        "MeshCollider": {"Mesh": "Tumbo", "Ghost": False},
        "Color": {"color": WHITE},
        "Sprite": sprite("wuffinImpact_1", 10, Mesh="Tumbo"),
        "SoundEmitter": {"Volume": 1},
        "Timer": {},
        "TumboController": {"RotSpeed": 1, "Jump": 9, "Clamp": 1.1, "Controller": 3,
                            "NormalSound": "Spring", "SideSound": "SideThud",
                            "BounceySound": "SuperBoing", "RocketSound": "RocketLoop"},
        "WuffinAnimation": {"impactFrameDuration": 0.08, "fallingFrameDuration": 0.15},
        "ParticleEmitter": {
            "layer": 11, "texture": "Spark", "active": False, "emitCount": 7, "randomEmitCount": 2,
            "particleDuration": 0.3, "randomDuration": 0.1, "fadeDuration": 0.25,
            "spawnOffset": (-0.1, -0.75), "randomSpawnOffset": (0.1, 0.05),
            "velocity": (-2.2, 1.6), "randomVelocity": (1, 0.8), "acceleration": (0, -7),
            "color": (1, 0.96, 0.78, 0.95), "randomColor": (0, 0.04, 0.12, 0),
            "colorChange": (0, -0.4, -0.8, 0), "scale": (0.34, 0.34), "randomScale": (0.1, 0.1),
            "evenRandomScaling": True, "growthRate": (-0.4, -0.4), "rotationRate": 3,
            "randomRotationRate": 3},
        "BounceParticle": {"addedDuration": 0.15, "bouncyColor": (1, 0.35, 0.9, 1),
                           "bouncyRandomColor": (0.15, 0.2, 0.1, 0), "addedScale": (0.12, 0.12),
                           "addedGrowthRate": (0.3, 0.3), "addedRotRate": 6},
        # T hands the dog to the autopilot, for long unattended runs.
        "RoboWuffin": {}})


def hud():
    return ("hud", {
        "Transform": transform((-0.95, 0.88), (0.1, 0.1)), "Color": {"color": WHITE},
        "SpriteText": {"Text": "Score: 0 / 0", "Outline": 2, "Align": 0, "OnHud": True, "layer": 100},
        "ScoreTracker": {},
        "GrowOnAddScore": {"maxAddedScale": 0.05, "growthRate": 0.1, "growthDuration": 0.3,
                           "shrinkDelay": 0.5, "shrinkRate": 0.05}})


def pickup(name, position, texture="Bone", score=1, size=0.9, glow=(1, 0.95, 0.6, 0.55)):
    """A pickup that glows with its worth and sends its points to the score as dots."""
    return (name, {
        "Transform": transform(position, (size, size)), "Color": {"color": WHITE},
        "Sprite": sprite(texture, 6), "RigidBody": {"Static": True}, "BoxCollider": {"Ghost": True},
        "Pickup": {"Score": score, "destroyDelay": 1.5},
        "SoundEmitter": {"Sound": "Pickup", "Volume": 0.8, "PitchRand": 0.1},
        "ParticleEmitter": {
            "layer": 5, "texture": "Glow", "emitRate": 0.25, "particleDuration": 0.9,
            "randomDuration": 0.3, "fadeDuration": 0.5, "randomSpawnOffset": (0.35, 0.3),
            "velocity": (0, 0.35), "randomVelocity": (0.15, 0.1), "color": glow,
            "randomColor": (0, 0.05, 0.2, 0.1), "scale": (0.45, 0.45), "randomScale": (0.12, 0.12),
            "evenRandomScaling": True, "growthRate": (-0.25, -0.25)},
        "PickupParticles": {"particlesPerPoint": 8}})


class Pickups:
    """Numbers the pickups of a level as they are placed."""

    def __init__(self):
        self.bones = 0
        self.stars = 0

    def bone(self, x, y):
        self.bones += 1
        return pickup("Bone%d" % (self.bones - 1), (x, y))

    def star(self, x, y):
        self.stars += 1
        return pickup("Star%d" % (self.stars - 1), (x, y), "Star", 3, 1.1)

    def row(self, x0, y, count, gap=1.6):
        return [self.bone(x0 + i * gap, y) for i in range(count)]

    def arc(self, x0, y0, x1, y1, count, rise):
        """Bones along a hop's arc from (x0, y0) to (x1, y1), rise above the chord."""
        out = []
        for i in range(count):
            t = (i + 0.5) / count
            out.append(self.bone(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + 4 * rise * t * (1 - t)))
        return out


def bouncy(name, x, top, scale, width=3.0):
    """A springy pad whose top is at top: a landing on it leaves at scale times
    the usual speed (1.5 hops about 9 units high, 1.8 about 13)."""
    _, components = platform(name, x, top, width, "BouncyPad", 0.8)
    components["Bouncy"] = {"Scale": scale}
    return (name, components)


def patrol(name, start, target, width, texture, leg_x=2.0, leg_y=2.0):
    """A platform gliding between target (where it is at the start) and start."""
    _, components = platform(name, start[0], start[1], width, texture)
    top_to_centre = components["Transform"]["Position"][1] - start[1]
    components["Patrol"] = {"target": (target[0], target[1] + top_to_centre), "travelTimeX": leg_x,
                            "travelTimeY": leg_y}
    return (name, components)


def hazard(name, x0, x1, bottom, back_to, texture, height=1.2, piece=4.0, depth=None):
    """A strip the dog must not touch: it is sent back to back_to (speed kept).
    A ghost box: it does not bounce the dog, only sends it. Its pictures reach
    depth below its top (its own height when not given), piece units wide each."""
    centre = ((x0 + x1) / 2, bottom + height / 2)
    out = [(name, {"Transform": transform(centre, (x1 - x0, height)), "RigidBody": {"Static": True},
                   "BoxCollider": {"Ghost": True}, "CollideTeleport": {"NewPos": back_to}})]
    depth = depth or height
    top = bottom + height
    count = max(1, int(round((x1 - x0) / piece)))
    width = (x1 - x0) / count
    for i in range(count):
        out.append(picture("%s%d" % (name, i), texture, (x0 + width * (i + 0.5), top - depth / 2),
                           (width + 0.05, depth), 3))
    return out


def curtain():
    """The black screen the level fades in from and out to at its end; hidden in
    the file (so the editor shows the level), its fade shows it in play."""
    return ("Curtain", {
        "Transform": transform((0, 0), (2.2, 2.2)), "Color": {"color": (0, 0, 0, 1)},
        "Sprite": sprite("Default", 200, OnHud=True, Visible=False),
        "TransitionFade": {"startFadeDuration": 1, "startFadeDelay": 0.25, "endFadeDuration": 1.5,
                           "endFadeDelay": 1}})


def goal(position, next_level, texture="GoalFlag", size=(1.6, 3)):
    return ("Goal", {
        "Transform": transform(position, size), "Color": {"color": WHITE},
        "Sprite": sprite(texture, 4), "RigidBody": {"Static": True}, "BoxCollider": {"Ghost": True},
        "LoadLevelOnCollision": {"LevelName": next_level},
        "SoundEmitter": {"Sound": "LevelEnd", "Volume": 1}})


def ground(name, x0, x1, top, texture, layer=1, edges=None, depth=1.0):
    """The solid under a floor line (top) from x0 to x1, depth thick, and ground
    pictures filling 16 units below it, panel by panel; edges: a cliff texture
    drawn at both ends, where the floor stops at a gap (there the solid must
    reach the gap's bottom, or the dog slips in under the floor)."""
    out = [solid(name, ((x0 + x1) / 2, top - depth / 2), (x1 - x0, depth))]
    count = int((x1 - x0) // GROUND_PANEL) + 1
    width = (x1 - x0) / count
    for i in range(count):
        out.append(picture("%s%d" % (name, i), texture, (x0 + width * (i + 0.5), top - GROUND_PANEL / 2),
                           (width + 0.02, GROUND_PANEL), layer))
    if edges:
        out += _edges(name, x0, x1, top - GROUND_PANEL, top, edges)
    return out


EDGE = 1.6  # width of a block's cliff edge picture


def block(name, x0, x1, bottom, top, texture, cliff_texture, sunk=1.0):
    """A raised stretch of ground (a plateau or a wall of rock) from bottom to top,
    its sides drawn as cliff edges just inside it. Its ground pictures lie under
    the floor's, which hide what reaches below the floor. Its solid reaches sunk
    below bottom into the floor it stands on: a dog hopping at its foot sinks a
    little into the floor, and under a block that stopped at the floor line its
    foot would poke out while its body is in the block, outlines crossing four
    times, which no push resolves. A block in the open sky has sunk 0."""
    low = bottom - sunk
    out = [solid(name, ((x0 + x1) / 2, (low + top) / 2), (x1 - x0, top - low))]
    count = int((x1 - x0) // GROUND_PANEL) + 1
    width = (x1 - x0) / count
    for i in range(count):
        out.append(picture("%s%d" % (name, i), texture, (x0 + width * (i + 0.5), top - GROUND_PANEL / 2),
                           (width + 0.02, GROUND_PANEL), 0))
    return out + _edges(name, x0, x1, bottom, top, cliff_texture)


def _edges(name, x0, x1, bottom, top, texture):
    """Cliff pictures just inside both sides of a stretch of ground."""
    inset = EDGE / 2 - 0.1
    return [picture(name + side, texture, (x, (bottom + top) / 2 - 0.25), (EDGE, top - bottom + 0.5), 2)
            for side, x in (("L", x0 + inset), ("R", x1 - inset))]


def world_sides(x_left, x_right, bottom, top, texture):
    """Walls at both ends, a lid far above the reach of any hop and a bottom
    under everything, with cliffs drawn outward from each wall face; x_left and
    x_right are the faces."""
    height = top - bottom
    middle = (bottom + top) / 2
    span = (x_left + x_right) / 2, x_right - x_left + 4
    out = [solid("WallLeft", (x_left - 1, middle), (2, height)),
           solid("WallRight", (x_right + 1, middle), (2, height)),
           solid("Ceiling", (span[0], top + 0.5), (span[1], 1)),
           solid("Bottom", (span[0], bottom - 1), (span[1], 2))]
    w, h = CLIFF
    for name, x, flip in (("CliffLeft", x_left - w / 2 + CLIFF_MARGIN, 1),
                          ("CliffRight", x_right + w / 2 - CLIFF_MARGIN, 1)):
        for i, y in enumerate(range(int(bottom), int(top), int(h - 0.7))):
            out.append(picture("%s%d" % (name, i), texture, (x, y + h / 2), (w * flip, h), 3))
    return out


def backdrop(far, near=None, near_size=(26, 16), near_y=6, x0=-20, x1=100, parallax=0.5):
    """A far picture on the whole screen behind everything, and near panels side
    by side moving at the parallax speed."""
    out = [("BackgroundFar", {"Transform": transform((0, 0), (2, 2)), "Color": {"color": WHITE},
                              "Sprite": sprite(far, -30, parallax=(1, 1), OnHud=True,
                                               aspectScaling=False)})]
    if near:
        w, _ = near_size
        x, i = x0, 0
        while x < x1 + w:
            out.append(picture("Near%d" % i, near, (x, near_y), near_size, -20, (parallax, parallax)))
            x += w
            i += 1
    return out


def switch(name, x, floor, target):
    """A push switch standing on floor: the first hop on it presses it down, and
    it fires its Activator at target."""
    return (name, {"Transform": transform((x, floor + 0.3), (1.4, 0.7)), "Color": {"color": WHITE},
                   "Sprite": sprite("Switch", 4), "RigidBody": {"Static": True},
                   "BoxCollider": {"Ghost": False}, "SoundEmitter": {"Volume": 0.9},
                   "CollideMove": {"FinishSound": "Switch", "PosOriginal": (x, floor + 0.3),
                                   "PosNew": (x + 0.7, floor + 0.05), "Speed": 2, "Activatable": True},
                   "Activator": {"EntityName": target}})


def rocket_pad(name, x, top, drive, factor=2.0):
    """A rocket pad asleep until an Activator names it (it lights up then); awake,
    a hop on it flies the dog for drive seconds at factor times its speed,
    steered by the lean. Sparks rise from it while it sleeps."""
    _, components = platform(name, x, top, 3.0, "RocketPad", 0.8)
    components["Color"] = {"color": (0.45, 0.45, 0.55, 1)}
    components["RocketPad"] = {"TimeLength": drive, "JumpFactor": factor, "Activated": False}
    hint = (name + "Hint", {
        "Transform": transform((x, top + 0.4)),
        "ParticleEmitter": {"texture": "Spark", "layer": 4, "emitRate": 0.3, "emitCount": 3,
                            "particleDuration": 0.7, "fadeDuration": 0.3, "velocity": (0, 1.6),
                            "randomVelocity": (0.7, 0.4), "randomSpawnOffset": (1.1, 0),
                            "color": (1, 0.75, 0.3, 1), "scale": (0.3, 0.3)},
        "ActivatorParticles": {"rocketPad": name}})
    return [(name, components), hint]


def relay(name, count, target, position):
    """Fires its Activator at target once count activations named it."""
    return (name, {"Transform": transform(position), "MultiActivator": {"ActivationsUntilActivate": count},
                   "Activator": {"EntityName": target, "Sound": "Switch"}})


def drifting_rock(name, start, target, back_to, size=2.2, leg_x=2.0, leg_y=2.0):
    """An asteroid gliding between target and start and turning as it goes; a touch
    sends the dog back to back_to."""
    return (name, {"Transform": transform(target, (size, size)), "Color": {"color": WHITE},
                   "Sprite": sprite("Asteroid", 7), "RigidBody": {"Static": True},
                   "BoxCollider": {"Ghost": True}, "CollideTeleport": {"NewPos": back_to},
                   "Patrol": {"target": target, "travelTimeX": leg_x, "travelTimeY": leg_y},
                   "Rotate": {"RotSpeed": 0.6}})


def sign(name, lines, x, y, height=0.5, colour=(1.0, 0.96, 0.86, 1.0)):
    """Lines of world text centred on x, the first at y, each below the last."""
    return [(f"{name}{i}", {"Transform": transform((x, y - 1.4 * height * i), (1, height)),
                            "Color": {"color": colour},
                            "SpriteText": {"Text": line, "Outline": 2, "Align": 1, "layer": 5}})
            for i, line in enumerate(lines)]
