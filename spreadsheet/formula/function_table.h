// The built-in functions the engine knows: name, how many arguments each takes,
// and how the file format writes a call (its built-in function number, and
// whether the call token carries an argument count). The parser and the
// evaluator both check argument counts against this table, nowhere else.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace spreadsheet::formula {

inline constexpr int kMaxFunctionArguments = 30;  // the file format's limit per call

struct FunctionInfo {
    std::string_view name;  // upper case
    int minArguments;
    int maxArguments;
    uint16_t fileNumber;      // the file format's built-in function number
    bool variableArguments;   // written with an argument count; otherwise the count is implied
};

// Every known function, sorted by name.
std::span<const FunctionInfo> functionTable();
// By name, ignoring case; null when unknown.
const FunctionInfo* findFunction(std::string_view name);
// By the file format's number; null when unknown.
const FunctionInfo* findFunction(uint16_t fileNumber);

}  // namespace spreadsheet::formula
