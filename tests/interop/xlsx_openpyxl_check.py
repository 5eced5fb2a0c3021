#!/usr/bin/python3
"""An independent reader (openpyxl) opens the .xlsx workbook we save and must
find what the layout gives: every text and number typed, every formula in A1
form, every cached result (read as a reader that does not calculate reads
them), fonts, fills, borders, number formats, column widths, row heights,
the active cell and sheet, the two pies (titles, series as unions, data
labels, place) and the line chart sheet, the page setup and the title.
Exits 77 (skipped) when openpyxl is not installed.

Usage: xlsx_openpyxl_check.py FILE DATA_SET"""

import os
import sys
import unittest

try:
    import openpyxl
    from openpyxl.utils import get_column_letter
except ImportError:
    print("SKIPPED: python3-openpyxl is not installed")
    sys.exit(77)

import breakeven_expectations as layout
import xlsx_data_sets as data_sets

PATH = None
DATA_SET = None
EMU_PER_POINT = 12700
# Points. The workbook went through the 97-2003 file first, whose anchor keeps
# 1/1024 of a column and 1/256 of a row (under 0.07 points here); the near
# corner of a chart is then placed to the nearest pixel (3/8 of a point).
FAR_CORNER_TOLERANCE = 0.1
PLACE_TOLERANCE = 0.375 + FAR_CORNER_TOLERANCE
# Palette colours as the file spells them.
RGB = {2: "FFFFFFFF", 11: "FF000080", 13: "FF800080", 15: "FFC0C0C0"}


def column_width(characters):
    """A column's width as the file stores it: whole pixels of 7 to the
    character, 5 of padding, in 1/256 of a character (as the .xls stores it)."""
    pixels = round(characters * 7) + 5
    return int(pixels * 256 / 7) / 256


def unescaped(text):
    return text.replace("_x005F_", "_")


