"""What the saved breakeven sheet must hold, written out from the worksheet
layout (not from our code): texts, formulas in A1 form, fonts, fills, borders,
number formats, column widths and row heights, and the results for the sample
data. Shared by the independent-reader checks."""

import itertools

SHEET_NAME = "Breakeven Analysis Data"

SAMPLE = {
    "B2": "Smith & Sons, Inc.", "F5": 12.5, "F6": 1000, "F10": 2, "F11": 2.5, "F12": 1.1, "F13": 0.8,
    "F14": 1.2, "F22": 1200, "F23": 500, "F24": 150, "F25": 800, "F26": 750,
}

LABELS = {
    "B1": "Breakeven Analysis", "B3": "Amounts shown in U.S. dollars", "B4": "Sales",
    "C5": "Sales price per unit", "C6": "Sales volume per period (units)", "C7": "    Total Sales",
    "B9": "Variable Costs", "C10": "Commission per unit", "C11": "Direct material per unit",
    "C12": "Shipping per unit", "C13": "Supplies per unit", "C14": "Other variable cost per unit",
    "C15": "Variable cost per unit", "C16": "    Total Variable Costs", "C18": "Unit contribution margin",
    "C19": "    Gross Margin", "B21": "Fixed Costs Per Period", "C22": "Administrative costs", "C23": "Insurance",
    "C24": "Property tax", "C25": "Rent", "C26": "Other fixed costs", "C27": "    Total Fixed Costs per period",
    "C29": "    Net Profit (Loss)", "B32": "RESULTS", "B33": "Breakeven Point (units):",
    "B34": "Sales volume analysis:", "B35": "Sales volume per period (units)", "B36": "Sales price unit",
    "B37": "Fixed cost per period", "B38": "Variable costs", "B39": "Total costs", "B40": "Total sales",
    "B41": "Net profit (loss)",
}

FORMULAS = {
    "G7": "IF(OR(F5<>0,F6<>0),F5*F6,0)", "F15": "SUM(F10:F14)", "G16": "IF(F15,F15*F6,0)",
    "F18": "IF(F5>0,MAX(0,F5-F15),0)", "G19": "IF(OR(G7<>0,G16<>0),G7-G16,0)", "G27": "SUM(F22:F26)",
    "G29": "IF(OR(G19<>0,G27<>0),G19-G27,0)", "F33": 'IF(AND(F18>0,G27>0),G27/F18,"")',
}
GRID_COLUMNS = "DEFGHIJKLMN"
SHARES = ["0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"]
for column, share in zip(GRID_COLUMNS, SHARES):
    FORMULAS[f"{column}35"] = f"IF(F6,F6*{share},0)"
    FORMULAS[f"{column}36"] = "F5"
    FORMULAS[f"{column}37"] = "G27"
    FORMULAS[f"{column}38"] = f"F15*{column}35"
    FORMULAS[f"{column}39"] = f"SUM({column}37:{column}38)"
    FORMULAS[f"{column}40"] = f"{column}35*{column}36"
    FORMULAS[f"{column}41"] = f"{column}40-{column}39"

# Results for the sample data (price 12.5, volume 1000, variable cost 7.6 per unit, fixed costs 3400).
SAMPLE_RESULTS = {"G7": 12500, "F15": 7.6, "G16": 7600, "F18": 4.9, "G19": 4900, "G27": 3400, "G29": 1500,
                  "F33": 3400 / 4.9}
for index, column in enumerate(GRID_COLUMNS):
    volume = 1000 * index / 10
    SAMPLE_RESULTS.update({f"{column}35": volume, f"{column}36": 12.5, f"{column}37": 3400,
                           f"{column}38": 7.6 * volume, f"{column}39": 3400 + 7.6 * volume,
                           f"{column}40": 12.5 * volume, f"{column}41": 12.5 * volume - 3400 - 7.6 * volume})

COLUMN_WIDTHS = {"A": 1, "B": 15.57, "C": 9, **{c: 12 for c in "DEFGHIJKLMN"}}
ROW_HEIGHTS = {1: 61.5, 2: 27.75, 3: 15.75, 4: 15.75, **{r: 12.75 for r in range(5, 9)}, 9: 15.75,
               **{r: 12.75 for r in range(10, 21)}, 21: 15.75, **{r: 12.75 for r in range(22, 31)},
               31: 32.25, 32: 32.25, 33: 20.25, 34: 20.25, **{r: 12.75 for r in range(35, 44)}}

AUTOMATIC = "automatic"
# Font per cell: (name, size in points, bold, colour index or AUTOMATIC). Every other cell: Arial 10, plain.
FONTS = {
    "B1": ("Arial Black", 22, True, 11), "B2": ("Arial", 22, True, 13), "B3": ("Arial", 8, False, AUTOMATIC),
    "B32": ("Arial Black", 22, True, 11), "B33": ("Arial", 16, True, AUTOMATIC),
    "B34": ("Arial", 16, True, AUTOMATIC), "F33": ("Arial", 16, True, AUTOMATIC),
}
for bar in ("4", "9", "21"):
    for column in "BCDE":
        FONTS[f"{column}{bar}"] = ("Arial", 12, True, 2)
for cell in ("C7", "C15", "C16", "C18", "C19", "C27", "C29"):
    FONTS[cell] = ("Arial", 10, True, AUTOMATIC)
