#!/usr/bin/python3
"""LibreOffice, driven headless through its UNO bridge with a private profile,
opens the chart sample (make_chart_sample: the breakeven data sheet with two
pies, then the line chart sheet) and must show what was saved: the sheets in
order with the data sheet active, each chart's type, title, series ranges
(separate cells as a union, not the block between), data labels, axis titles,
value axis format and the pies' places. Exits 77 (skipped) when LibreOffice
or its Python bridge is missing. Usage: libreoffice_charts_check.py FILE"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

try:
    import uno
    from com.sun.star.beans import PropertyValue
except ImportError:
    print("SKIPPED: python3-uno is not installed")
    sys.exit(77)
if not shutil.which("soffice"):
    print("SKIPPED: LibreOffice (soffice) is not installed")
    sys.exit(77)

DATA = "Breakeven Analysis Data"
CHART = "Breakeven Analysis Chart"
POINTS_PER_HUNDREDTH_MM = 72 / 2540
PATH = None


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def cells(*addresses):
    return ",".join("$'%s'.%s" % (DATA, a) for a in addresses)


class Office:
    """A private, headless LibreOffice listening on a pipe of its own."""

    def __init__(self):
        self.folder = tempfile.mkdtemp(prefix="quorvane-charts-lo-")
        pipe = "quorvanecharts%d" % os.getpid()
        profile = uno.systemPathToFileUrl(os.path.join(self.folder, "profile"))
        self.process = subprocess.Popen(
            ["soffice", "-env:UserInstallation=" + profile, "--headless", "--invisible", "--norestore", "--nologo",
             "--accept=pipe,name=%s;urp;" % pipe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.monotonic() + 90
        while True:
            try:
                context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                self.desktop = context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
                return
            except Exception:
                if time.monotonic() > deadline or self.process.poll() is not None:
                    raise
                time.sleep(0.5)

    def open(self, path):
        # A copy in the private folder: a lock file LibreOffice leaves never blocks the next run.
        copy = os.path.join(self.folder, os.path.basename(path))
        shutil.copyfile(path, copy)
        return self.desktop.loadComponentFromURL(uno.systemPathToFileUrl(copy), "_blank", 0, (prop("Hidden", True),))

    def close(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


def chart_view(doc, sheet):
    """Each chart of the sheet: ((top, height) in points, the chart document).
    The places are read before any chart is loaded: loading one may resize
    the shapes of the others for a while."""
    page = sheet.DrawPage
    places = {}
    for i in range(page.Count):
        shape = page.getByIndex(i)
        places[shape.PersistName] = (shape.Position.Y * POINTS_PER_HUNDREDTH_MM,
                                     shape.Size.Height * POINTS_PER_HUNDREDTH_MM)
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


def chart_types(chart):
    return [t.ChartType for cs in chart.getFirstDiagram().CoordinateSystems for t in cs.ChartTypes]


class ChartsInLibreOffice(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.office = Office()
        cls.document = cls.office.open(PATH)
        if cls.document is None:
            cls.office.close()
            raise RuntimeError("LibreOffice did not open " + PATH)
        cls.sheets = cls.document.Sheets

    @classmethod
    def tearDownClass(cls):
        cls.document.close(True)
        cls.office.close()

    def test_sheets_in_order_with_the_data_sheet_active(self):
        self.assertEqual([self.sheets.getByIndex(i).Name for i in range(self.sheets.Count)], [DATA, CHART])
        self.assertEqual(self.document.CurrentController.ActiveSheet.Name, DATA)

    def test_two_pies_on_the_data_sheet(self):
        charts = chart_view(self.document, self.sheets.getByName(DATA))
        self.assertEqual(len(charts), 2)
        expected = [("Unit Contribution Margin", cells("$F$15", "$F$18"), cells("$C$15", "$C$18"), 50),
                    ("Variable Cost Per Unit", cells("$F$10:$F$14"), cells("$C$10:$C$14"), 300)]
        for ((shape_top, shape_height), chart), (title, values, categories, top) in zip(charts, expected):
            self.assertEqual(chart_types(chart), ["com.sun.star.chart2.PieChartType"])
            self.assertTrue(chart.HasMainTitle)
            self.assertEqual(chart.Title.String, title)
            series = series_of(chart)
            self.assertEqual(len(series), 1)
            self.assertEqual(ranges_of(series[0]), {"values-y": values})
            axis = chart.getFirstDiagram().CoordinateSystems[0].getAxisByDimension(0, 0)
            self.assertEqual(axis.getScaleData().Categories.Values.SourceRangeRepresentation, categories)
            label = series[0].Label
            self.assertTrue(label.ShowNumber and label.ShowNumberInPercent and label.ShowLegendSymbol, title)
            self.assertFalse(label.ShowCategoryName, title)
            self.assertAlmostEqual(shape_top, top, delta=1, msg=title)
            self.assertAlmostEqual(shape_height, 200, delta=1, msg=title)

    def test_the_line_chart_on_its_own_sheet(self):
        charts = chart_view(self.document, self.sheets.getByName(CHART))
        self.assertEqual(len(charts), 1)
        chart = charts[0][1]
        self.assertEqual(chart_types(chart), ["com.sun.star.chart2.LineChartType"])
        self.assertEqual(chart.Title.String, CHART)
        self.assertEqual([ranges_of(s) for s in series_of(chart)],
                         [{"values-y": cells("$D$%d:$N$%d" % (row, row)), "label": cells("$B$%d" % row)}
                          for row in (37, 39, 40, 41)])
        diagram = chart.Diagram
        self.assertEqual(diagram.XAxisTitle.String, "Sales Volume (Units)")
        self.assertEqual(diagram.YAxisTitle.String, "Dollars")
        code = self.document.NumberFormats.getByKey(diagram.YAxis.NumberFormat).FormatString
        self.assertEqual(code.upper(), "#,##0.00_);[RED](#,##0.00)")
        self.assertTrue(chart.HasLegend)


if __name__ == "__main__":
    PATH = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