class OpenedWithOpenpyxl(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.book = openpyxl.load_workbook(PATH)
        cls.values = openpyxl.load_workbook(PATH, data_only=True)
        cls.sheet = cls.book[layout.SHEET_NAME]
        cls.cached = cls.values[layout.SHEET_NAME]
        cls.inputs = data_sets.inputs(DATA_SET)

    def test_sheets_in_order_with_the_data_sheet_active_and_c5_current(self):
        self.assertEqual(self.book.sheetnames, [layout.SHEET_NAME, layout.CHART_SHEET_NAME])
        self.assertEqual(self.book.active.title, layout.SHEET_NAME)
        self.assertEqual(self.sheet.sheet_view.selection[0].activeCell, "C5")
        self.assertEqual(type(self.book[layout.CHART_SHEET_NAME]).__name__, "Chartsheet")

    def test_labels_and_what_was_typed(self):
        for a1, text in layout.LABELS.items():
            self.assertEqual(self.sheet[a1].value, text, a1)
        for a1 in list(layout.SAMPLE) + ["B2"]:
            expected = self.inputs.get(a1)
            self.assertEqual(self.sheet[a1].value, expected, a1)
            if isinstance(expected, str):
                self.assertEqual(self.sheet[a1].data_type, "s", a1)

    def test_formulas_in_a1_form(self):
        for a1, formula in layout.FORMULAS.items():
            self.assertEqual(self.sheet[a1].value, "=" + formula, a1)

    def test_cached_results_are_ours_without_calculating(self):
        for a1, expected in data_sets.results(DATA_SET).items():
            shown = self.cached[a1].value
            if isinstance(expected, str):
                self.assertEqual(unescaped(shown if shown is not None else ""), expected, a1)
            else:
                self.assertIsInstance(shown, (int, float), a1)
                self.assertAlmostEqual(shown, expected, places=9, msg=a1)

    def test_fonts(self):
        for a1 in layout.all_cells():
            name, size, bold, index = layout.FONTS.get(a1, layout.DEFAULT_FONT)
            font = self.sheet[a1].font
            self.assertEqual((font.name, font.sz, bool(font.b)), (name, size, bold), a1)
            if index == layout.AUTOMATIC:
                self.assertTrue(font.color is None or font.color.rgb is None or font.color.theme is not None, a1)
            else:
                self.assertEqual(font.color.rgb, RGB[index], a1)

    def test_empty_cells_show_the_sheets_arial_10(self):
        for column in (1, 2, 15, 26, 256):  # every column of the grid carries the sheet's style
            font = column_dimension(self.sheet, column).font
            self.assertEqual((font.name, font.sz), ("Arial", 10), column)

    def test_fills(self):
        for a1 in layout.all_cells() | set(layout.FILLS):
            fill = self.sheet[a1].fill
            if a1 in layout.FILLS:
                self.assertEqual(fill.fill_type, "solid", a1)
                self.assertEqual(fill.fgColor.rgb, RGB[layout.FILLS[a1]], a1)
            else:
                self.assertIn(fill.fill_type, (None, "none"), a1)

    def test_number_formats(self):
        for a1 in layout.all_cells() | set(layout.NUMBER_FORMATS):
            self.assertEqual(self.sheet[a1].number_format, layout.NUMBER_FORMATS.get(a1, "General"), a1)

    def test_borders_with_their_colours(self):
        expected = layout.expected_borders()
        for a1 in layout.all_cells() | set(expected):
            border = self.sheet[a1].border
            for edge in ("left", "right", "top", "bottom"):
                side = getattr(border, edge)
                colour = expected.get(a1, {}).get(edge)
                if colour is None:
                    self.assertIsNone(side.style, f"{a1} {edge}")
                    continue
                self.assertEqual(side.style, "thin", f"{a1} {edge}")
                if colour == layout.AUTOMATIC:
                    self.assertTrue(side.color is None or side.color.auto, f"{a1} {edge}")
                else:
                    self.assertEqual(side.color.rgb, RGB[colour], f"{a1} {edge}")

    def test_column_widths_and_row_heights_as_the_xls_gives_them(self):
        for letter, characters in layout.COLUMN_WIDTHS.items():
            dimension = column_dimension(self.sheet, ord(letter) - ord("A") + 1)
            self.assertAlmostEqual(dimension.width, column_width(characters), places=6, msg=letter)
        for row in range(1, 44):
            self.assertEqual(self.sheet.row_dimensions[row].height, layout.ROW_HEIGHTS.get(row, 12.75), row)
        self.assertEqual(self.sheet.sheet_format.defaultRowHeight, 12.75)
        self.assertEqual(list(self.sheet.merged_cells.ranges), [])  # the layout merges nothing

    def test_page_setup_is_one_landscape_a4_page_with_narrow_margins(self):
        setup, margins = self.sheet.page_setup, self.sheet.page_margins
        self.assertEqual(setup.orientation, "landscape")
        self.assertEqual(int(setup.paperSize), 9)
        self.assertTrue(self.sheet.sheet_properties.pageSetUpPr.fitToPage)
        self.assertEqual((int(setup.fitToWidth or 1), int(setup.fitToHeight or 1)), (1, 1))  # 1 when not written
        self.assertEqual((margins.left, margins.right, margins.top, margins.bottom), (0.7, 0.7, 0.5, 0.5))
        self.assertEqual((margins.header, margins.footer), (0, 0))

    def test_the_chart_sheet_prints_on_a_landscape_letter_page(self):
        chart_sheet = self.book[layout.CHART_SHEET_NAME]
        setup, margins = chart_sheet.pageSetup, chart_sheet.pageMargins  # a chart sheet names them so
        self.assertEqual(setup.orientation, "landscape")
        self.assertEqual(int(setup.paperSize), 1)
        self.assertEqual((margins.left, margins.right, margins.top, margins.bottom), (0.7, 0.7, 0.75, 0.75))
        self.assertEqual((margins.header, margins.footer), (0.3, 0.3))

    def test_the_document_is_titled_with_the_files_name(self):
        self.assertEqual(self.book.properties.title, os.path.splitext(os.path.basename(PATH))[0])

    def test_two_pies_placed_as_the_model_places_them(self):
        charts = self.sheet._charts
        self.assertEqual(len(charts), 2)
        for chart, (title, values, categories, bounds) in zip(charts, data_sets.pies(DATA_SET)):
            self.assertEqual(type(chart).__name__, "PieChart", title)
            self.assertEqual(title_of(chart), title)
            series = chart.series[0]
            self.assertEqual(series.val.numRef.f, reference(values))
            category_ref = series.cat.numRef or series.cat.strRef
            self.assertEqual(category_ref.f, reference(categories))
            labels = series.dLbls
            self.assertTrue(labels.showVal and labels.showPercent and labels.showLegendKey and labels.showLeaderLines,
                            title)
            self.assertFalse(labels.showCatName, title)
            self.assertTrue(chart.legend is not None and chart.legend.spPr is None, title)  # no border
            top, left, width, height = bounds
            start, end = corner_points(self.sheet, chart.anchor._from), corner_points(self.sheet, chart.anchor.to)
            self.assertAlmostEqual(start[0], left, delta=PLACE_TOLERANCE, msg=title)
            self.assertAlmostEqual(start[1], top, delta=PLACE_TOLERANCE, msg=title)
            self.assertAlmostEqual(end[0], left + width, delta=FAR_CORNER_TOLERANCE, msg=title)
            self.assertAlmostEqual(end[1], top + height, delta=FAR_CORNER_TOLERANCE, msg=title)

    def test_the_line_chart_sheet(self):
        chart = self.book[layout.CHART_SHEET_NAME]._charts[0]
        self.assertEqual(type(chart).__name__, "LineChart")
        self.assertEqual(title_of(chart), layout.CHART_SHEET_NAME)
        self.assertEqual([s.tx.strRef.f for s in chart.series],
                         [reference(["B%d" % row]) for row in layout.LINE_SERIES_ROWS])
        self.assertEqual([s.val.numRef.f for s in chart.series],
                         [reference(["D%d:N%d" % (row, row)]) for row in layout.LINE_SERIES_ROWS])
        self.assertTrue(all(s.marker is None or s.marker.symbol != "none" for s in chart.series))
        self.assertEqual(rich_text(chart.x_axis.title), layout.CATEGORY_AXIS_TITLE)
        self.assertEqual(rich_text(chart.y_axis.title), layout.VALUE_AXIS_TITLE)
        self.assertEqual(chart.y_axis.numFmt.formatCode, layout.VALUE_AXIS_FORMAT)

    def test_chart_caches_hold_our_results(self):
        results = {**data_sets.results(DATA_SET), **{a: v for a, v in self.inputs.items() if a != "B2"}}
        chart = self.book[layout.CHART_SHEET_NAME]._charts[0]
        for series, row in zip(chart.series, layout.LINE_SERIES_ROWS):
            self.assertEqual(series.tx.strRef.strCache.pt[0].v, layout.LABELS["B%d" % row])
            cached = {p.idx: p.v for p in series.val.numRef.numCache.pt}
            for index, column in enumerate(layout.GRID_COLUMNS):
                expected = results["%s%d" % (column, row)]
                if isinstance(expected, str):
                    self.assertNotIn(index, cached, (column, row))  # a gap
                else:
                    self.assertAlmostEqual(float(cached[index]), expected, places=9, msg=(column, row))


def reference(addresses):
    quoted = ["'%s'!%s" % (layout.SHEET_NAME, ":".join("$%s$%s" % (p[0], p[1:]) for p in a.split(":")))
              for a in addresses]
    return quoted[0] if len(quoted) == 1 else "(" + ",".join(quoted) + ")"


def rich_text(title):
    return "".join(run.t for paragraph in title.tx.rich.p for run in (paragraph.r or []))


def title_of(chart):
    return rich_text(chart.title)


def corner_points(sheet, marker):
    """A corner of an anchor in points from the sheet's top-left corner."""
    x = sum(pixels_of(sheet, column) * 0.75 for column in range(1, marker.col + 1)) + marker.colOff / EMU_PER_POINT
    y = sum(sheet.row_dimensions[row].height or 12.75 for row in range(1, marker.row + 1)) + marker.rowOff / EMU_PER_POINT
    return x, y


def column_dimension(sheet, column):
    """The <col> entry that covers the column (openpyxl keys a run by its first letter)."""
    for dimension in sheet.column_dimensions.values():
        if dimension.min <= column <= dimension.max:
            return dimension
    return sheet.column_dimensions[get_column_letter(column)]


def pixels_of(sheet, column):
    width = column_dimension(sheet, column).width
    return int(width * 7 + 0.5)  # widths are stored in whole pixels of 7 to the character


if __name__ == "__main__":
    PATH, DATA_SET = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main(verbosity=2)
