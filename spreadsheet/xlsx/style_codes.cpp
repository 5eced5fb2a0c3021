// Line styles and weights arrive as the numbers clients pass (model::BorderLine
// keeps them); the file knows fourteen named line styles.
#include "spreadsheet/xlsx/style_codes.h"

#include "spreadsheet/model/sheet.h"

#include <algorithm>
#include <cmath>
#include <xlsxwriter.h>

namespace spreadsheet::xlsx {
namespace {

constexpr double kTwentieths = 20;
constexpr double kMinFontSize = 1;
constexpr double kMaxFontSize = 409.55;

using model::LineStyle;
using model::LineWeight;

double twentieths(double points) { return std::round(points * kTwentieths) / kTwentieths; }

bool heavy(LineWeight weight) { return weight == LineWeight::Medium || weight == LineWeight::Thick; }

uint8_t continuousLineOf(LineWeight weight) {
    switch (weight) {
    case LineWeight::Hairline: return LXW_BORDER_HAIR;
    case LineWeight::Medium: return LXW_BORDER_MEDIUM;
    case LineWeight::Thick: return LXW_BORDER_THICK;
    case LineWeight::Thin: break;
    }
    return LXW_BORDER_THIN;
}

}  // namespace

double storedFontSize(double points) {
    if (!std::isfinite(points)) return kMinFontSize;
    return std::clamp(twentieths(points), kMinFontSize, kMaxFontSize);
}

double storedRowHeight(double points) {
    if (!std::isfinite(points)) return model::kDefaultRowHeight;
    return std::clamp(twentieths(points), 0.0, model::kMaxRowHeight);
}

double storedColumnWidth(double characters) {
    if (!std::isfinite(characters)) return model::kDefaultColumnWidth;
    return std::clamp(characters, 0.0, model::kMaxColumnWidth);
}

uint8_t borderStyleOf(const model::BorderLine& line) {
    switch (line.lineStyle) {
    case LineStyle::None: return LXW_BORDER_NONE;
    case LineStyle::Dash: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case LineStyle::Dot: return LXW_BORDER_DOTTED;
    case LineStyle::Double: return LXW_BORDER_DOUBLE;
    case LineStyle::DashDot: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case LineStyle::DashDotDot: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case LineStyle::SlantDashDot: return LXW_BORDER_SLANT_DASH_DOT;
    case LineStyle::Continuous: break;
    }
    return continuousLineOf(line.weight);
}

uint8_t alignmentOf(model::HorizontalAlignment alignment) {
    switch (alignment) {
    case model::HorizontalAlignment::Left: return LXW_ALIGN_LEFT;
    case model::HorizontalAlignment::Center: return LXW_ALIGN_CENTER;
    case model::HorizontalAlignment::Right: return LXW_ALIGN_RIGHT;
    case model::HorizontalAlignment::General: break;
    }
    return LXW_ALIGN_NONE;
}

const std::string& numberFormatOf(const model::CellStyle& style) {
    static const std::string general = model::kGeneralFormat;
    return style.numberFormat.empty() ? general : style.numberFormat;
}

}  // namespace spreadsheet::xlsx
