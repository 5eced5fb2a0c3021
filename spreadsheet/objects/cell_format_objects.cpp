// Font, Interior, Borders and Border: reading from the top-left cell, writing to every cell of the range.
#include "spreadsheet/objects/cell_format_objects.h"
#include "spreadsheet/objects/property_errors.h"

#include "automation/automation_error.h"
#include "spreadsheet/objects/constants.h"
#include "spreadsheet/objects/line_codes.h"

#include <algorithm>
#include <cctype>

namespace spreadsheet::objects {

using automation::Args;
using automation::AutomationError;
using automation::ObjectRef;
using automation::Variant;
using model::CellRange;
using model::CellStyle;
using model::Edge;

namespace {

// What every format handle holds: the cells it formats.
struct FormatTarget {
    SheetHandle sheet;
    model::RangeList areas;

    CellStyle topLeftStyle() const { return sheet.get().effectiveStyle(areas.front().first); }
    void apply(const std::function<void(CellStyle&)>& change) const {
        for (const CellRange& area : areas) sheet.get().applyStyle(area, change);
    }
};

// A colour index: 1..56 on the palette, or automatic.
int colorIndexArgument(const Variant& v, const std::string& owner, bool allowNone) {
    const int index = v.toI4();
    if (model::Palette::isValidIndex(index) || index == xl::kColorIndexAutomatic) return index;
    if (allowNone && index == xl::kColorIndexNone) return index;
    unableToSet("ColorIndex", owner, std::to_string(index) + " is not a colour index (1 to 56, or automatic)");
}

// ---------------------------------------------------------------- Font

class FontObject final : public automation::TableObject<FontObject> {
public:
    explicit FontObject(FormatTarget target) : m_target(std::move(target)) {}
    static const automation::MemberTable<FontObject>& members();
    const FormatTarget& target() const { return m_target; }

private:
    FormatTarget m_target;
};

void setFontSize(const FontObject& f, const Variant& v) {
    const double size = v.toDouble();
    if (size < 1 || size > 409) unableToSet("Size", "Font", automation::formatNumber(size) + " is not between 1 and 409");
    f.target().apply([&](CellStyle& s) { s.font.size = size; });
}

void setFontName(const FontObject& f, const Variant& v) {
    const std::string name = v.toString();
    if (name.empty() || name.size() > 31) unableToSet("Name", "Font", "a font name has 1 to 31 characters");
    f.target().apply([&](CellStyle& s) { s.font.name = name; });
}

const automation::MemberTable<FontObject>& FontObject::members() {
    using T = automation::MemberTable<FontObject>;
    static const T table("Font", {
        T::property("Name", [](FontObject& f, const Args&) { return Variant(f.target().topLeftStyle().font.name); },
                    [](FontObject& f, const Variant& v, const Args&) { setFontName(f, v); }),
        T::property("Size", [](FontObject& f, const Args&) { return Variant(f.target().topLeftStyle().font.size); },
                    [](FontObject& f, const Variant& v, const Args&) { setFontSize(f, v); }),
        T::property("FontStyle",
                    [](FontObject& f, const Args&) {
                        const model::Font font = f.target().topLeftStyle().font;
                        return Variant(fontStyleName(font.bold, font.italic));
                    },
                    [](FontObject& f, const Variant& v, const Args&) {
                        const FontStyleFlags flags = parseFontStyle(v.toString());
                        f.target().apply([&](CellStyle& s) {
                            s.font.bold = flags.bold;
                            s.font.italic = flags.italic;
                        });
                    }),
        T::property("Bold", [](FontObject& f, const Args&) { return Variant(f.target().topLeftStyle().font.bold); },
                    [](FontObject& f, const Variant& v, const Args&) {
                        const bool bold = v.toBool();
                        f.target().apply([&](CellStyle& s) { s.font.bold = bold; });
                    }),
        T::property("Italic", [](FontObject& f, const Args&) { return Variant(f.target().topLeftStyle().font.italic); },
                    [](FontObject& f, const Variant& v, const Args&) {
                        const bool italic = v.toBool();
                        f.target().apply([&](CellStyle& s) { s.font.italic = italic; });
                    }),
        T::property("ColorIndex",
                    [](FontObject& f, const Args&) { return Variant(int32_t(f.target().topLeftStyle().font.colorIndex)); },
                    [](FontObject& f, const Variant& v, const Args&) {
                        const int index = colorIndexArgument(v, "Font", false);
                        f.target().apply([&](CellStyle& s) { s.font.colorIndex = index; });
                    }),
    });
    return table;
}

// ---------------------------------------------------------------- Interior

class InteriorObject final : public automation::TableObject<InteriorObject> {
public:
    explicit InteriorObject(FormatTarget target) : m_target(std::move(target)) {}
    static const automation::MemberTable<InteriorObject>& members();
    const FormatTarget& target() const { return m_target; }

private:
    FormatTarget m_target;
};

const automation::MemberTable<InteriorObject>& InteriorObject::members() {
    using T = automation::MemberTable<InteriorObject>;
    static const T table("Interior", {
        T::property("ColorIndex",
                    [](InteriorObject& i, const Args&) { return Variant(int32_t(i.target().topLeftStyle().fillColorIndex)); },
                    [](InteriorObject& i, const Variant& v, const Args&) {
                        int index = colorIndexArgument(v, "Interior", true);
                        if (index == xl::kColorIndexAutomatic) index = xl::kColorIndexNone;  // no fill of its own
                        i.target().apply([&](CellStyle& s) { s.fillColorIndex = index; });
                    }),
    });
    return table;
}

// ---------------------------------------------------------------- Borders

// The edge a border index reads back from.
Edge readEdge(int borderIndex) {
    switch (borderIndex) {
    case xl::kEdgeLeft: return Edge::Left;
    case xl::kEdgeTop: return Edge::Top;
    case xl::kEdgeRight:
    case xl::kInsideVertical: return Edge::Right;
    default: return Edge::Bottom;
    }
}

class BorderObject final : public automation::TableObject<BorderObject> {
public:
    BorderObject(FormatTarget target, int index) : m_target(std::move(target)), m_index(index) {}
    static const automation::MemberTable<BorderObject>& members();

