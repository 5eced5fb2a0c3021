// A cell's display text, colour and alignment, and fitting a number into its cell.
#include "spreadsheet/render/cell_text.h"

#include "spreadsheet/numfmt/number_format.h"
#include "spreadsheet/render/screen_colors.h"

#include <algorithm>

namespace spreadsheet::render {
namespace {

// General shows at most this many characters, however wide the column.
constexpr int kGeneralMaxChars = 11;
constexpr char kTooWideMark = '#';

numfmt::NumberFormat parsedFormat(const std::string& code) {
    try {
        return numfmt::NumberFormat::parse(code);
    } catch (const numfmt::NumberFormatError&) {
        return numfmt::NumberFormat::general();  // a code the model let in but the formatter refuses
    }
}

// Where General puts a value: numbers right, text left, Booleans and errors centred.
TextAlignment generalAlignment(const model::Value& value) {
    switch (value.kind()) {
    case model::ValueKind::Number: return TextAlignment::Right;
    case model::ValueKind::Boolean:
    case model::ValueKind::Error: return TextAlignment::Center;
    default: return TextAlignment::Left;
    }
}

TextAlignment alignmentOf(model::HorizontalAlignment horizontal, const model::Value& value) {
    switch (horizontal) {
    case model::HorizontalAlignment::Left: return TextAlignment::Left;
    case model::HorizontalAlignment::Center: return TextAlignment::Center;
    case model::HorizontalAlignment::Right: return TextAlignment::Right;
    case model::HorizontalAlignment::General: break;
    }
    return generalAlignment(value);
}

}  // namespace

CellText cellText(const model::Value& value, const model::CellStyle& style, const model::Palette& palette) {
    const numfmt::NumberFormat format = parsedFormat(style.numberFormat);
    const numfmt::Display display = format.format(value);
    CellText out;
    out.text = display.text;
    out.color = inkColor(palette, display.colorIndex.value_or(style.font.colorIndex));
    out.alignment = alignmentOf(style.horizontal, value);
    out.isNumber = value.isNumber();
    out.hasGeneralFormat = format.isGeneral();
    if (value.isNumber()) out.number = value.asNumber();
    return out;
}

std::string fitNumberText(const CellText& text, int available, const TextWidth& widthOf) {
    if (widthOf(text.text) <= available) return text.text;
    if (text.hasGeneralFormat) {
        for (int chars = kGeneralMaxChars - 1; chars >= 1; --chars) {
            std::string shorter = numfmt::formatGeneral(text.number, chars);
            if (!shorter.empty() && widthOf(shorter) <= available) return shorter;
        }
    }
    const int markWidth = widthOf(std::string_view(&kTooWideMark, 1));
    const int count = markWidth > 0 ? available / markWidth : 0;
    return std::string(static_cast<size_t>(std::max(count, 0)), kTooWideMark);
}

}  // namespace spreadsheet::render
