"""Writers for the two file formats the program ships: Windows bitmaps and XPM."""

import struct


def write_bmp(path, width, height, bits, palette, indices, clr_important=0):
    """Writes an uncompressed bottom-up Windows bitmap with a BITMAPINFOHEADER.

    bits is 4 or 8; palette is a list of exactly 2**bits (r, g, b) tuples;
    indices holds width * height palette indices, top row first.
    clr_important lands at file offset 0x32: the startup screen uses it to name
    the first palette entry of its colour-cycling animation.
    """
    colours = 1 << bits
    if len(palette) != colours:
        raise ValueError(f"{path}: palette has {len(palette)} entries, needs {colours}")
    if len(indices) != width * height:
        raise ValueError(f"{path}: pixel count does not match {width} x {height}")
    if max(indices) >= colours:
        raise ValueError(f"{path}: pixel index out of range for {bits} bits")

    row_bytes = (width * bits + 31) // 32 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bitmaps store the bottom row first
        line = indices[y * width:(y + 1) * width]
        if bits == 8:
            packed = bytes(line)
        else:
            padded = line + [0] * (width % 2)
            packed = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        rows.append(packed + bytes(row_bytes - len(packed)))
    pixels = b"".join(rows)

    palette_bytes = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    offset = 14 + 40 + len(palette_bytes)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        width,
        height,         # positive: bottom-up
        1,              # biPlanes
        bits,
        0,              # BI_RGB, uncompressed
        len(pixels),    # biSizeImage
        2835,           # 72 dpi, the usual value
        2835,
        colours,        # biClrUsed: the whole palette
        clr_important,
    )
    with open(path, "wb") as f:
        f.write(file_header + info_header + palette_bytes + pixels)


def write_xpm(path, name, rows, legend, hotspot=None):
    """Writes an XPM 3 file with one character per pixel.

    rows are strings of legend keys; legend maps each key to "#RRGGBB" or
    "None" (transparent). Only the keys that occur are written, in legend order.
    """
    height = len(rows)
    width = len(rows[0])
    used = set("".join(rows))
    for r in rows:
        if len(r) != width:
            raise ValueError(f"{path}: ragged row {r!r}")
    missing = used - set(legend)
    if missing:
        raise ValueError(f"{path}: keys without a colour: {sorted(missing)}")
    keys = [k for k in legend if k in used]
    header = f"{width} {height} {len(keys)} 1"
    if hotspot is not None:
        header += f" {hotspot[0]} {hotspot[1]}"
    lines = ["/* XPM */", f"static const char *{name}[] = {{", f'"{header}",']
    for k in keys:
        lines.append(f'"{k} c {legend[k]}",')
    for i, r in enumerate(rows):
        lines.append(f'"{r}"' + ("," if i < height - 1 else ""))
    lines.append("};")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
