// The eight worksheet formatting primitives. Each is a fixed sequence of
// late-bound calls on the application object, working through its selection:
// a primitive given an address selects it first; SetFont and SetBorderEdge act
// on whatever is selected. None has a trap: a failing call stops the primitive
// and the error reaches the caller, whose earlier calls stay done.
#pragma once

#include "automation/object.h"
#include "report/application_reference.h"

#include <cstdint>
#include <string>

namespace report {

using automation::ObjectRef;
using automation::Variant;

// Columns(columns).Select, then Selection.ColumnWidth = width (a double).
void SetColumnWidth(const ObjectRef& application, const std::string& columns, double width);

// Rows(rows).Select, then Selection.RowHeight = height (a double, in points).
void SetRowHeight(const ObjectRef& application, const std::string& rows, double height);

// Range(address).Select, ActiveCell.FormulaR1C1 = text (a string), then
// Selection.Merge only when the merge flag is true (Null counts as false).
void WriteCell(const ObjectRef& application, const std::string& address, const std::string& text,
               const Variant& merge);

// On Selection.Font: FontStyle, Size, ColorIndex, each with the caller's type.
void SetFont(const ObjectRef& application, const Variant& style, const Variant& size, const Variant& colour);

// Selects a non-empty address, then Selection.Interior.ColorIndex = colour.
void SetInteriorColor(const ObjectRef& application, const Variant& address, const Variant& colour);

// Selects a non-empty address, then Selection.NumberFormat = format.
void SetNumberFormat(const ObjectRef& application, const Variant& address, const Variant& format);

// Selects a non-empty address, then draws each border whose flag is true, in
// the order left, top, bottom, right, inside horizontal, inside vertical, all
// in one colour. The parameters keep the caller's order, which differs.
void SetBorders(const ObjectRef& application, const Variant& address, const Variant& insideHorizontal,
                const Variant& leftEdge, const Variant& rightEdge, const Variant& topEdge, const Variant& bottomEdge,
                const Variant& insideVertical, const Variant& colour);

// On Selection.Borders(index) (a 32-bit index): LineStyle = 1 (continuous,
// 32-bit), then ColorIndex = colour.
void SetBorderEdge(const ObjectRef& application, int32_t borderIndex, const Variant& colour);

}  // namespace report
