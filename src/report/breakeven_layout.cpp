// The breakeven worksheet as data: one row per numbered step (line, primitive,
// address, arguments), walked by one loop, then the generated sales volume
// grid. Types are fixed here: addresses, texts, styles and formats go as
// strings, sizes and colour indexes as 16-bit integers, widths and heights as
// doubles, border choices as Booleans.
#include "report/breakeven_layout.h"

#include "report/breakeven_names.h"
#include "report/excel_constants.h"
#include "report/formatting_primitives.h"
#include "report/sales_volume_grid.h"

#include <array>

namespace report {
namespace {

enum class Action { ColumnWidth, RowHeight, Write, WriteField, ArialBlack, Font, Fill, NumberFormat, Borders };

// Border choices of a SetBorders step, named by the lines drawn.
enum BorderLine : unsigned { kLeft = 1, kTop = 2, kBottom = 4, kRight = 8, kInsideH = 16, kInsideV = 32 };
constexpr unsigned kFourEdges = kLeft | kTop | kBottom | kRight;

constexpr int16_t kAuto = xl::kColorIndexAutomatic;

struct LayoutStep {
    int line;
    Action action;
    const char* address;  // empty for a step that acts on the selection
    const char* text;     // cell text, field name, font style or number format
    double measure;       // column width or row height
    int16_t size;         // font size
    int16_t colour;       // colour index
    unsigned borders;     // BorderLine bits
    int16_t row;          // the cell given by row and column (Arial Black steps)
    int16_t column;
};

constexpr LayoutStep columnWidth(int line, const char* columns, double width) {
    return {line, Action::ColumnWidth, columns, "", width, 0, 0, 0, 0, 0};
}
constexpr LayoutStep rowHeight(int line, const char* rows, double height) {
    return {line, Action::RowHeight, rows, "", height, 0, 0, 0, 0, 0};
}
constexpr LayoutStep write(int line, const char* cell, const char* text) {
    return {line, Action::Write, cell, text, 0, 0, 0, 0, 0, 0};
}
constexpr LayoutStep writeField(int line, const char* cell, const char* field) {
    return {line, Action::WriteField, cell, field, 0, 0, 0, 0, 0, 0};
}
constexpr LayoutStep arialBlack(int line, int16_t row, int16_t column) {
    return {line, Action::ArialBlack, "", "Arial Black", 0, 0, 0, 0, row, column};
}
constexpr LayoutStep font(int line, const char* style, int16_t size, int16_t colour) {
    return {line, Action::Font, "", style, 0, size, colour, 0, 0, 0};
}
constexpr LayoutStep fill(int line, const char* range, int16_t colour) {
    return {line, Action::Fill, range, "", 0, 0, colour, 0, 0, 0};
}
constexpr LayoutStep numberFormat(int line, const char* range, const char* format) {
    return {line, Action::NumberFormat, range, format, 0, 0, 0, 0, 0, 0};
}
constexpr LayoutStep borders(int line, const char* range, unsigned lines, int16_t colour) {
    return {line, Action::Borders, range, "", 0, 0, colour, lines, 0, 0};
}

constexpr const char* kAmount = "#,##0.00";

// Lines 108 to 352: column widths, row heights, title, inputs, totals, the
// break-even point and the frame of the sales volume analysis. A font step
// styles what the step before it selected, so the order binds.
constexpr std::array kSheetSteps = {
    columnWidth(108, "A:A", 1), columnWidth(110, "B:B", 15.57), columnWidth(112, "C:C", 9),
    columnWidth(114, "D:D", 12), columnWidth(116, "E:E", 12), columnWidth(118, "F:F", 12),
    columnWidth(120, "G:G", 12), columnWidth(122, "H:H", 12), columnWidth(124, "I:I", 12),
    columnWidth(126, "J:J", 12), columnWidth(128, "K:K", 12), columnWidth(130, "L:L", 12),
    columnWidth(132, "M:M", 12), columnWidth(134, "N:N", 12),

    rowHeight(136, "1:1", 61.5), rowHeight(138, "2:2", 27.75), rowHeight(140, "3:4", 15.75),
    rowHeight(142, "5:8", 12.75), rowHeight(144, "9:9", 15.75), rowHeight(146, "10:20", 12.75),
    rowHeight(148, "21:21", 15.75), rowHeight(150, "22:30", 12.75), rowHeight(152, "31:32", 32.25),
    rowHeight(154, "33:34", 20.25), rowHeight(156, "35:43", 12.75),

    // Title, analysis name and sales.
    write(158, "B1:B1", "Breakeven Analysis"),
    arialBlack(160, 1, 2),
    font(162, "bold", 22, 11),
    writeField(164, "B2:B2", "txtName"),
    font(166, "bold", 22, 13),
    write(168, "B3:B3", "Amounts shown in U.S. dollars"),
    font(170, "General", 8, kAuto),
    write(172, "B4:B4", "Sales"),
    fill(174, "B4:E4", 11),
    font(176, "Bold", 12, 2),
    write(178, "C5:C5", "Sales price per unit"),
    write(180, "C6:C6", "Sales volume per period (units)"),
    write(182, "C7:C7", "    Total Sales"),
    font(184, "Bold", 10, kAuto),
    writeField(186, "F5:F5", "txtSalesPrice"),
    writeField(188, "F6:F6", "txtSalesVolume"),
    write(190, "G7:G7", "=IF(OR(R[-2]C[-1]<>0,R[-1]C[-1]<>0),R[-2]C[-1]*R[-1]C[-1],0)"),
    numberFormat(192, "F5:F26", kAmount),
    numberFormat(194, "G7:G29", kAmount),
    borders(196, "F5:F6", kFourEdges | kInsideH, kAuto),
    borders(198, "G7:G7", kFourEdges, kAuto),
    fill(200, "G7:G7", 15),

    // Variable costs.
    write(202, "B9:B9", "Variable Costs"),
    fill(204, "B9:E9", 11),
    font(206, "Bold", 12, 2),
    write(208, "C10:C10", "Commission per unit"),
    write(210, "C11:C11", "Direct material per unit"),
    write(212, "C12:C12", "Shipping per unit"),
    write(214, "C13:C13", "Supplies per unit"),
    write(216, "C14:C14", "Other variable cost per unit"),
    write(218, "C15:C15", "Variable cost per unit"),
    font(220, "Bold", 10, kAuto),
    write(222, "C16:C16", "    Total Variable Costs"),
    font(224, "Bold", 10, kAuto),
    writeField(226, "F10:F10", "txtCommission"),
    writeField(228, "F11:F11", "txtDirectMaterial"),
    writeField(230, "F12:F12", "txtShipping"),
    writeField(232, "F13:F13", "txtSupplies"),
    writeField(234, "F14:F14", "txtOtherVariable"),
    write(236, "F15:F15", "=SUM(R[-5]C:R[-1]C)"),
    write(238, "G16:G16", "=IF(R[-1]C[-1],R[-1]C[-1]*R[-10]C[-1],0)"),
    borders(240, "F10:F15", kFourEdges | kInsideH, 11),
    borders(242, "G16:G16", kFourEdges, 11),
    fill(244, "F15:F15", 15),
    fill(246, "G16:G16", 15),

    // Unit contribution margin and gross margin.
    write(248, "C18:C18", "Unit contribution margin"),
    font(250, "Bold", 10, kAuto),
    write(252, "C19:C19", "    Gross Margin"),
    font(254, "Bold", 10, kAuto),
    borders(256, "F18:F18", kFourEdges, kAuto),
    borders(258, "G19:G19", kFourEdges, kAuto),
    fill(260, "F18:F18", 15),
    fill(262, "G19:G19", 15),
    write(264, "F18:F18", "=IF(R[-13]C>0,MAX(0,R[-13]C-R[-3]C),0)"),
    write(266, "G19:G19", "=IF(OR(R[-12]C<>0,R[-3]C<>0),R[-12]C-R[-3]C,0)"),

    // Fixed costs and net profit.
    write(268, "B21:B21", "Fixed Costs Per Period"),
    fill(270, "B21:E21", 11),
    font(272, "Bold", 12, 2),
    write(274, "C22:C22", "Administrative costs"),
    write(276, "C23:C23", "Insurance"),
    write(278, "C24:C24", "Property tax"),
    write(280, "C25:C25", "Rent"),
    write(282, "C26:C26", "Other fixed costs"),
    write(284, "C27:C27", "    Total Fixed Costs per period"),
    font(286, "Bold", 10, kAuto),
    write(288, "C29:C29", "    Net Profit (Loss)"),
    font(290, "Bold", 10, kAuto),
    writeField(292, "F22:F22", "txtAdministrativeCost"),
    writeField(294, "F23:F23", "txtInsurance"),
    writeField(296, "F24:F24", "txtPropertyTax"),
    writeField(298, "F25:F25", "txtRent"),
    writeField(300, "F26:F26", "txtOtherFixedCost"),
    borders(302, "F22:F26", kFourEdges | kInsideH, 11),
    borders(304, "G27:G27", kFourEdges, kAuto),
    borders(306, "G29:G29", kFourEdges, kAuto),
    fill(308, "G27:G27", 15),
    fill(310, "G29:G29", 15),
    write(312, "G27:G27", "=SUM(R[-5]C[-1]:R[-1]C[-1])"),
    write(314, "G29:G29", "=IF(OR(R[-10]C<>0,R[-2]C<>0),R[-10]C-R[-2]C,0)"),

    // Results: break-even point and the labels of the sales volume analysis.
    write(316, "B32:B32", "RESULTS"),
    arialBlack(318, 32, 2),
    font(320, "bold", 22, 11),
    write(322, "B33:B33", "Breakeven Point (units):"),
    font(324, "bold", 16, kAuto),
    write(326, "B34:B34", "Sales volume analysis:"),
    font(328, "bold", 16, kAuto),
    write(330, "B35:B35", "Sales volume per period (units)"),
    write(332, "B36:B36", "Sales price unit"),
    write(334, "B37:B37", "Fixed cost per period"),
    write(336, "B38:B38", "Variable costs"),
    write(338, "B39:B39", "Total costs"),
    write(340, "B40:B40", "Total sales"),
    write(342, "B41:B41", "Net profit (loss)"),
    // Ends in two double-quote characters: the empty text.
    write(344, "F33:F33", "=IF(AND(R[-15]C>0,R[-6]C[1]>0),R[-6]C[1]/R[-15]C,\"\")"),
    font(346, "bold", 16, kAuto),
    numberFormat(348, "F33:F33", "#"),

    // Frame of the sales volume analysis.
    borders(350, "D35:N41", kFourEdges | kInsideH | kInsideV, kAuto),
    fill(352, "D35:N41", 15),
};

constexpr int kFirstLayoutLine = 100;
constexpr int kLineStep = 2;
constexpr int kFirstGridLine = 354;
constexpr int kGridCells = (kGridLastRow - kGridFirstRow + 1) * (kGridLastColumn - kGridFirstColumn + 1);

// The step numbers run 100, 102, ... 508 without gaps; the table must keep them so.
constexpr bool tableLinesRunEvenly() {
    for (std::size_t i = 0; i < kSheetSteps.size(); ++i)
        if (kSheetSteps[i].line != kSheetSteps.front().line + kLineStep * static_cast<int>(i)) return false;
    return kSheetSteps.back().line + kLineStep == kFirstGridLine;
}
static_assert(kSheetSteps.front().line == kFirstLayoutLine + 4 * kLineStep);  // after the four reset steps
static_assert(tableLinesRunEvenly());
static_assert(kFirstGridLine + kLineStep * kGridCells == kLastLayoutLine);

Variant flag(unsigned lines, BorderLine line) {
    return Variant((lines & line) != 0);
}

// Cells(row, column).Font.Name, with row and column as 16-bit integers.
void setCellFontName(const ObjectRef& application, int16_t row, int16_t column, const char* name) {
    const ObjectRef cell =
        automation::requireObject(requireApplication(application)->get("Cells", {Variant(row), Variant(column)}));
    automation::member(cell, "Font")->put("Name", Variant(name));
}

// One step of the table; an input field is read here, right before its cell is written.
void runStep(const ObjectRef& app, const InputFieldsSource& fields, const LayoutStep& s) {
    switch (s.action) {
    case Action::ColumnWidth: SetColumnWidth(app, s.address, s.measure); break;
    case Action::RowHeight: SetRowHeight(app, s.address, s.measure); break;
    case Action::Write: WriteCell(app, s.address, s.text, Variant(true)); break;
    case Action::WriteField:
        WriteCell(app, s.address, fields.fieldText(QLatin1String(s.text)).toStdString(), Variant(true));
        break;
    case Action::ArialBlack: setCellFontName(app, s.row, s.column, s.text); break;
    case Action::Font: SetFont(app, Variant(s.text), Variant(s.size), Variant(s.colour)); break;
    case Action::Fill: SetInteriorColor(app, Variant(s.address), Variant(s.colour)); break;
    case Action::NumberFormat: SetNumberFormat(app, Variant(s.address), Variant(s.text)); break;
    case Action::Borders:
        SetBorders(app, Variant(s.address), flag(s.borders, kInsideH), flag(s.borders, kLeft),
                   flag(s.borders, kRight), flag(s.borders, kTop), flag(s.borders, kBottom),
                   flag(s.borders, kInsideV), Variant(s.colour));
        break;
    }
}

// Lines 100 to 106: clear the whole sheet and give it Arial 10.
void resetSheet(shell::ErrorTrap& trap, const ObjectRef& app) {
    trap.run(100, [&] { automation::member(app, "Cells")->call("Select"); });
    trap.run(102, [&] { automation::member(app, "Cells")->call("Clear"); });
    trap.run(104, [&] { automation::member(app, "Selection", "Font")->put("Name", Variant("Arial")); });
    trap.run(106, [&] { automation::member(app, "Selection", "Font")->put("Size", Variant(int16_t{10})); });
}

// Lines 354 to 506: one formula per cell of D35:N41, row by row.
void writeSalesVolumeGrid(shell::ErrorTrap& trap, const ObjectRef& app) {
    int line = kFirstGridLine;
    for (int row = kGridFirstRow; row <= kGridLastRow; ++row) {
        for (int column = kGridFirstColumn; column <= kGridLastColumn; ++column, line += kLineStep) {
            trap.run(line, [&] { WriteCell(app, oneCellRange(row, column), salesVolumeFormula(row, column), true); });
        }
    }
}

}  // namespace

void writeBreakevenLayout(shell::ErrorTrap& trap, const ObjectRef& application, const InputFieldsSource& fields) {
    resetSheet(trap, application);
    for (const LayoutStep& step : kSheetSteps) trap.run(step.line, [&] { runStep(application, fields, step); });
    writeSalesVolumeGrid(trap, application);
    // Net profit shows losses in red within parentheses.
    trap.run(kLastLayoutLine, [&] {
        SetNumberFormat(application, Variant("D41:N41"), Variant(kAmountWithLossesInRed));
    });
}

}  // namespace report
