#!/usr/bin/env python3
"""LibreOffice, driven headless through its UNO interface with a private
profile (tests/interop/office.py), opens a copy of the program's saved
breakeven workbook (sample data, charts included), recalculates it, and
must agree with us: every formula reads back in A1 form as the layout gives
it, every recalculated result equals ours, the page setup is one landscape
A4 page with the given margins, and the document properties carry the
creation and save times of the summary stream and no author. Exits 77 (skipped) when LibreOffice or its
Python bridge is missing."""

import datetime
import sys
import unittest

from office import open_recalculated  # exits 77 when LibreOffice or its bridge is missing
import breakeven_expectations as layout

HUNDREDTHS_MM_PER_INCH = 2540
# The fixture is saved by this test run, moments before (allowing for the time zone).
RECENT = datetime.timedelta(hours=15)
A4_LONG_SIDE, A4_SHORT_SIDE = 29700, 21000
PATH = None


def as_datetime(uno_time):
    return datetime.datetime(uno_time.Year, uno_time.Month, uno_time.Day, uno_time.Hours, uno_time.Minutes,
                             uno_time.Seconds)


class OpenedInLibreOffice(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.office, cls.document = open_recalculated(PATH)
        cls.sheet = cls.document.Sheets.getByName(layout.SHEET_NAME)

    @classmethod
    def tearDownClass(cls):
        cls.document.close(True)
        cls.office.close()

    def cell(self, a1):
        row, column = layout.address(a1)
        return self.sheet.getCellByPosition(column, row)

    def test_formulas_read_back_in_a1_form_as_the_layout_gives_them(self):
        for a1, formula in layout.FORMULAS.items():
            self.assertEqual(self.cell(a1).getFormula().replace(";", ","), "=" + formula, a1)

    def test_recalculated_results_equal_ours(self):
        for a1, value in layout.SAMPLE_RESULTS.items():
            self.assertAlmostEqual(self.cell(a1).getValue(), value, places=9, msg=a1)

    def test_page_setup_is_one_landscape_a4_page_with_narrow_margins(self):
        styles = self.document.StyleFamilies.getByName("PageStyles")
        style = styles.getByName(self.sheet.PageStyle)
        self.assertTrue(style.IsLandscape)
        self.assertAlmostEqual(style.Width, A4_LONG_SIDE, delta=2)  # LibreOffice rounds A4 to 21001
        self.assertAlmostEqual(style.Height, A4_SHORT_SIDE, delta=2)
        self.assertEqual((style.ScaleToPagesX, style.ScaleToPagesY), (1, 1))
        for name, inches in (("LeftMargin", 0.7), ("RightMargin", 0.7), ("TopMargin", 0.5), ("BottomMargin", 0.5)):
            self.assertAlmostEqual(getattr(style, name), inches * HUNDREDTHS_MM_PER_INCH, delta=2, msg=name)
        self.assertFalse(style.HeaderIsOn)
        self.assertFalse(style.FooterIsOn)

    def test_document_properties_carry_the_saved_times_and_no_author(self):
        properties = self.document.DocumentProperties
        created, saved = as_datetime(properties.CreationDate), as_datetime(properties.ModificationDate)
        self.assertLessEqual(created, saved)
        self.assertLess(abs(saved - datetime.datetime.utcnow()), RECENT)
        self.assertEqual(properties.Author, "")
        self.assertEqual(properties.ModifiedBy, "")


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
