// A cell's font as a screen font, with metric-compatible stand-ins for missing families.
#include "spreadsheet/render/cell_fonts.h"

#include "spreadsheet/render/sheet_geometry.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>

namespace spreadsheet::render {
namespace {

// Families with a metric-compatible stand-in that fontconfig setups carry.
struct StandIn {
    std::string_view family;
    const char* standIn;
};
constexpr StandIn kStandIns[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

// Heavy families that are a weight of a common family.
struct HeavyFamily {
    std::string_view family;
    const char* base;
};
constexpr HeavyFamily kHeavyFamilies[] = {{"Arial Black", "Arial"}};

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                  std::tolower(static_cast<unsigned char>(y)); });
}

QStringList familiesFor(std::string_view family) {
    QStringList families{QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()))};
    for (const StandIn& s : kStandIns)
        if (sameName(family, s.family)) families << QString::fromLatin1(s.standIn);
    return families;
}

// Whether the font database knows a family, asked once a family: the answer
// goes through fontconfig's substitution rules, which cost more than painting
// the cell, and the fonts do not change while a picture is painted.
bool hasFamily(const std::string& family) {
    static std::map<std::string, bool> known;
    const auto [at, inserted] = known.try_emplace(family, false);
    if (inserted) at->second = QFontDatabase::hasFamily(QString::fromUtf8(family.c_str()));
    return at->second;
}

}  // namespace

int fontPixelSize(double points) { return std::max(1, pixelsFromPoints(points)); }

QFont screenFont(const model::Font& font) {
    QFont q;
    q.setFamilies(familiesFor(font.name));
    q.setPixelSize(fontPixelSize(font.size));
    q.setWeight(font.bold ? QFont::Bold : QFont::Normal);
    q.setItalic(font.italic);
    q.setKerning(false);  // cells space their characters by the font's advances alone
    for (const HeavyFamily& heavy : kHeavyFamilies) {
        if (!sameName(font.name, heavy.family)) continue;
        if (!hasFamily(font.name)) {
            q.setFamilies(familiesFor(heavy.base));
            q.setWeight(QFont::Black);
        }
    }
    return q;
}

}  // namespace spreadsheet::render
