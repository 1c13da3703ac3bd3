"""Packs 32x32 RGBA pixels into an ICO of one 8-bit (256-colour) image with a transparency mask."""
import struct
import sys

SIZE = 32
rgba = open(sys.argv[1], "rb").read()
pixels = [rgba[i:i + 4] for i in range(0, SIZE * SIZE * 4, 4)]
opaque = [p[3] >= 128 for p in pixels]

palette = []
index = {}
for p, solid in zip(pixels, opaque):
    key = p[:3] if solid else b"\0\0\0"
    if key not in index:
        index[key] = len(palette)
        palette.append(key)
if len(palette) > 256:
    sys.exit("more than 256 colours")
palette += [b"\0\0\0"] * (256 - len(palette))

rows = []
for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
    rows.append(bytes(index[pixels[y * SIZE + x][:3] if opaque[y * SIZE + x] else b"\0\0\0"] for x in range(SIZE)))
xor = b"".join(rows)
mask = b""
for y in reversed(range(SIZE)):
    bits = 0
    for x in range(SIZE):
        bits = (bits << 1) | (0 if opaque[y * SIZE + x] else 1)
    mask += struct.pack(">I", bits)  # 32 pixels = 4 bytes, already DWORD aligned

header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
colours = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
image = header + colours + xor + mask
icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22) + image
open(sys.argv[2], "wb").write(icon)
