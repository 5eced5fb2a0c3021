#!/usr/bin/python3
"""Gnumeric (ssconvert) turns the chart sample (make_chart_sample) into its
own XML format, which must hold what was saved: the two pies on the data
sheet anchored in H1:L14 and H18:L34, their titles and series (separate
cells as a union), and the line chart sheet's four series, title and axis
titles and value axis format. Exits 77 (skipped) when ssconvert is missing.
Usage: gnumeric_charts_check.py FILE"""

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

GNM = "{http://www.gnumeric.org/v10.dtd}"
DATA = "Breakeven Analysis Data"
CHART = "Breakeven Analysis Chart"
PATH = None


def ref(*addresses):
    return ",".join("'%s'!%s" % (DATA, a) for a in addresses)


def dimensions(node):
    return [d.text for d in node.iter("dimension")]


class ChartsInGnumeric(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = tempfile.mkdtemp(prefix="quorvane-charts-gnm-")
        try:
            target = os.path.join(folder, "book.gnumeric")
            subprocess.run(["ssconvert", PATH, target], check=True, capture_output=True, timeout=300)
            with gzip.open(target) as f:
                cls.root = ET.parse(f).getroot()
        finally:
            shutil.rmtree(folder, ignore_errors=True)
        cls.sheets = {s.find(GNM + "Name").text: s for s in cls.root.iter(GNM + "Sheet")}

    def graphs(self, sheet):
        return list(self.sheets[sheet].iter(GNM + "SheetObjectGraph"))

    def test_sheets_in_order(self):
        self.assertEqual(list(self.sheets), [DATA, CHART])

    def test_pies_anchored_where_saved(self):
        graphs = self.graphs(DATA)
        self.assertEqual([g.get("ObjectBound") for g in graphs], ["H1:L14", "H18:L34"])
        self.assertEqual(graphs[0].get("ObjectOffset"), "0.112 0.812 0.606 0.902")
        expected = [("Unit Contribution Margin", "((%s))" % ref("$C$15", "$C$18"), "((%s))" % ref("$F$15", "$F$18")),
                    ("Variable Cost Per Unit", ref("$C$10:$C$14"), ref("$F$10:$F$14"))]
        for graph, (title, categories, values) in zip(graphs, expected):
            plots = [p for p in graph.iter("GogObject") if p.get("role") == "Plot"]
            self.assertEqual([p.get("type") for p in plots], ["GogPiePlot"])
            titles = [t for t in graph.iter("GogObject") if t.get("role") == "Title"]
            self.assertEqual(dimensions(titles[0]), ['"%s"' % title])
            self.assertEqual(dimensions(plots[0]), [categories, values])

    def test_line_chart_sheet(self):
        graphs = self.graphs(CHART)
        self.assertEqual(len(graphs), 1)
        objects = {}
        for o in graphs[0].iter("GogObject"):
            objects.setdefault(o.get("role"), []).append(o)
        self.assertEqual([p.get("type") for p in objects["Plot"]], ["GogLinePlot"])
        self.assertEqual(dimensions(objects["Title"][0]), ['"%s"' % CHART])
        series = [dimensions(s) for s in objects["Series"]]
        self.assertEqual(series, [[ref("$B$%d" % r), ref("$D$%d:$N$%d" % (r, r))] for r in (37, 39, 40, 41)])
        x_title = [d for a in objects["X-Axis"] for d in dimensions(a)]
        y_title = [d for a in objects["Y-Axis"] for d in dimensions(a)]
        self.assertEqual(x_title, ['"Sales Volume (Units)"'])
        self.assertEqual(y_title, ['"Dollars"'])
        formats = [p.text for a in objects["Y-Axis"] for p in a.findall("property")
                   if p.get("name") == "assigned-format-string-XL"]
        self.assertEqual(formats, ["#,##0.00_);[Red](#,##0.00)"])


if __name__ == "__main__":
    PATH = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
