// PageSetup: how a sheet prints — print area, margins (in points, as clients
// give them; the file stores inches), comments, orientation, paper size, and
// either a zoom or fit-to-pages scaling.
#pragma once

#include "spreadsheet/model/cell_address.h"

#include <optional>

namespace spreadsheet::model {

enum class Orientation { Portrait = 1, Landscape = 2 };

inline constexpr int kPaperLetter = 1;
inline constexpr int kPaperA4 = 9;

struct PageSetup {
    std::optional<RangeList> printArea;  // none: the used range prints
    double leftMargin = 0.7 * 72;        // points
    double rightMargin = 0.7 * 72;
    double topMargin = 0.75 * 72;
    double bottomMargin = 0.75 * 72;
    double headerMargin = 0.3 * 72;
    double footerMargin = 0.3 * 72;
    bool printComments = false;
    Orientation orientation = Orientation::Portrait;
    int paperSize = kPaperLetter;
    bool fitToPages = false;  // true: FitToPagesWide/Tall scale the print, the zoom is off
    int zoom = 100;           // percent, 10 to 400
    int fitToPagesWide = 1;   // 0: as many as needed
    int fitToPagesTall = 1;

    bool operator==(const PageSetup&) const = default;
};

// A new chart sheet prints its chart across a landscape page; everything else
// as a new worksheet prints.
inline PageSetup newChartSheetPageSetup() {
    PageSetup setup;
    setup.orientation = Orientation::Landscape;
    return setup;
}

}  // namespace spreadsheet::model
