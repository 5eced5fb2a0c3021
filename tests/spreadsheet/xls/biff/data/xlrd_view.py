#!/usr/bin/python3
# An independent reader's view of a workbook: xlrd opens it with its
# formatting and prints one line per cell (type, value, font, fill, borders,
# number format), per column width and per row height, for the tests to
# compare with what was saved. Usage: xlrd_view.py FILE
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
for sheet in book.sheets():
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            xf = book.xf_list[cell.xf_index]
            font = book.font_list[xf.font_index]
            b = xf.border
            print("cell %s!%s type=%d value=%r font=%s|%d|%d|%d|%d fill=%d|%d borders=%d|%d|%d|%d|%d|%d|%d|%d format=%s"
                  % (sheet.name, xlrd.cellname(r, c), cell.ctype, cell.value, font.name, font.height, font.weight,
                     font.italic, font.colour_index, xf.background.fill_pattern, xf.background.pattern_colour_index,
                     b.left_line_style, b.top_line_style, b.bottom_line_style, b.right_line_style,
                     b.left_colour_index, b.top_colour_index, b.bottom_colour_index, b.right_colour_index,
                     book.format_map[xf.format_key].format_str))
    for c, info in sorted(sheet.colinfo_map.items()):
        print("width %s col=%d %d" % (sheet.name, c, info.width))
    for r, info in sorted(sheet.rowinfo_map.items()):
        print("height %s row=%d %d" % (sheet.name, r, info.height))
    print("merged %s %r" % (sheet.name, sheet.merged_cells))
