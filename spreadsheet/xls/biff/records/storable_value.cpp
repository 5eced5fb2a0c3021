// The cell value limits shared by the save plan and the cell reader.
#include "spreadsheet/xls/biff/records/storable_value.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/unicode_text.h"

#include <cmath>

namespace spreadsheet::xls::biff {

model::Value storableValue(model::Value value) {
    if (value.isNumber() && !std::isfinite(value.asNumber())) return model::Value::error(model::ErrorCode::Num);
    if (value.isText() && unicode::utf16Length(value.asText()) > limits::kMaxCellText) {
        const std::u16string units = unicode::utf16FromUtf8Replacing(value.asText());
        return model::Value::text(unicode::utf8FromUtf16(truncated(units, limits::kMaxCellText)));
    }
    return value;
}

}  // namespace spreadsheet::xls::biff
