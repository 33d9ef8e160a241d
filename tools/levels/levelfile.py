"""Writes level files in the engine's object format (version 1.3).

A level is built from plain Python data: entities are (name, components) pairs
where components maps a registered component name to its fields. Values are
turned into the file's text forms: bools as 1/0, tuples as "x,y" or "r,g,b,a".
"""

import os


def text_of(value):
    if isinstance(value, bool):
        return "1" if value else "0"
    if isinstance(value, (tuple, list)):
        return ",".join(text_of(v) for v in value)
    if isinstance(value, float):
        return f"{value:g}"
    return str(value)


def write_object(lines, name, fields, indent):
    pad = " " * indent
    lines.append(f"{pad}{name}:")
    lines.append(f"{pad}{{")
    for key, value in fields.items():
        if isinstance(value, dict):
            write_object(lines, key, value, indent + 2)
        else:
            text = text_of(value)
            if text.endswith(":") or "\n" in text:
                raise ValueError(f"{name}.{key}: value {text!r} would not read back")
            lines.append(f"{pad}  {key}={text}")
    lines.append(f"{pad}}}")


def level_text(entities, settings="LevelSettings", camera="Camera"):
    lines = []
    write_object(lines, "LevelData", {"VersionMajor": 1, "VersionMinor": 3,
                                      "LevelSettings": settings, "Camera": camera}, 0)
    lines.append("")
    table = {}
    for index, (name, components) in enumerate(entities):
        entry = {"Name": name, "Flags": "00", "Archetype": ""}
        entry.update(components)
        table[str(index)] = entry
    write_object(lines, "Entities", table, 0)
    return "\n".join(lines) + "\n"


def write_level(folder, name, entities, **names):
    """Writes folder/name.txt through a temporary file, so a failed run never
    leaves half a level behind."""
    path = os.path.join(folder, name + ".txt")
    temporary = path + ".writing"
    with open(temporary, "w", newline="\n") as out:
        out.write(level_text(entities, **names))
    os.replace(temporary, path)
