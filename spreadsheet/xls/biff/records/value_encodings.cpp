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

// Line styles and weights as the object model passes them (model::BorderLine
// holds these numbers); only continuous, none and thin are named in the model.
constexpr int kStyleDash = -4115;
constexpr int kStyleDot = -4118;
constexpr int kStyleDouble = -4119;
constexpr int kStyleDashDot = 4;
constexpr int kStyleDashDotDot = 5;
constexpr int kStyleSlantDashDot = 13;
constexpr int kWeightHairline = 1;
constexpr int kWeightMedium = -4138;
constexpr int kWeightThick = 4;

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

bool heavy(int weight) { return weight == kWeightMedium || weight == kWeightThick; }

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
    case model::kLineStyleNone: return dg::kNone;
    case kStyleDash: return heavy(l.weight) ? dg::kMediumDashed : dg::kDashed;
    case kStyleDot: return dg::kDotted;
    case kStyleDouble: return dg::kDouble;
    case kStyleDashDot: return heavy(l.weight) ? dg::kMediumDashDot : dg::kDashDot;
    case kStyleDashDotDot: return heavy(l.weight) ? dg::kMediumDashDotDot : dg::kDashDotDot;
    case kStyleSlantDashDot: return dg::kSlantDashDot;
    default: break;  // continuous, and anything unknown drawn as continuous
    }
    switch (l.weight) {
    case kWeightHairline: return dg::kHair;
    case kWeightMedium: return dg::kMedium;
    case kWeightThick: return dg::kThick;
    default: return dg::kThin;
    }
}

model::BorderLine borderFromStored(uint8_t stored, int colorIndex) {
    struct Entry {
        int style;
        int weight;
    };
    static constexpr Entry kTable[] = {
        {model::kLineStyleNone, model::kBorderWeightThin},      // none
        {model::kLineStyleContinuous, model::kBorderWeightThin},  // thin
        {model::kLineStyleContinuous, kWeightMedium},             // medium
        {kStyleDash, model::kBorderWeightThin},                   // dashed
        {kStyleDot, model::kBorderWeightThin},                    // dotted
        {model::kLineStyleContinuous, kWeightThick},              // thick
        {kStyleDouble, kWeightThick},                             // double
        {model::kLineStyleContinuous, kWeightHairline},           // hair
        {kStyleDash, kWeightMedium},                              // medium dashed
        {kStyleDashDot, model::kBorderWeightThin},                // dash-dot
        {kStyleDashDot, kWeightMedium},                           // medium dash-dot
        {kStyleDashDotDot, model::kBorderWeightThin},             // dash-dot-dot
        {kStyleDashDotDot, kWeightMedium},                        // medium dash-dot-dot
        {kStyleSlantDashDot, kWeightMedium},                      // slanted dash-dot
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
