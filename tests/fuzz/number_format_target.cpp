// Any number-format code with a value of any kind. The input is text: the
// first line says the value ("12.5", "-1e308", "TRUE", "#DIV/0!", "'text",
// empty for an empty cell; a number that does not parse is taken as text),
// the rest is the code. A code the spreadsheet refuses is a
// NumberFormatError; a code it takes formats every value, and General fits
// numbers into any width.
#include "fuzz_target.h"

#include "spreadsheet/numfmt/number_format.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace quorvane::fuzz {
namespace {

namespace model = spreadsheet::model;
namespace numfmt = spreadsheet::numfmt;

model::Value valueOf(std::string_view line) {
    if (line.empty()) return {};
    if (line == "TRUE" || line == "FALSE") return model::Value::boolean(line == "TRUE");
    if (const auto error = model::parseErrorText(line)) return model::Value::error(*error);
    if (line.front() == '\'') return model::Value::text(std::string(line.substr(1)));
    double number = 0;
    const auto [end, status] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (status == std::errc() && end == line.data() + line.size() && !std::isnan(number))
        return model::Value::number(number);
    return model::Value::text(std::string(line));
}

// The same code shows the value the same way each time, and its edge neighbours too.
void formatWith(const numfmt::NumberFormat& format, const model::Value& value) {
    require(format.format(value) == format.format(value), "one value formatted twice shows differently");
    if (!value.isNumber()) return;
    const double n = value.asNumber();
    for (const double near : {-n, std::nextafter(n, 0.0), std::nextafter(n, HUGE_VAL), n * 10, n / 10})
        (void)format.format(model::Value::number(near));
    for (const int width : {1, 2, 5, 11, 20}) {
        const std::string shown = numfmt::formatGeneral(n, width);
        require(shown.size() <= static_cast<std::size_t>(width), "General text wider than its cell");
    }
}

void formatValue(std::span<const uint8_t> bytes) {
    const std::string_view input(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::size_t newline = input.find('\n');
    const std::string_view line = input.substr(0, newline);
    const std::string_view code = newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    numfmt::NumberFormat format;
    try {
        format = numfmt::NumberFormat::parse(code);
    } catch (const numfmt::NumberFormatError&) {
        return;
    }
    const model::Value value = valueOf(line);
    formatWith(format, value);
    for (const model::Value& other : {model::Value(), model::Value::boolean(false), model::Value::text("x"),
                                      model::Value::error(model::ErrorCode::NA), model::Value::number(0)})
        (void)format.format(other);
}

}  // namespace
}  // namespace quorvane::fuzz

QUORVANE_FUZZ_TARGET(quorvane::fuzz::formatValue)
