#!/usr/bin/python3
"""Writes the seeds of the compound-file fuzz target: compound files of every
shape the reader must open, built here byte by byte (not by our own writer):
version 3 (512-byte sectors) and version 4 (4096-byte sectors), a FAT long
enough to need a DIFAT sector, streams in the mini stream and streams of
their own sectors, streams at the mini-stream cutoff, a storage with streams
inside. When python3-olefile is installed it reads every file back as an
independent check; the files are kept in the tree.

    tests/fuzz/seeds/make_compound_file_seeds.py tests/fuzz/corpus/compound_file
"""
import math
import os
import struct
import sys

SIGNATURE = bytes.fromhex("D0CF11E0A1B11AE1")
FREE, END_OF_CHAIN, FAT_SECTOR, DIFAT_SECTOR = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFFC
NO_STREAM = 0xFFFFFFFF
MINI_SECTOR, MINI_CUTOFF, HEADER_DIFAT = 64, 4096, 109
STORAGE, STREAM, ROOT = 1, 2, 5
BLACK = 1


def content(seed, size):
    """Bytes that differ from stream to stream and from sector to sector."""
    return bytes((seed * 31 + i * 7 + i // 512) & 0xFF for i in range(size))


class Entry:
    def __init__(self, name, kind, data=b"", children=None):
        self.name, self.kind, self.data, self.children = name, kind, data, children or []
        self.index, self.start = 0, END_OF_CHAIN


def sibling_order(entry):
    return (len(entry.name), entry.name.upper())


def flatten(root):
    """Directory order: the root, then each storage's children depth first."""
    order = [root]
    def visit(storage):
        for child in sorted(storage.children, key=sibling_order):
            child.index = len(order)
            order.append(child)
        for child in storage.children:
            if child.kind == STORAGE:
                visit(child)
    visit(root)
    return order


def directory_entry(entry, left, right, child, start, size):
    name = entry.name.encode("utf-16-le") + b"\0\0"
    return (name.ljust(64, b"\0") + struct.pack("<HBB3I", len(name), entry.kind, BLACK, left, right, child)
            + bytes(16) + struct.pack("<I", 0) + bytes(16) + struct.pack("<IQ", start, size))


def chain(first, count):
    return [first + i + 1 for i in range(count - 1)] + [END_OF_CHAIN] if count else []


def build(version, root, min_fat_sectors=1):
    sector = 512 if version == 3 else 4096
    ids_per_sector = sector // 4
    order = flatten(root)
    streams = [e for e in order if e.kind == STREAM]
    mini = [e for e in streams if len(e.data) < MINI_CUTOFF]
    regular = [e for e in streams if len(e.data) >= MINI_CUTOFF]

    mini_stream, mini_fat = b"", []
    for e in mini:
        e.start = len(mini_stream) // MINI_SECTOR if e.data else END_OF_CHAIN
        sectors = math.ceil(len(e.data) / MINI_SECTOR)
        mini_fat += chain(e.start, sectors) if sectors else []
        mini_stream += e.data.ljust(sectors * MINI_SECTOR, b"\0")

    dir_sectors = math.ceil(len(order) * 128 / sector)
    mini_fat_sectors = math.ceil(len(mini_fat) * 4 / sector)
    mini_stream_sectors = math.ceil(len(mini_stream) / sector)
    data_sectors = sum(math.ceil(len(e.data) / sector) for e in regular)
    others = dir_sectors + mini_fat_sectors + mini_stream_sectors + data_sectors
    fat_sectors, difat_sectors = min_fat_sectors, 0
    while True:  # the FAT maps its own sectors and the DIFAT's too
        difat_sectors = math.ceil(max(0, fat_sectors - HEADER_DIFAT) / (ids_per_sector - 1))
        needed = math.ceil((others + fat_sectors + difat_sectors) / ids_per_sector)
        if needed <= fat_sectors:
            break
        fat_sectors = needed

    fat = [FAT_SECTOR] * fat_sectors + [DIFAT_SECTOR] * difat_sectors
    next_sector = len(fat)
    def allocate(count):
        nonlocal next_sector
        first = next_sector if count else END_OF_CHAIN
        fat.extend(chain(next_sector, count))
        next_sector += count
        return first
    first_dir = allocate(dir_sectors)
    first_mini_fat = allocate(mini_fat_sectors)
    root.start = allocate(mini_stream_sectors)
    for e in regular:
        e.start = allocate(math.ceil(len(e.data) / sector))
    fat += [FREE] * (fat_sectors * ids_per_sector - len(fat))

    def links(storage):
        """Children as a chain of right-sibling links, in sibling order, every node black."""
        kids = sorted(storage.children, key=sibling_order)
        for a, b in zip(kids, kids[1:]):
            a.right = b.index
        if kids:
            kids[-1].right = NO_STREAM
        for k in kids:
            if k.kind == STORAGE:
                links(k)
        return kids[0].index if kids else NO_STREAM
    for e in order:
        e.right = NO_STREAM
    directory = b""
    children = {id(e): links(e) for e in order if e.kind in (ROOT, STORAGE)}
    for e in order:
        size = len(mini_stream) if e.kind == ROOT else len(e.data)
        start = e.start if e.kind != STORAGE else 0
        directory += directory_entry(e, NO_STREAM, e.right, children.get(id(e), NO_STREAM), start, size)
    directory = directory.ljust(dir_sectors * sector, b"\0")

    fat_bytes = struct.pack("<%dI" % len(fat), *fat)
    fat_ids = list(range(fat_sectors))
    difat_ids = list(range(fat_sectors, fat_sectors + difat_sectors))
    difat_bytes = b""
    rest = fat_ids[HEADER_DIFAT:]
    for i, s in enumerate(difat_ids):
        part = rest[i * (ids_per_sector - 1):(i + 1) * (ids_per_sector - 1)]
        part += [FREE] * (ids_per_sector - 1 - len(part))
        following = difat_ids[i + 1] if i + 1 < len(difat_ids) else END_OF_CHAIN
        difat_bytes += struct.pack("<%dI" % ids_per_sector, *part, following)
    header_difat = (fat_ids[:HEADER_DIFAT] + [FREE] * HEADER_DIFAT)[:HEADER_DIFAT]
    header = (SIGNATURE + bytes(16) + struct.pack("<5H", 0x3E, version, 0xFFFE, 9 if version == 3 else 12, 6)
              + bytes(6) + struct.pack("<9I", dir_sectors if version == 4 else 0, fat_sectors, first_dir, 0,
                                       MINI_CUTOFF, first_mini_fat, mini_fat_sectors,
                                       difat_ids[0] if difat_ids else END_OF_CHAIN, difat_sectors)
              + struct.pack("<109I", *header_difat))
    body = (fat_bytes + difat_bytes + directory
            + struct.pack("<%dI" % len(mini_fat), *mini_fat).ljust(mini_fat_sectors * sector, b"\0")
            + mini_stream.ljust(mini_stream_sectors * sector, b"\0")
            + b"".join(e.data.ljust(math.ceil(len(e.data) / sector) * sector, b"\0") for e in regular))
    return header.ljust(sector, b"\0") + body


def seeds():
    def root(*children):
        return Entry("Root Entry", ROOT, children=list(children))
    def stream(name, seed, size):
        return Entry(name, STREAM, content(seed, size))
    return {
        "v3-mini-streams.cfb": (3, root(stream("Workbook", 1, 100), stream("\x05SummaryInformation", 2, 200),
                                        stream("Empty", 3, 0)), 1),
        "v3-large-stream.cfb": (3, root(stream("Workbook", 4, 20000)), 1),
        "v3-cutoff.cfb": (3, root(stream("Below", 5, MINI_CUTOFF - 1), stream("At", 6, MINI_CUTOFF)), 1),
        "v3-storage.cfb": (3, root(stream("Workbook", 7, 700),
                                   Entry("Storage", STORAGE, children=[stream("Inner", 8, 90),
                                                                       stream("Big", 9, 5000)])), 1),
        "v3-difat.cfb": (3, root(stream("Workbook", 10, 6000), stream("Small", 11, 64)), HEADER_DIFAT + 1),
        "v4-mixed.cfb": (4, root(stream("Workbook", 12, 9000), stream("Small", 13, 300)), 1),
        "v4-many-streams.cfb": (4, root(*[stream("S%02d" % i, 14 + i, 40 * i) for i in range(1, 40)]), 1),
    }


def check_with_olefile(path, expected):
    try:
        import olefile
    except ImportError:
        print("  python3-olefile is not installed: not checked")
        return
    with olefile.OleFileIO(path) as ole:
        for name, data in expected.items():
            got = ole.openstream(name).read()
            if got != data:
                sys.exit("%s: olefile reads %s as %d bytes, expected %d" % (path, name, len(got), len(data)))


def streams_of(entry, prefix=""):
    out = {}
    for child in entry.children:
        path = prefix + child.name
        if child.kind == STREAM:
            out[path] = child.data
        else:
            out.update(streams_of(child, path + "/"))
    return out


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_compound_file_seeds.py <corpus folder>")
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, (version, root, fat_sectors) in seeds().items():
        path = os.path.join(sys.argv[1], name)
        with open(path, "wb") as f:
            f.write(build(version, root, fat_sectors))
        print("%s (%d bytes)" % (path, os.path.getsize(path)))
        check_with_olefile(path, streams_of(root))


if __name__ == "__main__":
    main()
