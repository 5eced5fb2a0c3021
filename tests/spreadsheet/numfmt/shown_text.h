// The table row every "this code shows this number as this text" test uses,
// and the parameterised suite that checks it; each test file instantiates the
// suite with its own tables.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace spreadsheet::numfmt::shown_text {

struct Shown {
    std::string code;
    double number;
    std::string text;
};

inline void PrintTo(const Shown& c, std::ostream* os) { *os << "\"" << c.code << "\" on " << c.number; }

class NumberText : public ::testing::TestWithParam<Shown> {};

}  // namespace spreadsheet::numfmt::shown_text
