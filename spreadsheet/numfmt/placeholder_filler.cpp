// Placing a number's digits in its placeholders, with thousands separators
// between integer digits when the section groups them.
#include "spreadsheet/numfmt/placeholder_filler.h"

namespace spreadsheet::numfmt {

void PlaceholderFiller::fillNext(std::string& out, char placeholder) {
    if (m_next == 0)
        for (int position = static_cast<int>(m_digits.size()) - 1; position >= m_placeholders; --position)
            fillPosition(out, position, '0');
    fillPosition(out, m_placeholders - 1 - m_next, placeholder);
    ++m_next;
}

void PlaceholderFiller::fillWithoutPlaceholders(std::string& out) {
    if (m_placeholders == 0 && m_next == 0) fillNext(out, '#');
}

// One digit position, counted from the right: its digit, or what the
// placeholder shows in its absence.
void PlaceholderFiller::fillPosition(std::string& out, int position, char placeholder) {
    if (position < 0) return;
    const int size = static_cast<int>(m_digits.size());
    char shown = '\0';
    if (position < size) shown = m_digits[size - 1 - position];
    else if (placeholder == '0') shown = '0';
    else if (placeholder == '?') shown = ' ';
    if (shown == '\0') return;
    out += shown;
    if (m_grouping && position > 0 && position % 3 == 0) out += shown == ' ' ? ' ' : ',';
}

// A zero after the digits would read as part of the number, so "0" pads with
// a space there just as "?" does.
void LeftAlignedFiller::fillNext(std::string& out, char placeholder) {
    const int index = m_next++;
    const int size = static_cast<int>(m_digits.size());
    if (index < size) out += m_digits[index];
    else if (placeholder != '#') out += ' ';
    if (index == m_placeholders - 1 && size > m_placeholders) out += m_digits.substr(m_placeholders);
}

}  // namespace spreadsheet::numfmt
