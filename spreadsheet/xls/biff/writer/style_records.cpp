// FONT, FORMAT, XF, STYLE and PALETTE record bodies.
// Every cell XF states all its attributes; the flags say which differ from Normal.
#include "spreadsheet/xls/biff/writer/style_records.h"

#include "spreadsheet/unicode/utf16.h"
#include "spreadsheet/xls/biff/records/builtin_formats.h"
#include "spreadsheet/xls/biff/records/record_fields.h"
#include "spreadsheet/xls/biff/records/record_ids.h"
#include "spreadsheet/xls/biff/records/unicode_text.h"
#include "spreadsheet/xls/biff/records/value_encodings.h"

namespace spreadsheet::xls::biff {
namespace {

void writeFont(RecordStream& out, const model::Font& f) {
    out.begin(record::kFont);
    out.u16(storedFontHeight(f.size));
    out.u16(static_cast<uint16_t>((f.italic ? fontrec::kItalic : 0) | (f.bold ? fontrec::kBoldFlag : 0)));
    out.u16(icvFromColorIndex(f.colorIndex, icv::kFontAutomatic));
    out.u16(f.bold ? fontrec::kWeightBold : fontrec::kWeightNormal);
    out.u16(0);  // no superscript or subscript
    out.u8(0);   // no underline
    out.u8(0);   // font family not stated
    out.u8(0);   // character set: ANSI
    out.u8(0);   // unused
    out.shortString(truncated(unicode::utf16FromUtf8Replacing(f.name), str::kMaxShortLength));
    out.end();
}

void writeFormat(RecordStream& out, uint16_t id, std::string_view code) {
    out.begin(record::kFormat);
    out.u16(id);
    out.string(truncated(unicode::utf16FromUtf8Replacing(code), str::kMaxLength));
    out.end();
}

uint8_t alignmentCode(model::HorizontalAlignment h) {
    switch (h) {
    case model::HorizontalAlignment::Left: return xf::kAlignLeft;
    case model::HorizontalAlignment::Center: return xf::kAlignCenter;
    case model::HorizontalAlignment::Right: return xf::kAlignRight;
    case model::HorizontalAlignment::General: break;
    }
    return xf::kAlignGeneral;
}

// The attribute groups in which a cell style differs from the Normal style.
uint8_t usedGroups(const model::CellStyle& s, uint16_t formatId) {
    const model::CellStyle normal;
    uint8_t used = 0;
    if (formatId != builtin::kGeneral) used |= xf::kUsesNumberFormat;
    if (!(s.font == normal.font)) used |= xf::kUsesFont;
    if (s.horizontal != normal.horizontal) used |= xf::kUsesAlignment;
    if (!(s.borders == normal.borders)) used |= xf::kUsesBorder;
    if (s.fillColorIndex != normal.fillColorIndex) used |= xf::kUsesFill;
    return used;
}

uint32_t borderColor(const model::BorderLine& l) { return icvFromColorIndex(l.colorIndex, icv::kWindowText) & icv::kMask; }

// The two 32-bit border words and the 16-bit fill word of an XF.
void writeBordersAndFill(RecordStream& out, const model::CellStyle& s) {
    using model::Edge;
    const auto& b = s.borders;
    out.u32(uint32_t{storedLine(b[Edge::Left])} << xf::kLeftLineShift |
            uint32_t{storedLine(b[Edge::Right])} << xf::kRightLineShift |
            uint32_t{storedLine(b[Edge::Top])} << xf::kTopLineShift |
            uint32_t{storedLine(b[Edge::Bottom])} << xf::kBottomLineShift |
            borderColor(b[Edge::Left]) << xf::kLeftColorShift | borderColor(b[Edge::Right]) << xf::kRightColorShift);
    const bool filled = model::Palette::isValidIndex(s.fillColorIndex);
    const uint32_t pattern = filled ? xf::kPatternSolid : xf::kPatternNone;
    out.u32(borderColor(b[Edge::Top]) << xf::kTopColorShift | borderColor(b[Edge::Bottom]) << xf::kBottomColorShift |
            pattern << xf::kFillPatternShift);
    const uint16_t fore = icvFromColorIndex(s.fillColorIndex, icv::kWindowText);
    out.u16(static_cast<uint16_t>(fore | icv::kWindowBackground << xf::kFillBackShift));
}

// The built-in number styles: style number and format, in XF order from XF 16.
struct NumberStyle {
    uint8_t style;
    uint16_t format;
};
constexpr NumberStyle kNumberStyles[] = {{stylerec::kComma, builtin::kComma},
                                         {stylerec::kCommaNoDecimals, builtin::kCommaNoDecimals},
                                         {stylerec::kCurrency, builtin::kCurrency},
                                         {stylerec::kCurrencyNoDecimals, builtin::kCurrencyNoDecimals},
                                         {stylerec::kPercent, builtin::kPercent}};

// A style XF: the Normal style, or a built-in style that defines only some groups.
void writeStyleXf(RecordStream& out, uint8_t omittedGroups, uint16_t format = builtin::kGeneral) {
    out.begin(record::kXf);
    out.u16(0);  // font 0
    out.u16(format);
    out.u16(static_cast<uint16_t>(xf::kLocked | xf::kStyle | xf::kNoParent << xf::kParentShift));
    out.u8(static_cast<uint8_t>(xf::kAlignGeneral | xf::kVerticalBottom << xf::kVerticalShift));
    out.u8(0);  // no rotation
    out.u8(0);  // no indent, no shrink to fit
    out.u8(omittedGroups);
    writeBordersAndFill(out, model::CellStyle{});
    out.end();
}

void writeCellXf(RecordStream& out, const StyleTable::CellXf& x) {
    out.begin(record::kXf);
    out.u16(x.font);
    out.u16(x.format);
    out.u16(static_cast<uint16_t>(xf::kLocked | xf::kNormalStyleXf << xf::kParentShift));
    out.u8(static_cast<uint8_t>(alignmentCode(x.style.horizontal) | xf::kVerticalBottom << xf::kVerticalShift));
    out.u8(0);
    out.u8(0);
    out.u8(usedGroups(x.style, x.format));
    writeBordersAndFill(out, x.style);
    out.end();
}

}  // namespace

void writeFonts(RecordStream& out, const StyleTable& styles) {
    for (const model::Font& f : styles.fonts()) writeFont(out, f);
}

void writeFormats(RecordStream& out, const StyleTable& styles) {
    for (const BuiltInFormat& f : currencyFormats()) writeFormat(out, f.id, f.code);
    for (const StyleTable::CustomFormat& f : styles.customFormats()) writeFormat(out, f.id, f.code);
}

void writeXfs(RecordStream& out, const StyleTable& styles) {
    writeStyleXf(out, 0);  // Normal: every group belongs to the style
    for (std::size_t i = 1; i < xf::kStyleXfCount; ++i) writeStyleXf(out, xf::kOutlineStyleOmits);
    const std::vector<StyleTable::CellXf>& cells = styles.cellXfs();
    writeCellXf(out, cells.front());
    for (const NumberStyle& n : kNumberStyles) writeStyleXf(out, xf::kNumberStyleOmits, n.format);
    for (std::size_t i = 1; i < cells.size(); ++i) writeCellXf(out, cells[i]);
}

void writeStyles(RecordStream& out) {
    const auto writeStyle = [&](uint16_t xfIndex, uint8_t style) {
        out.begin(record::kStyle);
        out.u16(static_cast<uint16_t>(xfIndex | stylerec::kBuiltIn));
        out.u8(style);
        out.u8(stylerec::kNoOutlineLevel);
        out.end();
    };
    writeStyle(xf::kNormalStyleXf, stylerec::kNormal);
    for (std::size_t i = 0; i < std::size(kNumberStyles); ++i)
        writeStyle(static_cast<uint16_t>(xf::kFirstNumberStyleXf + i), kNumberStyles[i].style);
}

void writePalette(RecordStream& out, const model::Palette& palette) {
    out.begin(record::kPalette);
    out.u16(static_cast<uint16_t>(model::kPaletteSize));
    for (int index = 1; index <= model::kPaletteSize; ++index) {
        const model::Rgb rgb = palette.color(index).value_or(0);
        out.u8(static_cast<uint8_t>(rgb >> 16));
        out.u8(static_cast<uint8_t>(rgb >> 8));
        out.u8(static_cast<uint8_t>(rgb));
        out.u8(0);
    }
    out.end();
}

}  // namespace spreadsheet::xls::biff
