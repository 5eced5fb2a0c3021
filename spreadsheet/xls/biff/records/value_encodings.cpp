// Conversions between model values and stored fields.
// The model's enumeration numbers for lines and weights are those clients pass.
#include "spreadsheet/xls/biff/records/value_encodings.h"

#include "spreadsheet/model/sheet.h"
#include "spreadsheet/xls/biff/records/record_fields.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace spreadsheet::xls::biff {
namespace {

using model::LineStyle;
using model::LineWeight;

constexpr int kWidthSmallPixels = colwidth::kDigitPixels + colwidth::kPaddingPixels;  // below one character

// Whole pixels of a width in characters: below one character the padding
// shrinks with the width.
int pixelsFromCharacters(double characters) {
    if (!(characters > 0)) return 0;
    if (characters < 1) return static_cast<int>(std::lround(characters * kWidthSmallPixels));
    return static_cast<int>(std::lround(characters * colwidth::kDigitPixels)) + colwidth::kPaddingPixels;
}

double roundToHundredths(double value) { return std::round(value * 100) / 100; }

// At most the widest column the model holds (and the writer stores), so a width read back is the width saved.
double charactersFromPixels(int pixels) {
    if (pixels < kWidthSmallPixels) return roundToHundredths(static_cast<double>(pixels) / kWidthSmallPixels);
    return std::min(model::kMaxColumnWidth,
                    roundToHundredths(static_cast<double>(pixels - colwidth::kPaddingPixels) / colwidth::kDigitPixels));
}

bool heavy(LineWeight weight) { return weight == LineWeight::Medium || weight == LineWeight::Thick; }

}  // namespace

// ---------------------------------------------------------------- sizes

uint16_t storedColumnWidth(double characters) {
    const int pixels = std::min(pixelsFromCharacters(std::min(characters, model::kMaxColumnWidth)),
                                static_cast<int>(model::kMaxColumnWidth) * colwidth::kDigitPixels + colwidth::kPaddingPixels);
    return static_cast<uint16_t>(pixels * colwidth::kUnitsPerDigit / colwidth::kDigitPixels);
}

double columnWidthFromStored(uint16_t stored) {
    const int pixels = (stored + colwidth::kPixelCorrection) * colwidth::kDigitPixels / colwidth::kUnitsPerDigit;
    return charactersFromPixels(pixels);
}

double defaultColumnWidthFromCharacters(uint16_t characters) {
    const int pixels = characters * colwidth::kDigitPixels + colwidth::kPaddingPixels;
    const int step = sheetrec::kDefaultWidthPixelStep;
    return charactersFromPixels((pixels + step - 1) / step * step);
}

uint16_t fontIndexOfRecord(std::size_t record) {
    const auto index = static_cast<uint16_t>(record);
    return index < fontrec::kSkippedIndex ? index : static_cast<uint16_t>(index + 1);
}

uint16_t twipsFromPoints(double points) {
    const double twips = std::round(points * fontrec::kTwipsPerPoint);
    return static_cast<uint16_t>(std::clamp(twips, 0.0, static_cast<double>(rowrec::kHeightMask)));
}

double pointsFromTwips(uint16_t twips) { return static_cast<double>(twips) / fontrec::kTwipsPerPoint; }

uint16_t storedFontHeight(double points) {
    const uint16_t twips = twipsFromPoints(points);
    if (twips == 0) return 0;
    return std::clamp(twips, fontrec::kMinHeight, fontrec::kMaxHeight);
}

double fontSizeFromStored(uint16_t twips) { return pointsFromTwips(storedFontHeight(pointsFromTwips(twips))); }

// ---------------------------------------------------------------- colours

uint16_t icvFromColorIndex(int colorIndex, uint16_t automaticIcv) {
    if (!model::Palette::isValidIndex(colorIndex)) return automaticIcv;
    return static_cast<uint16_t>(colorIndex + icv::kPaletteOffset);
}

int colorIndexFromIcv(uint16_t value, int otherwise) {
    if (value < icv::kFixedColors) return value + 1;
    if (value < icv::kFixedColors + model::kPaletteSize) return value - icv::kPaletteOffset;
    return otherwise;
}

