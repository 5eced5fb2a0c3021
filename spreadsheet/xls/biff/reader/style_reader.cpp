// FONT, FORMAT, XF and PALETTE record bodies, and XF -> CellStyle.
// Colours outside the palette map to automatic, fills to their foreground colour.
#include "spreadsheet/xls/biff/reader/style_reader.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/builtin_formats.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

namespace spreadsheet::xls::biff {
namespace {

constexpr int kPaletteBlack = 1;
constexpr std::size_t kFontStyleSize = 6;   // FONT: script, underline, family, character set, unused
constexpr std::size_t kXfTypeSize = 2;      // XF: type, protection, parent
constexpr std::size_t kXfLayoutSize = 3;    // XF: rotation, indent, used attribute groups
constexpr std::size_t kColorPadding = 1;    // PALETTE: the unused fourth byte of a colour
constexpr int kPaletteWhite = 2;

model::HorizontalAlignment alignmentFrom(uint8_t code) {
    switch (code & xf::kHorizontalMask) {
    case xf::kAlignLeft:
    case xf::kAlignJustify: return model::HorizontalAlignment::Left;
    case xf::kAlignCenter:
    case xf::kAlignCenterAcross:
    case xf::kAlignDistributed: return model::HorizontalAlignment::Center;
    case xf::kAlignRight: return model::HorizontalAlignment::Right;
    default: return model::HorizontalAlignment::General;
    }
}

// A line's colour; lines that are not drawn keep only a palette colour of their own.
model::BorderLine border(uint32_t lines, unsigned lineShift, uint32_t colors, unsigned colorShift) {
    const auto stored = static_cast<uint8_t>((lines >> lineShift) & xf::kLineMask);
    const auto value = static_cast<uint16_t>((colors >> colorShift) & icv::kMask);
    const bool drawnOrPalette = stored != dg::kNone || value >= icv::kFixedColors;
    return borderFromStored(stored, drawnOrPalette ? colorIndexFromIcv(value, model::kColorAutomatic)
                                                   : model::kColorAutomatic);
}

int fillFrom(const StoredXf& x) {
    const uint32_t pattern = (x.borderColors >> xf::kFillPatternShift) & xf::kFillPatternMask;
    if (pattern == xf::kPatternNone) return model::kColorNone;
    const auto fore = static_cast<uint16_t>(x.fillColors & icv::kMask);
    if (fore == icv::kWindowText) return kPaletteBlack;        // the system foreground
    if (fore == icv::kWindowBackground) return kPaletteWhite;  // the system background
    return colorIndexFromIcv(fore, model::kColorNone);
}

}  // namespace

model::Font readFont(const Record& record) {
    ByteCursor in(record.body, "a FONT record");
    model::Font f;
    f.size = fontSizeFromStored(in.u16());
    f.italic = (in.u16() & fontrec::kItalic) != 0;
    f.colorIndex = colorIndexFromIcv(in.u16(), model::kColorAutomatic);
    f.bold = in.u16() >= fontrec::kWeightBoldFrom;
    in.skip(kFontStyleSize);
    f.name = unicode::utf8FromUtf16(in.shortString());
    return f;
}

std::pair<uint16_t, std::string> readFormat(const Record& record) {
    const std::vector<uint8_t> body = record.joined();
    ByteCursor in(body, "a FORMAT record");
    const uint16_t id = in.u16();
    return {id, unicode::utf8FromUtf16(in.string())};
}

StoredXf readXf(const Record& record) {
    ByteCursor in(record.body, "an XF record");
    StoredXf x;
    x.font = in.u16();
    x.format = in.u16();
    in.skip(kXfTypeSize);
    x.alignment = in.u8();
    in.skip(kXfLayoutSize);
    x.borderLines = in.u32();
    x.borderColors = in.u32();
    x.fillColors = in.u16();
    return x;
}

void readPalette(const Record& record, model::Palette& palette) {
    ByteCursor in(record.body, "a PALETTE record");
    const int count = in.u16();
    for (int index = 1; index <= count && index <= model::kPaletteSize; ++index) {
        const uint32_t red = in.u8(), green = in.u8(), blue = in.u8();
        in.skip(kColorPadding);
        palette.setColor(index, red << 16 | green << 8 | blue);
    }
}

const model::CellStyle& StyleResolver::style(uint16_t xf) {
    if (const auto it = m_cache.find(xf); it != m_cache.end()) return it->second;
    const model::CellStyle resolved = xf < m_globals.xfs.size() ? resolve(m_globals.xfs[xf]) : model::CellStyle{};
    return m_cache.emplace(xf, resolved).first->second;
}

model::CellStyle StyleResolver::resolve(const StoredXf& x) const {
    model::CellStyle s;
    if (const auto f = m_globals.fonts.find(x.font); f != m_globals.fonts.end()) s.font = f->second;
    if (const auto f = m_globals.formats.find(x.format); f != m_globals.formats.end()) s.numberFormat = f->second;
    else s.numberFormat = std::string(builtInCode(x.format).value_or(model::kGeneralFormat));
    s.horizontal = alignmentFrom(x.alignment);
    using model::Edge;
    s.borders[Edge::Left] = border(x.borderLines, xf::kLeftLineShift, x.borderLines, xf::kLeftColorShift);
    s.borders[Edge::Right] = border(x.borderLines, xf::kRightLineShift, x.borderLines, xf::kRightColorShift);
    s.borders[Edge::Top] = border(x.borderLines, xf::kTopLineShift, x.borderColors, xf::kTopColorShift);
    s.borders[Edge::Bottom] = border(x.borderLines, xf::kBottomLineShift, x.borderColors, xf::kBottomColorShift);
    s.fillColorIndex = fillFrom(x);
    return s;
}

}  // namespace spreadsheet::xls::biff
