// Token classes: whether an operand token hands its consumer a reference, a
// single value or an array. The class comes from where the operand stands:
// operators take values, the union and range operators references, and each
// function parameter has its own class, listed here per function.
#pragma once

#include "spreadsheet/formula/function_table.h"

#include <cstdint>
#include <string_view>

namespace spreadsheet::xls::tokens {

enum class OperandClass : uint8_t { Reference, Value, Array };

// The class bits to OR into a classed token id.
uint8_t classBits(OperandClass operandClass);

// The class a function expects for its argument at index (0-based). Functions
// with no entry take values throughout.
OperandClass parameterClass(const formula::FunctionInfo& function, int index);

// True when the class list has an entry for this function (a test checks that
// every function the engine knows has one).
bool hasParameterClasses(std::string_view functionName);

}  // namespace spreadsheet::xls::tokens
