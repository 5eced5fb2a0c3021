// Document: one open workbook of the embedded spreadsheet — the workbook model,
// its formula evaluator and the file it came from or was saved to. Automation
// handles share it, so a handle stays safe after the workbook is closed.
#pragma once

#include "spreadsheet/formula/evaluator.h"
#include "spreadsheet/model/workbook.h"

#include <memory>
#include <string>

namespace spreadsheet::objects {

struct Document {
    model::Workbook workbook;
    formula::Evaluator evaluator{workbook};
    std::string name;      // "Book1", or the file name once saved or opened
    std::string path;      // empty until saved or opened
    bool closed = false;   // handles to a closed workbook refuse every call
    int nextChartSheetNumber = 1;  // new chart sheets are "Chart1", "Chart2", ... in this workbook
};

using DocumentRef = std::shared_ptr<Document>;

}  // namespace spreadsheet::objects
