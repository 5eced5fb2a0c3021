#!/usr/bin/python3
# Makes the two files that stand for "written by another program": the same
# streams stored by libgsf (GNOME's structured file library) once with 512-byte
# and once with 4096-byte sectors. Needs gir1.2-gsf-1 and python3-gi; run it in
# this folder. The stream bytes follow pattern() so the tests can recompute them.
import gi

gi.require_version("Gsf", "1")
from gi.repository import Gsf  # noqa: E402


def pattern(size, seed):
    return bytes((i * 31 + seed * 7 + (i >> 8)) & 0xFF for i in range(size))


def add(parent, name, size, seed):
    child = parent.new_child(name, False)
    child.write(pattern(size, seed))
    child.close()


def make(path, sector_size):
    sink = Gsf.OutputStdio.new(path)
    ole = Gsf.OutfileMSOle.new_full(sink, sector_size, 64)
    add(ole, "Small", 100, 1)
    add(ole, "Large", 10000, 2)
    folder = ole.new_child("Folder", True)
    add(folder, "Inner", 5000, 3)
    add(folder, "Tiny", 10, 4)
    folder.close()
    ole.close()


make("libgsf_512.cfb", 512)
make("libgsf_4096.cfb", 4096)
