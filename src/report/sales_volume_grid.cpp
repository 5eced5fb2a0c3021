// Formulas of the sales volume analysis, written in R1C1 with relative
// references: a zero offset is left out ("C", not "C[0]").
#include "report/sales_volume_grid.h"

#include <stdexcept>

namespace report {
namespace {

struct Cell {
    int row;
    int column;
};

// The inputs and totals above the grid that its formulas read.
constexpr Cell kSalesPrice{5, 6};              // F5
constexpr Cell kSalesVolume{6, 6};             // F6
constexpr Cell kVariableCostPerUnit{15, 6};    // F15
constexpr Cell kTotalFixedCosts{27, 7};        // G27

// The grid's rows.
constexpr int kVolumeRow = 35;
constexpr int kPriceRow = 36;
constexpr int kFixedCostRow = 37;
constexpr int kVariableCostRow = 38;
constexpr int kTotalCostRow = 39;
constexpr int kTotalSalesRow = 40;
constexpr int kNetProfitRow = 41;

std::string offset(int delta) {
    return delta == 0 ? std::string() : "[" + std::to_string(delta) + "]";
}

// "R[-29]C[2]": the reference from one cell to another.
std::string relativeReference(Cell from, Cell to) {
    return "R" + offset(to.row - from.row) + "C" + offset(to.column - from.column);
}

// The column's share of the sales volume as the formula writes it: "0", "0.1" ... "0.9", "1".
std::string shareText(int tenths) {
    if (tenths == 0) return "0";
    if (tenths == 10) return "1";
    return "0." + std::to_string(tenths);
}

std::string columnLetter(int column) {
    if (column < 1 || column > 26) throw std::out_of_range("column outside A..Z");
    return std::string(1, static_cast<char>('A' + column - 1));
}

}  // namespace

std::string oneCellRange(int row, int column) {
    const std::string cell = columnLetter(column) + std::to_string(row);
    return cell + ":" + cell;
}

std::string salesVolumeFormula(int row, int column) {
    const Cell here{row, column};
    const auto ref = [&](Cell to) { return relativeReference(here, to); };
    const auto above = [&](int gridRow) { return ref({gridRow, column}); };
    switch (row) {
    case kVolumeRow: {
        const std::string volume = ref(kSalesVolume);
        return "=IF(" + volume + "," + volume + "*" + shareText(column - kGridFirstColumn) + ",0)";
    }
    case kPriceRow: return "=" + ref(kSalesPrice);
    case kFixedCostRow: return "=" + ref(kTotalFixedCosts);
    case kVariableCostRow: return "=" + ref(kVariableCostPerUnit) + "*" + above(kVolumeRow);
    case kTotalCostRow: return "=SUM(" + above(kFixedCostRow) + ":" + above(kVariableCostRow) + ")";
    case kTotalSalesRow: return "=" + above(kVolumeRow) + "*" + above(kPriceRow);
    case kNetProfitRow: return "=" + above(kTotalSalesRow) + "-" + above(kTotalCostRow);
    default: throw std::out_of_range("row outside the sales volume analysis");
    }
}

}  // namespace report