DEFAULT_FONT = ("Arial", 10, False, AUTOMATIC)


def cells(first, last):
    """Every A1 address in the block first:last."""
    c1, r1 = first[0], int(first[1:])
    c2, r2 = last[0], int(last[1:])
    return [f"{c}{r}" for r in range(r1, r2 + 1) for c in map(chr, range(ord(c1), ord(c2) + 1))]


FILLS = {cell: 11 for cell in cells("B4", "E4") + cells("B9", "E9") + cells("B21", "E21")}
FILLS.update({cell: 15 for cell in ["G7", "F15", "G16", "F18", "G19", "G27", "G29"] + cells("D35", "N41")})

NUMBER_FORMATS = {cell: "#,##0.00" for cell in cells("F5", "F26") + cells("G7", "G29")}
NUMBER_FORMATS["F33"] = "#"
NUMBER_FORMATS.update({cell: "#,##0.00_);[Red](#,##0.00)" for cell in cells("D41", "N41")})

# Boxes: (range, colour, inside horizontal, inside vertical), in the order they are drawn.
BOXES = [("F5:F6", AUTOMATIC, True, False), ("G7:G7", AUTOMATIC, False, False), ("F10:F15", 11, True, False),
         ("G16:G16", 11, False, False), ("F18:F18", AUTOMATIC, False, False), ("G19:G19", AUTOMATIC, False, False),
         ("F22:F26", 11, True, False), ("G27:G27", AUTOMATIC, False, False), ("G29:G29", AUTOMATIC, False, False),
         ("D35:N41", AUTOMATIC, True, True)]


def expected_borders():
    """Cell -> {edge: colour} for every line drawn, later boxes winning."""
    lines = {}
    for block, colour, inside_h, inside_v in BOXES:
        first, last = block.split(":")
        top, bottom = int(first[1:]), int(last[1:])
        left, right = first[0], last[0]
        for cell in cells(first, last):
            column, row = cell[0], int(cell[1:])
            edges = lines.setdefault(cell, {})
            if column == left or inside_v:
                edges["left"] = colour
            if column == right or inside_v:
                edges["right"] = colour
            if row == top or inside_h:
                edges["top"] = colour
            if row == bottom or inside_h:
                edges["bottom"] = colour
    return lines


def address(cell):
    """A1 text -> (row, column), both 0-based."""
    return int(cell[1:]) - 1, ord(cell[0]) - ord("A")


def all_cells():
    return set(itertools.chain(LABELS, SAMPLE, FORMULAS))


# The charts: two pies embedded in the data sheet, then a line chart on a sheet of its own.
CHART_SHEET_NAME = "Breakeven Analysis Chart"
# Each pie: title, values, categories (separate cells stay a union, never the block between) and its
# place in points (top, left, width, height).
PIES = [("Unit Contribution Margin", ["F15", "F18"], ["C15", "C18"], (50, 420, 300, 200)),
        ("Variable Cost Per Unit", ["F10:F14"], ["C10:C14"], (300, 420, 300, 200))]
# The line chart: one series per row, named by its label in column B, over columns D to N.
LINE_SERIES_ROWS = (37, 39, 40, 41)
CATEGORY_AXIS_TITLE = "Sales Volume (Units)"
VALUE_AXIS_TITLE = "Dollars"
VALUE_AXIS_FORMAT = "#,##0.00_);[Red](#,##0.00)"

MAX_DIGIT_WIDTH = 7  # pixels, Arial 10 at 96 dpi
DEFAULT_ROW_HEIGHT = 12.75


def column_pixels(letter):
    """A column's width in whole pixels as Excel shows it: the width in
    characters plus 5 pixels of padding, stored in 1/256 of a character."""
    stored = int((COLUMN_WIDTHS[letter] * MAX_DIGIT_WIDTH + 5) / MAX_DIGIT_WIDTH * 256)
    return int((stored + int(128 / MAX_DIGIT_WIDTH)) / 256 * MAX_DIGIT_WIDTH)


def cell_anchor(bounds, row_heights=None):
    """A shape's place (top, left, width, height in points) as the cell anchor
    Excel keeps: ((first column letter, first row), (last column letter, last
    row)) and the fractions (left, top, right, bottom) of those cells where
    the edges lie."""
    heights = row_heights or ROW_HEIGHTS
    top, left, width, height = bounds

    def column_at(x):
        start = 0.0
        for letter in sorted(COLUMN_WIDTHS):
            size = column_pixels(letter) * 0.75  # 96 pixels to the inch
            if x < start + size:
                return letter, (x - start) / size
            start += size
        raise ValueError(x)

    def row_at(y):
        start, row = 0.0, 1
        while y >= start + heights.get(row, DEFAULT_ROW_HEIGHT):
            start += heights.get(row, DEFAULT_ROW_HEIGHT)
            row += 1
        return row, (y - start) / heights.get(row, DEFAULT_ROW_HEIGHT)

    (first_column, dx1), (last_column, dx2) = column_at(left), column_at(left + width)
    (first_row, dy1), (last_row, dy2) = row_at(top), row_at(top + height)
    return ((first_column, first_row), (last_column, last_row)), (dx1, dy1, dx2, dy2)
