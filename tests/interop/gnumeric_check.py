#!/usr/bin/env python3
"""Gnumeric's ssconvert reads the saved breakeven workbook (charts included)
without a single warning, recalculates it, and shows the results with our
number formats. Exits 77 (skipped) when ssconvert is not installed."""

import csv
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

if not shutil.which("ssconvert"):
    print("SKIPPED: Gnumeric's ssconvert is not installed")
    sys.exit(77)

import breakeven_expectations as layout

PATH = None

# What the recalculated sample sheet shows in a few telling cells.
SHOWN = {"F5": "12.50", "F6": "1,000.00", "G7": "12,500.00", "F15": "7.60", "F18": "4.90", "G29": "1,500.00",
         "F33": "694", "D41": "(3,400.00)", "J41": "(460.00)", "K41": "30.00 ", "N41": "1,500.00 ",
         "B2": "Smith & Sons, Inc.", "D35": "0", "N35": "1000", "H38": "3040"}
# The export starts at the first used column, B.
FIRST_EXPORTED_COLUMN = 1


class ReadByGnumeric(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="quorvane-gnumeric-")
        out = os.path.join(cls.folder, "sheet.csv")
        env = dict(os.environ, HOME=cls.folder)
        cls.result = subprocess.run(["ssconvert", "--recalc", "-O", "format=preserve separator=,",
                                     "--export-type=Gnumeric_stf:stf_assistant", PATH, out],
                                    capture_output=True, text=True, env=env, timeout=300)
        with open(out, newline="", encoding="utf-8") as handle:
            cls.rows = list(csv.reader(handle))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    def test_reads_without_a_warning(self):
        self.assertEqual(self.result.returncode, 0)
        self.assertEqual(self.result.stderr.strip(), "")

    def test_recalculated_results_show_with_our_number_formats(self):
        for a1, text in SHOWN.items():
            row, column = layout.address(a1)
            self.assertEqual(self.rows[row][column - FIRST_EXPORTED_COLUMN], text, a1)


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
