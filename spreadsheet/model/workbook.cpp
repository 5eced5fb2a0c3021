// The workbook's sheets in order, the active sheet, and the revision every change advances.
#include "spreadsheet/model/workbook.h"

#include "spreadsheet/model/sheet_names.h"

#include <stdexcept>

namespace spreadsheet::model {

std::optional<int> Workbook::findSheet(std::string_view name) const {
    for (int i = 0; i < sheetCount(); ++i)
        if (sameSheetName(m_sheets[i]->name(), name)) return i;
    return std::nullopt;
}

int Workbook::indexOf(const Sheet& sheet) const {
    for (int i = 0; i < sheetCount(); ++i)
        if (m_sheets[i].get() == &sheet) return i;
    throw std::invalid_argument("the sheet is not in this workbook");
}

Sheet& Workbook::addSheet(std::string name, SheetKind kind, int position) {
    position = std::clamp(position, 0, sheetCount());
    auto sheet = std::make_unique<Sheet>(std::move(name), kind, m_revision);
    if (kind == SheetKind::Chart) {
        Chart chart;
        chart.id = newChartId();
        sheet->setChart(std::move(chart));
    }
    Sheet& added = *sheet;
    m_sheets.insert(m_sheets.begin() + position, std::move(sheet));
    if (sheetCount() > 1 && position <= m_activeSheet) ++m_activeSheet;
    m_revision.bump();
    return added;
}

void Workbook::removeSheet(int index) {
    m_sheets.erase(m_sheets.begin() + index);
    if (m_activeSheet >= sheetCount() || m_activeSheet > index) m_activeSheet = std::max(0, m_activeSheet - 1);
    m_revision.bump();
}

void Workbook::moveSheet(int from, int to) {
    if (from == to) return;
    Sheet* active = m_sheets.at(m_activeSheet).get();
    auto sheet = std::move(m_sheets.at(from));
    m_sheets.erase(m_sheets.begin() + from);
    to = std::clamp(to, 0, sheetCount());
    m_sheets.insert(m_sheets.begin() + to, std::move(sheet));
    m_activeSheet = indexOf(*active);
    m_revision.bump();
}

void Workbook::setActiveSheet(int index) {
    m_activeSheet = std::clamp(index, 0, std::max(0, sheetCount() - 1));
    m_revision.bump();
}

const Shape& Workbook::embedChart(int sheetIndex, Chart chart, const ShapeBounds& bounds) {
    if (chart.id == 0) chart.id = newChartId();
    return sheet(sheetIndex).addShape(std::move(chart), bounds);
}

std::optional<Workbook::ChartPlace> Workbook::findChart(int chartId) const {
    for (int i = 0; i < sheetCount(); ++i) {
        const Sheet& s = *m_sheets[i];
        if (s.chart() && s.chart()->id == chartId) return ChartPlace{i, std::nullopt};
        for (size_t k = 0; k < s.shapes().size(); ++k)
            if (s.shapes()[k].chart.id == chartId) return ChartPlace{i, k};
    }
    return std::nullopt;
}

}  // namespace spreadsheet::model
