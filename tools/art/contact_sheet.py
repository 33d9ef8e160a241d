"""Tiles every PNG of a folder on a checkerboard, for looking the art over:
python3 contact_sheet.py FOLDER OUTPUT.png [TILE]"""

import os
import sys

from raster import read_png, write_png

CHECK = (200, 230)  # the two greys of the checkerboard


def _scaled(path, tile):
    """The image shrunk (nearest-box average) to fit a tile, as RGBA rows."""
    w, h, rows = read_png(path)
    step = max(1, -(-max(w, h) // tile))
    out = []
    for y in range(0, h - step + 1, step):
        line = bytearray()
        for x in range(0, w - step + 1, step):
            acc = [0, 0, 0, 0]
            for yy in range(y, y + step, max(1, step // 2)):
                for xx in range(x, x + step, max(1, step // 2)):
                    px = rows[yy][4 * xx : 4 * xx + 4]
                    for i in range(4):
                        acc[i] += px[i]
            n = len(range(y, y + step, max(1, step // 2))) * len(range(x, x + step, max(1, step // 2)))
            line += bytes(v // n for v in acc)
        out.append(line)
    return out


def sheet(folder, output, tile=256):
    names = sorted(n for n in os.listdir(folder) if n.endswith(".png"))
    columns = 6
    rows_needed = -(-len(names) // columns)
    width, height = columns * tile, rows_needed * tile
    canvas = [bytearray(4 * width) for _ in range(height)]
    for y in range(height):
        for x in range(width):
            g = CHECK[((x // 16) + (y // 16)) % 2]
            canvas[y][4 * x : 4 * x + 4] = bytes((g, g, g, 255))
    for i, name in enumerate(names):
        image = _scaled(os.path.join(folder, name), tile - 8)
        ox, oy = (i % columns) * tile + 4, (i // columns) * tile + 4
        for y, line in enumerate(image):
            dst = canvas[oy + y]
            for x in range(len(line) // 4):
                r, g, b, a = line[4 * x : 4 * x + 4]
                d = dst[4 * (ox + x) : 4 * (ox + x) + 3]
                dst[4 * (ox + x) : 4 * (ox + x) + 3] = bytes(
                    (c * a + o * (255 - a)) // 255 for c, o in zip((r, g, b), d)
                )
    write_png(output, width, height, [bytes(r) for r in canvas])
    print("\n".join("%2d %s" % (i, n) for i, n in enumerate(names)))


if __name__ == "__main__":
    sheet(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 256)
