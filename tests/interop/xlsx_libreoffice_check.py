#!/usr/bin/python3
"""LibreOffice, driven headless through its UNO bridge with a private profile
(office.py), opens the .xlsx workbook we save, recalculates it, and must
agree with us: every formula in A1 form, every recalculated result equal to
the result we cached (read with openpyxl, as a reader that does not
calculate reads it) and to the data set's expectations, what was typed, the
one-page landscape A4 setup, and the charts: two pies on the data sheet
(titles, union series, data labels, place) and the line chart alone on its
chart sheet. Exits 77 (skipped) when LibreOffice, its Python bridge or
openpyxl is missing. Usage: xlsx_libreoffice_check.py FILE DATA_SET"""

import os
import sys
import unittest

try:
    import openpyxl
except ImportError:
    print("SKIPPED: python3-openpyxl is not installed")
    sys.exit(77)

from office import open_recalculated, POINTS_PER_HUNDREDTH_MM  # exits 77 when LibreOffice or its bridge is missing
from libreoffice_charts_check import chart_types, chart_view, cells, ranges_of, series_of, values_of
import breakeven_expectations as layout
import xlsx_data_sets as data_sets

HUNDREDTHS_MM_PER_INCH = 2540
A4_LONG_SIDE, A4_SHORT_SIDE = 29700, 21000
PLACE_TOLERANCE = 0.5  # points: the near corner to a pixel, LibreOffice to 1/100 mm
FORMULA_TEXT = 2  # com.sun.star.sheet.FormulaResult.STRING
PATH = None
DATA_SET = None


def shown(cell):
    """A cell's value as LibreOffice has it: a number, or its text (an error shows as "#VALUE!")."""
    kind = cell.Type.value
    if kind == "TEXT":
        return cell.getString()
    if kind == "FORMULA" and (cell.getError() != 0 or cell.FormulaResultType2 == FORMULA_TEXT):
        return cell.getString()
    return cell.getValue()


