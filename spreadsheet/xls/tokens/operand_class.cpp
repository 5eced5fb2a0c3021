// The parameter classes of the engine's functions, as the file format's own
// function list gives them. Functions whose arguments may be ranges (SUM, MIN,
// AND, ...) take references; IF takes a value for its condition and references
// for its two results, since it may hand back either as its result.
#include "spreadsheet/xls/tokens/operand_class.h"

#include "spreadsheet/xls/tokens/ptg_ids.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace spreadsheet::xls::tokens {
namespace {

// One letter per parameter, R for reference and V for value; the last letter
// stands for every later argument too.
struct FunctionClasses {
    std::string_view name;
    std::string_view parameters;
};

constexpr std::array<FunctionClasses, 17> kClasses = {{
    {"ABS", "V"},
    {"AND", "R"},
    {"AVERAGE", "R"},
    {"COUNT", "R"},
    {"FALSE", ""},
    {"IF", "VRR"},
    {"INT", "V"},
    {"ISERROR", "V"},
    {"MAX", "R"},
    {"MIN", "R"},
    {"MOD", "VV"},
    {"NA", ""},
    {"NOT", "V"},
    {"OR", "R"},
    {"ROUND", "VV"},
    {"SUM", "R"},
    {"TRUE", ""},
}};

const FunctionClasses* findClasses(std::string_view name) {
    for (const FunctionClasses& c : kClasses)
        if (c.name == name) return &c;
    return nullptr;
}

}  // namespace

uint8_t classBits(OperandClass operandClass) {
    switch (operandClass) {
    case OperandClass::Reference: return ptg::kClassReference;
    case OperandClass::Value: return ptg::kClassValue;
    case OperandClass::Array: return ptg::kClassArray;
    }
    return ptg::kClassValue;
}

OperandClass parameterClass(const formula::FunctionInfo& function, int index) {
    const FunctionClasses* c = findClasses(function.name);
    if (!c || c->parameters.empty() || index < 0) return OperandClass::Value;
    const size_t at = std::min(static_cast<size_t>(index), c->parameters.size() - 1);
    return c->parameters[at] == 'R' ? OperandClass::Reference : OperandClass::Value;
}

bool hasParameterClasses(std::string_view functionName) { return findClasses(functionName) != nullptr; }

}  // namespace spreadsheet::xls::tokens
