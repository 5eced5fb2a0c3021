#!/usr/bin/python3
"""openpyxl reads the features workbook (make_xlsx_features) and must find
what the breakeven sheet does not show: merged areas, Boolean and error
constants, cached Boolean, error and text results, styles layered on the
sheet, a column and a row as the 97-2003 writer resolves them, a hidden
column and row, the active cell at the corner of its selection, a print area
of two areas, a pie over separate cells with their results cached, and the
active chart sheet. Exits 77 (skipped) without openpyxl.
Usage: xlsx_features_check.py FILE"""

import sys
import unittest

try:
    import openpyxl
except ImportError:
    print("SKIPPED: python3-openpyxl is not installed")
    sys.exit(77)

PATH = None


class Features(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.book = openpyxl.load_workbook(PATH)
        cls.sheet = cls.book["Data"]
        cls.cached = openpyxl.load_workbook(PATH, data_only=True)["Data"]

    def test_merged_area_keeps_its_text(self):
        self.assertEqual([str(r) for r in self.sheet.merged_cells.ranges], ["A1:D2"])
        self.assertEqual(self.sheet["A1"].value, "Merged title")

    def test_constants_keep_their_kind(self):
        self.assertIs(self.sheet["A3"].value, True)
        self.assertEqual(self.sheet["B3"].value, "=#N/A")  # an error constant goes as its literal's formula
        self.assertEqual(self.cached["B3"].value, "#N/A")
        self.assertEqual(self.sheet["A4"].value, 3)

    def test_cached_results_of_every_kind(self):
        self.assertEqual(self.sheet["A6"].value, "=A4>2")
        self.assertEqual(self.cached["A6"].value, "TRUE")
        self.assertEqual(self.cached["B6"].value, "#DIV/0!")
        self.assertEqual(self.cached["C6"].value, "big")
        self.assertEqual(self.cached["D6"].value, 12)

    def test_styles_layered_as_the_97_2003_writer_resolves_them(self):
        self.assertEqual(self.sheet["A4"].font.name, "Courier New")        # the sheet's style
        column = next(d for d in self.sheet.column_dimensions.values() if d.min <= 3 <= d.max)
        self.assertEqual(column.fill.fgColor.rgb, "FFFFFF00")                # the column's, for its empty cells
        self.assertEqual(column.font.name, "Courier New")
        self.assertTrue(self.sheet["A5"].font.i is None or not self.sheet["A5"].font.i)
        self.assertTrue(self.sheet.row_dimensions[5].font.i)               # the row's, for its empty cells
        self.assertEqual(self.sheet["C6"].fill.fgColor.rgb, "FFFFFF00")   # a cell written later keeps what it showed
        self.assertEqual(self.sheet["C5"].fill.fgColor.rgb, "FFFFFF00")   # where the row meets the column
        self.assertTrue(self.sheet["C5"].font.i)

    def test_hidden_column_and_row(self):
        self.assertTrue(next(d for d in self.sheet.column_dimensions.values() if d.min <= 5 <= d.max).hidden)
        self.assertTrue(self.sheet.row_dimensions[7].hidden)

    def test_selection_from_its_active_corner(self):
        selection = self.sheet.sheet_view.selection[0]
        self.assertEqual((selection.activeCell, selection.sqref), ("B6", "A4:B6"))

    def test_print_area_of_two_areas(self):
        self.assertEqual(self.sheet.print_area, ['$A$1:$B$4', '$A$6:$D$6'])

    def test_pie_over_separate_cells_with_their_results(self):
        chart = self.sheet._charts[0]
        series = chart.series[0]
        self.assertEqual(series.val.numRef.f, "('Data'!$D$6,'Data'!$B$4)")
        self.assertEqual([(p.idx, float(p.v)) for p in series.val.numRef.numCache.pt], [(0, 12.0), (1, 4.0)])

    def test_the_chart_sheet_is_active(self):
        self.assertEqual(self.book.active.title, "Chart")
        self.assertEqual(self.book.properties.title, "Features")


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
