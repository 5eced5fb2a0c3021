#!/usr/bin/env python3
"""Apache POI (HSSF, run on the Java found on the path) opens the saved
breakeven workbook and must find the summary and document summary property
streams and read them without a warning: the program's name, creation and
save times of this run, code page 1252, no author; and both sheets. Without
those streams POI warns that they "came back as null". The view is a Java
source file that java runs as it is, which takes a JDK. Exits 77 (skipped)
when a JDK or POI is not installed. Usage: poi_check.py FILE"""

import os
import shutil
import subprocess
import sys
import time
import unittest

POI_JARS = ["poi.jar", "commons-collections4.jar", "commons-math3.jar", "commons-codec.jar"]
JAVA_LIBRARIES = "/usr/share/java"
if not shutil.which("javac") or not all(os.path.exists(os.path.join(JAVA_LIBRARIES, j)) for j in POI_JARS):
    print("SKIPPED: a JDK (default-jdk-headless) or Apache POI (libapache-poi-java) is not installed")
    sys.exit(77)

import breakeven_expectations as layout

PATH = None
VIEW = os.path.join(os.path.dirname(os.path.abspath(__file__)), "PoiPropertiesView.java")
# POI's log lines start "[class]" and a level letter; W, E and F are warnings and worse.
COMPLAINTS = ("]W ", "]E ", "]F ")
# POI complains of its own unset tuning properties whatever the file; those lines are no verdict.
OWN_SETTINGS = "util.Configurator"
RECENT_MS = 3600 * 1000


def run_view(path):
    classpath = ":".join(os.path.join(JAVA_LIBRARIES, j) for j in POI_JARS)
    done = subprocess.run(
        ["java", "-Dorg.apache.poi.util.POILogger=org.apache.poi.util.SystemOutLogger", "-Dpoi.log.level=5",
         "-cp", classpath, VIEW, path], capture_output=True, text=True, timeout=300)
    return done.returncode, done.stdout.splitlines(), done.stderr


class OpenedByPoi(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.code, lines, cls.errors = run_view(PATH)
        cls.log = [line for line in lines if line.startswith("[")]
        cls.view = {}
        for line in lines:
            if "=" in line and not line.startswith("["):
                key, value = line.split("=", 1)
                cls.view.setdefault(key, []).append(value)

    def value(self, key):
        return self.view.get(key, [None])[0]

    def test_opens_without_a_warning(self):
        self.assertEqual(self.code, 0, self.errors)
        complaints = [line for line in self.log if any(c in line for c in COMPLAINTS) and OWN_SETTINGS not in line]
        self.assertEqual(complaints, [])

    def test_reads_the_summary(self):
        self.assertEqual(self.value("summary"), "true")
        self.assertEqual(self.value("application"), "Quorvane")
        self.assertEqual(self.value("author"), "null")
        self.assertEqual(self.value("lastAuthor"), "null")
        self.assertEqual(self.value("codePage"), "1252")
        created, saved = int(self.value("created")), int(self.value("saved"))
        self.assertLessEqual(created, saved)
        self.assertLess(abs(saved - time.time() * 1000), RECENT_MS)

    def test_reads_the_document_summary_and_both_sheets(self):
        self.assertEqual(self.value("documentSummary"), "true")
        self.assertEqual(self.value("documentCodePage"), "1252")
        self.assertEqual(self.view.get("sheet"), [layout.SHEET_NAME, layout.CHART_SHEET_NAME])


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
