// NumberFormat: parsing a code once and picking, for each value, the section that
// shows it and whether a "-" goes in front. The sections themselves are applied
// in section_formatter.cpp.
#include "spreadsheet/numfmt/number_format.h"

#include "spreadsheet/numfmt/format_section.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace spreadsheet::numfmt {
namespace {

using Section = NumberFormat::Section;

struct SectionChoice {
    const Section* section;
    bool minus;
};

// Without conditions: one section takes all (negatives with "-"); two split at
// zero (zero takes the first); three give positive, negative and zero their own.
SectionChoice defaultChoice(std::span<const Section> sections, double number) {
    switch (sections.size()) {
    case 1: return {&sections[0], number < 0};
    case 2: return {number < 0 ? &sections[1] : &sections[0], false};
    default: return {number > 0 ? &sections[0] : number < 0 ? &sections[1] : &sections[2], false};
    }
}

// The section showing a number; none when conditions leave it without one.
std::optional<SectionChoice> chooseSection(std::span<const Section> sections, double number) {
    if (sections.empty()) return std::nullopt;
    const auto hasCondition = [](const Section& s) { return s.condition.has_value(); };
    if (std::none_of(sections.begin(), sections.end(), hasCondition)) return defaultChoice(sections, number);
    for (const Section& section : sections) {
        if (section.condition && !section.condition->holds(number)) continue;
        // A catch-all section keeps the sign: hiding it would show a different number.
        const bool ownSign = section.condition && section.condition->admitsOnlyNegatives();
        return SectionChoice{&section, number < 0 && !ownSign};
    }
    return std::nullopt;
}

Section generalSection() {
    Section section;
    section.tokens.emplace_back(TokenKind::GeneralNumber, "General");
    section.hasGeneral = true;
    return section;
}

}  // namespace

NumberFormat::NumberFormat() : m_code("General") { m_sections.push_back(generalSection()); }
NumberFormat::~NumberFormat() = default;
NumberFormat::NumberFormat(const NumberFormat&) = default;
NumberFormat::NumberFormat(NumberFormat&&) noexcept = default;
NumberFormat& NumberFormat::operator=(const NumberFormat&) = default;
NumberFormat& NumberFormat::operator=(NumberFormat&&) noexcept = default;

NumberFormat NumberFormat::parse(std::string_view code) {
    if (code.empty()) return general();
    NumberFormat format;
    try {
        ParsedCode parsed = parseFormatCode(code);
        format.m_sections = std::move(parsed.sections);
        format.m_hasTextSection = parsed.hasTextSection;
    } catch (const NumberFormatError& error) {
        throw NumberFormatError("Invalid number format \"" + std::string(code) + "\": " + error.what());
    }
    format.m_code = std::string(code);
    return format;
}

NumberFormat NumberFormat::general() { return NumberFormat(); }

bool NumberFormat::isGeneral() const {
    if (m_sections.size() != 1 || m_hasTextSection) return false;
    const Section& s = m_sections.front();
    return s.tokens.size() == 1 && s.hasGeneral && !s.dateTime && !s.colorIndex && !s.condition;
}

Display NumberFormat::format(const model::Value& value) const {
    switch (value.kind()) {
    case model::ValueKind::Empty: return {"", std::nullopt};
    case model::ValueKind::Number: return formatNumber(value.asNumber());
    case model::ValueKind::Text: return formatText(value.asText());
    case model::ValueKind::Boolean: return {value.asBoolean() ? "TRUE" : "FALSE", std::nullopt};
    case model::ValueKind::Error: return {std::string(model::errorText(value.asError())), std::nullopt};
    }
    return {"", std::nullopt};
}

Display NumberFormat::formatNumber(double number) const {
    if (!std::isfinite(number)) return {"#NUM!", std::nullopt};
    const std::span<const Section> numberSections(m_sections.data(), m_sections.size() - (m_hasTextSection ? 1 : 0));
    const std::optional<SectionChoice> choice = chooseSection(numberSections, number);
    if (!choice) return {generalText(number), std::nullopt};
    return {formatNumberSection(*choice->section, std::fabs(number), choice->minus), choice->section->colorIndex};
}

Display NumberFormat::formatText(const std::string& text) const {
    if (!m_hasTextSection) return {text, std::nullopt};
    const Section& section = m_sections.back();
    return {formatTextSection(section, text), section.colorIndex};
}

}  // namespace spreadsheet::numfmt