    model::BorderLine line() const { return m_target.topLeftStyle().borders[readEdge(m_index)]; }
    void change(const std::function<void(model::BorderLine&)>& fn) const {
        applyBorder(m_target.sheet.get(), m_target.areas, m_index, fn);
    }

private:
    FormatTarget m_target;
    int m_index;
};

const automation::MemberTable<BorderObject>& BorderObject::members() {
    using T = automation::MemberTable<BorderObject>;
    static const T table("Border", {
        T::property("LineStyle",
                    [](BorderObject& b, const Args&) { return Variant(int32_t(automationLineStyle(b.line().lineStyle))); },
                    [](BorderObject& b, const Variant& v, const Args&) {
                        const int number = v.toI4();
                        const std::optional<model::LineStyle> style = lineStyleFromAutomation(number);
                        if (!style) unableToSet("LineStyle", "Border", std::to_string(number) + " is not a line style");
                        b.change([&](model::BorderLine& l) { l.lineStyle = *style; });
                    }),
        T::property("ColorIndex", [](BorderObject& b, const Args&) { return Variant(int32_t(b.line().colorIndex)); },
                    [](BorderObject& b, const Variant& v, const Args&) {
                        const int index = colorIndexArgument(v, "Border", false);
                        b.change([&](model::BorderLine& l) { l.colorIndex = index; });
                    }),
        T::property("Weight",
                    [](BorderObject& b, const Args&) { return Variant(int32_t(automationLineWeight(b.line().weight))); },
                    [](BorderObject& b, const Variant& v, const Args&) {
                        const int number = v.toI4();
                        const std::optional<model::LineWeight> weight = lineWeightFromAutomation(number);
                        if (!weight) unableToSet("Weight", "Border", std::to_string(number) + " is not a border weight");
                        b.change([&](model::BorderLine& l) { l.weight = *weight; });
                    }),
    });
    return table;
}

int borderIndexArgument(const Variant& v) {
    const int index = v.toI4();
    if (index < xl::kEdgeLeft || index > xl::kInsideHorizontal)
        throw AutomationError("Unable to get the Item property of the Borders class: " + std::to_string(index) +
                              " is not a border of a cell range (7 to 12)");
    return index;
}

class BordersObject final : public automation::TableObject<BordersObject> {
public:
    explicit BordersObject(FormatTarget target) : m_target(std::move(target)) {}
    static const automation::MemberTable<BordersObject>& members();
    ObjectRef item(const Variant& index) const {
        return std::make_shared<BorderObject>(m_target, borderIndexArgument(index));
    }

private:
    FormatTarget m_target;
};

const automation::MemberTable<BordersObject>& BordersObject::members() {
    using T = automation::MemberTable<BordersObject>;
    static const T table("Borders", {
        T::property("Item", [](BordersObject& b, const Args& a) { return Variant(b.item(a[0])); }, {}, 1, 1),
        T::property("Count", [](BordersObject&, const Args&) { return Variant(int32_t(6)); }),
    });
    return table;
}

// Applies a change to the cells of one sub-rectangle, if it is not empty.
void changeCells(model::Sheet& sheet, int r1, int c1, int r2, int c2, Edge edge,
                 const std::function<void(model::BorderLine&)>& change) {
    if (r1 > r2 || c1 > c2) return;
    sheet.applyStyle(CellRange({r1, c1}, {r2, c2}), [&](CellStyle& s) { change(s.borders[edge]); });
}

}  // namespace

void applyBorder(model::Sheet& sheet, const model::RangeList& areas, int index,
                 const std::function<void(model::BorderLine&)>& change) {
    for (const CellRange& a : areas) {
        const int r1 = a.first.row, r2 = a.last.row, c1 = a.first.column, c2 = a.last.column;
        switch (index) {
        case xl::kEdgeLeft: changeCells(sheet, r1, c1, r2, c1, Edge::Left, change); break;
        case xl::kEdgeTop: changeCells(sheet, r1, c1, r1, c2, Edge::Top, change); break;
        case xl::kEdgeBottom: changeCells(sheet, r2, c1, r2, c2, Edge::Bottom, change); break;
        case xl::kEdgeRight: changeCells(sheet, r1, c2, r2, c2, Edge::Right, change); break;
        case xl::kInsideVertical:  // the lines between columns belong to the cells on both sides
            changeCells(sheet, r1, c1, r2, c2 - 1, Edge::Right, change);
            changeCells(sheet, r1, c1 + 1, r2, c2, Edge::Left, change);
            break;
        case xl::kInsideHorizontal:
            changeCells(sheet, r1, c1, r2 - 1, c2, Edge::Bottom, change);
            changeCells(sheet, r1 + 1, c1, r2, c2, Edge::Top, change);
            break;
        default: break;
        }
    }
}

FontStyleFlags parseFontStyle(const std::string& style) {
    std::string folded;
    for (char c : style)
        if (c != ' ') folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (folded == "bold") return {true, false};
    if (folded == "italic") return {false, true};
    if (folded == "bolditalic") return {true, true};
    return {false, false};  // "Regular", and any text the spreadsheet does not know
}

std::string fontStyleName(bool bold, bool italic) {
    if (bold && italic) return "Bold Italic";
    if (bold) return "Bold";
    if (italic) return "Italic";
    return "Regular";
}

ObjectRef makeFont(const SheetHandle& sheet, const model::RangeList& areas) {
    return std::make_shared<FontObject>(FormatTarget{sheet, areas});
}

ObjectRef makeInterior(const SheetHandle& sheet, const model::RangeList& areas) {
    return std::make_shared<InteriorObject>(FormatTarget{sheet, areas});
}

ObjectRef makeBorders(const SheetHandle& sheet, const model::RangeList& areas, const Args& args) {
    auto borders = std::make_shared<BordersObject>(FormatTarget{sheet, areas});
    if (args.empty()) return borders;
    return borders->item(args[0]);
}

}  // namespace spreadsheet::objects