// ---------------------------------------------------------------- borders

uint8_t storedLine(const model::BorderLine& l) {
    switch (l.lineStyle) {
    case LineStyle::None: return dg::kNone;
    case LineStyle::Dash: return heavy(l.weight) ? dg::kMediumDashed : dg::kDashed;
    case LineStyle::Dot: return dg::kDotted;
    case LineStyle::Double: return dg::kDouble;
    case LineStyle::DashDot: return heavy(l.weight) ? dg::kMediumDashDot : dg::kDashDot;
    case LineStyle::DashDotDot: return heavy(l.weight) ? dg::kMediumDashDotDot : dg::kDashDotDot;
    case LineStyle::SlantDashDot: return dg::kSlantDashDot;
    case LineStyle::Continuous: break;  // by its weight
    }
    switch (l.weight) {
    case LineWeight::Hairline: return dg::kHair;
    case LineWeight::Medium: return dg::kMedium;
    case LineWeight::Thick: return dg::kThick;
    case LineWeight::Thin: break;
    }
    return dg::kThin;
}

model::BorderLine borderFromStored(uint8_t stored, int colorIndex) {
    struct Entry {
        LineStyle style;
        LineWeight weight;
    };
    static constexpr Entry kTable[] = {
        {LineStyle::None, LineWeight::Thin},            // none
        {LineStyle::Continuous, LineWeight::Thin},      // thin
        {LineStyle::Continuous, LineWeight::Medium},    // medium
        {LineStyle::Dash, LineWeight::Thin},            // dashed
        {LineStyle::Dot, LineWeight::Thin},             // dotted
        {LineStyle::Continuous, LineWeight::Thick},     // thick
        {LineStyle::Double, LineWeight::Thick},         // double
        {LineStyle::Continuous, LineWeight::Hairline},  // hair
        {LineStyle::Dash, LineWeight::Medium},          // medium dashed
        {LineStyle::DashDot, LineWeight::Thin},         // dash-dot
        {LineStyle::DashDot, LineWeight::Medium},       // medium dash-dot
        {LineStyle::DashDotDot, LineWeight::Thin},      // dash-dot-dot
        {LineStyle::DashDotDot, LineWeight::Medium},    // medium dash-dot-dot
        {LineStyle::SlantDashDot, LineWeight::Medium},  // slanted dash-dot
    };
    const Entry e = stored < std::size(kTable) ? kTable[stored] : kTable[dg::kThin];
    return model::BorderLine{e.style, e.weight, colorIndex};
}

// ---------------------------------------------------------------- RK numbers

double decodeRk(uint32_t rk) {
    double value = 0;
    if (rk & rk::kInteger) {
        value = static_cast<double>(static_cast<int32_t>(rk) >> 2);  // arithmetic shift keeps the sign
    } else {
        value = std::bit_cast<double>(uint64_t{rk & ~rk::kFlagMask} << 32);
    }
    return (rk & rk::kTimes100) ? value / 100 : value;
}

// Tries the four forms (integer, high 30 bits of the double, each optionally
// times 100) and keeps the first that decodes to exactly the same bits.
std::optional<uint32_t> encodeRk(double value) {
    const auto exact = [&](uint32_t rk) { return std::bit_cast<uint64_t>(decodeRk(rk)) == std::bit_cast<uint64_t>(value); };
    constexpr double kIntegerLimit = 1 << (rk::kIntegerBits - 1);
    for (const uint32_t times100 : {uint32_t{0}, rk::kTimes100}) {
        const double scaled = times100 ? value * 100 : value;
        if (!std::isfinite(scaled)) continue;
        if (scaled == std::floor(scaled) && scaled >= -kIntegerLimit && scaled < kIntegerLimit) {
            const auto rk = (static_cast<uint32_t>(static_cast<int32_t>(scaled)) << 2) | rk::kInteger | times100;
            if (exact(rk)) return rk;
        }
        const uint64_t bits = std::bit_cast<uint64_t>(scaled);
        const auto rk = (static_cast<uint32_t>(bits >> 32) & ~rk::kFlagMask) | times100;
        if (exact(rk)) return rk;
    }
    return std::nullopt;
}

}  // namespace spreadsheet::xls::biff
