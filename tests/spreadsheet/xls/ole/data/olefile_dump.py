#!/usr/bin/python3
# Second opinion on a compound file: olefile opens it, raising on every fault it
# counts as incorrect, and writes stream n to OUT/n.bin and its path to line n
# of OUT/names.txt. Usage: olefile_dump.py FILE OUT
import os
import sys

import olefile

ole = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT)
out = sys.argv[2]
with open(os.path.join(out, "names.txt"), "w", encoding="utf-8") as names:
    for n, path in enumerate(ole.listdir(streams=True, storages=False)):
        names.write("/".join(path) + "\n")
        with open(os.path.join(out, f"{n}.bin"), "wb") as data:
            data.write(ole.openstream(path).read())
