// The cells of a range as the sheet shows them: white ground, light grey
// gridlines, fills, borders and each cell's text in its own font. Texts are
// laid out first, because a text running into empty neighbours hides the
// gridlines it crosses. A merged area shows as one cell: its top-left cell's
// content and fill across the whole area, and no gridlines inside.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/merged_areas.h"
#include "spreadsheet/render/sheet_geometry.h"
#include "spreadsheet/render/text_overflow.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace spreadsheet::render {

class CellPainter {
public:
    CellPainter(const model::Workbook& workbook, formula::Evaluator& evaluator, int sheetIndex,
                const SheetGeometry& geometry);

    // Paints everything the cells show onto a painter over the whole picture.
    void paint(QPainter& painter);

private:
    // One cell's text, placed: drawn from `origin` on its baseline, cut to `clip`.
    struct PlacedText {
        int row = 0;
        TextSpan span;
        QString text;
        QFont font;
        QColor color;
        QPoint origin;
        QRect clip;
    };

    // `box` is the cell itself, or the merged area it heads.
    std::optional<PlacedText> placeText(model::CellAddress address, const model::Cell& cell,
                                        const model::CellRange& box) const;
    std::vector<PlacedText> placeTexts() const;
    QRect boxInterior(const model::CellRange& box) const;
    // The cell whose style a cell shows: its merge's top-left, or itself.
    model::CellAddress styleSource(model::CellAddress cell) const;
    bool isFree(model::CellAddress address) const;
    void paintGridlines(QPainter& painter, const std::vector<PlacedText>& texts) const;
    void paintFills(QPainter& painter) const;
    static void paintTexts(QPainter& painter, const std::vector<PlacedText>& texts);

    const model::Workbook& m_workbook;
    const model::Sheet& m_sheet;
    formula::Evaluator& m_evaluator;
    int m_sheetIndex;
    const SheetGeometry& m_geometry;
    MergedAreas m_merges;
};

}  // namespace spreadsheet::render
