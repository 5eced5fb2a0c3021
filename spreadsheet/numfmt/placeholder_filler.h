// Filling digit placeholders: "0" shows a zero, "#" nothing and "?" a space
// where the number has no digit of its own. Integer parts, exponents and
// numerators fill from the right; denominators from the left. Internal to the
// number-format library.
#pragma once

#include <string>

namespace spreadsheet::numfmt {

// Fills right-aligned placeholders, one call per placeholder from left to
// right. The leftmost placeholder also takes every digit that has no
// placeholder of its own.
class PlaceholderFiller {
public:
    PlaceholderFiller(std::string digits, int placeholders, bool grouping)
        : m_digits(std::move(digits)), m_placeholders(placeholders), m_grouping(grouping) {}

    void fillNext(std::string& out, char placeholder);
    // Digits left over when a section has no integer placeholders (".00" on 12.5).
    void fillWithoutPlaceholders(std::string& out);

private:
    void fillPosition(std::string& out, int position, char placeholder);

    std::string m_digits;
    int m_placeholders;
    bool m_grouping;
    int m_next = 0;
};

// Fills left-aligned placeholders (a denominator's): its digits first, then
// a space for each "?" or "0" left over, nothing for "#". Digits beyond the
// placeholders go with the last one.
class LeftAlignedFiller {
public:
    LeftAlignedFiller(std::string digits, int placeholders)
        : m_digits(std::move(digits)), m_placeholders(placeholders) {}

    void fillNext(std::string& out, char placeholder);

private:
    std::string m_digits;
    int m_placeholders;
    int m_next = 0;
};

}  // namespace spreadsheet::numfmt
