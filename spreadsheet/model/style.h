// The look of a cell: font, fill, borders, number format and alignment. Styles
// are plain values; equal styles compare equal, so a writer can share them.
#pragma once

#include "spreadsheet/model/palette.h"

#include <array>
#include <string>

namespace spreadsheet::model {

inline constexpr const char* kGeneralFormat = "General";

// How a border or a chart line is drawn. These are the model's own names: the
// object model translates the automation interface's numbers at its edge, and
// each writer and the painter translate these to their own codes.
enum class LineStyle { None, Continuous, Dash, Dot, DashDot, DashDotDot, SlantDashDot, Double };
enum class LineWeight { Hairline, Thin, Medium, Thick };

struct Font {
    std::string name = "Arial";
    double size = 10;  // points
    bool bold = false;
    bool italic = false;
    int colorIndex = kColorAutomatic;
    bool operator==(const Font&) const = default;
};

struct BorderLine {
    LineStyle lineStyle = LineStyle::None;
    LineWeight weight = LineWeight::Thin;
    int colorIndex = kColorAutomatic;
    bool isVisible() const { return lineStyle != LineStyle::None; }
    bool operator==(const BorderLine&) const = default;
};

enum class Edge { Left, Top, Bottom, Right };

struct Borders {
    std::array<BorderLine, 4> lines;  // indexed by Edge
    BorderLine& operator[](Edge e) { return lines[static_cast<int>(e)]; }
    const BorderLine& operator[](Edge e) const { return lines[static_cast<int>(e)]; }
    bool operator==(const Borders&) const = default;
};

enum class HorizontalAlignment { General, Left, Center, Right };

struct CellStyle {
    Font font;
    int fillColorIndex = kColorNone;  // a solid fill of this palette colour, or none
    Borders borders;
    std::string numberFormat = kGeneralFormat;
    HorizontalAlignment horizontal = HorizontalAlignment::General;
    bool operator==(const CellStyle&) const = default;
};

}  // namespace spreadsheet::model
