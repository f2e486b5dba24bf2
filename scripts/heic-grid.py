#!/usr/bin/env python3
"""Joins HEIC files of equal tiles into one grid image, as cameras store large photographs.

    heic-grid.py OUTPUT WIDTH HEIGHT COLUMNS ROWS TILES.heic...

Each input holds tile images (heif-enc writes one item per input picture), taken in order, row by
row. The output's primary item is a 'grid' of COLUMNS x ROWS of them, cropped to WIDTH x HEIGHT;
the tiles become hidden items that keep their own coded data and properties. heif-enc cannot
write grids itself, which is why the benchmark builds them this way.
"""
import struct
import sys


def boxes(data, start=0, end=None):
    """(type, payload start, payload end) of each box in data[start:end]."""
    end = len(data) if end is None else end
    while start + 8 <= end:
        size, kind = struct.unpack_from(">I4s", data, start)
        header = 8
        if size == 1:
            size = struct.unpack_from(">Q", data, start + 8)[0]
            header = 16
        elif size == 0:
            size = end - start
        yield kind.decode("latin-1"), start + header, start + size
        start += size


def child(data, start, end, kind):
    return next((b, e) for k, b, e in boxes(data, start, end) if k == kind)


def number(data, offset, size):
    return int.from_bytes(data[offset:offset + size], "big") if size else 0


def read_tiles(path):
    """[(coded bytes, [property box bytes])] of the file's items, by item id."""
    data = open(path, "rb").read()
    meta_start, meta_end = child(data, 0, len(data), "meta")
    meta_start += 4  # version and flags
    iloc_start, _ = child(data, meta_start, meta_end, "iloc")
    version = data[iloc_start]
    sizes = data[iloc_start + 4]
    offset_size, length_size = sizes >> 4, sizes & 15
    base_size, index_size = data[iloc_start + 5] >> 4, data[iloc_start + 5] & 15
    position = iloc_start + 6
    count_size = 2 if version < 2 else 4
    count = number(data, position, count_size)
    position += count_size
    coded = {}
    for _ in range(count):
        item = number(data, position, count_size)
        position += count_size
        if version in (1, 2):
            position += 2  # construction method: heif-enc stores in the file (0)
        position += 2  # data reference index
        base = number(data, position, base_size)
        position += base_size
        extents = number(data, position, 2)
        position += 2
        chunks = []
        for _ in range(extents):
            if version in (1, 2):
                position += index_size
            offset = number(data, position, offset_size)
            position += offset_size
            length = number(data, position, length_size)
            position += length_size
            chunks.append(data[base + offset:base + offset + length])
        coded[item] = b"".join(chunks)
    iprp_start, iprp_end = child(data, meta_start, meta_end, "iprp")
    ipco_start, ipco_end = child(data, iprp_start, iprp_end, "ipco")
    properties = [data[b - 8:e] for _, b, e in boxes(data, ipco_start, ipco_end)]
    ipma_start, _ = child(data, iprp_start, iprp_end, "ipma")
    ipma_version, ipma_flags = data[ipma_start], number(data, ipma_start + 1, 3)
    position = ipma_start + 4
    entries = number(data, position, 4)
    position += 4
    associated = {}
    for _ in range(entries):
        id_size = 2 if ipma_version < 1 else 4
        item = number(data, position, id_size)
        position += id_size
        links = data[position]
        position += 1
        indices = []
        for _ in range(links):
            if ipma_flags & 1:
                indices.append(number(data, position, 2) & 0x7FFF)
                position += 2
            else:
                indices.append(data[position] & 0x7F)
                position += 1
        associated[item] = [properties[i - 1] for i in indices if i > 0]
    return [(coded[item], associated.get(item, [])) for item in sorted(coded)]


def box(kind, payload):
    return struct.pack(">I4s", 8 + len(payload), kind.encode("latin-1")) + payload


def full_box(kind, version, flags, payload):
    return box(kind, struct.pack(">I", (version << 24) | flags) + payload)


def grid_file(tiles, width, height, columns, rows):
    grid_id = len(tiles) + 1
    property_boxes = []

    def property_index(data):
        if data not in property_boxes:
            property_boxes.append(data)
        return property_boxes.index(data) + 1

    ispe = full_box("ispe", 0, 0, struct.pack(">II", width, height))
    associations = []
    for item, (_, properties) in enumerate(tiles, start=1):
        associations.append((item, [(property_index(p), p[4:8] != b"ispe") for p in properties]))
    associations.append((grid_id, [(property_index(ispe), False)]))
    ipma = struct.pack(">I", len(associations))
    for item, links in associations:
        ipma += struct.pack(">HB", item, len(links))
        for index, essential in links:
            ipma += struct.pack(">H", index | (0x8000 if essential else 0))
    iprp = box("iprp", box("ipco", b"".join(property_boxes)) + full_box("ipma", 0, 1, ipma))
    infos = [full_box("infe", 2, 1, struct.pack(">HH4s", item, 0, b"hvc1") + b"\0")
             for item in range(1, grid_id)]
    infos.append(full_box("infe", 2, 0, struct.pack(">HH4s", grid_id, 0, b"grid") + b"\0"))
    iinf = full_box("iinf", 0, 0, struct.pack(">H", len(infos)) + b"".join(infos))
    iref = full_box("iref", 0, 0, box("dimg", struct.pack(">HH", grid_id, len(tiles))
                                       + b"".join(struct.pack(">H", i) for i in range(1, grid_id))))
    grid = struct.pack(">BBBBHH", 0, 0, rows - 1, columns - 1, width, height)
    idat = box("idat", grid)
    hdlr = full_box("hdlr", 0, 0, struct.pack(">I4s", 0, b"pict") + bytes(12) + b"\0")
    pitm = full_box("pitm", 0, 0, struct.pack(">H", grid_id))
    ftyp = box("ftyp", b"heic" + struct.pack(">I", 0) + b"mif1heic")

    def meta(mdat_payload_start):
        iloc = struct.pack(">BBH", 0x44, 0x00, grid_id)
        offset = mdat_payload_start
        for item, (coded, _) in enumerate(tiles, start=1):
            iloc += struct.pack(">HHHHII", item, 0, 0, 1, offset, len(coded))
            offset += len(coded)
        iloc += struct.pack(">HHHHII", grid_id, 1, 0, 1, 0, len(grid))
        return full_box("meta", 0, 0, hdlr + pitm + iinf + iref + full_box("iloc", 1, 0, iloc) + idat + iprp)

    mdat_payload_start = len(ftyp) + len(meta(0)) + 8
    mdat = box("mdat", b"".join(coded for coded, _ in tiles))
    return ftyp + meta(mdat_payload_start) + mdat


def main():
    if len(sys.argv) < 7:
        sys.exit(__doc__)
    output, width, height, columns, rows = sys.argv[1], *map(int, sys.argv[2:6])
    tiles = [tile for path in sys.argv[6:] for tile in read_tiles(path)]
    if len(tiles) != columns * rows:
        sys.exit(f"{len(tiles)} tiles for a grid of {columns} x {rows}")
    with open(output, "wb") as file:
        file.write(grid_file(tiles, width, height, columns, rows))


if __name__ == "__main__":
    main()
