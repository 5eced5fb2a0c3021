// The workbook's colour palette. A colour index n from 1 to 56 names the
// palette's nth entry (2 white, 11 dark blue, 13 violet, 15 grey 25 %);
// -4105 is the automatic colour and -4142 "no colour".
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace spreadsheet::model {

inline constexpr int kColorAutomatic = -4105;
inline constexpr int kColorNone = -4142;
inline constexpr int kPaletteSize = 56;

// 0xRRGGBB.
using Rgb = uint32_t;

class Palette {
public:
    Palette();  // the default palette

    // The colour of an index from 1 to 56; nullopt for any other index.
    std::optional<Rgb> color(int colorIndex) const;
    void setColor(int colorIndex, Rgb rgb);
    bool isDefault() const;

    static bool isValidIndex(int colorIndex) { return colorIndex >= 1 && colorIndex <= kPaletteSize; }
    static const std::array<Rgb, kPaletteSize>& defaultColors();

    bool operator==(const Palette&) const = default;

private:
    std::array<Rgb, kPaletteSize> m_colors;
};

}  // namespace spreadsheet::model
