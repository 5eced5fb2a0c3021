#!/usr/bin/python3
"""LibreOffice, driven headless through its UNO bridge with a private profile,
opens a workbook with the breakeven charts (the program's workbook, or the
chart sample of make_chart_sample) and must show what was saved: the sheets
in order with the data sheet active; two pies on the data sheet with their
titles, legends, series (separate cells as a union, not the block between),
data labels showing value and percentage, placed 50 and 300 points from the
top, 200 points high, and across columns H to L where Excel's cell anchor
for 420 points from the left, 300 wide, puts them; and the line chart alone
on a sheet of its own with four series named by their labels, its title,
axis titles and value axis format. Exits 77 (skipped) when LibreOffice or
its Python bridge is missing. Usage: libreoffice_charts_check.py FILE"""

import os
import sys
import unittest

from office import open_recalculated, POINTS_PER_HUNDREDTH_MM  # exits 77 when LibreOffice or its bridge is missing
import breakeven_expectations as layout

DATA = layout.SHEET_NAME
CHART = layout.CHART_SHEET_NAME
PATH = None
# LibreOffice keeps places in 1/100 mm, Excel's anchor 1/1024 of a column and 1/256 of a row.
PLACE_TOLERANCE = 0.5  # points
HUNDREDTHS_MM_PER_INCH = 2540
# A new chart sheet's page: landscape Letter with the 0.7 and 0.75 inch margins of a new sheet.
LETTER_LONG_SIDE, LETTER_SHORT_SIDE = 11, 8.5  # inches
CHART_SHEET_MARGINS = (("LeftMargin", 0.7), ("RightMargin", 0.7), ("TopMargin", 0.75), ("BottomMargin", 0.75))


def cells(*addresses):
    return ",".join("$'%s'.%s" % (DATA, ":".join("$%s$%s" % (p[0], p[1:]) for p in a.split(":")))
                    for a in addresses)


def chart_view(sheet):
    """Each chart of the sheet: (its shape's (x, y, width, height) in 1/100 mm,
    the chart document). The places are read before any chart is loaded:
    loading one may resize the shapes of the others for a while."""
    page = sheet.DrawPage
    places = {}
    for i in range(page.Count):
        shape = page.getByIndex(i)
        places[shape.PersistName] = (shape.Position.X, shape.Position.Y, shape.Size.Width, shape.Size.Height)
    return [(places[name], sheet.Charts.getByName(name).EmbeddedObject) for name in sheet.Charts.ElementNames]


def series_of(chart):
    diagram = chart.getFirstDiagram()
    return [s for cs in diagram.CoordinateSystems for t in cs.ChartTypes for s in t.DataSeries]


def ranges_of(series):
    out = {}
    for sequence in series.DataSequences:
        out[sequence.Values.Role] = sequence.Values.SourceRangeRepresentation
        if sequence.Label:
            out["label"] = sequence.Label.SourceRangeRepresentation
    return out


def values_of(series):
    return [list(s.Values.Data) for s in series.DataSequences if s.Values.Role == "values-y"][0]


def chart_types(chart):
    return [t.ChartType for cs in chart.getFirstDiagram().CoordinateSystems for t in cs.ChartTypes]


def column_edges(sheet, letter):
    """Where LibreOffice puts the column's left edge and how wide it is, in 1/100 mm."""
    columns = sheet.Columns
    index = ord(letter) - ord("A")
    return sum(columns.getByIndex(i).Width for i in range(index)), columns.getByIndex(index).Width


