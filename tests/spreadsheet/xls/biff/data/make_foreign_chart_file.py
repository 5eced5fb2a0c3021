#!/usr/bin/python3
"""Makes foreign_libreoffice_charts.xls, a workbook with charts that another
program wrote, for the chart reader's tests: LibreOffice, driven headless
through its UNO bridge with a private profile, builds a sheet "Data" with a
pie chart (categories E15:E17, values F15:F17, a title, value and percentage
labels) and a line chart (two series by rows, named by B37 and B39, values
C37:F37 and C39:F39, a title and axis titles) and saves it with its own .xls
export filter. Usage, in this folder: /usr/bin/python3 make_foreign_chart_file.py"""

import os
import shutil
import subprocess
import tempfile
import time

import uno
from com.sun.star.awt import Rectangle
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def start_office(folder):
    pipe = "foreigncharts%d" % os.getpid()
    profile = uno.systemPathToFileUrl(os.path.join(folder, "profile"))
    process = subprocess.Popen(["soffice", "-env:UserInstallation=" + profile, "--headless", "--invisible",
                                "--norestore", "--nologo", "--accept=pipe,name=%s;urp;" % pipe],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + 90
    while True:
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return process, context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        except Exception:
            if time.monotonic() > deadline or process.poll() is not None:
                raise
            time.sleep(0.5)


def build(desktop, path):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
    sheet = doc.Sheets.getByIndex(0)
    sheet.Name = "Data"
    for row, (label, value) in enumerate((("Commission", 2), ("Material", 2.5), ("Shipping", 1.1))):
        sheet.getCellByPosition(4, 14 + row).setString(label)
        sheet.getCellByPosition(5, 14 + row).setValue(value)
    sheet.getCellByPosition(1, 36).setString("Total costs")
    sheet.getCellByPosition(1, 38).setString("Total sales")
    for column in range(4):
        sheet.getCellByPosition(2 + column, 36).setValue(3400 + 760 * column)
        sheet.getCellByPosition(2 + column, 38).setValue(1250 * column)
    charts = sheet.Charts
    charts.addNewByName("Pie", Rectangle(8000, 1000, 10000, 7000), (CellRangeAddress(0, 4, 14, 5, 16),), False, True)
    pie = charts.getByName("Pie").EmbeddedObject
    pie.Diagram = pie.createInstance("com.sun.star.chart.PieDiagram")
    pie.HasMainTitle = True
    pie.Title.String = "Costs per unit"
    pie.Diagram.DataCaption = 1 | 2  # value and percentage
    lines = (CellRangeAddress(0, 1, 36, 5, 36), CellRangeAddress(0, 1, 38, 5, 38))
    charts.addNewByName("Line", Rectangle(1000, 10000, 12000, 8000), lines, False, True)
    line = charts.getByName("Line").EmbeddedObject
    line.Diagram = line.createInstance("com.sun.star.chart.LineDiagram")
    line.Diagram.DataRowSource = uno.Enum("com.sun.star.chart.ChartDataRowSource", "ROWS")
    line.HasMainTitle = True
    line.Title.String = "Costs and sales"
    line.Diagram.HasXAxisTitle = True
    line.Diagram.XAxisTitle.String = "Volume"
    line.Diagram.HasYAxisTitle = True
    line.Diagram.YAxisTitle.String = "Dollars"
    doc.storeToURL(uno.systemPathToFileUrl(path), (prop("FilterName", "MS Excel 97"),))
    doc.close(True)


def main():
    folder = tempfile.mkdtemp(prefix="foreign-charts-")
    process, desktop = start_office(folder)
    try:
        build(desktop, os.path.abspath("foreign_libreoffice_charts.xls"))
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        process.wait(timeout=60)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
