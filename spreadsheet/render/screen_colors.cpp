// Palette indexes as screen colours, and the sheet surface's own colours.
#include "spreadsheet/render/screen_colors.h"

namespace spreadsheet::render {

QColor qColorFromRgb(model::Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

std::optional<QColor> paletteColor(const model::Palette& palette, int colorIndex) {
    const std::optional<model::Rgb> rgb = palette.color(colorIndex);
    if (!rgb) return std::nullopt;
    return qColorFromRgb(*rgb);
}

QColor inkColor(const model::Palette& palette, int colorIndex) {
    return paletteColor(palette, colorIndex).value_or(kAutomaticColor);
}

}  // namespace spreadsheet::render
