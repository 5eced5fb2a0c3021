// The library frees its cache records with free(), so they are allocated the
// C way here.
#include "spreadsheet/xlsx/chart_cache.h"

#include "spreadsheet/xlsx/xml_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace spreadsheet::xlsx {
namespace {

// A point's text as a category or name shows it.
std::string shownText(const model::Value& value) {
    switch (value.kind()) {
    case model::ValueKind::Text: return value.asText();
    case model::ValueKind::Number: {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.15g", value.asNumber());
        return digits;
    }
    case model::ValueKind::Boolean: return value.asBoolean() ? "TRUE" : "FALSE";
    case model::ValueKind::Error: return std::string(model::errorText(value.asError()));
    case model::ValueKind::Empty: break;
    }
    return {};
}

lxw_series_data_point* pointOf(const model::Value& value, bool asText) {
    auto* point = static_cast<lxw_series_data_point*>(std::calloc(1, sizeof(lxw_series_data_point)));
    if (!point) throw std::bad_alloc();
    if (asText && !value.isEmpty()) {
        point->is_string = 1;
        point->string = ::strdup(cellText(shownText(value)).c_str());
        if (!point->string) {
            std::free(point);
            throw std::bad_alloc();
        }
    } else if (!asText && value.isNumber()) {
        point->number = value.asNumber();
    } else {
        point->no_data = 1;  // a gap, as a chart shows an empty, text or error cell among numbers
    }
    return point;
}

}  // namespace

std::vector<model::Value> cachedPoints(WriteContext& context, const model::ChartReference& reference) {
    std::vector<model::Value> points;
    const std::optional<int> sheet = context.workbook.findSheet(reference.sheet);
    if (!sheet) return points;
    for (const model::CellRange& area : reference.areas)
        for (int row = area.first.row; row <= area.last.row; ++row)
            for (int column = area.first.column; column <= area.last.column; ++column)
                points.push_back(context.evaluator.cellValue(*sheet, {row, column}));
    return points;
}

bool holdsText(const std::vector<model::Value>& points) {
    for (const model::Value& p : points)
        if (p.isText()) return true;
    return false;
}

void storeCache(lxw_series_range* range, const std::vector<model::Value>& points, bool asText) {
    range->ignore_cache = 1;
    range->has_string_cache = asText ? 1 : 0;
    for (const model::Value& value : points) {
        lxw_series_data_point* point = pointOf(value, asText);  // the list macro names its element more than once
        STAILQ_INSERT_TAIL(range->data_cache, point, list_pointers);
    }
    range->num_data_points = static_cast<uint16_t>(points.size());
}

}  // namespace spreadsheet::xlsx
