// The cells of a range as the sheet shows them: white ground, light grey
// gridlines, fills, borders and each cell's text in its own font. Texts are
// laid out first, because a text running into empty neighbours hides the
// gridlines it crosses.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"
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

    std::optional<PlacedText> placeText(model::CellAddress address, const model::Cell& cell) const;
    bool isFree(model::CellAddress address) const;
    void paintGridlines(QPainter& painter, const std::vector<PlacedText>& texts) const;
    void paintFills(QPainter& painter) const;
    static void paintTexts(QPainter& painter, const std::vector<PlacedText>& texts);

    const model::Workbook& m_workbook;
    const model::Sheet& m_sheet;
    formula::Evaluator& m_evaluator;
    int m_sheetIndex;
    const SheetGeometry& m_geometry;
};

}  // namespace spreadsheet::render
