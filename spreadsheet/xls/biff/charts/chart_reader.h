// Reading a chart substream back into a model::Chart: its type (pie, or the
// line chart every other type becomes), its series with the references of
// their names, values and categories, the chart title, the axis titles and
// the value axis format, the legend and its border, the chart area's
// border, the data labels, and whether it has a data table. What the model
// cannot hold (positions, fonts, colours, other chart types' options) is
// read past. A series whose values cannot be read back as references on one
// sheet is left out, and with it its data labels. What the writer would not
// store is not kept: labels that show nothing keep only the leader-line flag
// (a Pie record's flag, or a CrtLine of leader lines in any chart group), and
// a pie keeps no axis titles, axis format or data table.
#pragma once

#include "spreadsheet/model/chart.h"
#include "spreadsheet/model/page_setup.h"
#include "spreadsheet/xls/biff/records/extern_sheet_table.h"
#include "spreadsheet/xls/biff/records/record_reader.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace spreadsheet::xls::biff {

using NumberFormatsById = std::map<uint16_t, std::string>;

// Reads from the record after the chart substream's BOF through its EOF; a
// chart sheet's page setup goes to `pageSetup` when given. Throws XlsError
// (Damaged) when the stream ends first.
// `formats` are the workbook's FORMAT records by id, for the value axis.
model::Chart readChartSubstream(RecordReader& reader, const NumberFormatsById& formats, const ReadExternSheets& externs,
                                model::PageSetup* pageSetup = nullptr);

// A series reference from its tokens: one sheet and one or more areas;
// nullopt for tokens that are no such reference.
std::optional<model::ChartReference> chartReferenceFromTokens(std::span<const uint8_t> tokens,
                                                              const ReadExternSheets& externs);

}  // namespace spreadsheet::xls::biff
