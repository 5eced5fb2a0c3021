// The formatting primitives: selection first, then the members of the
// selection, in a fixed order and with fixed automation types.
#include "report/formatting_primitives.h"

#include "automation/automation_error.h"
#include "report/excel_constants.h"

#include <array>
#include <utility>

namespace report {
namespace {


// Member(address).Select on the application: "Range", "Columns" or "Rows".
void selectOn(const ObjectRef& application, std::string_view member, const Variant& address) {
    automation::requireObject(requireApplication(application)->get(member, {address}))->call("Select");
}

// An address counts as given when its text is longer than zero; Null and Empty are not.
bool isAddressGiven(const Variant& address) {
    if (address.isNull() || address.isEmpty()) return false;
    return !address.toString().empty();
}

// A flag tested as a Boolean; Null counts as false.
bool isFlagSet(const Variant& flag) {
    return !flag.isNull() && flag.toBool();
}

void selectIfGiven(const ObjectRef& application, const Variant& address) {
    if (isAddressGiven(address)) selectOn(application, "Range", address);
}

ObjectRef selection(const ObjectRef& application) {
    return automation::member(application, "Selection");
}

}  // namespace

void SetColumnWidth(const ObjectRef& application, const std::string& columns, double width) {
    selectOn(application, "Columns", Variant(columns));
    selection(application)->put("ColumnWidth", Variant(width));
}

void SetRowHeight(const ObjectRef& application, const std::string& rows, double height) {
    selectOn(application, "Rows", Variant(rows));
    selection(application)->put("RowHeight", Variant(height));
}

void WriteCell(const ObjectRef& application, const std::string& address, const std::string& text,
               const Variant& merge) {
    selectOn(application, "Range", Variant(address));
    automation::member(application, "ActiveCell")->put("FormulaR1C1", Variant(text));
    if (isFlagSet(merge)) selection(application)->call("Merge");
}

void SetFont(const ObjectRef& application, const Variant& style, const Variant& size, const Variant& colour) {
    const ObjectRef font = automation::member(application, "Selection", "Font");
    font->put("FontStyle", style);
    font->put("Size", size);
    font->put("ColorIndex", colour);
}

void SetInteriorColor(const ObjectRef& application, const Variant& address, const Variant& colour) {
    selectIfGiven(application, address);
    automation::member(application, "Selection", "Interior")->put("ColorIndex", colour);
}

void SetNumberFormat(const ObjectRef& application, const Variant& address, const Variant& format) {
    selectIfGiven(application, address);
    selection(application)->put("NumberFormat", format);
}

void SetBorders(const ObjectRef& application, const Variant& address, const Variant& insideHorizontal,
                const Variant& leftEdge, const Variant& rightEdge, const Variant& topEdge, const Variant& bottomEdge,
                const Variant& insideVertical, const Variant& colour) {
    selectIfGiven(application, address);
    // Drawing order, which is not the parameter order.
    const std::array<std::pair<const Variant*, int32_t>, 6> borders = {{
        {&leftEdge, xl::kEdgeLeft},
        {&topEdge, xl::kEdgeTop},
        {&bottomEdge, xl::kEdgeBottom},
        {&rightEdge, xl::kEdgeRight},
        {&insideHorizontal, xl::kInsideHorizontal},
        {&insideVertical, xl::kInsideVertical},
    }};
    for (const auto& [flag, index] : borders)
        if (isFlagSet(*flag)) SetBorderEdge(application, index, colour);
}

void SetBorderEdge(const ObjectRef& application, int32_t borderIndex, const Variant& colour) {
    const ObjectRef border = automation::requireObject(selection(application)->get("Borders", {Variant(borderIndex)}));
    border->put("LineStyle", Variant(xl::kContinuous));
    border->put("ColorIndex", colour);
}

}  // namespace report