class XlsxInLibreOffice(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.cached = openpyxl.load_workbook(PATH, data_only=True)[layout.SHEET_NAME]
        cls.office, cls.document = open_recalculated(PATH)
        cls.sheets = cls.document.Sheets
        cls.sheet = cls.sheets.getByName(layout.SHEET_NAME)
        cls.pies = chart_view(cls.sheet)
        cls.line_charts = chart_view(cls.sheets.getByName(layout.CHART_SHEET_NAME))

    @classmethod
    def tearDownClass(cls):
        cls.document.close(True)
        cls.office.close()

    def cell(self, a1):
        row, column = layout.address(a1)
        return self.sheet.getCellByPosition(column, row)

    def assertSameValue(self, actual, expected, msg):
        if isinstance(expected, str):
            self.assertEqual(actual, expected, msg)
        else:
            self.assertNotIsInstance(actual, str, msg)
            self.assertAlmostEqual(actual, expected, places=9, msg=msg)

    def test_sheets_in_order_with_the_data_sheet_active(self):
        self.assertEqual([self.sheets.getByIndex(i).Name for i in range(self.sheets.Count)],
                         [layout.SHEET_NAME, layout.CHART_SHEET_NAME])
        self.assertEqual(self.document.CurrentController.ActiveSheet.Name, layout.SHEET_NAME)

    def test_what_was_typed_and_the_labels(self):
        for a1, expected in data_sets.inputs(DATA_SET).items():
            self.assertSameValue(shown(self.cell(a1)), expected, a1)
        for a1, text in layout.LABELS.items():
            self.assertEqual(self.cell(a1).getString(), text, a1)

    def test_formulas_read_back_in_a1_form(self):
        for a1, formula in layout.FORMULAS.items():
            self.assertEqual(self.cell(a1).getFormula().replace(";", ","), "=" + formula, a1)

    def test_recalculated_results_equal_our_cached_results_and_the_expectations(self):
        for a1, expected in data_sets.results(DATA_SET).items():
            ours = self.cached[a1].value
            ours = "" if ours is None else ours
            self.assertSameValue(shown(self.cell(a1)), ours, a1)
            self.assertSameValue(ours, expected, a1)

    def test_page_setup_is_one_landscape_a4_page_with_narrow_margins(self):
        style = self.document.StyleFamilies.getByName("PageStyles").getByName(self.sheet.PageStyle)
        self.assertTrue(style.IsLandscape)
        self.assertAlmostEqual(style.Width, A4_LONG_SIDE, delta=2)
        self.assertAlmostEqual(style.Height, A4_SHORT_SIDE, delta=2)
        self.assertEqual((style.ScaleToPagesX, style.ScaleToPagesY), (1, 1))
        for name, inches in (("LeftMargin", 0.7), ("RightMargin", 0.7), ("TopMargin", 0.5), ("BottomMargin", 0.5)):
            self.assertAlmostEqual(getattr(style, name), inches * HUNDREDTHS_MM_PER_INCH, delta=2, msg=name)
        self.assertFalse(style.HeaderIsOn)
        self.assertFalse(style.FooterIsOn)

    def test_two_pies_with_titles_union_series_and_labels_where_the_model_puts_them(self):
        self.assertEqual(len(self.pies), 2)
        for ((_, y, _, height), chart), (title, values, categories, bounds) in zip(self.pies, data_sets.pies(DATA_SET)):
            self.assertEqual(chart_types(chart), ["com.sun.star.chart2.PieChartType"], title)
            self.assertEqual(chart.Title.String, title)
            self.assertTrue(chart.HasLegend, title)
            series = series_of(chart)
            self.assertEqual(len(series), 1, title)
            self.assertEqual(ranges_of(series[0]).get("values-y"), cells(*values), title)
            axis = chart.getFirstDiagram().CoordinateSystems[0].getAxisByDimension(0, 0)
            self.assertEqual(axis.getScaleData().Categories.Values.SourceRangeRepresentation, cells(*categories))
            label = series[0].Label
            self.assertTrue(label.ShowNumber and label.ShowNumberInPercent and label.ShowLegendSymbol, title)
            # What the file leaves unsaid must read as off: no category or series name on the slices.
            self.assertFalse(label.ShowCategoryName, title)
            self.assertFalse(getattr(label, "ShowSeriesName", False), title)
            top, _, _, points_high = bounds
            self.assertAlmostEqual(y * POINTS_PER_HUNDREDTH_MM, top, delta=PLACE_TOLERANCE, msg=title)
            self.assertAlmostEqual(height * POINTS_PER_HUNDREDTH_MM, points_high, delta=PLACE_TOLERANCE, msg=title)

    def test_the_line_chart_alone_on_its_sheet(self):
        self.assertEqual(len(self.line_charts), 1)
        chart = self.line_charts[0][1]
        self.assertEqual(chart_types(chart), ["com.sun.star.chart2.LineChartType"])
        self.assertEqual(chart.Title.String, layout.CHART_SHEET_NAME)
        series = series_of(chart)
        self.assertEqual([ranges_of(s) for s in series],
                         [{"values-y": cells("D%d:N%d" % (row, row)), "label": cells("B%d" % row)}
                          for row in layout.LINE_SERIES_ROWS])
        results = data_sets.results(DATA_SET)
        for s, row in zip(series, layout.LINE_SERIES_ROWS):
            self.assertNotEqual(s.Symbol.Style.value, "NONE", row)  # lines with markers
            for plotted, column in zip(values_of(s), layout.GRID_COLUMNS):
                expected = results["%s%d" % (column, row)]
                if not isinstance(expected, str):
                    self.assertAlmostEqual(plotted, expected, places=9, msg=(column, row))
        diagram = chart.Diagram
        self.assertEqual(diagram.XAxisTitle.String, layout.CATEGORY_AXIS_TITLE)
        self.assertEqual(diagram.YAxisTitle.String, layout.VALUE_AXIS_TITLE)
        code = self.document.NumberFormats.getByKey(diagram.YAxis.NumberFormat).FormatString
        self.assertEqual(code.upper(), layout.VALUE_AXIS_FORMAT.upper())


if __name__ == "__main__":
    PATH = os.path.abspath(sys.argv.pop(1))
    DATA_SET = sys.argv.pop(1)
    unittest.main(verbosity=2)
