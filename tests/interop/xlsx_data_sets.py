"""The five inputs the .xlsx checks run on, as make_breakeven_workbook types
them, and what the breakeven sheet must show for each: the texts and numbers
typed, and every formula's result worked out here from the layout's
formulas (not from our code). Shared by the xlsx checks."""

import breakeven_expectations as layout

NAMES = ("sample", "worked", "empty", "text", "long-name")

# Field -> cell, as the worksheet layout places the inputs.
SAMPLE_INPUTS = dict(layout.SAMPLE)
WORKED_INPUTS = {"F5": 10, "F6": 1000, "F10": 2, "F11": 1, "F22": 3000, "F23": 1000}
TEXT_INPUTS = {**SAMPLE_INPUTS, "F5": "twelve", "F10": "two"}


def long_name():
    """300 code points from many scripts, some beyond the Basic Multilingual Plane."""
    piece = "Smith & S\u00f6hne \u2014 \u0391\u03b8\u03ae\u03bd\u03b1 \u6771\u4eac \u041f\u0440\u0438\u0432\u0435\u0442 \U0001F4C8 "
    return "".join(piece[i % len(piece)] for i in range(300))


def inputs(name):
    if name == "worked":
        return dict(WORKED_INPUTS)
    if name == "empty":
        return {}
    if name == "text":
        return dict(TEXT_INPUTS)
    if name == "long-name":
        return {**SAMPLE_INPUTS, "B2": long_name()}
    return dict(SAMPLE_INPUTS)


def numeric_results(typed):
    """The results for inputs that are all numbers or empty (0 in arithmetic)."""
    v = lambda a: typed.get(a) or 0
    r = {}
    f5, f6 = v("F5"), v("F6")
    r["G7"] = f5 * f6 if (f5 != 0 or f6 != 0) else 0
    r["F15"] = sum(v(f"F{row}") for row in range(10, 15))
    r["G16"] = r["F15"] * f6 if r["F15"] else 0
    r["F18"] = max(0, f5 - r["F15"]) if f5 > 0 else 0
    r["G19"] = r["G7"] - r["G16"] if (r["G7"] != 0 or r["G16"] != 0) else 0
    r["G27"] = sum(v(f"F{row}") for row in range(22, 27))
    r["G29"] = r["G19"] - r["G27"] if (r["G19"] != 0 or r["G27"] != 0) else 0
    r["F33"] = r["G27"] / r["F18"] if (r["F18"] > 0 and r["G27"] > 0) else ""
    for index, column in enumerate(layout.GRID_COLUMNS):
        volume = f6 * index / 10 if f6 else 0
        cost = r["F15"] * volume
        r.update({f"{column}35": volume, f"{column}36": f5, f"{column}37": r["G27"], f"{column}38": cost,
                  f"{column}39": r["G27"] + cost, f"{column}40": volume * f5,
                  f"{column}41": volume * f5 - (r["G27"] + cost)})
    return r


def text_results():
    """The sample with "twelve" as the price and "two" as the commission: the
    sums pass the words by, arithmetic on them is #VALUE!, and a comparison
    puts any text above any number."""
    r = numeric_results({**SAMPLE_INPUTS, "F5": 0, "F10": 0})
    error = "#VALUE!"
    r.update({"G7": error, "F18": error, "G19": error, "G29": error, "F33": error})
    for column in layout.GRID_COLUMNS:
        r.update({f"{column}36": "twelve", f"{column}40": error, f"{column}41": error})
    return r


def results(name):
    return text_results() if name == "text" else numeric_results(inputs(name))


def pies(name):
    """The pies for a data set: with a word in F10, the source C10:C14,F10:F14
    reads its first row as the series name (as the spreadsheet reads a source
    whose first row holds only texts), so the second pie plots rows 11 to 14."""
    if name != "text":
        return layout.PIES
    first, (title, _, _, bounds) = layout.PIES
    return [first, (title, ["F11:F14"], ["C11:C14"], bounds)]
