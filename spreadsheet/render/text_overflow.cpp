// How far a cell's text runs into empty neighbours along its row.
#include "spreadsheet/render/text_overflow.h"

namespace spreadsheet::render {

int textStart(const SheetGeometry& geometry, model::CellAddress cell, TextAlignment alignment, int textWidth) {
    return textStart(geometry, TextSpan{cell.column, cell.column}, alignment, textWidth);
}

int textStart(const SheetGeometry& geometry, TextSpan columns, TextAlignment alignment, int textWidth) {
    const int contentLeft = geometry.left(columns.first) + kTextLeftInset;
    const int contentRight = geometry.right(columns.last) - kTextRightInset;  // one past the last text pixel
    switch (alignment) {
    case TextAlignment::Left: return contentLeft;
    case TextAlignment::Right: return contentRight - textWidth;
    case TextAlignment::Center: break;
    }
    return contentLeft + (contentRight - contentLeft - textWidth) / 2;
}

TextSpan overflowSpan(const SheetGeometry& geometry, model::CellAddress cell, TextAlignment alignment, int textWidth,
                      const std::function<bool(int column)>& isFree) {
    TextSpan span{cell.column, cell.column};
    const int start = textStart(geometry, cell, alignment, textWidth);
    const int end = start + textWidth;
    const model::CellRange& range = geometry.range();
    // The text may reach into a neighbour's padding but not past it.
    while (geometry.right(span.last) - kTextRightInset < end && span.last < range.last.column && isFree(span.last + 1))
        ++span.last;
    while (geometry.left(span.first) + kTextLeftInset > start && span.first > range.first.column &&
           isFree(span.first - 1))
        --span.first;
    return span;
}

}  // namespace spreadsheet::render
