"""Reads the window dumps of xwd (32-bit TrueColor, as Xvfb gives them) and
writes them as PNG, so the end-to-end test can check pixels and keep pictures."""

import struct
import zlib


class Image:
    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb  # bytes, 3 per pixel, rows from the top

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def share(self, x0, y0, x1, y1, test):
        """The share of pixels in [x0, x1) x [y0, y1) for which test(r, g, b) holds."""
        hits = total = 0
        for y in range(y0, y1, 2):
            for x in range(x0, x1, 2):
                total += 1
                hits += bool(test(*self.pixel(x, y)))
        return hits / max(total, 1)

    def save_png(self, path):
        rows = b"".join(b"\0" + self.rgb[y * self.width * 3:(y + 1) * self.width * 3]
                        for y in range(self.height))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def _shift(mask):
    shift = 0
    while mask and not mask & 1:
        mask >>= 1
        shift += 1
    return shift


def parse_xwd(data, region=None):
    """The dump as an Image; of only the pixels [x0, x1) x [y0, y1) when region
    gives them, which is much quicker to read than a whole window."""
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height, _, byte_order = fields[:8]
    bits_per_pixel, bytes_per_line = fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    colours = fields[19]
    if bits_per_pixel != 32:
        raise ValueError(f"window dump with {bits_per_pixel} bits per pixel")
    start = header_size + 12 * colours
    order = "<" if byte_order == 0 else ">"
    shifts = [_shift(m) for m in (red_mask, green_mask, blue_mask)]
    x0, y0, x1, y1 = region or (0, 0, width, height)
    width, height = x1 - x0, y1 - y0
    rgb = bytearray(width * height * 3)
    for y in range(height):
        row = struct.unpack_from(f"{order}{width}I", data,
                                 start + (y0 + y) * bytes_per_line + 4 * x0)
        for x, value in enumerate(row):
            i = 3 * (y * width + x)
            rgb[i] = (value >> shifts[0]) & 255
            rgb[i + 1] = (value >> shifts[1]) & 255
            rgb[i + 2] = (value >> shifts[2]) & 255
    return Image(width, height, bytes(rgb))