class ChartsInLibreOffice(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.office, cls.document = open_recalculated(PATH)
        cls.sheets = cls.document.Sheets
        cls.pies = chart_view(cls.sheets.getByName(DATA))
        cls.line_charts = chart_view(cls.sheets.getByName(CHART))

    @classmethod
    def tearDownClass(cls):
        cls.document.close(True)
        cls.office.close()

    def test_sheets_in_order_with_the_data_sheet_active(self):
        self.assertEqual([self.sheets.getByIndex(i).Name for i in range(self.sheets.Count)], [DATA, CHART])
        self.assertEqual(self.document.CurrentController.ActiveSheet.Name, DATA)

    def test_two_pies_on_the_data_sheet_with_titles_legends_and_series(self):
        self.assertEqual(len(self.pies), 2)
        for (_, chart), (title, values, categories, _) in zip(self.pies, layout.PIES):
            self.assertEqual(chart_types(chart), ["com.sun.star.chart2.PieChartType"], title)
            self.assertTrue(chart.HasMainTitle, title)
            self.assertEqual(chart.Title.String, title)
            self.assertTrue(chart.HasLegend, title)
            series = series_of(chart)
            self.assertEqual(len(series), 1, title)
            self.assertEqual(ranges_of(series[0]), {"values-y": cells(*values)}, title)
            axis = chart.getFirstDiagram().CoordinateSystems[0].getAxisByDimension(0, 0)
            self.assertEqual(axis.getScaleData().Categories.Values.SourceRangeRepresentation, cells(*categories))

    def test_the_pies_show_the_values_of_their_cells(self):
        for (_, chart), (title, values, categories, _) in zip(self.pies, layout.PIES):
            cells_of = [a for block in values for a in (layout.cells(*block.split(":")) if ":" in block else [block])]
            self.assertEqual(len(values_of(series_of(chart)[0])), len(cells_of), title)
            for shown, a1 in zip(values_of(series_of(chart)[0]), cells_of):
                self.assertAlmostEqual(shown, layout.SAMPLE.get(a1, layout.SAMPLE_RESULTS.get(a1)), places=9,
                                       msg=f"{title} {a1}")

    def test_pie_data_labels_show_value_and_percentage(self):
        for (_, chart), (title, *_) in zip(self.pies, layout.PIES):
            label = series_of(chart)[0].Label
            self.assertTrue(label.ShowNumber, title)
            self.assertTrue(label.ShowNumberInPercent, title)
            self.assertTrue(label.ShowLegendSymbol, title)
            self.assertFalse(label.ShowCategoryName, title)

    def test_pies_are_placed_where_saved(self):
        sheet = self.sheets.getByName(DATA)
        for ((x, y, width, height), _), (title, _, _, bounds) in zip(self.pies, layout.PIES):
            top, _, _, points_high = bounds
            # Rows are kept in points: LibreOffice shows the very top and height.
            self.assertAlmostEqual(y * POINTS_PER_HUNDREDTH_MM, top, delta=PLACE_TOLERANCE, msg=title)
            self.assertAlmostEqual(height * POINTS_PER_HUNDREDTH_MM, points_high, delta=PLACE_TOLERANCE, msg=title)
            # Columns are kept in characters, which LibreOffice measures with its own font: the
            # edges lie as far into the same columns as Excel's anchor says.
            ((first, _), (last, _)), (dx1, _, dx2, _) = layout.cell_anchor(bounds)
            start, size = column_edges(sheet, first)
            self.assertAlmostEqual(x * POINTS_PER_HUNDREDTH_MM, (start + dx1 * size) * POINTS_PER_HUNDREDTH_MM,
                                   delta=PLACE_TOLERANCE, msg=title)
            start, size = column_edges(sheet, last)
            self.assertAlmostEqual((x + width) * POINTS_PER_HUNDREDTH_MM,
                                   (start + dx2 * size) * POINTS_PER_HUNDREDTH_MM, delta=PLACE_TOLERANCE, msg=title)

    def test_the_line_chart_alone_on_its_own_sheet(self):
        self.assertEqual(len(self.line_charts), 1)
        self.assertEqual(self.sheets.getByName(CHART).DrawPage.Count, 1)
        chart = self.line_charts[0][1]
        self.assertEqual(chart_types(chart), ["com.sun.star.chart2.LineChartType"])
        self.assertTrue(chart.HasMainTitle)
        self.assertEqual(chart.Title.String, CHART)
        series = series_of(chart)
        self.assertEqual([ranges_of(s) for s in series],
                         [{"values-y": cells("D%d:N%d" % (row, row)), "label": cells("B%d" % row)}
                          for row in layout.LINE_SERIES_ROWS])
        self.assertEqual([s.DataSequences[0].Label.Data[0] for s in series],
                         [layout.LABELS["B%d" % row] for row in layout.LINE_SERIES_ROWS])
        for s, row in zip(series, layout.LINE_SERIES_ROWS):
            expected = [layout.SAMPLE_RESULTS["%s%d" % (column, row)] for column in layout.GRID_COLUMNS]
            for shown, value in zip(values_of(s), expected):
                self.assertAlmostEqual(shown, value, places=9, msg=row)
            self.assertNotEqual(s.Symbol.Style.value, "NONE", row)  # lines with markers
        self.assertTrue(chart.HasLegend)

    def test_the_chart_sheet_is_a_landscape_letter_page_that_its_chart_fills(self):
        sheet = self.sheets.getByName(CHART)
        style = self.document.StyleFamilies.getByName("PageStyles").getByName(sheet.PageStyle)
        self.assertTrue(style.IsLandscape)
        self.assertAlmostEqual(style.Width, LETTER_LONG_SIDE * HUNDREDTHS_MM_PER_INCH, delta=2)
        self.assertAlmostEqual(style.Height, LETTER_SHORT_SIDE * HUNDREDTHS_MM_PER_INCH, delta=2)
        for name, inches in CHART_SHEET_MARGINS:
            self.assertAlmostEqual(getattr(style, name), inches * HUNDREDTHS_MM_PER_INCH, delta=2, msg=name)
        # The file sizes the chart to the page inside the margins, 691.2 by 504 points.
        # LibreOffice sets a chart sheet's chart 1 cm from the left and 0.5 cm from
        # the top of that size and keeps 3 cm of its width and 1.5 cm of its height
        # free (seen alike on portrait and landscape pages).
        (x, y, width, height), _ = self.line_charts[0]
        self.assertAlmostEqual(x, 1000, delta=2)
        self.assertAlmostEqual(y, 500, delta=2)
        self.assertAlmostEqual(width + 3000, (LETTER_LONG_SIDE - 1.4) * HUNDREDTHS_MM_PER_INCH, delta=5)
        self.assertAlmostEqual(height + 1500, (LETTER_SHORT_SIDE - 1.5) * HUNDREDTHS_MM_PER_INCH, delta=5)

    def test_every_plot_area_is_laid_out_by_libreoffice_and_fills_its_chart(self):
        # Every position in our charts is automatic; a plot area taken as manually placed
        # would shrink into the empty rectangle the file gives it.
        for (_, _, width, height), chart in self.pies + self.line_charts:
            title = chart.Title.String
            self.assertTrue(chart.Diagram.isAutomaticDiagramPositioning(), title)
            plot = chart.Diagram.calculateDiagramPositionIncludingAxes()
            self.assertGreater(plot.Width, width / 3, title)
            self.assertGreater(plot.Height, height / 3, title)

    def test_the_line_chart_axes(self):
        chart = self.line_charts[0][1]
        diagram = chart.Diagram
        self.assertTrue(diagram.HasXAxisTitle)
        self.assertEqual(diagram.XAxisTitle.String, layout.CATEGORY_AXIS_TITLE)
        self.assertTrue(diagram.HasYAxisTitle)
        self.assertEqual(diagram.YAxisTitle.String, layout.VALUE_AXIS_TITLE)
        code = self.document.NumberFormats.getByKey(diagram.YAxis.NumberFormat).FormatString
        self.assertEqual(code.upper(), layout.VALUE_AXIS_FORMAT.upper())  # LibreOffice writes the colour [RED]


if __name__ == "__main__":
    PATH = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
