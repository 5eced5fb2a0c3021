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

// Line styles and weights as the object model names them.
constexpr int kStyleDash = -4115;
constexpr int kStyleDot = -4118;
constexpr int kStyleDouble = -4119;
constexpr int kStyleDashDot = 4;
constexpr int kStyleDashDotDot = 5;
constexpr int kStyleSlantDashDot = 13;
constexpr int kWeightHairline = 1;
constexpr int kWeightMedium = -4138;
constexpr int kWeightThick = 4;

double twentieths(double points) { return std::round(points * kTwentieths) / kTwentieths; }

bool heavy(int weight) { return weight == kWeightMedium || weight == kWeightThick; }

uint8_t continuousLineOf(int weight) {
    switch (weight) {
    case kWeightHairline: return LXW_BORDER_HAIR;
    case kWeightMedium: return LXW_BORDER_MEDIUM;
    case kWeightThick: return LXW_BORDER_THICK;
    default: return LXW_BORDER_THIN;
    }
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
    case model::kLineStyleNone: return LXW_BORDER_NONE;
    case kStyleDash: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASHED : LXW_BORDER_DASHED;
    case kStyleDot: return LXW_BORDER_DOTTED;
    case kStyleDouble: return LXW_BORDER_DOUBLE;
    case kStyleDashDot: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASH_DOT : LXW_BORDER_DASH_DOT;
    case kStyleDashDotDot: return heavy(line.weight) ? LXW_BORDER_MEDIUM_DASH_DOT_DOT : LXW_BORDER_DASH_DOT_DOT;
    case kStyleSlantDashDot: return LXW_BORDER_SLANT_DASH_DOT;
    default: return continuousLineOf(line.weight);  // continuous, and anything unknown drawn as continuous
    }
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
