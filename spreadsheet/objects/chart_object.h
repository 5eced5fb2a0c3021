// ChartObject: the automation face of one chart — a chart sheet (an item of
// Sheets or Charts, the ActiveSheet) or a chart embedded in a worksheet
// (ActiveChart after Location). Besides its chart members it answers the
// members of a sheet when it is a chart sheet. ChartsObject: the chart sheets
// of the active workbook (Add, Count, Item).
#pragma once

#include "automation/member_table.h"
#include "spreadsheet/objects/chart_handle.h"

namespace spreadsheet::objects {

class ChartObject final : public automation::TableObject<ChartObject> {
public:
    explicit ChartObject(ChartHandle chart) : m_chart(std::move(chart)) {}
    static const automation::MemberTable<ChartObject>& members();
    const ChartHandle& chart() const { return m_chart; }

private:
    ChartHandle m_chart;
};

class ChartsObject final : public automation::TableObject<ChartsObject> {
public:
    ChartsObject(ApplicationStateRef app, DocumentRef doc) : m_app(std::move(app)), m_doc(std::move(doc)) {}
    static const automation::MemberTable<ChartsObject>& members();

    const ApplicationStateRef& app() const { return m_app; }
    const DocumentRef& doc() const;  // throws once the workbook is closed
    // The chart sheets, in workbook order (0-based sheet indexes).
    std::vector<int> chartSheets() const;
    // Item by 1-based number among the chart sheets, or by sheet name.
    automation::ObjectRef item(const automation::Variant& key) const;

private:
    ApplicationStateRef m_app;
    DocumentRef m_doc;
};

automation::ObjectRef makeChart(const ChartHandle& chart);

}  // namespace spreadsheet::objects
