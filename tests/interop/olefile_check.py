#!/usr/bin/env python3
"""An independent reader of compound files (olefile) opens the saved breakeven
workbook and must find the summary and document summary property streams
beside the Workbook stream, and parse them without a complaint: code page
1252, the program's name, creation and save times of this run, nothing about
a person; the sheets under "Worksheets" and "Charts". olefile leaves vectors
unparsed, so the heading pairs and titles are read from the raw stream here,
the way Office documents lay them out. Exits 77 (skipped) when olefile is not
installed. Usage: olefile_check.py FILE"""

import datetime
import struct
import sys
import unittest

try:
    import olefile
except ImportError:
    print("SKIPPED: python3-olefile is not installed")
    sys.exit(77)

import breakeven_expectations as layout

PATH = None
SUMMARY = "\x05SummaryInformation"
DOCUMENT_SUMMARY = "\x05DocumentSummaryInformation"
CODE_PAGE, APP_NAME, CREATED, SAVED = 0x01, 0x12, 0x0C, 0x0D
PERSONAL = {0x02: "title", 0x04: "author", 0x08: "last saved by"}
HEADING_PAIRS, TITLES_OF_PARTS = 0x0C, 0x0D
VT_LPSTR, VT_I4 = 0x1E, 0x03
# The fixture is saved by this test run, moments before.
RECENT = datetime.timedelta(hours=1)


def section_values(stream):
    """{property id: offset of its value} of the first section, and the section's bytes."""
    (section_at,) = struct.unpack_from("<I", stream, 44)
    size, count = struct.unpack_from("<II", stream, section_at)
    section = stream[section_at:section_at + size]
    offsets = {}
    for i in range(count):
        pid, offset = struct.unpack_from("<II", section, 8 + 8 * i)
        offsets[pid] = offset
    return section, offsets


def unaligned_string(section, at):
    """A code page 1252 string as Office stores it inside a vector: a count, the bytes, no padding."""
    (count,) = struct.unpack_from("<I", section, at)
    return section[at + 4:at + 4 + count].rstrip(b"\0").decode("cp1252"), at + 4 + count


def heading_pairs(section, at):
    vt, count = struct.unpack_from("<HxxI", section, at)
    assert vt == 0x100C, hex(vt)  # a vector of variants
    at += 8
    items = []
    for _ in range(count):
        (item_type,) = struct.unpack_from("<Hxx", section, at)
        at += 4
        if item_type == VT_LPSTR:
            text, at = unaligned_string(section, at)
            items.append(text)
        elif item_type == VT_I4:
            items.append(struct.unpack_from("<i", section, at)[0])
            at += 4
        else:
            raise AssertionError(f"item type {item_type:#x}")
    return items


def titles(section, at):
    vt, count = struct.unpack_from("<HxxI", section, at)
    assert vt == 0x101E, hex(vt)  # a vector of code page strings
    at += 8
    names = []
    for _ in range(count):
        name, at = unaligned_string(section, at)
        names.append(name)
    return names


class PropertyStreams(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Any defect olefile sees in the container or the property sets raises.
        cls.file = olefile.OleFileIO(PATH, raise_defects=olefile.DEFECT_INCORRECT)

    @classmethod
    def tearDownClass(cls):
        cls.file.close()

    def test_both_property_streams_stand_beside_the_workbook_stream(self):
        streams = {"/".join(entry) for entry in self.file.listdir()}
        self.assertEqual(streams, {"Workbook", SUMMARY, DOCUMENT_SUMMARY})
        self.assertEqual(self.file.parsing_issues, [])

    def test_the_summary_names_the_program_and_the_times_of_this_run(self):
        summary = self.file.getproperties(SUMMARY, convert_time=True)
        self.assertEqual(summary[CODE_PAGE], 1252)
        self.assertEqual(summary[APP_NAME], b"Quorvane")
        now = datetime.datetime.utcnow()
        self.assertLessEqual(summary[CREATED], summary[SAVED])
        self.assertLess(abs(summary[SAVED] - now), RECENT)
        self.assertLess(abs(summary[CREATED] - now), RECENT)
        for pid, what in PERSONAL.items():
            self.assertNotIn(pid, summary, what)
        metadata = self.file.get_metadata()
        self.assertEqual(metadata.creating_application, b"Quorvane")
        self.assertIsNone(metadata.author)
        self.assertIsNone(metadata.last_saved_by)
        self.assertEqual(self.file.parsing_issues, [])

    def test_the_document_summary_lists_the_worksheet_and_the_chart_sheet(self):
        properties = self.file.getproperties(DOCUMENT_SUMMARY)
        self.assertEqual(properties[CODE_PAGE], 1252)
        self.assertEqual(self.file.get_metadata().codepage_doc, 1252)
        section, offsets = section_values(self.file.openstream(DOCUMENT_SUMMARY).read())
        self.assertEqual(heading_pairs(section, offsets[HEADING_PAIRS]), ["Worksheets", 1, "Charts", 1])
        self.assertEqual(titles(section, offsets[TITLES_OF_PARTS]), [layout.SHEET_NAME, layout.CHART_SHEET_NAME])
        self.assertEqual(self.file.parsing_issues, [])


if __name__ == "__main__":
    PATH = sys.argv.pop(1)
    unittest.main(verbosity=2)
