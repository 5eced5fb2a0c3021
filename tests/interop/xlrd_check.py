#!/usr/bin/env python3
"""An independent reader (xlrd) opens the saved breakeven workbook (sample
data, charts included) and must find every text, value, cached formula
result, font, fill, border, number format, column width and row height the
layout gives. Exits 77 (skipped) when xlrd is not installed."""

import sys
import unittest

try:
    import xlrd
except ImportError:
    print("SKIPPED: python3-xlrd is not installed")
    sys.exit(77)

import breakeven_expectations as layout

AUTOMATIC_FONT_COLOUR = 0x7FFF
AUTOMATIC_BORDER_COLOURS = {64, 0x7FFF}
PALETTE_OFFSET = 7  # colour index n is palette entry n + 7 in the file
MAX_DIGIT_WIDTH = 7  # pixels, Arial 10 at 96 dpi
PATH = None


def colour(index):
    return index + PALETTE_OFFSET


class SavedWorkbook(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.book = xlrd.open_workbook(PATH, formatting_info=True)
        cls.sheet = cls.book.sheet_by_name(layout.SHEET_NAME)

    def cell(self, a1):
        return self.sheet.cell(*layout.address(a1))

    def xf(self, a1):
        return self.book.xf_list[self.cell(a1).xf_index]

    def test_the_data_sheet_comes_first(self):
        self.assertEqual(self.book.sheet_names()[0], layout.SHEET_NAME)

    def test_labels_and_inputs(self):
        for a1, text in layout.LABELS.items():
            self.assertEqual(self.cell(a1).value, text, a1)
        for a1, value in layout.SAMPLE.items():
            self.assertEqual(self.cell(a1).value, value, a1)

    def test_cached_formula_results(self):
        for a1, value in layout.SAMPLE_RESULTS.items():
            self.assertAlmostEqual(self.cell(a1).value, value, places=9, msg=a1)

    def test_fonts(self):
        for a1 in layout.all_cells():
            name, size, bold, index = layout.FONTS.get(a1, layout.DEFAULT_FONT)
            font = self.book.font_list[self.xf(a1).font_index]
            self.assertEqual(font.name, name, a1)
            self.assertEqual(font.height, size * 20, a1)
            self.assertEqual(font.bold, bold, a1)
            expected = AUTOMATIC_FONT_COLOUR if index == layout.AUTOMATIC else colour(index)
            self.assertEqual(font.colour_index, expected, a1)

    def test_fills(self):
        for a1 in layout.all_cells() | set(layout.FILLS):
            background = self.xf(a1).background
            if a1 in layout.FILLS:
                self.assertEqual(background.fill_pattern, 1, a1)
                self.assertEqual(background.pattern_colour_index, colour(layout.FILLS[a1]), a1)
            else:
                self.assertEqual(background.fill_pattern, 0, a1)

    def test_number_formats(self):
        for a1 in layout.all_cells() | set(layout.NUMBER_FORMATS):
            text = self.book.format_map[self.xf(a1).format_key].format_str
            self.assertEqual(text, layout.NUMBER_FORMATS.get(a1, "General"), a1)

    def test_borders(self):
        expected = layout.expected_borders()
        for a1 in layout.all_cells() | set(expected):
            border = self.xf(a1).border
            lines = expected.get(a1, {})
            for edge in ("left", "right", "top", "bottom"):
                style = getattr(border, f"{edge}_line_style")
                if edge not in lines:
                    self.assertEqual(style, 0, f"{a1} {edge}")
                    continue
                self.assertEqual(style, 1, f"{a1} {edge}")  # thin continuous line
                index = getattr(border, f"{edge}_colour_index")
                if lines[edge] == layout.AUTOMATIC:
                    self.assertIn(index, AUTOMATIC_BORDER_COLOURS, f"{a1} {edge}")
                else:
                    self.assertEqual(index, colour(lines[edge]), f"{a1} {edge}")

    def test_column_widths(self):
        for letter, characters in layout.COLUMN_WIDTHS.items():
            stored = self.sheet.colinfo_map[ord(letter) - ord("A")].width
            pixels = stored / 256 * MAX_DIGIT_WIDTH - 5  # the padding is part of the stored width
            self.assertAlmostEqual(pixels / MAX_DIGIT_WIDTH, characters, delta=1 / MAX_DIGIT_WIDTH, msg=letter)

    def test_row_heights(self):
        for row, points in layout.ROW_HEIGHTS.items():
            info = self.sheet.rowinfo_map[row - 1]
            self.assertEqual(info.height, round(points * 20), row)


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
