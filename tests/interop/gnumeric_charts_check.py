#!/usr/bin/python3
"""Gnumeric (ssconvert) turns a workbook with the breakeven charts into its own
XML format without a single warning, and that must hold what was saved: the
two pies on the data sheet anchored where Excel's cell anchor puts 50/420 and
300/420 points (300 by 200) on the sheet's columns and rows, their titles and
series (separate cells as a union), and the line chart sheet's four series,
title, axis titles and value axis format. Gnumeric reads no data labels from
.xls files (not even from files LibreOffice writes), so they are not checked
here. Exits 77 (skipped) when ssconvert is missing.

Usage: gnumeric_charts_check.py FILE [--chart-sample]
  FILE            the program's workbook (make_breakeven_workbook): the pies
                  sit in H1:L14 and H18:L32 (rows 31 and 32 are 32.25 pt high)
  --chart-sample  FILE is the chart sample (make_chart_sample), whose rows 31
                  to 34 keep the default height: the second pie ends in L34"""

import gzip
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

if not shutil.which("ssconvert"):
    print("SKIPPED: Gnumeric (ssconvert) is not installed")
    sys.exit(77)

import breakeven_expectations as layout

GNM = "{http://www.gnumeric.org/v10.dtd}"
DATA = layout.SHEET_NAME
CHART = layout.CHART_SHEET_NAME
PATH = None
ROW_HEIGHTS = layout.ROW_HEIGHTS
# Where the pies end up on the program's workbook, as worked out by hand from
# the layout's row heights; cell_anchor must agree.
PIE_BOUNDS = ["H1:L14", "H18:L32"]
# Gnumeric writes anchor fractions with three decimals; Excel's anchor keeps
# 1/1024 of a column and 1/256 of a row.
OFFSET_TOLERANCE = 0.0025


def ref(*addresses):
    return ",".join("'%s'!%s" % (DATA, a) for a in addresses)


def absolute(a1):
    return ":".join("$%s$%s" % (part[0], part[1:]) for part in a1.split(":"))


def union_or_area(addresses):
    """How Gnumeric shows a series reference: one area as it is, separate cells as a union."""
    text = ref(*map(absolute, addresses))
    return "((%s))" % text if len(addresses) > 1 else text


def dimensions(node):
    return [d.text for d in node.iter("dimension")]


class ChartsInGnumeric(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = tempfile.mkdtemp(prefix="quorvane-charts-gnm-")
        try:
            target = os.path.join(folder, "book.gnumeric")
            env = dict(os.environ, HOME=folder)
            cls.result = subprocess.run(["ssconvert", PATH, target], capture_output=True, text=True, env=env,
                                        timeout=300)
            with gzip.open(target) as f:
                cls.root = ET.parse(f).getroot()
        finally:
            shutil.rmtree(folder, ignore_errors=True)
        cls.sheets = {s.find(GNM + "Name").text: s for s in cls.root.iter(GNM + "Sheet")}

    def graphs(self, sheet):
        return list(self.sheets[sheet].iter(GNM + "SheetObjectGraph"))

    def test_reads_without_a_warning(self):
        self.assertEqual(self.result.returncode, 0)
        self.assertEqual(self.result.stderr.strip(), "")

    def test_sheets_in_order(self):
        self.assertEqual(list(self.sheets), [DATA, CHART])

    def test_pies_anchored_where_saved(self):
        graphs = self.graphs(DATA)
        self.assertEqual([g.get("ObjectBound") for g in graphs], PIE_BOUNDS)
        for graph, (title, _, _, bounds) in zip(graphs, layout.PIES):
            (first, last), fractions = layout.cell_anchor(bounds, ROW_HEIGHTS)
            self.assertEqual(graph.get("ObjectBound"), "%s%d:%s%d" % (first + last), title)
            offsets = [float(x) for x in graph.get("ObjectOffset").split()]
            for shown, expected in zip(offsets, fractions):
                self.assertAlmostEqual(shown, expected, delta=OFFSET_TOLERANCE, msg=title)

    def test_pies_titles_and_series(self):
        graphs = self.graphs(DATA)
        self.assertEqual(len(graphs), len(layout.PIES))
        for graph, (title, values, categories, _) in zip(graphs, layout.PIES):
            plots = [p for p in graph.iter("GogObject") if p.get("role") == "Plot"]
            self.assertEqual([p.get("type") for p in plots], ["GogPiePlot"], title)
            titles = [t for t in graph.iter("GogObject") if t.get("role") == "Title"]
            self.assertEqual(dimensions(titles[0]), ['"%s"' % title])
            self.assertEqual(dimensions(plots[0]), [union_or_area(categories), union_or_area(values)], title)
            self.assertTrue([o for o in graph.iter("GogObject") if o.get("role") == "Legend"], title)

    def test_line_chart_sheet(self):
        graphs = self.graphs(CHART)
        self.assertEqual(len(graphs), 1)
        objects = {}
        for o in graphs[0].iter("GogObject"):
            objects.setdefault(o.get("role"), []).append(o)
        self.assertEqual([p.get("type") for p in objects["Plot"]], ["GogLinePlot"])
        self.assertEqual(dimensions(objects["Title"][0]), ['"%s"' % CHART])
        series = [dimensions(s) for s in objects["Series"]]
        self.assertEqual(series, [[ref("$B$%d" % r), ref("$D$%d:$N$%d" % (r, r))] for r in layout.LINE_SERIES_ROWS])
        x_title = [d for a in objects["X-Axis"] for d in dimensions(a)]
        y_title = [d for a in objects["Y-Axis"] for d in dimensions(a)]
        self.assertEqual(x_title, ['"%s"' % layout.CATEGORY_AXIS_TITLE])
        self.assertEqual(y_title, ['"%s"' % layout.VALUE_AXIS_TITLE])
        formats = [p.text for a in objects["Y-Axis"] for p in a.findall("property")
                   if p.get("name") == "assigned-format-string-XL"]
        self.assertEqual(formats, [layout.VALUE_AXIS_FORMAT])
        self.assertIn("Legend", objects)


if __name__ == "__main__":
    PATH = os.path.abspath(sys.argv.pop(1))
    if "--chart-sample" in sys.argv:
        sys.argv.remove("--chart-sample")
        ROW_HEIGHTS = {**layout.ROW_HEIGHTS, **{row: layout.DEFAULT_ROW_HEIGHT for row in range(31, 35)}}
        PIE_BOUNDS = ["H1:L14", "H18:L34"]
    unittest.main(verbosity=2)
