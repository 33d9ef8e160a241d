"""The palette shared by every image, and small colour helpers.

Colours are (r, g, b, a) tuples of floats in 0 to 1, straight alpha.
"""


def hex_color(text, alpha=1.0):
    """"#rrggbb" as a colour."""
    text = text.lstrip("#")
    return tuple(int(text[i : i + 2], 16) / 255.0 for i in (0, 2, 4)) + (alpha,)


def mix(a, b, t):
    """The colour t of the way from a to b."""
    return tuple(u + (v - u) * t for u, v in zip(a, b))


def lighter(color, t):
    return mix(color, (1.0, 1.0, 1.0, color[3]), t)


def darker(color, t):
    """Darker and slightly cooler, as cartoon shading looks."""
    return mix(color, (0.16, 0.1, 0.22, color[3]), t)


def faded(color, alpha):
    return color[:3] + (alpha,)


WHITE = (1.0, 1.0, 1.0, 1.0)
BLACK = (0.0, 0.0, 0.0, 1.0)
CLEAR = (0.0, 0.0, 0.0, 0.0)

INK = hex_color("#2a1b2e")  # the outline of everything
INK_SOFT = hex_color("#4a3550")

# The dog and its stick
FUR = hex_color("#f2a444")
FUR_LIGHT = hex_color("#fff0d2")
EAR = hex_color("#8c4a2f")
NOSE = hex_color("#2a1b2e")
TONGUE = hex_color("#ff6f8e")
SCARF = hex_color("#e8403c")
GOLD = hex_color("#ffc93c")
SHAFT = hex_color("#3d8bff")
STEEL = hex_color("#cbd6e2")
RUBBER = hex_color("#453b4f")
CHEEK = hex_color("#ff8f8f", 0.55)

# Forest
SKY = hex_color("#8fd3ff")
SKY_LOW = hex_color("#e6f7ff")
LEAF = hex_color("#5cc44a")
LEAF_DARK = hex_color("#2f8a3e")
GRASS = hex_color("#6fd14f")
EARTH = hex_color("#a86f45")
EARTH_DARK = hex_color("#6e452d")
BARK = hex_color("#8a5a3b")
STONE = hex_color("#a3acbf")
WOOD = hex_color("#c0834c")
BERRY = hex_color("#ff5a6e")

# Candy bounce world
CANDY_PINK = hex_color("#ff7eb9")
CANDY_MINT = hex_color("#6fe6c9")
CANDY_LEMON = hex_color("#ffe36b")
CANDY_GRAPE = hex_color("#a685ff")
CANDY_SKY = hex_color("#ffd6ec")

# Ghost ship at night
NIGHT = hex_color("#17123a")
NIGHT_PURPLE = hex_color("#432a7a")
GHOST_TEAL = hex_color("#44d9c6")
MOONLIGHT = hex_color("#fff4c4")

# Rocket level and space
SPACE = hex_color("#0b0f2e")
SPACE_VIOLET = hex_color("#34207a")
METAL = hex_color("#b9c5d6")
HAZARD = hex_color("#ffd23f")
FLAME_CORE = hex_color("#fff6c8")
FLAME_HOT = hex_color("#ffb43b")
FLAME_EDGE = hex_color("#ff5a2e")

# Front end
UI_BLUE = hex_color("#3d8bff")
UI_GREEN = hex_color("#4fcf5e")
UI_RED = hex_color("#f0554a")
UI_ORANGE = hex_color("#ff9f2e")
UI_PURPLE = hex_color("#9a6bff")
